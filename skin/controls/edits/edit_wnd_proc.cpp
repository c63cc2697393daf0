// The procedure of every skinned edit: it keeps the record current, draws
// the border ring (hot under the pointer), paints the veiled background of a
// translucent edit and asks for a new one wherever the edit's own drawing
// would leave an old picture behind its text.
#include "skin/controls/child_hover.h"
#include "skin/controls/edits/edits.h"
#include "skin/controls/scroll_bars.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/child_families.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"

namespace skin {
namespace {

EditRecord* RecordOfEdit(HWND edit) { return RecordOf<&SkinnedWindow::EditControls>(edit); }

SkinnedWindow* WindowOfEdit(HWND edit) {
  return WindowRecord(static_cast<int>(GetIntProp(edit, prop::Hw_FuID)));
}

LRESULT Forward(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Hw_hProc, edit, message, wParam, lParam);
}

void Invalidate(HWND edit) { ::InvalidateRect(edit, nullptr, TRUE); }

bool Translucent() { return Module.TranslucencyGiven; }

bool InCombo(HWND edit) { return GetClassText(::GetParent(edit)) == "ComboBox"; }

void OnKillFocus(HWND edit, EditRecord& r) {
  r.focused = 0;
  if (InCombo(edit))
    PaintEditFrame(edit, false, false);
  else
    Invalidate(edit);
}

LRESULT OnEraseBackground(HWND edit, HDC dc) {
  ::SetBkMode(dc, TRANSPARENT);
  PaintVeiledBackground(edit, dc);
  return 1;
}

LRESULT OnNcPaint(HWND edit, LPARAM lParam) {
  PaintEditFrame(edit);
  return NcPaintScrollBarsOnly(edit, lParam);
}

// The platform scrolls by moving the pixels, veil and picture with them:
// the new veil is asked for once the scroll is done, or the moved picture
// (and the text drawn over it) would stay.
LRESULT OnScroll(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Forward(edit, message, wParam, lParam);
  if (Translucent() && ::IsWindow(edit)) Invalidate(edit);
  return result;
}

// Where the edit's text stands: the first visible line (the first visible
// character of a single-line edit) and the horizontal scroll position.
struct TextPosition {
  LRESULT first;
  int column;
  bool operator!=(const TextPosition& o) const { return first != o.first || column != o.column; }
};

TextPosition PositionOf(HWND edit) {
  return TextPosition{::SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0),
                      ::GetScrollPos(edit, SB_HORZ)};
}

// Keys, typed line ends, the wheel and a drag's timer scroll the text the
// same way without a scroll message: a translucent edit asks for a new veil
// when its text has moved, and only then, so typing does not flicker.
LRESULT ForwardWatchingScroll(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!Translucent()) return Forward(edit, message, wParam, lParam);
  const TextPosition before = PositionOf(edit);
  const LRESULT result = Forward(edit, message, wParam, lParam);
  if (::IsWindow(edit) && PositionOf(edit) != before) Invalidate(edit);
  return result;
}

LRESULT OnKeyDown(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Translucent() && !HasScrollBars(edit)) Invalidate(edit);
  return ForwardWatchingScroll(edit, message, wParam, lParam);
}

void OnMouseMove(HWND edit) {
  SkinnedWindow* w = WindowOfEdit(edit);
  const int index = static_cast<int>(GetIntProp(edit, prop::Hw_lbID));
  HWND parent = ::GetParent(edit);
  // An edit of another parent with the same index is another edit.
  if (w && (HoverArrives(*w, edit, index, kHoverEdit) || parent != w->HotParent)) {
    PaintEditFrame(edit, std::nullopt, true);
    if ((w = WindowOfEdit(edit))) {
      HoverDrawn(*w, kHoverEdit);
      w->HotParent = parent;
    }
  }
  // A drag selection draws over the old text without erasing it.
  const EditRecord* r = RecordOfEdit(edit);
  if (r && r->mouseDown && Translucent() && !HasScrollBars(edit)) Invalidate(edit);
}

void OnLeftDown(EditRecord& r, HWND edit) {
  r.mouseDown = 1;
  if (Translucent() && !HasScrollBars(edit)) Invalidate(edit);
}

void OnMouseLeave(HWND edit) {
  if (SkinnedWindow* w = WindowOfEdit(edit)) w->LastHoverChild = 0;
  PaintEditFrame(edit, std::nullopt, false);
}

}  // namespace

LRESULT CALLBACK EditWndProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  EditRecord* r = RecordOfEdit(edit);
  if (!r) return Forward(edit, message, wParam, lParam);
  switch (message) {
    case WM_MOVE:
      if (Translucent()) Invalidate(edit);
      break;
    case WM_SETFOCUS: r->focused = 1; break;
    case WM_KILLFOCUS: OnKillFocus(edit, *r); break;
    case WM_PAINT: PaintEditFrame(edit, r->focused != 0, false); break;
    case WM_ERASEBKGND:
      if (Translucent()) return OnEraseBackground(edit, reinterpret_cast<HDC>(wParam));
      break;
    case WM_NCPAINT: return OnNcPaint(edit, lParam);
    case WM_KEYDOWN: return OnKeyDown(edit, message, wParam, lParam);
    case WM_CHAR:
    case WM_MOUSEWHEEL:
    case WM_TIMER: return ForwardWatchingScroll(edit, message, wParam, lParam);
    case WM_HSCROLL:
    case WM_VSCROLL: return OnScroll(edit, message, wParam, lParam);
    case WM_MOUSEMOVE: OnMouseMove(edit); break;
    case WM_LBUTTONDOWN: OnLeftDown(*r, edit); break;
    case WM_LBUTTONUP: r->mouseDown = 0; break;
    case WM_MOUSELEAVE: OnMouseLeave(edit); break;
    case WM_NCDESTROY: return OnChildNcDestroy(EditWndProc, edit, wParam, lParam);
  }
  return Forward(edit, message, wParam, lParam);
}

}  // namespace skin
