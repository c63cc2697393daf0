// The window procedure of every skinned top-level window.
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

#include <string>

#include "platform/gdiplus_session.h"
#include "platform/handles.h"
#include "skin/controls/buttons/buttons.h"
#include "skin/drawing/colour_messages.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "skin/frame/adopted_children.h"
#include "skin/frame/adopted_frame.h"
#include "skin/frame/frame_space.h"
#include "skin/frame/frame_zones.h"

namespace skin {
namespace {

constexpr UINT kFadePeriodMs = 20;
constexpr int kFadeSteps = 8;
constexpr int kAlphaPerStep = 30;

UINT_PTR FadeTimerId(HWND window) { return reinterpret_cast<UINT_PTR>(window); }
// Fires once the size a maximise or restore gave the window has settled.
constexpr UINT_PTR kSettledTimerId = 0x5E77;
constexpr UINT kSettleMs = 250;

bool RenderedSizeDiffers(const SkinnedWindow& w) {
  if (!w.FrameBitmap) return false;
  BITMAP frame{};
  ::GetObjectA(w.FrameBitmap.get(), sizeof frame, &frame);
  const SIZE size = FrameSize(w);
  return frame.bmWidth != size.cx || frame.bmHeight != size.cy;
}

RECT FrameRect(const SkinnedWindow& w) {
  const SIZE size = FrameSize(w);
  return RECT{0, 0, size.cx, size.cy};
}

// A maximise or restore: the new size draws its picture draft, at full
// quality once no further size follows for a moment.
void BeginSizeChange(HWND window, SkinnedWindow& w) {
  w.SizeSettling = true;
  ::SetTimer(window, kSettledTimerId, kSettleMs, nullptr);
}

// The size has settled: a frame showing a draft picture is drawn again.
void OnSizeSettled(int i) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w) return;
  w->SizeSettling = false;
  if (!w->DraftShown) return;
  w->Dirty = true;
  ::InvalidateRect(w->Hwnd, nullptr, FALSE);
}

bool IsClientMouseMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_MOUSEHOVER;
}

}  // namespace

