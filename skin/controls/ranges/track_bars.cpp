// Track bars drawn whole by the engine over what lies behind them; the
// control keeps its keyboard, dragging and messages, the engine paints and
// follows the pointer for the hovered thumb.
#include <windows.h>
#include <commctrl.h>

#include "platform/handles.h"
#include "skin/controls/child_hover.h"
#include "skin/controls/ranges/ranges.h"
#include "skin/controls/ranges/track_bar_looks.h"
#include "skin/drawing/paint_frame.h"
#include "skin/engine/child_families.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"

namespace skin {
namespace {

LRESULT Forward(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Hw_hProc, control, message, wParam, lParam);
}

int OwnerNumber(HWND control) { return static_cast<int>(GetIntProp(control, prop::Hw_FuID)); }
int IndexOf(HWND control) { return static_cast<int>(GetIntProp(control, prop::Hw_lbID)); }

void Paint(HWND control) { PaintTrackBar(OwnerNumber(control), IndexOf(control)); }

int TickSideOf(LONG style) {
  if (style & TBS_NOTICKS) return 3;
  if (style & TBS_TOP) return 0;
  if (style & TBS_BOTH) return 2;
  return 1;
}

LRESULT OnPaint(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  {
    platform::PaintScope paint(control);
    Paint(control);
  }
  return ::DefWindowProcA(control, message, wParam, lParam);
}

LRESULT OnMouseMove(HWND control, WPARAM wParam, LPARAM lParam) {
  SkinnedWindow* w = WindowRecord(OwnerNumber(control));
  if (w && HoverArrives(*w, control, IndexOf(control), kHoverTrackBar)) {
    if (TrackBarRecord* r = RecordOf<&SkinnedWindow::TrackBars>(control)) r->hover = 1;
    Paint(control);
  }
  if ((w = WindowRecord(OwnerNumber(control)))) HoverDrawn(*w, kHoverTrackBar);
  return Forward(control, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(HWND control, WPARAM wParam, LPARAM lParam) {
  if (SkinnedWindow* w = WindowRecord(OwnerNumber(control))) w->LastHoverChild = 0;
  if (TrackBarRecord* r = RecordOf<&SkinnedWindow::TrackBars>(control)) r->hover = 0;
  Paint(control);
  return Forward(control, WM_MOUSELEAVE, wParam, lParam);
}

// Windows reports a standing bar's channel as if the bar lay across (its
// length in left..right); Wine reports it as it stands. The look takes it
// across, so a channel that stands is laid down first.
RECT ChannelAcross(HWND control, bool vertical) {
  RECT ch{};
  ::SendMessageA(control, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&ch));
  if (vertical && ch.bottom - ch.top > ch.right - ch.left)
    return RECT{ch.top, ch.left, ch.bottom, ch.right};
  return ch;
}

TrackBarLook LookOf(const TrackBarRecord& r) {
  HWND control = r.hwnd;
  RECT bounds{};
  ::GetWindowRect(control, &bounds);
  TrackBarLook look;
  look.width = bounds.right - bounds.left;
  look.height = bounds.bottom - bounds.top;
  look.vertical = r.vertical != 0;
  look.tickSide = r.tickSide;
  look.hover = r.hover != 0;
  look.selRange = r.selRange != 0;
  look.frame = Module.TrackOption;
  look.position = static_cast<int>(::SendMessageA(control, TBM_GETPOS, 0, 0));
  look.max = static_cast<int>(::SendMessageA(control, TBM_GETRANGEMAX, 0, 0));
  if (look.selRange) {
    look.selStart = static_cast<int>(::SendMessageA(control, TBM_GETSELSTART, 0, 0));
    look.selEnd = static_cast<int>(::SendMessageA(control, TBM_GETSELEND, 0, 0));
  }
  look.channel = ChannelAcross(control, look.vertical);
  ::SendMessageA(control, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&look.thumb));
  look.accent = Module.AccentColour;
  return look;
}

}  // namespace

void SkinTrackBars(int i, HWND parent) {
  if (!Module.SkinChildControls) return;
  for (HWND bar = ::FindWindowExA(parent, nullptr, TRACKBAR_CLASSA, nullptr); bar;
       bar = ::FindWindowExA(parent, bar, TRACKBAR_CLASSA, nullptr)) {
    SkinnedWindow* w = WindowRecord(i);
    if (!w) return;
    const LONG style = ::GetWindowLongA(bar, GWL_STYLE);
    TrackBarRecord record;
    record.hwnd = bar;
    record.vertical = (style & TBS_VERT) ? 1 : 0;
    record.tickSide = TickSideOf(style);
    record.selRange = (style & TBS_ENABLESELRANGE) ? 1 : 0;
    if (RegisterChild(w->TrackBars, i, record, TrackBarWndProc))
      ::InvalidateRect(bar, nullptr, FALSE);
  }
}

int FindTrackBar(int i, HWND control) {
  const SkinnedWindow* w = WindowRecord(i);
  return w ? FindChild(w->TrackBars, control) : 0;
}

LRESULT CALLBACK TrackBarWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!RecordOf<&SkinnedWindow::TrackBars>(control))
    return Forward(control, message, wParam, lParam);
  switch (message) {
    case WM_MOVE: Paint(control); break;
    case WM_PAINT: return OnPaint(control, message, wParam, lParam);
    case WM_ERASEBKGND: ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT); return 1;
    case WM_NCPAINT: Paint(control); return 1;
    case WM_MOUSEMOVE: return OnMouseMove(control, wParam, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave(control, wParam, lParam);
  }
  return Forward(control, message, wParam, lParam);
}

void PaintTrackBar(int i, int index) {
  const SkinnedWindow* w = WindowRecord(i);
  const TrackBarRecord* r = w ? w->TrackBars.find(index) : nullptr;
  if (!r || !r->hwnd) return;
  HWND control = r->hwnd;
  const TrackBarLook look = LookOf(*r);
  PaintFrame frame(control, RECT{0, 0, look.width, look.height});
  if (!frame) return;
  DrawTrackBarLook(frame.graphics(), look);
  platform::WindowDC dc(control);
  frame.CopyTo(dc.get());
}

}  // namespace skin
