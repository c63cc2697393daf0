#include "skin/controls/ranges/range_family.h"

#include "skin/drawing/background_capture.h"
#include "skin/engine/child_families.h"
#include "skin/engine/properties.h"

namespace skin {
namespace {

LRESULT OnPaint(void (*paint)(HWND), HWND control, WPARAM wParam, LPARAM lParam) {
  {
    platform::PaintScope scope(control);
    paint(control);
  }
  return ::DefWindowProcA(control, WM_PAINT, wParam, lParam);
}

}  // namespace

LRESULT ForwardRange(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Hw_hProc, control, message, wParam, lParam);
}

LRESULT OnRangeMessage(WNDPROC procedure, void (*paint)(HWND), HWND control, UINT message,
                       WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOVE: paint(control); break;
    case WM_PAINT: return OnPaint(paint, control, wParam, lParam);
    case WM_ERASEBKGND: ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT); return 1;
    // The look covers the border: the platform draws none.
    case WM_NCPAINT: paint(control); return 1;
    case WM_NCDESTROY: return OnChildNcDestroy(procedure, control, wParam, lParam);
  }
  return ForwardRange(control, message, wParam, lParam);
}

RangeGeometry GeometryOf(HWND control) {
  RECT bounds{};
  ::GetWindowRect(control, &bounds);
  const RECT client = ClientAreaInWindow(control);
  RangeGeometry g;
  g.width = bounds.right - bounds.left;
  g.height = bounds.bottom - bounds.top;
  g.client = POINT{client.left, client.top};
  return g;
}

}  // namespace skin
