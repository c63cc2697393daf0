// Taking a child control into one of its window's family lists, and the way
// back from the control to its record: written once for every family.
#pragma once

#include <windows.h>

#include <type_traits>
#include <utility>

#include "skin/engine/one_based_list.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skinned_window.h"

namespace skin {

// The properties that tie a registered control to its record: the record's
// position in its list, the window number and the procedure the control ran
// before.
struct ChildKeys {
  const char* index;
  const char* windowNumber;
  const char* savedProc;
};
// Every family's but the transparent children's, which chain under keys of
// their own so that a container can stand in front of one.
inline constexpr ChildKeys kFamilyKeys{prop::Hw_lbID, prop::Hw_FuID, prop::Hw_hProc};
inline constexpr ChildKeys kTransparentKeys{prop::Kj_lbID, prop::Kj_FuID, prop::Kj_hProc};

template <typename Record>
constexpr const ChildKeys& KeysOf() {
  if constexpr (std::is_same_v<Record, TransparentChildRecord>)
    return kTransparentKeys;
  else
    return kFamilyKeys;
}

// The window number and list position a control's properties give.
inline int ChildWindowNumber(HWND control, const ChildKeys& keys = kFamilyKeys) {
  return static_cast<int>(GetIntProp(control, keys.windowNumber));
}
inline int ChildIndex(HWND control, const ChildKeys& keys = kFamilyKeys) {
  return static_cast<int>(GetIntProp(control, keys.index));
}

// Index of the record of `control` in the list, 0 if none.
template <typename Record>
int FindChild(const ChildList<Record>& list, HWND control) {
  if (!control) return 0;
  for (int k = 1; k <= list.count(); ++k)
    if (list.at(k).hwnd == control) return k;
  return 0;
}

// True when the control runs `procedure` already, whatever list holds it: a
// second subclass would forward to itself for ever.
inline bool RunsProcedure(HWND control, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(control, GWLP_WNDPROC)) == procedure;
}

// True when the control carries a registration under `keys`, in this window
// or another.
inline bool CarriesRegistration(HWND control, const ChildKeys& keys) {
  return GetIntProp(control, keys.windowNumber) != 0 ||
         GetHandleProp<WNDPROC>(control, keys.savedProc) != nullptr;
}

// True when a family of Record may take the control: it is not in the list,
// does not run `procedure`, and no family has registered it. A second
// registration under the same keys would save the procedure the control runs
// as its own predecessor and forward to itself until the stack overflows; a
// transparent child under a family's procedure would be handed DCs the family
// ignores. Only a container may stand in front of a transparent child (how
// the transparent child's own children are skinned).
template <typename Record>
bool MayRegister(const ChildList<Record>& list, HWND control, WNDPROC procedure) {
  if (!control || FindChild(list, control) || RunsProcedure(control, procedure)) return false;
  if (CarriesRegistration(control, kFamilyKeys)) return false;
  return std::is_same_v<Record, ContainerRecord> || !CarriesRegistration(control, kTransparentKeys);
}

// Registers record.hwnd in `list` of window number `windowNumber` and
// subclasses it with `procedure`: the first free record is taken, else one
// is appended; then the record's index, window number and saved procedure
// properties are set, in that order, all before the new procedure can see a
// message. Returns the record's index, or 0 (nothing changed) when
// MayRegister refuses the control.
template <typename Record>
int RegisterChild(ChildList<Record>& list, int windowNumber, Record record, WNDPROC procedure) {
  HWND control = record.hwnd;
  if (!MayRegister(list, control, procedure)) return 0;
  const ChildKeys& keys = KeysOf<Record>();
  const WNDPROC previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(control, GWLP_WNDPROC));
  record.savedProc = previous;
  const int index = list.add(std::move(record));
  SetIntProp(control, keys.index, index);
  SetIntProp(control, keys.windowNumber, windowNumber);
  SetHandleProp(control, keys.savedProc, previous);
  ReplaceWindowProc(control, procedure);
  return index;
}

// The record of a subclassed control of family list `List` (a member of
// SkinnedWindow), found through the control's properties and checked
// against it: null when they do not lead back to the control.
// Look it up again after anything that can re-enter (forwarding, sending).
template <auto List>
auto* RecordOf(HWND control) {
  using Record =
      typename std::remove_reference_t<decltype(std::declval<SkinnedWindow&>().*List)>::value_type;
  const ChildKeys& keys = KeysOf<Record>();
  Record* found = nullptr;
  if (SkinnedWindow* w = WindowRecord(ChildWindowNumber(control, keys))) {
    Record* r = (w->*List).find(ChildIndex(control, keys));
    if (r && r->hwnd == control) found = r;
  }
  return found;
}

}  // namespace skin
