// The frame procedure's answers for an adopted window: its non-client area
// is the engine's strips; its client area is painted by the window's own
// procedure over the frame's background.
#include <windows.h>

#include "platform/handles.h"
#include "skin/engine/child_families.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "skin/frame/adopted_frame.h"
#include "skin/frame/frame_space.h"

namespace skin {
namespace {

LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Hw_hProc, window, message, wParam, lParam);
}

// Shows the frame's strips; the client area is left to the window.
void ShowStrips(const SkinnedWindow& w) {
  if (!w.FrameDC) return;
  const SIZE size = FrameSize(w);
  platform::WindowDC screen = FrameScreenDC(w, true);
  ::BitBlt(screen.get(), 0, 0, size.cx, size.cy, w.FrameDC.get(), 0, 0, SRCCOPY);
}

}  // namespace

bool SkinEngine::AnswerAdopted(int i, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT& answer) {
  SkinnedWindow* w = WindowRecord(i);
  switch (message) {
    case WM_NCCALCSIZE: answer = AdoptedNcCalcSize(*w, wParam, lParam); return true;
    case WM_NCHITTEST:
      if (!OnAdoptedStrip(*w, lParam)) return false;
      // As client area, the strips reach the frame's own mouse handling.
      answer = HTCLIENT;
      return true;
    case WM_NCPAINT:
      OnAdoptedNcPaint(i, window);
      answer = 0;
      return true;
    case WM_NCACTIVATE:
      // -1: the platform keeps its hands off the non-client area.
      answer = Forward(window, message, wParam, -1);
      return true;
    case WM_STYLECHANGING:
      KeepPlatformFrameOff(wParam, lParam);
      answer = Forward(window, message, wParam, lParam);
      return true;
    case WM_PAINT: answer = OnAdoptedPaint(i, window, wParam, lParam); return true;
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (!w->FrameDC) RenderFrame(i);
      const int saved = ::SaveDC(dc);
      PresentFrame(i, dc);
      ::RestoreDC(dc, saved);
      answer = 1;
      return true;
    }
    case WM_SHOWWINDOW:
      // Shown, the window paints through its own WM_PAINT: nothing is
      // painted (and validated) here.
      if (wParam == TRUE) w->Minimised = false;
      answer = Forward(window, message, wParam, lParam);
      return true;
  }
  return false;
}

LRESULT SkinEngine::OnAdoptedPaint(int i, HWND window, WPARAM wParam, LPARAM lParam) {
  SkinnedWindow* w = WindowRecord(i);
  if (w->Minimised) return Forward(window, WM_PAINT, wParam, lParam);
  const bool render = w->Dirty || !w->FrameDC;
  if (render) {
    RenderFrame(i);
    w = WindowRecord(i);
    if (!w || w->Hwnd != window) return Forward(window, WM_PAINT, wParam, lParam);
    ShowStrips(*w);
  }
  // The frame's background under what needs painting, then the window's
  // own painting over it.
  platform::UniqueRegion update(::CreateRectRgn(0, 0, 0, 0));
  if (update && ::GetUpdateRgn(window, update.get(), FALSE) > NULLREGION) {
    platform::WindowDC dc(window);
    ::SelectClipRgn(dc.get(), update.get());
    PresentFrame(i, dc.get());
  }
  const LRESULT painted = Forward(window, WM_PAINT, wParam, lParam);
  w = WindowRecord(i);
  if (render && w && w->Hwnd == window && !Module.FirstSizePending) RefreshChildrenOnFrame(*w);
  return painted;
}

void SkinEngine::OnAdoptedNcPaint(int i, HWND window) {
  SkinnedWindow* w = WindowRecord(i);
  const bool render = w->Dirty || !w->FrameDC;
  if (render) {
    RenderFrame(i);
    w = WindowRecord(i);
    if (!w || w->Hwnd != window) return;
    // The client area's background is new too, and what stands on it.
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  ShowStrips(*w);
}

}  // namespace skin
