#include "skin/frame/adopted_frame.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/engine/skinned_window.h"
#include "skin/frame/frame_space.h"

namespace skin {
namespace {

constexpr LONG kFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_DLGFRAME | WS_BORDER;
constexpr LONG kFrameExStyles =
    WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;

void Inset(RECT& r, const RECT& by) {
  r.left += by.left;
  r.top += by.top;
  r.right = std::max(r.left, r.right - by.right);
  r.bottom = std::max(r.top, r.bottom - by.bottom);
}

}  // namespace

bool HasPlatformFrame(HWND window) {
  return (::GetWindowLongA(window, GWL_STYLE) & kFrameStyles) ||
         (::GetWindowLongA(window, GWL_EXSTYLE) & kFrameExStyles);
}

void RemovePlatformFrame(HWND window) {
  ::SetWindowLongA(window, GWL_STYLE, ::GetWindowLongA(window, GWL_STYLE) & ~kFrameStyles);
  ::SetWindowLongA(window, GWL_EXSTYLE, ::GetWindowLongA(window, GWL_EXSTYLE) & ~kFrameExStyles);
}

void KeepPlatformFrameOff(WPARAM which, LPARAM styles) {
  if (!styles) return;
  STYLESTRUCT& s = *reinterpret_cast<STYLESTRUCT*>(styles);
  if (static_cast<int>(which) == GWL_STYLE) s.styleNew &= ~kFrameStyles;
  if (static_cast<int>(which) == GWL_EXSTYLE) s.styleNew &= ~kFrameExStyles;
}

RECT AdoptedInsets(int captionHeight, bool showCaption, int statusHeight, int margin) {
  // The status strip ends a pixel above the bottom margin.
  const int status = statusHeight > 0 ? statusHeight + 1 : 0;
  return RECT{margin, showCaption ? captionHeight : margin, margin, margin + status};
}

void LayOutAdoptedWindow(const SkinnedWindow& w, SIZE clientSize) {
  RECT bounds{};
  ::GetWindowRect(w.Hwnd, &bounds);
  const RECT& in = w.Adopted.insets;
  ::SetWindowPos(w.Hwnd, nullptr, bounds.left, bounds.top, clientSize.cx + in.left + in.right,
                 clientSize.cy + in.top + in.bottom,
                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

LRESULT AdoptedNcCalcSize(const SkinnedWindow& w, WPARAM wParam, LPARAM lParam) {
  if (!lParam) return 0;
  RECT& proposed = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                          : *reinterpret_cast<RECT*>(lParam);
  Inset(proposed, w.Adopted.insets);
  return 0;
}

bool OnAdoptedStrip(const SkinnedWindow& w, LPARAM screenPoint) {
  const POINT p{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
  RECT bounds{}, client{};
  ::GetWindowRect(w.Hwnd, &bounds);
  ::GetClientRect(w.Hwnd, &client);
  ::MapWindowPoints(w.Hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  return ::PtInRect(&bounds, p) && !::PtInRect(&client, p);
}

LPARAM ClientToFramePoint(const SkinnedWindow& w, LPARAM clientPoint) {
  const POINT at = ClientOriginInFrame(w);
  return MAKELPARAM(GET_X_LPARAM(clientPoint) + at.x, GET_Y_LPARAM(clientPoint) + at.y);
}

bool InsideClient(const SkinnedWindow& w, LPARAM clientPoint) {
  RECT client{};
  ::GetClientRect(w.Hwnd, &client);
  const POINT p{GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)};
  return ::PtInRect(&client, p) != FALSE;
}

HICON OwnIcon(HWND window) {
  DWORD_PTR icon = 0;
  for (WPARAM kind : {WPARAM(ICON_SMALL), WPARAM(ICON_BIG)})
    if (::SendMessageTimeoutA(window, WM_GETICON, kind, 0, SMTO_ABORTIFHUNG, 100, &icon) && icon)
      return reinterpret_cast<HICON>(icon);
  if (HICON small = reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICONSM))) return small;
  return reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICON));
}

}  // namespace skin
