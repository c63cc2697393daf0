#include "skin/controls/scroll_bars.h"

namespace skin {
namespace {

// The scroll bar's rectangle in screen coordinates; empty when the platform
// does not tell.
RECT ScrollBarRect(HWND window, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!::GetScrollBarInfo(window, object, &info)) return RECT{};
  return info.rcScrollBar;
}

LONG Style(HWND window) { return ::GetWindowLongA(window, GWL_STYLE); }

}  // namespace

bool HasHScroll(HWND window) { return (Style(window) & WS_HSCROLL) != 0; }
bool HasVScroll(HWND window) { return (Style(window) & WS_VSCROLL) != 0; }
bool HasScrollBars(HWND window) { return HasHScroll(window) || HasVScroll(window); }

platform::UniqueRegion ScrollBarRegion(HWND window) {
  const bool horizontal = HasHScroll(window), vertical = HasVScroll(window);
  platform::UniqueRegion across, down;
  if (horizontal) {
    const RECT r = ScrollBarRect(window, OBJID_HSCROLL);
    across.reset(::CreateRectRgnIndirect(&r));
  }
  if (vertical) {
    RECT r = ScrollBarRect(window, OBJID_VSCROLL);
    if (horizontal) r.bottom += r.right - r.left;  // the corner square
    down.reset(::CreateRectRgnIndirect(&r));
  }
  if (!across) return down;
  if (!down) return across;
  platform::UniqueRegion both(::CreateRectRgn(0, 0, 0, 0));
  if (both) ::CombineRgn(both.get(), across.get(), down.get(), RGN_OR);
  return both;
}

LRESULT NcPaintScrollBarsOnly(HWND window, LPARAM lParam) {
  platform::UniqueRegion update = HasScrollBars(window)
                                      ? ScrollBarRegion(window)
                                      : platform::UniqueRegion(::CreateRectRgn(0, 0, 0, 0));
  // Without a region the platform would paint the whole frame (wParam 1).
  if (!update) return 0;
  return ::DefWindowProcA(window, WM_NCPAINT, reinterpret_cast<WPARAM>(update.get()), lParam);
}

RECT InnerRect(HWND window) {
  RECT bounds, client;
  ::GetWindowRect(window, &bounds);
  ::GetClientRect(window, &client);
  int width = client.right, height = client.bottom;
  if (HasVScroll(window)) {
    const RECT bar = ScrollBarRect(window, OBJID_VSCROLL);
    width += bar.right - bar.left;
  }
  if (HasHScroll(window)) {
    const RECT bar = ScrollBarRect(window, OBJID_HSCROLL);
    height += bar.bottom - bar.top;
  }
  const int left = ((bounds.right - bounds.left) - width) / 2;
  const int top = ((bounds.bottom - bounds.top) - height) / 2;
  return RECT{left, top, left + width, top + height};
}

}  // namespace skin
