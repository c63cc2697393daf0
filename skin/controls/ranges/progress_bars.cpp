// Progress bars drawn whole by the engine over what lies behind them; the
// control keeps its range and position, the engine only paints.
#include <windows.h>
#include <commctrl.h>

#include "platform/handles.h"
#include "skin/controls/ranges/progress_looks.h"
#include "skin/controls/ranges/ranges.h"
#include "skin/drawing/paint_frame.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"

namespace skin {
namespace {

LRESULT Forward(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Hw_hProc, control, message, wParam, lParam);
}

void Paint(HWND control) {
  PaintProgressBar(static_cast<int>(GetIntProp(control, prop::Hw_FuID)),
                   static_cast<int>(GetIntProp(control, prop::Hw_lbID)));
}

LRESULT OnPaint(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  {
    platform::PaintScope paint(control);
    Paint(control);
  }
  return ::DefWindowProcA(control, message, wParam, lParam);
}

ProgressLook LookOf(HWND control, bool vertical) {
  RECT bounds{};
  ::GetWindowRect(control, &bounds);
  PBRANGE range{};
  ::SendMessageA(control, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  ProgressLook look;
  look.width = bounds.right - bounds.left;
  look.height = bounds.bottom - bounds.top;
  look.vertical = vertical;
  look.position = static_cast<int>(::SendMessageA(control, PBM_GETPOS, 0, 0));
  look.low = range.iLow;
  look.high = range.iHigh;
  look.accent = Module.AccentColour;
  return look;
}

}  // namespace

void SkinProgressBars(int i, HWND parent) {
  if (!Module.SkinChildControls) return;
  for (HWND bar = ::FindWindowExA(parent, nullptr, PROGRESS_CLASSA, nullptr); bar;
       bar = ::FindWindowExA(parent, bar, PROGRESS_CLASSA, nullptr)) {
    SkinnedWindow* w = WindowRecord(i);
    if (!w) return;
    ProgressRecord record;
    record.hwnd = bar;
    record.vertical = (::GetWindowLongA(bar, GWL_STYLE) & PBS_VERTICAL) ? 1 : 0;
    if (RegisterChild(w->ProgressBars, i, record, ProgressWndProc))
      ::InvalidateRect(bar, nullptr, FALSE);
  }
}

int FindProgressBar(int i, HWND control) {
  const SkinnedWindow* w = WindowRecord(i);
  return w ? FindChild(w->ProgressBars, control) : 0;
}

LRESULT CALLBACK ProgressWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!RecordOf<&SkinnedWindow::ProgressBars>(control))
    return Forward(control, message, wParam, lParam);
  switch (message) {
    case WM_MOVE: Paint(control); break;
    case WM_PAINT: return OnPaint(control, message, wParam, lParam);
    case WM_ERASEBKGND: ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT); return 1;
    case WM_NCPAINT: Paint(control); return 1;
  }
  return Forward(control, message, wParam, lParam);
}

void PaintProgressBar(int i, int index) {
  const SkinnedWindow* w = WindowRecord(i);
  const ProgressRecord* r = w ? w->ProgressBars.find(index) : nullptr;
  if (!r || !r->hwnd) return;
  HWND control = r->hwnd;
  const ProgressLook look = LookOf(control, r->vertical != 0);
  PaintFrame frame(control, RECT{0, 0, look.width, look.height});
  if (!frame) return;
  DrawProgressLook(frame.graphics(), look);
  platform::WindowDC dc(control);
  frame.CopyTo(dc.get());
}

}  // namespace skin
