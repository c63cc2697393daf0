// Track bars drawn whole by the engine over what lies behind them; the
// control keeps its keyboard, dragging and messages, the engine paints and
// follows the pointer for the hovered thumb.
#include <windows.h>
#include <commctrl.h>

#include "skin/controls/child_hover.h"
#include "skin/controls/ranges/range_family.h"
#include "skin/controls/ranges/ranges.h"
#include "skin/controls/ranges/track_bar_looks.h"
#include "skin/engine/child_families.h"

namespace skin {
namespace {

void Paint(HWND control) { PaintTrackBar(ChildWindowNumber(control), ChildIndex(control)); }

int TickSideOf(LONG style) {
  if (style & TBS_NOTICKS) return 3;
  if (style & TBS_TOP) return 0;
  if (style & TBS_BOTH) return 2;
  return 1;
}

LRESULT OnMouseMove(HWND control, WPARAM wParam, LPARAM lParam) {
  SkinnedWindow* w = WindowRecord(ChildWindowNumber(control));
  if (w && HoverArrives(*w, control, ChildIndex(control), kHoverTrackBar)) {
    if (TrackBarRecord* r = RecordOf<&SkinnedWindow::TrackBars>(control)) r->hover = 1;
    Paint(control);
  }
  if ((w = WindowRecord(ChildWindowNumber(control)))) HoverDrawn(*w, kHoverTrackBar);
  return ForwardRange(control, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(HWND control, WPARAM wParam, LPARAM lParam) {
  if (SkinnedWindow* w = WindowRecord(ChildWindowNumber(control))) w->LastHoverChild = 0;
  if (TrackBarRecord* r = RecordOf<&SkinnedWindow::TrackBars>(control)) r->hover = 0;
  Paint(control);
  return ForwardRange(control, WM_MOUSELEAVE, wParam, lParam);
}

// Windows reports a standing bar's channel as if the bar lay across (its
// length in left..right); Wine reports it as it stands. The look takes it
// across, so a channel that stands is laid down first. Both come in client
// coordinates; the look is drawn over the window rectangle.
RECT ChannelAcross(HWND control, bool vertical, POINT client) {
  RECT ch{};
  ::SendMessageA(control, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&ch));
  if (vertical && ch.bottom - ch.top > ch.right - ch.left)
    ch = RECT{ch.top, ch.left, ch.bottom, ch.right};
  if (vertical)
    ::OffsetRect(&ch, client.y, client.x);
  else
    ::OffsetRect(&ch, client.x, client.y);
  return ch;
}

TrackBarLook LookOf(const TrackBarRecord& r, const RangeGeometry& at) {
  HWND control = r.hwnd;
  TrackBarLook look;
  look.width = at.width;
  look.height = at.height;
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
  look.channel = ChannelAcross(control, look.vertical, at.client);
  ::SendMessageA(control, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&look.thumb));
  ::OffsetRect(&look.thumb, at.client.x, at.client.y);
  look.accent = Module.AccentColour;
  return look;
}

}  // namespace

void SkinTrackBars(int i, HWND parent) {
  SkinRangeControls<&SkinnedWindow::TrackBars>(
      i, parent, TRACKBAR_CLASSA, TrackBarWndProc, [](HWND, LONG style) {
        TrackBarRecord record;
        record.vertical = (style & TBS_VERT) ? 1 : 0;
        record.tickSide = TickSideOf(style);
        record.selRange = (style & TBS_ENABLESELRANGE) ? 1 : 0;
        return record;
      });
}

int FindTrackBar(int i, HWND control) {
  return FindRangeControl<&SkinnedWindow::TrackBars>(i, control);
}

LRESULT CALLBACK TrackBarWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!RecordOf<&SkinnedWindow::TrackBars>(control))
    return ForwardRange(control, message, wParam, lParam);
  switch (message) {
    case WM_MOUSEMOVE: return OnMouseMove(control, wParam, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave(control, wParam, lParam);
  }
  return OnRangeMessage(TrackBarWndProc, Paint, control, message, wParam, lParam);
}

void PaintTrackBar(int i, int index) {
  PaintRangeControl<&SkinnedWindow::TrackBars>(i, index, LookOf, DrawTrackBarLook);
}

}  // namespace skin
