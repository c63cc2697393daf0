// Caption-button hit testing and actions, moving and border resizing.
#include <windows.h>
#include <windowsx.h>

#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "skin/frame/frame_zones.h"

namespace skin {
namespace {
constexpr int kCornerSize = 10;
}

std::optional<ResizeZone> ResizeZoneAt(int x, int y, const RECT& client, int margin) {
  const int R = client.right, B = client.bottom, c = kCornerSize;
  const bool alongSide = c < y && y < B - c;
  const bool alongTop = c < x && x < R - c;
  if (x <= margin && alongSide) return ResizeZone{IDC_SIZEWE, SC_SIZE | WMSZ_LEFT};
  if (x >= R - margin && alongSide) return ResizeZone{IDC_SIZEWE, SC_SIZE | WMSZ_RIGHT};
  if (y <= margin && alongTop) return ResizeZone{IDC_SIZENS, SC_SIZE | WMSZ_TOP};
  if (y >= B - margin && alongTop) return ResizeZone{IDC_SIZENS, SC_SIZE | WMSZ_BOTTOM};
  if (x <= c && y <= c) return ResizeZone{IDC_SIZENWSE, SC_SIZE | WMSZ_TOPLEFT};
  if (x >= R - c && y <= c) return ResizeZone{IDC_SIZENESW, SC_SIZE | WMSZ_TOPRIGHT};
  if (x <= c && y >= B - c) return ResizeZone{IDC_SIZENESW, SC_SIZE | WMSZ_BOTTOMLEFT};
  if (x >= R - c && y >= B - c) return ResizeZone{IDC_SIZENWSE, SC_SIZE | WMSZ_BOTTOMRIGHT};
  return std::nullopt;
}

bool IsInButtonStrip(const SkinnedWindow& w, int x, int y) {
  return x >= w.ButtonsLeft - 2 && x <= w.ButtonsLeft + w.ButtonsWidth && y >= 0 &&
         y <= w.ButtonsHeight;
}

int TaskbarHeight() {
  HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
  RECT r{};
  if (!taskbar || !::GetWindowRect(taskbar, &r)) return 0;
  return r.bottom - r.top;
}

int SkinEngine::HitTestCaptionButton(int i, int x, int y) {
  const SkinnedWindow* w = WindowRecord(i);
  if (!w) return 0;
  if (x < w->ButtonsLeft || y < w->ButtonsTop || y > w->ButtonsTop + w->ButtonsHeight) return 0;
  // Strict on all four sides: a button's edge lines belong to no button.
  const float fx = static_cast<float>(x), fy = static_cast<float>(y);
  for (int k = 1; k <= w->CaptionButtons.count(); ++k) {
    const Gdiplus::RectF& r = w->CaptionButtons.at(k).Rect;
    if (r.X < fx && fx < r.X + r.Width && r.Y < fy && fy < r.Y + r.Height) return k;
  }
  return 0;
}

int SkinEngine::FindMaxButton(int i) {
  const SkinnedWindow* w = WindowRecord(i);
  if (!w) return 0;
  for (int k = 1; k <= w->CaptionButtons.count(); ++k)
    if (w->CaptionButtons.at(k).Kind == kMaxButton) return k;
  return 0;
}

void SkinEngine::DoCaptionButton(int i, int k) {
  SkinnedWindow* w = WindowRecord(i);
  const CaptionButton* b = w ? w->CaptionButtons.find(k) : nullptr;
  if (!b) return;
  HWND window = w->Hwnd;
  // The window may be gone once a command or handler has run: nothing of the
  // record is touched afterwards.
  switch (b->Kind) {
    case kCloseButton: ::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case kMaxButton:
      w->Dirty = true;
      w->Minimised = false;
      if (w->Maximised) {
        w->Maximised = false;
        ::SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else {
        w->Maximised = true;
        ::SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      }
      break;
    case kMinButton:
      w->Minimised = true;
      ::SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      break;
    case kMenuButton:
      if (Subroutine run = w->MenuHandler) run();
      break;
    case kHelpButton:
      if (Subroutine run = w->HelpHandler) run();
      break;
    case kCustomButton:
      if (Subroutine run = b->Handler) run();
      break;
  }
}

void SkinEngine::OnFrameButtonDown(int i, LPARAM lParam, const RECT& client) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w) return;
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  // A press on the caption buttons belongs to them.
  if (w->ButtonsLeft <= x && x <= w->ButtonsLeft + w->ButtonsWidth && 3 <= y &&
      y <= w->ButtonsHeight)
    return;
  if (!w->ShowCaption) return;
  HWND window = w->Hwnd;
  if (w->Resizable) {
    if (std::optional<ResizeZone> zone = ResizeZoneAt(x, y, client, FrameMargin)) {
      w->Dirty = true;
      ::SetCursor(::LoadCursorA(nullptr, zone->cursor));
      ::SendMessageA(window, WM_SYSCOMMAND, zone->command, 0);
      return;
    }
  }
  if (y <= w->CaptionHeight) ::SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void SkinEngine::OnFrameMouseMove(int i, LPARAM lParam, const RECT& client) {
  const SkinnedWindow* w = WindowRecord(i);
  if (!w || !w->Resizable) return;
  if (std::optional<ResizeZone> zone =
          ResizeZoneAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), client, FrameMargin))
    ::SetCursor(::LoadCursorA(nullptr, zone->cursor));
}

void SkinEngine::SetHelpHandler(HWND window, Subroutine handler) {
  if (SkinnedWindow* w = WindowRecord(FindSkinnedWindow(window))) w->HelpHandler = handler;
}

void SkinEngine::SetMainMenuHandler(HWND window, Subroutine handler) {
  if (SkinnedWindow* w = WindowRecord(FindSkinnedWindow(window))) w->MenuHandler = handler;
}

}  // namespace skin