LRESULT SkinEngine::FrameWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int i = static_cast<int>(GetIntProp(window, prop::Hw_lbID));
  SkinnedWindow* w = WindowRecord(i);
  if (!w || w->Hwnd != window) w = nullptr;
  auto forward = [&] { return ForwardMessage(prop::Hw_hProc, window, message, wParam, lParam); };
  if (message == WM_NCDESTROY) {
    UnregisterWindow(window);
    ::KillTimer(window, FadeTimerId(window));
    ::KillTimer(window, kSettledTimerId);
    return forward();
  }
  if (!w) return forward();
  if (w->Adopted.on) {
    LRESULT answer = 0;
    if (AnswerAdopted(i, window, message, wParam, lParam, answer)) return answer;
  }
  // Where a mouse message points, in frame coordinates. The strips of an
  // adopted window are the engine's: the window hears only of its client
  // area, unless it holds the mouse.
  LPARAM at = lParam;
  bool onStrip = false;
  if (w->Adopted.on && IsClientMouseMessage(message) && message != WM_MOUSEWHEEL) {
    at = ClientToFramePoint(*w, lParam);
    onStrip = !InsideClient(*w, lParam);
  }
  const bool forwardMouse = !onStrip || ::GetCapture() == window;

  if (message == LateChildMessage()) {
    HWND child = reinterpret_cast<HWND>(lParam);
    if (w->Adopted.on && ::IsWindow(child)) TakeLateChild(*this, i, ::GetParent(child), child);
    return 0;
  }

  const bool switchesOn = Module.SkinChildControls && Module.TranslucencyGiven;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(window, &ps);
      if (!w->Minimised) {
        // A frame never rendered yet is rendered, whatever cleared Dirty.
        if (w->Dirty || !w->FrameDC)
          RenderFrame(i, dc);
        else
          PresentFrame(i, dc);
      }
      ::EndPaint(window, &ps);
      return ::DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_ERASEBKGND: ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT); return 1;
    case WM_SHOWWINDOW:
      if (wParam == TRUE) {
        if (w->Minimised) {
          w->Minimised = false;
        } else {
          platform::PaintScope paint(window);
          RenderFrame(i, paint.dc());
        }
      }
      break;
    case WM_SIZE:
      w->LastHotButton = 0;
      if (Module.FirstSizePending) {
        // The first size needs no new frame, unless the frame drawn so far
        // has another size.
        w->Dirty = RenderedSizeDiffers(*w);
        Module.FirstSizePending = false;
      } else {
        w->Dirty = true;
      }
      LayoutDockedChildren(i);
      break;
    case WM_SETTEXT:
      if (w->ShowTitle && w->ShowCaption)
        DrawTitle(i, nullptr, std::string(lParam ? reinterpret_cast<const char*>(lParam) : ""));
      break;
    case WM_GETMINMAXINFO: {
      MINMAXINFO info = *reinterpret_cast<MINMAXINFO*>(lParam);
      info.ptMinTrackSize = POINT{w->MinTrackWidth, w->MinTrackHeight};
      if (w->Maximised)
        info.ptMaxTrackSize = POINT{::GetSystemMetrics(SM_CXSCREEN),
                                    ::GetSystemMetrics(SM_CYSCREEN) - TaskbarHeight()};
      else
        info.ptMaxTrackSize = POINT{w->MaxTrackWidth, w->MaxTrackHeight};
      *reinterpret_cast<MINMAXINFO*>(lParam) = info;
      break;
    }
    case WM_WINDOWPOSCHANGED: {
      const RECT client = FrameRect(*w);
      const int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
      if (w->MaxButtonWanted && client.right == sw && client.bottom == sh) {
        w->Maximised = true;
        // Leave the taskbar free; moving only when the window is not there
        // yet keeps this from answering its own move for ever.
        const RECT target{0, 0, sw, sh - TaskbarHeight()};
        RECT now;
        ::GetWindowRect(window, &now);
        if (!::EqualRect(&now, &target))
          ::SetWindowPos(window, nullptr, target.left, target.top, target.right, target.bottom,
                         SWP_NOZORDER | SWP_NOOWNERZORDER);
      }
      LayoutCaptionButtons(i);
      if (SkinnedWindow* now = WindowRecord(i); now && now->StatusHeight > 0) LayoutStatusBar(i);
      break;
    }
    case WM_QUERYOPEN: w->Minimised = false; break;
    case WM_ENTERSIZEMOVE: w->SizeSettling = true; break;
    case WM_EXITSIZEMOVE: OnSizeSettled(i); break;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_MAXIMIZE:
          w->Maximised = true;
          w->Dirty = true;
          BeginSizeChange(window, *w);
          break;
        case SC_RESTORE:
          w->Dirty = true;
          w->Minimised = false;
          BeginSizeChange(window, *w);
          break;
        case SC_MINIMIZE:
          w->Dirty = true;
          w->Minimised = true;
          break;
      }
      break;
    case WM_TIMER:
      if (wParam == FadeTimerId(window)) OnFadeTick(i, window);
      if (wParam == kSettledTimerId) {
        ::KillTimer(window, kSettledTimerId);
        OnSizeSettled(i);
      }
      break;
    case WM_MOUSEMOVE: OnHover(i, window, at); break;
    case WM_LBUTTONDOWN:
      // A press in an adopted window's client area is the window's own.
      if (!w->Adopted.on || onStrip) OnPress(i, at);
      break;
    case WM_LBUTTONUP:
      if (HotButton >= 1 && HotButton <= w->CaptionButtons.count() && w->ShowCaption)
        DoCaptionButton(i, HotButton);
      break;
    case WM_LBUTTONDBLCLK:
      if ((!w->Adopted.on || onStrip) && GET_Y_LPARAM(at) <= w->CaptionHeight && w->Resizable)
        if (const int k = FindMaxButton(i)) DoCaptionButton(i, k);
      break;
    case WM_MOUSEHOVER: w->MouseTracking = true; break;
    case WM_MOUSELEAVE: OnLeave(i); break;
    case WM_DRAWITEM: {
      if (!lParam) break;
      const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      DispatchDrawItem(i, item);
      break;
    }
    case WM_NOTIFY: {
      if (!lParam) break;
      const NMHDR header = *reinterpret_cast<const NMHDR*>(lParam);
      if (IsTreeExpansion(static_cast<int>(header.code)))
        ::InvalidateRect(header.hwndFrom, nullptr, TRUE);
      break;
    }
    case WM_COMMAND:
      if (switchesOn && lParam) {
        HWND control = reinterpret_cast<HWND>(lParam);
        if (NotificationChangesBackground(GetClassText(control), HIWORD(wParam)))
          ::InvalidateRect(control, nullptr, TRUE);
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
      LRESULT brush = 0;
      if (AnswerColourMessage(*w, message, wParam, lParam, brush)) return brush;
      break;
    }
    case WM_PARENTNOTIFY:
      // In an adopted window a control made after the window was skinned
      // is skinned as it appears (a window made for the engine skins its
      // late controls itself, with SkinChildren).
      if (w->Adopted.on && LOWORD(wParam) == WM_CREATE && lParam) {
        TakeLateChild(*this, i, window, reinterpret_cast<HWND>(lParam));
        ::PostMessageA(window, LateChildMessage(), 0, lParam);
      }
      break;
    case WM_ACTIVATEAPP:
      if (wParam == FALSE)
        if (DeactivationHandler onDeactivated = GetDeactivationHandler()) onDeactivated();
      break;
    case WM_QUIT: platform::ShutdownGdiplus(); break;
  }
  if (!forwardMouse) return 0;
  return forward();
}

