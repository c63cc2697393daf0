// The procedure of every skinned list-type control: it keeps focus and hover
// in the record, draws the border ring whenever the platform would draw its
// own, and lets the control paint its items over the veiled background.
#include "skin/controls/child_hover.h"
#include "skin/controls/lists/list_client.h"
#include "skin/controls/lists/lists.h"
#include "skin/controls/scroll_bars.h"
#include "skin/engine/child_families.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"

namespace skin {
namespace {

ListRecord* RecordOfList(HWND control) { return RecordOf<&SkinnedWindow::ListControls>(control); }

int WindowNumberOf(HWND control) { return static_cast<int>(GetIntProp(control, prop::Hw_FuID)); }
int IndexOf(HWND control) { return static_cast<int>(GetIntProp(control, prop::Hw_lbID)); }

LRESULT Forward(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Hw_hProc, control, message, wParam, lParam);
}

void PaintFrameOf(HWND control, std::optional<bool> hot = std::nullopt) {
  PaintListFrame(WindowNumberOf(control), IndexOf(control), hot);
}

// Moving or scrolling shows another part of the picture behind the control.
void InvalidateWhenTranslucent(HWND control) {
  if (Module.TranslucencyGiven) ::InvalidateRect(control, nullptr, TRUE);
}

void OnFocus(HWND control, ListRecord& r, bool focused) {
  r.focused = focused ? 1 : 0;
  PaintFrameOf(control);
}

LRESULT OnPaint(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  PaintFrameOf(control);
  return PaintListClient(control, message, wParam, lParam);
}

LRESULT OnNcPaint(HWND control, LPARAM lParam) {
  PaintFrameOf(control);
  return NcPaintScrollBarsOnly(control, lParam);
}

void OnMouseMove(HWND control) {
  SkinnedWindow* w = WindowRecord(WindowNumberOf(control));
  ListRecord* r = RecordOfList(control);
  if (!w || !r || !HoverArrives(*w, control, IndexOf(control), kHoverList)) return;
  r->hover = 1;
  PaintFrameOf(control, true);
  if ((w = WindowRecord(WindowNumberOf(control)))) HoverDrawn(*w, kHoverList);
}

void OnMouseLeave(HWND control, ListRecord& r) {
  if (SkinnedWindow* w = WindowRecord(WindowNumberOf(control))) w->LastHoverChild = 0;
  r.hover = 0;
  PaintFrameOf(control, false);
}

}  // namespace

LRESULT CALLBACK ListWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  ListRecord* r = RecordOfList(control);
  if (!r) return Forward(control, message, wParam, lParam);
  switch (message) {
    case WM_MOVE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: InvalidateWhenTranslucent(control); break;
    case WM_SETFOCUS: OnFocus(control, *r, true); break;
    case WM_KILLFOCUS: OnFocus(control, *r, false); break;
    case WM_PAINT: return OnPaint(control, message, wParam, lParam);
    case WM_ERASEBKGND: return EraseListBackground(control, message, wParam, lParam);
    case WM_NCPAINT: return OnNcPaint(control, lParam);
    case WM_KEYUP: ::ReleaseCapture(); break;
    case WM_MOUSEMOVE: OnMouseMove(control); break;
    case WM_MOUSELEAVE: OnMouseLeave(control, *r); break;
    case WM_NCDESTROY: return OnChildNcDestroy(ListWndProc, control, wParam, lParam);
  }
  return Forward(control, message, wParam, lParam);
}

}  // namespace skin
