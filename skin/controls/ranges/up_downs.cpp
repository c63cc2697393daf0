// Up-down controls drawn whole by the engine over what lies behind them; the
// control keeps its buddy, its acceleration and its messages, the engine
// paints the half under the pointer hot and, while the button is held,
// pressed.
#include <windows.h>
#include <commctrl.h>

#include "platform/handles.h"
#include "skin/controls/child_hover.h"
#include "skin/controls/ranges/ranges.h"
#include "skin/controls/ranges/up_down_looks.h"
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

SIZE SizeOf(HWND control) {
  RECT bounds{};
  ::GetWindowRect(control, &bounds);
  return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

LRESULT OnMouseMove(HWND control, WPARAM wParam, LPARAM lParam) {
  SkinnedWindow* w = WindowRecord(OwnerNumber(control));
  UpDownRecord* r = RecordOf<&SkinnedWindow::UpDowns>(control);
  if (w && r) {
    const SIZE size = SizeOf(control);
    const int part = UpDownPartAt(r->horizontal != 0, size.cx, size.cy, lParam);
    const bool arrived = HoverArrives(*w, control, IndexOf(control), kHoverUpDown);
    // The control repaints itself when its hot arrow changes; remembering
    // the pointer lets that paint show the same half as this one.
    r->lastMouse = static_cast<int32_t>(lParam);
    if (arrived || part != r->hotPart) {
      r->hover = 1;
      PaintUpDown(OwnerNumber(control), IndexOf(control), true, std::nullopt, lParam);
    }
    if ((w = WindowRecord(OwnerNumber(control)))) HoverDrawn(*w, kHoverUpDown);
    if ((r = RecordOf<&SkinnedWindow::UpDowns>(control))) r->hotPart = part;
  }
  return Forward(control, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnButton(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (UpDownRecord* r = RecordOf<&SkinnedWindow::UpDowns>(control)) {
    r->pressed = message == WM_LBUTTONDOWN ? 1 : 0;
    r->lastMouse = static_cast<int32_t>(lParam);
  }
  return Forward(control, message, wParam, lParam);
}

LRESULT OnMouseLeave(HWND control, WPARAM wParam, LPARAM lParam) {
  if (SkinnedWindow* w = WindowRecord(OwnerNumber(control))) w->LastHoverChild = 0;
  if (UpDownRecord* r = RecordOf<&SkinnedWindow::UpDowns>(control)) {
    r->hover = 0;
    r->hotPart = kUpDownNone;
  }
  PaintUpDown(OwnerNumber(control), IndexOf(control), false);
  return Forward(control, WM_MOUSELEAVE, wParam, lParam);
}

}  // namespace

void SkinUpDowns(int i, HWND parent) {
  if (!Module.SkinChildControls) return;
  for (HWND spin = ::FindWindowExA(parent, nullptr, UPDOWN_CLASSA, nullptr); spin;
       spin = ::FindWindowExA(parent, spin, UPDOWN_CLASSA, nullptr)) {
    SkinnedWindow* w = WindowRecord(i);
    if (!w) return;
    UpDownRecord record;
    record.hwnd = spin;
    record.horizontal = (::GetWindowLongA(spin, GWL_STYLE) & UDS_HORZ) ? 1 : 0;
    if (RegisterChild(w->UpDowns, i, record, UpDownWndProc)) ::InvalidateRect(spin, nullptr, FALSE);
  }
}

int FindUpDown(int i, HWND control) {
  const SkinnedWindow* w = WindowRecord(i);
  return w ? FindChild(w->UpDowns, control) : 0;
}

LRESULT CALLBACK UpDownWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!RecordOf<&SkinnedWindow::UpDowns>(control)) return Forward(control, message, wParam, lParam);
  switch (message) {
    case WM_MOVE: PaintUpDown(OwnerNumber(control), IndexOf(control)); break;
    case WM_PAINT:
      PaintUpDown(OwnerNumber(control), IndexOf(control));
      return ::DefWindowProcA(control, message, wParam, lParam);
    case WM_ERASEBKGND: ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT); return 1;
    case WM_NCPAINT: return 1;
    case WM_MOUSEMOVE: return OnMouseMove(control, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return OnButton(control, message, wParam, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave(control, wParam, lParam);
  }
  return Forward(control, message, wParam, lParam);
}

void PaintUpDown(int i, int index, std::optional<bool> hover, std::optional<bool> pressed,
                 std::optional<LPARAM> lastMouse) {
  const SkinnedWindow* w = WindowRecord(i);
  const UpDownRecord* r = w ? w->UpDowns.find(index) : nullptr;
  if (!r || !r->hwnd) return;
  HWND control = r->hwnd;
  const SIZE size = SizeOf(control);
  UpDownLook look;
  look.width = size.cx;
  look.height = size.cy;
  look.horizontal = r->horizontal != 0;
  look.hover = hover.value_or(r->hover != 0);
  look.pressed = pressed.value_or(r->pressed != 0);
  look.mouse = lastMouse.value_or(static_cast<LPARAM>(r->lastMouse));
  look.accent = Module.AccentColour;
  PaintFrame frame(control, RECT{0, 0, look.width, look.height});
  if (!frame) return;
  DrawUpDownLook(frame.graphics(), look);
  platform::WindowDC dc(control);
  frame.CopyTo(dc.get());
}

}  // namespace skin
