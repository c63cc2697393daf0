// The procedure of every skinned button: it keeps the record current, takes
// the hover, and paints check boxes and radio buttons itself; push and image
// buttons are owner-drawn and painted through their parent's WM_DRAWITEM.
#include "skin/controls/buttons/buttons.h"

#include "platform/handles.h"
#include "skin/controls/child_hover.h"
#include "skin/controls/image_buttons/image_buttons.h"
#include "skin/engine/child_families.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"

namespace skin {
namespace {

ButtonRecord* RecordOfButton(HWND button) {
  return RecordOf<&SkinnedWindow::ButtonControls>(button);
}

SkinnedWindow* WindowOfButton(HWND button) {
  return WindowRecord(static_cast<int>(GetIntProp(button, prop::Hw_FuID)));
}

bool PaintsItself(int kind) { return kind == kRadioButton || kind == kCheckBox; }

LRESULT Forward(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Hw_hProc, button, message, wParam, lParam);
}

// Radio buttons and check boxes are drawn by the engine whatever the
// platform's own handling painted.
void PaintCheckOrRadio(HWND button, int kind, UINT state) {
  if (kind == kRadioButton)
    PaintRadioButton(button, state);
  else
    PaintCheckBox(button, state);
}

// An owner-drawn button asks its parent to draw it. The skinned window and
// its registered containers do; any other parent (a panel nobody handed to
// SkinChildren, holding an image button) would leave it blank.
bool ParentDrawsIt(HWND button) {
  const SkinnedWindow* w = WindowOfButton(button);
  HWND parent = ::GetParent(button);
  return w && (parent == w->Hwnd || FindChild(w->Containers, parent));
}

// The state the platform would hand to its parent's WM_DRAWITEM.
UINT OwnerDrawState(HWND button) {
  UINT state = 0;
  if (::SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) state |= kStatePressed;
  if (::GetFocus() == button) state |= kStateFocused;
  if (!::IsWindowEnabled(button)) state |= kStateDisabled;
  return state;
}

void PaintOwnerDrawn(HWND button, int kind, HDC dc) {
  RECT client;
  ::GetClientRect(button, &client);
  const UINT state = OwnerDrawState(button);
  switch (kind) {
    case kPushButton: PaintPushButton(button, dc, state, client); break;
    case kImageButton: PaintImageButton(button, dc, state, client); break;
    case kStateImageButton: PaintStateImageButton(button, dc, state, client); break;
  }
}

LRESULT OnPaint(HWND button, int kind, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!PaintsItself(kind) && ParentDrawsIt(button)) return Forward(button, message, wParam, lParam);
  {
    platform::PaintScope paint(button);
    if (PaintsItself(kind))
      PaintCheckOrRadio(button, kind, 0);
    else
      PaintOwnerDrawn(button, kind, paint.dc());
  }
  return ::DefWindowProcA(button, message, wParam, lParam);
}

// Nothing is erased: the painters lay the whole button over its background.
LRESULT OnEraseBackground(HWND button, HDC dc) {
  ::SetBkMode(dc, TRANSPARENT);
  return static_cast<LRESULT>(
      ::SetTextColor(dc, static_cast<COLORREF>(GetIntProp(button, prop::Kj_Ztys))));
}

// A click, a key or a check message changes what a check box or radio button
// shows: the platform acts first, then the engine paints over its drawing.
LRESULT OnCheckChange(HWND button, int kind, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Forward(button, message, wParam, lParam);
  if (!PaintsItself(kind) || !RecordOfButton(button)) return result;
  PaintCheckOrRadio(button, kind, kind == kRadioButton ? UINT{kStatePressed} : 0u);
  return 0;
}

// The platform paints a new caption its own way; the engine's look follows.
LRESULT OnSetText(HWND button, ButtonRecord& record, UINT message, WPARAM wParam, LPARAM lParam) {
  record.caption = lParam ? reinterpret_cast<const char*>(lParam) : "";
  const int kind = record.kind;
  const LRESULT result = Forward(button, message, wParam, lParam);
  if (PaintsItself(kind)) ::InvalidateRect(button, nullptr, FALSE);
  return result;
}

