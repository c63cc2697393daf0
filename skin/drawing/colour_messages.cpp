#include "skin/drawing/colour_messages.h"

#include <commctrl.h>

#include "skin/drawing/background_capture.h"
#include "skin/drawing/control_brushes.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"

namespace skin {
namespace {

constexpr int kTreeItemExpanding = -405;  // TVN_ITEMEXPANDINGA
constexpr int kTreeItemExpanded = -406;   // TVN_ITEMEXPANDEDA

void PrepareText(HDC dc, HWND control) {
  ::SetTextColor(dc, static_cast<COLORREF>(GetIntProp(control, prop::Kj_Ztys)));
  ::SetBkMode(dc, TRANSPARENT);
}

}  // namespace

LRESULT AnswerWithPatternBrush(SkinnedWindow& w, HDC dc, HWND control) {
  PrepareText(dc, control);
  return reinterpret_cast<LRESULT>(SetPatternBrush(w, control, ChildBackgroundBitmap(control)));
}

LRESULT AnswerWithHollowBrush(SkinnedWindow& w, HDC dc, HWND control) {
  PrepareText(dc, control);
  return reinterpret_cast<LRESULT>(SetHollowBrush(w, control));
}

bool NotificationChangesBackground(const std::string& cls, int code) {
  if (cls == "Edit")
    return code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE;
  if (cls == "ListBox") return code == LBN_SELCHANGE || code == LBN_SELCANCEL;
  if (cls == "ComboBox") return code == CBN_KILLFOCUS || code == CBN_SELCHANGE;
  return false;
}

bool IsTreeExpansion(int code) { return code == kTreeItemExpanding || code == kTreeItemExpanded; }

bool AnswerColourMessage(SkinnedWindow& w, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& answer) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  if (!control || !Module.SkinChildControls || !Module.TranslucencyGiven) return false;
  switch (message) {
    case WM_CTLCOLOREDIT:
      // The edit field of a combo box keeps the platform's colours.
      if (GetClassText(::GetParent(control)) == "ComboBox") return false;
      answer = AnswerWithPatternBrush(w, dc, control);
      return true;
    case WM_CTLCOLORSTATIC: answer = AnswerWithPatternBrush(w, dc, control); return true;
    case WM_CTLCOLORBTN: answer = AnswerWithHollowBrush(w, dc, control); return true;
    case WM_CTLCOLORLISTBOX: {
      const LONG style = ::GetWindowLongA(control, GWL_STYLE);
      if (GetClassText(control) != "ListBox" ||
          (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)))
        return false;
      answer = AnswerWithHollowBrush(w, dc, control);
      return true;
    }
  }
  return false;
}

}  // namespace skin
