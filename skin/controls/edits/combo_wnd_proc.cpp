// The procedure of every skinned combo box: the engine paints it whole
// (its child windows excepted), takes the hover, and answers the colour
// message of its edit with the veiled background so the edit shows it too.
#include "platform/handles.h"
#include "skin/controls/child_hover.h"
#include "skin/controls/edits/edits.h"
#include "skin/drawing/colour_messages.h"
#include "skin/engine/child_families.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"

namespace skin {
namespace {

ComboRecord* RecordOfCombo(HWND combo) { return RecordOf<&SkinnedWindow::ComboControls>(combo); }

int WindowNumber(HWND combo) { return static_cast<int>(GetIntProp(combo, prop::Hw_FuID)); }
int Index(HWND combo) { return static_cast<int>(GetIntProp(combo, prop::Hw_lbID)); }

LRESULT Forward(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Hw_hProc, combo, message, wParam, lParam);
}

void Paint(HWND combo, bool hot, std::optional<bool> focused = {}) {
  PaintComboBox(WindowNumber(combo), Index(combo), hot, focused);
}

bool HasEdit(HWND combo) { return ::FindWindowExA(combo, nullptr, "Edit", nullptr) != nullptr; }

void OnSetFocus(HWND combo, ComboRecord& r) {
  r.focused = 1;
  Paint(combo, false, true);
}

LRESULT OnPaint(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  {
    platform::PaintScope paint(combo);
    Paint(combo, false);
  }
  return ::DefWindowProcA(combo, message, wParam, lParam);
}

LRESULT OnEraseBackground(HDC dc) {
  ::SetBkMode(dc, TRANSPARENT);
  return 1;
}

// The edit scrolled or changed over a veil it cannot redraw by itself.
void OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND sender = reinterpret_cast<HWND>(lParam);
  if (!sender || !Module.TranslucencyGiven || !Module.SkinChildControls) return;
  if (GetClassText(sender) != "Edit") return;
  const int code = HIWORD(wParam);
  if (code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE)
    ::InvalidateRect(sender, nullptr, TRUE);
}

LRESULT OnEditColour(HWND combo, WPARAM wParam, LPARAM lParam) {
  SkinnedWindow* w = WindowRecord(WindowNumber(combo));
  HWND sender = reinterpret_cast<HWND>(lParam);
  if (!w || !sender) return 0;
  return AnswerWithPatternBrush(*w, reinterpret_cast<HDC>(wParam), sender);
}

void OnMouseMove(HWND combo) {
  SkinnedWindow* w = WindowRecord(WindowNumber(combo));
  if (!w) return;
  if (HoverArrives(*w, combo, Index(combo), kHoverCombo)) Paint(combo, true);
  if ((w = WindowRecord(WindowNumber(combo)))) HoverDrawn(*w, kHoverCombo);
}

void OnMouseLeave(HWND combo) {
  Paint(combo, false);
  if (SkinnedWindow* w = WindowRecord(WindowNumber(combo))) w->LastHoverChild = 0;
}

}  // namespace

LRESULT CALLBACK ComboWndProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  ComboRecord* r = RecordOfCombo(combo);
  if (!r) return Forward(combo, message, wParam, lParam);
  switch (message) {
    case WM_MOVE: Paint(combo, false); break;
    case WM_SETFOCUS: OnSetFocus(combo, *r); break;
    case WM_KILLFOCUS: r->focused = 0; break;
    case WM_SETTEXT:
      if (HasEdit(combo)) ::InvalidateRect(combo, nullptr, TRUE);
      break;
    case WM_PAINT: return OnPaint(combo, message, wParam, lParam);
    case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_NCPAINT: Paint(combo, false); return 0;
    case WM_COMMAND: OnCommand(wParam, lParam); break;
    case WM_CTLCOLOREDIT:
      if (Module.TranslucencyGiven) return OnEditColour(combo, wParam, lParam);
      break;
    case WM_MOUSEMOVE: OnMouseMove(combo); break;
    case WM_MOUSELEAVE: OnMouseLeave(combo); break;
    case WM_NCDESTROY: return OnChildNcDestroy(ComboWndProc, combo, wParam, lParam);
  }
  return Forward(combo, message, wParam, lParam);
}

}  // namespace skin