void SkinEngine::OnHover(int i, HWND window, LPARAM lParam) {
  SkinnedWindow* w = WindowRecord(i);
  const RECT client = FrameRect(*w);
  if (!w->MouseTracking) {
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, window, 1};
    ::TrackMouseEvent(&track);
  }
  if (!w->ShowCaption) return;
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  if (IsInButtonStrip(*w, x, y)) {
    if (!w->FadeTimerOn) {
      ::SetTimer(window, FadeTimerId(window), kFadePeriodMs, nullptr);
      w->FadeTimerOn = true;
    }
  } else {
    w->FadeTimerOn = false;  // the timer runs on until the fade step stops it
  }
  HotButton = HitTestCaptionButton(i, x, y);
  if (w->LastHotButton >= 1 && w->LastHotButton != HotButton) {
    // A new hover finishes the previous fade-out at once.
    if (w->FadeOut.step < kFadeSteps) DrawCaptionButton(i, w->FadeOut.button, nullptr, false, 0);
    w->FadeOut = FadeState{w->LastHotButton, 0};
  }
  if (HotButton >= 1 && HotButton != w->LastHotButton) w->FadeIn = FadeState{HotButton, 0};
  w->LastHotButton = HotButton;
  if (!w->Maximised) OnFrameMouseMove(i, lParam, client);
}

void SkinEngine::OnFadeTick(int i, HWND window) {
  SkinnedWindow* w = WindowRecord(i);
  if (w->FadeIn.button >= 1 && w->FadeIn.step < kFadeSteps) {
    ++w->FadeIn.step;
    DrawCaptionButton(i, w->FadeIn.button, nullptr, false, w->FadeIn.step * kAlphaPerStep);
  }
  if (w->FadeOut.button >= 1 && w->FadeOut.step < kFadeSteps) {
    ++w->FadeOut.step;
    DrawCaptionButton(i, w->FadeOut.button, nullptr, false,
                      kFadeSteps * kAlphaPerStep - w->FadeOut.step * kAlphaPerStep);
  }
  const bool fadeOutDone = w->FadeOut.step >= kFadeSteps || w->FadeOut.button == 0;
  // While the pointer is on a button the timer stays: the platform's hover
  // notice comes only once the pointer rests, so a pointer still moving over
  // a button has no MouseTracking yet, and forgetting LastHotButton then would
  // leave the button lit when the pointer moves off it.
  const bool onButton = w->LastHotButton >= 1;
  if ((!w->MouseTracking || !w->FadeTimerOn) && fadeOutDone && !onButton) {
    w->FadeTimerOn = false;
    ::KillTimer(window, FadeTimerId(window));
    w->LastHotButton = 0;
    w->FadeIn = FadeState{};
    w->FadeOut = FadeState{};
  }
}

void SkinEngine::OnPress(int i, LPARAM lParam) {
  SkinnedWindow* w = WindowRecord(i);
  HWND window = w->Hwnd;
  const RECT client = FrameRect(*w);
  w->FadeIn.button = 0;
  if (!w->ShowCaption) return;
  if (!w->Maximised && !w->Minimised) OnFrameButtonDown(i, lParam, client);
  // A move or size loop may have run: the record is looked up again.
  w = WindowRecord(i);
  if (!w || w->Hwnd != window) return;
  HotButton = HitTestCaptionButton(i, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  if (HotButton >= 1) DrawCaptionButton(i, HotButton, nullptr, true);
}

void SkinEngine::OnLeave(int i) {
  SkinnedWindow* w = WindowRecord(i);
  w->MouseTracking = false;
  if (i < 1 || w->LastHotButton < 1 || !w->ShowCaption) return;
  if (w->FadeOut.step < kFadeSteps && w->FadeIn.step < kFadeSteps) {
    DrawCaptionButton(i, w->FadeOut.button, nullptr, false, 0);
    w->FadeIn = FadeState{};
  }
  w->FadeOut = FadeState{w->LastHotButton, 0};
  w->LastHotButton = 0;
}

}  // namespace skin
