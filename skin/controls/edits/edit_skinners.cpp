// Finding the edits and combo boxes a skinned window or container holds and
// taking them over.
#include "skin/controls/edits/edits.h"

#include <vector>

#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"

namespace skin {
namespace {

void RegisterEdit(int i, HWND edit) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w || FindChild(w->EditControls, edit)) return;
  EditRecord record;
  record.hwnd = edit;
  if (!RegisterChild(w->EditControls, i, record, EditWndProc)) return;
  SetIntProp(edit, prop::Kj_Ztys, 0);
  // Shown already, it would keep the platform's border until its next paint.
  ::RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

// A drop-down list shows its window text: it starts as the selected item's.
void TakeSelectedText(HWND combo) {
  const LRESULT selected = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected < 0) return;
  const LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, selected, 0);
  if (length < 0) return;  // CB_ERR: no buffer to size
  std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
  if (::SendMessageA(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text.data())) < 0)
    return;
  text.back() = '\0';
  ::SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
}

void RegisterCombo(int i, HWND combo) {
  SkinnedWindow* w = WindowRecord(i);
  // Its text is not touched unless it is taken.
  if (!w || !MayRegister(w->ComboControls, combo, ComboWndProc)) return;
  TakeSelectedText(combo);
  w = WindowRecord(i);
  if (!w) return;
  ComboRecord record;
  record.hwnd = combo;
  if (RegisterChild(w->ComboControls, i, record, ComboWndProc))
    ::RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

}  // namespace

void SkinEditsAndCombos(int i, HWND parent) {
  if (!Module.SkinChildControls || !WindowRecord(i)) return;
  for (HWND edit = ::FindWindowExA(parent, nullptr, "Edit", nullptr); edit;
       edit = ::FindWindowExA(parent, edit, "Edit", nullptr))
    RegisterEdit(i, edit);
  for (HWND combo = ::FindWindowExA(parent, nullptr, "ComboBox", nullptr); combo;
       combo = ::FindWindowExA(parent, combo, "ComboBox", nullptr)) {
    RegisterCombo(i, combo);
    // Its edit shows the veil only when the combo answers its colour message.
    if (Module.TranslucencyGiven)
      if (HWND inner = ::FindWindowExA(combo, nullptr, "Edit", nullptr)) RegisterEdit(i, inner);
  }
}

int FindEdit(int i, HWND edit) {
  const SkinnedWindow* w = WindowRecord(i);
  return w ? FindChild(w->EditControls, edit) : 0;
}

int FindCombo(int i, HWND combo) {
  const SkinnedWindow* w = WindowRecord(i);
  return w ? FindChild(w->ComboControls, combo) : 0;
}

}  // namespace skin