void OnMouseMove(HWND button) {
  SkinnedWindow* w = WindowOfButton(button);
  const int index = static_cast<int>(GetIntProp(button, prop::Hw_lbID));
  if (!w || !HoverArrives(*w, button, index, kHoverButton)) return;
  RedrawButton(button, 0, true);
  if ((w = WindowOfButton(button))) HoverDrawn(*w, kHoverButton);
}

// After a click the next mouse move draws the hot look again.
void OnButtonUp(HWND button) {
  if (SkinnedWindow* w = WindowOfButton(button)) w->LastHoverChild = 0;
}

void OnMouseLeave(HWND button, const ButtonRecord& record) {
  const UINT state = record.focused ? UINT{kStateFocused} : 0u;
  if (SkinnedWindow* w = WindowOfButton(button)) w->LastHoverChild = 0;
  RedrawButton(button, state, false);
}

}  // namespace

LRESULT CALLBACK ButtonWndProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  ButtonRecord* r = RecordOfButton(button);
  if (!r) return Forward(button, message, wParam, lParam);
  switch (message) {
    case WM_MOVE: ::InvalidateRect(button, nullptr, TRUE); break;
    case WM_SETFOCUS: r->focused = 1; break;
    case WM_KILLFOCUS: r->focused = 0; break;
    case WM_SETTEXT: return OnSetText(button, *r, message, wParam, lParam);
    case WM_PAINT: return OnPaint(button, r->kind, message, wParam, lParam);
    case WM_ERASEBKGND: return OnEraseBackground(button, reinterpret_cast<HDC>(wParam));
    case WM_NCPAINT: return 1;
    case WM_LBUTTONDBLCLK: return 0;  // a fast second click does not reach the button
    case WM_LBUTTONDOWN:
    case BM_SETCHECK: return OnCheckChange(button, r->kind, message, wParam, lParam);
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) return OnCheckChange(button, r->kind, message, wParam, lParam);
      break;
    case WM_MOUSEMOVE: OnMouseMove(button); break;
    case WM_LBUTTONUP: OnButtonUp(button); break;
    case WM_MOUSELEAVE: OnMouseLeave(button, *r); break;
    case WM_NCDESTROY: return OnChildNcDestroy(ButtonWndProc, button, wParam, lParam);
  }
  return Forward(button, message, wParam, lParam);
}

void RedrawButton(HWND button, UINT state, bool hot) {
  const ButtonRecord* r = RecordOfButton(button);
  if (!r) return;
  const int kind = r->kind;
  if (hot) state |= kStateHot;
  if (!::IsWindowEnabled(button)) state |= kStateDisabled;
  RECT client;
  ::GetClientRect(button, &client);
  platform::WindowDC dc(button);
  switch (kind) {
    case kPushButton: PaintPushButton(button, dc.get(), state, client); break;
    case kRadioButton: PaintRadioButton(button, state); break;
    case kCheckBox: PaintCheckBox(button, state); break;
    case kImageButton: PaintImageButton(button, dc.get(), state, client); break;
    case kStateImageButton: PaintStateImageButton(button, dc.get(), state, client); break;
  }
}

void DispatchDrawItem(int i, const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_BUTTON) return;
  const int index = static_cast<int>(GetIntProp(item.hwndItem, prop::Hw_lbID));
  const SkinnedWindow* w = WindowRecord(i);
  const ButtonRecord* r = (w && index >= 1) ? w->ButtonControls.find(index) : nullptr;
  if (!r || r->hwnd != item.hwndItem) return;
  switch (r->kind) {
    case kPushButton: PaintPushButton(item.hwndItem, item.hDC, item.itemState, item.rcItem); break;
    case kImageButton:
      PaintImageButton(item.hwndItem, item.hDC, item.itemState, item.rcItem);
      break;
    case kStateImageButton:
      PaintStateImageButton(item.hwndItem, item.hDC, item.itemState, item.rcItem);
      break;
  }
}

}  // namespace skin
