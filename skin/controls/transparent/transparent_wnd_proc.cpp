// The procedure of every transparent child: it keeps the platform from
// erasing the control to an opaque block, recomposes the keyed paint
// whenever the control shows another part of the picture, and lets go of
// what the control held when it is destroyed.
#include "skin/controls/transparent/keyed_paint.h"
#include "skin/controls/transparent/transparent_children.h"
#include "skin/engine/child_families.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"

namespace skin {
namespace {

LRESULT OnEraseBackground(HDC dc) {
  ::SetBkMode(dc, TRANSPARENT);
  return 1;
}

// A rich-edit field scrolls its text over the keyed background it drew last.
void OnScroll(HWND control) {
  if (GetClassText(control) == "RichEdit20A") ::InvalidateRect(control, nullptr, FALSE);
}

LRESULT OnPaint(HWND control, const TransparentChildRecord& r, LPARAM lParam) {
  const COLORREF key = static_cast<COLORREF>(r.keyColour);
  return PaintKeyed(control, key, lParam);
}

}  // namespace

LRESULT CALLBACK TransparentChildWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const TransparentChildRecord* r = RecordOfTransparentChild(control);
  if (!r) return ForwardTransparent(control, message, wParam, lParam);
  switch (message) {
    case WM_MOVE:
      if (Module.TranslucencyGiven) ::InvalidateRect(control, nullptr, FALSE);
      break;
    case WM_ERASEBKGND:
      if (Module.TranslucencyGiven) return OnEraseBackground(reinterpret_cast<HDC>(wParam));
      break;
    case WM_HSCROLL:
    case WM_VSCROLL: OnScroll(control); break;
    case WM_PAINT:
      // A paint into a caller's DC is the control's own business.
      if (Module.SkinChildControls && !wParam) return OnPaint(control, *r, lParam);
      break;
    // The container procedure in front of one with children forgets its own
    // registration after this one.
    case WM_NCDESTROY: return OnChildNcDestroy(TransparentChildWndProc, control, wParam, lParam);
  }
  return ForwardTransparent(control, message, wParam, lParam);
}

}  // namespace skin
