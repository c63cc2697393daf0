// The procedure of every transparent child: it keeps the platform from
// erasing the control to an opaque block, recomposes the keyed paint
// whenever the control shows another part of the picture, and lets go of
// what the control held when it is destroyed.
#include <algorithm>

#include "skin/controls/transparent/keyed_paint.h"
#include "skin/controls/transparent/transparent_children.h"
#include "skin/drawing/control_brushes.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"

namespace skin {
namespace {

int OwnerNumber(HWND control) { return static_cast<int>(GetIntProp(control, prop::Kj_FuID)); }

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

// The brushes handed out for the control and for its children (gone before
// it) go with it, and so do its records, so that a later window given the
// same handle is not taken for it.
void ReleaseWhatItHeld(SkinnedWindow& w, HWND control) {
  auto& brushes = w.ControlBrushes;
  brushes.erase(std::remove_if(brushes.begin(), brushes.end(),
                               [control](const ControlBrush& b) {
                                 return b.control == control || !::IsWindow(b.control) ||
                                        ::IsChild(control, b.control);
                               }),
                brushes.end());
  if (TransparentChildRecord* r = RecordOfTransparentChild(control)) *r = TransparentChildRecord{};
  // The container registration made for its children.
  ContainerRecord* c = w.Containers.find(static_cast<int>(GetIntProp(control, prop::Hw_lbID)));
  if (c && c->hwnd == control && GetIntProp(control, prop::Hw_FuID) == OwnerNumber(control))
    *c = ContainerRecord{};
}

LRESULT OnNcDestroy(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = ForwardTransparent(control, message, wParam, lParam);
  if (SkinnedWindow* w = WindowRecord(OwnerNumber(control))) ReleaseWhatItHeld(*w, control);
  return result;
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
    case WM_NCDESTROY: return OnNcDestroy(control, message, wParam, lParam);
  }
  return ForwardTransparent(control, message, wParam, lParam);
}

}  // namespace skin
