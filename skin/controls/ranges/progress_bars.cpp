// Progress bars drawn whole by the engine over what lies behind them; the
// control keeps its range and position, the engine only paints.
#include <windows.h>
#include <commctrl.h>

#include "skin/controls/ranges/progress_looks.h"
#include "skin/controls/ranges/range_family.h"
#include "skin/controls/ranges/ranges.h"

namespace skin {
namespace {

void Paint(HWND control) { PaintProgressBar(ChildWindowNumber(control), ChildIndex(control)); }

ProgressLook LookOf(const ProgressRecord& r, const RangeGeometry& at) {
  PBRANGE range{};
  ::SendMessageA(r.hwnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  ProgressLook look;
  look.width = at.width;
  look.height = at.height;
  look.vertical = r.vertical != 0;
  look.position = static_cast<int>(::SendMessageA(r.hwnd, PBM_GETPOS, 0, 0));
  look.low = range.iLow;
  look.high = range.iHigh;
  look.accent = Module.AccentColour;
  return look;
}

}  // namespace

void SkinProgressBars(int i, HWND parent) {
  SkinRangeControls<&SkinnedWindow::ProgressBars>(
      i, parent, PROGRESS_CLASSA, ProgressWndProc, [](HWND, LONG style) {
        ProgressRecord record;
        record.vertical = (style & PBS_VERTICAL) ? 1 : 0;
        return record;
      });
}

int FindProgressBar(int i, HWND control) {
  return FindRangeControl<&SkinnedWindow::ProgressBars>(i, control);
}

LRESULT CALLBACK ProgressWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!RecordOf<&SkinnedWindow::ProgressBars>(control))
    return ForwardRange(control, message, wParam, lParam);
  return OnRangeMessage(ProgressWndProc, Paint, control, message, wParam, lParam);
}

void PaintProgressBar(int i, int index) {
  PaintRangeControl<&SkinnedWindow::ProgressBars>(i, index, LookOf, DrawProgressLook);
}

}  // namespace skin
