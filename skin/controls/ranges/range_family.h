// What track bars, progress bars and up-down controls share: taking a
// parent's controls of one class, the cases their procedures handle alike,
// and the paint of a look over the whole window rectangle.
#pragma once

#include <windows.h>

#include <utility>

#include "platform/handles.h"
#include "skin/drawing/paint_frame.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"

namespace skin {

// Registers and subclasses the direct children of `parent` of class
// `className` for window number i, each with the record `make(control,
// style)` gives (its hwnd set here). Nothing while SkinChildControls is off;
// a control registered before is left as it is.
template <auto List, typename Make>
void SkinRangeControls(int i, HWND parent, const char* className, WNDPROC procedure, Make make) {
  if (!Module.SkinChildControls) return;
  for (HWND control = ::FindWindowExA(parent, nullptr, className, nullptr); control;
       control = ::FindWindowExA(parent, control, className, nullptr)) {
    SkinnedWindow* w = WindowRecord(i);
    if (!w) return;
    auto record = make(control, ::GetWindowLongA(control, GWL_STYLE));
    record.hwnd = control;
    if (RegisterChild(w->*List, i, std::move(record), procedure))
      ::InvalidateRect(control, nullptr, FALSE);
  }
}

template <auto List>
int FindRangeControl(int i, HWND control) {
  const SkinnedWindow* w = WindowRecord(i);
  return w ? FindChild(w->*List, control) : 0;
}

LRESULT ForwardRange(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// The cases every range procedure handles alike, for a control with a
// record: a move, a paint and the frame's paint draw it whole with
// `paint`, nothing is erased, and its destruction goes to the family table
// (`procedure` is the family's). Anything else is handed on.
LRESULT OnRangeMessage(WNDPROC procedure, void (*paint)(HWND), HWND control, UINT message,
                       WPARAM wParam, LPARAM lParam);

// The control's window rectangle, where its look is drawn, and the top-left
// of its client area in it (a border moves it): the control reports its
// parts, and the pointer, in client coordinates.
struct RangeGeometry {
  int width = 0, height = 0;
  POINT client{};
};
RangeGeometry GeometryOf(HWND control);

// Paints record `index` of family list `List` of window i at once: the look
// `lookOf(record, geometry)` gathers is drawn by `draw` over what lies
// behind the whole window rectangle, and copied to the window DC, so the
// border is the look's too.
template <auto List, typename LookOf, typename Draw>
void PaintRangeControl(int i, int index, LookOf lookOf, Draw draw) {
  const SkinnedWindow* w = WindowRecord(i);
  const auto* r = w ? (w->*List).find(index) : nullptr;
  if (!r || !r->hwnd) return;
  HWND control = r->hwnd;
  const auto look = lookOf(*r, GeometryOf(control));
  PaintFrame frame(control, RECT{0, 0, look.width, look.height});
  if (!frame) return;
  draw(frame.graphics(), look);
  platform::WindowDC dc(control, ::GetWindowDC(control));
  frame.CopyTo(dc.get());
}

}  // namespace skin
