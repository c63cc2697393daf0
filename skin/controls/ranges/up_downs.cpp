// Up-down controls drawn whole by the engine over what lies behind them; the
// control keeps its buddy, its acceleration and its messages, the engine
// paints the half under the pointer hot and, while the button is held,
// pressed.
#include <windows.h>
#include <commctrl.h>

#include "skin/controls/child_hover.h"
#include "skin/controls/ranges/range_family.h"
#include "skin/controls/ranges/ranges.h"
#include "skin/controls/ranges/up_down_looks.h"
#include "skin/engine/child_families.h"

namespace skin {
namespace {

void Paint(HWND control) { PaintUpDown(ChildWindowNumber(control), ChildIndex(control)); }

// A mouse message's position (client coordinates, signed words) where the
// look is drawn.
LPARAM InWindow(LPARAM mouse, const RangeGeometry& at) {
  return MAKELPARAM(static_cast<short>(LOWORD(mouse)) + at.client.x,
                    static_cast<short>(HIWORD(mouse)) + at.client.y);
}

LRESULT OnMouseMove(HWND control, WPARAM wParam, LPARAM lParam) {
  SkinnedWindow* w = WindowRecord(ChildWindowNumber(control));
  UpDownRecord* r = RecordOf<&SkinnedWindow::UpDowns>(control);
  if (w && r) {
    const RangeGeometry at = GeometryOf(control);
    const int part = UpDownPartAt(r->horizontal != 0, at.width, at.height, InWindow(lParam, at));
    const bool arrived = HoverArrives(*w, control, ChildIndex(control), kHoverUpDown);
    // The control repaints itself when its hot arrow changes; remembering
    // the pointer lets that paint show the same half as this one.
    r->lastMouse = static_cast<int32_t>(lParam);
    if (arrived || part != r->hotPart) {
      r->hover = 1;
      PaintUpDown(ChildWindowNumber(control), ChildIndex(control), true, std::nullopt, lParam);
    }
    if ((w = WindowRecord(ChildWindowNumber(control)))) HoverDrawn(*w, kHoverUpDown);
    if ((r = RecordOf<&SkinnedWindow::UpDowns>(control))) r->hotPart = part;
  }
  return ForwardRange(control, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnButton(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (UpDownRecord* r = RecordOf<&SkinnedWindow::UpDowns>(control)) {
    r->pressed = message == WM_LBUTTONDOWN ? 1 : 0;
    r->lastMouse = static_cast<int32_t>(lParam);
  }
  return ForwardRange(control, message, wParam, lParam);
}

LRESULT OnMouseLeave(HWND control, WPARAM wParam, LPARAM lParam) {
  if (SkinnedWindow* w = WindowRecord(ChildWindowNumber(control))) w->LastHoverChild = 0;
  if (UpDownRecord* r = RecordOf<&SkinnedWindow::UpDowns>(control)) {
    r->hover = 0;
    r->hotPart = kUpDownNone;
  }
  PaintUpDown(ChildWindowNumber(control), ChildIndex(control), false);
  return ForwardRange(control, WM_MOUSELEAVE, wParam, lParam);
}

}  // namespace

void SkinUpDowns(int i, HWND parent) {
  SkinRangeControls<&SkinnedWindow::UpDowns>(i, parent, UPDOWN_CLASSA, UpDownWndProc,
                                             [](HWND, LONG style) {
                                               UpDownRecord record;
                                               record.horizontal = (style & UDS_HORZ) ? 1 : 0;
                                               return record;
                                             });
}

int FindUpDown(int i, HWND control) {
  return FindRangeControl<&SkinnedWindow::UpDowns>(i, control);
}

LRESULT CALLBACK UpDownWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!RecordOf<&SkinnedWindow::UpDowns>(control))
    return ForwardRange(control, message, wParam, lParam);
  switch (message) {
    case WM_MOUSEMOVE: return OnMouseMove(control, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return OnButton(control, message, wParam, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave(control, wParam, lParam);
  }
  return OnRangeMessage(UpDownWndProc, Paint, control, message, wParam, lParam);
}

void PaintUpDown(int i, int index, std::optional<bool> hover, std::optional<bool> pressed,
                 std::optional<LPARAM> lastMouse) {
  auto lookOf = [&](const UpDownRecord& r, const RangeGeometry& at) {
    UpDownLook look;
    look.width = at.width;
    look.height = at.height;
    look.horizontal = r.horizontal != 0;
    look.hover = hover.value_or(r.hover != 0);
    look.pressed = pressed.value_or(r.pressed != 0);
    look.mouse = InWindow(lastMouse.value_or(static_cast<LPARAM>(r.lastMouse)), at);
    look.accent = Module.AccentColour;
    return look;
  };
  PaintRangeControl<&SkinnedWindow::UpDowns>(i, index, lookOf, DrawUpDownLook);
}

}  // namespace skin
