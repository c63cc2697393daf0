#include "skin/engine/child_families.h"

#include <type_traits>

#include "skin/controls/buttons/buttons.h"
#include "skin/controls/containers/containers.h"
#include "skin/controls/edits/edits.h"
#include "skin/controls/lists/lists.h"
#include "skin/controls/ranges/ranges.h"
#include "skin/controls/transparent/transparent_children.h"
#include "skin/drawing/control_brushes.h"
#include "skin/engine/properties.h"
#include "skin/engine/skinned_window.h"

namespace skin {
namespace {

template <auto List>
std::vector<HWND> MembersOf(const SkinnedWindow& w) {
  std::vector<HWND> handles;
  for (const auto& record : w.*List)
    if (record.hwnd) handles.push_back(record.hwnd);
  return handles;
}

// What a record holds besides its control, let go when the record is freed.
template <typename Record>
void LetGo(SkinnedWindow&, Record&, HWND) {}

// The tooltip window of an image button has no owner: it would outlive the
// button.
void LetGo(SkinnedWindow&, ButtonRecord& b, HWND) {
  if (HWND tip = b.tooltip.GetWindow())
    if (::IsWindow(tip)) ::DestroyWindow(tip);
  b.tooltip = graphics::Tooltip{};
}

// Its children went before it, and those of no family (static texts, group
// boxes) were never told: their brushes go with it.
void LetGo(SkinnedWindow& w, ContainerRecord&, HWND container) {
  ::RemovePropA(container, prop::Mb_zpf);
  DeleteBrushesOfGoneControls(w);
}

template <auto List>
bool ForgetMember(SkinnedWindow& w, int index, HWND control) {
  auto* r = (w.*List).find(index);
  if (!r || !control || r->hwnd != control) return false;
  LetGo(w, *r, control);
  *r = std::remove_pointer_t<decltype(r)>{};
  return true;
}

void ReleaseButtonTooltips(SkinnedWindow& w) {
  for (ButtonRecord& b : w.ButtonControls) LetGo(w, b, b.hwnd);
}

template <auto List>
ChildFamily Row(const char* name, const ChildKeys& keys, WNDPROC procedure, int hoverKind,
                FrameRefresh refresh, void (*release)(SkinnedWindow&) = nullptr) {
  return ChildFamily{name,      MembersOf<List>, &keys,   procedure,
                     hoverKind, refresh,         release, ForgetMember<List>};
}

const ChildFamily* FamilyRunning(WNDPROC procedure) {
  for (const ChildFamily& family : ChildFamilies())
    if (family.procedure == procedure) return &family;
  return nullptr;
}

// A control that takes the freed record starts with no hover of its own.
void ForgetHover(SkinnedWindow& w, const ChildFamily& family, int index, HWND control) {
  if (family.hoverKind != kHoverNone && w.HoverKind == family.hoverKind) {
    if (w.LastHoverChild == index) w.LastHoverChild = 0;
    if (w.HoverChild == index) w.HoverChild = 0;
  }
  if (w.HotParent == control) w.HotParent = nullptr;
}

void Forget(const ChildFamily& family, HWND control) {
  const ChildKeys& keys = *family.keys;
  if (SkinnedWindow* w = WindowRecord(ChildWindowNumber(control, keys))) {
    const int index = ChildIndex(control, keys);
    if (family.forget(*w, index, control)) ForgetHover(*w, family, index, control);
    DeleteControlBrush(*w, control);
  }
  for (const char* key : {keys.index, keys.windowNumber, keys.savedProc, prop::Kj_Ztys})
    ::RemovePropA(control, key);
}

}  // namespace

const std::vector<ChildFamily>& ChildFamilies() {
  using W = SkinnedWindow;
  static const std::vector<ChildFamily> families = {
      Row<&W::ListControls>("lists", kFamilyKeys, ListWndProc, kHoverList,
                            FrameRefresh::EraseWithChildren),
      Row<&W::ButtonControls>("buttons", kFamilyKeys, ButtonWndProc, kHoverButton,
                              FrameRefresh::NoErase, ReleaseButtonTooltips),
      Row<&W::EditControls>("edits", kFamilyKeys, EditWndProc, kHoverEdit, FrameRefresh::Erase),
      Row<&W::ComboControls>("combos", kFamilyKeys, ComboWndProc, kHoverCombo, FrameRefresh::Erase),
      Row<&W::Headers>("headers", kFamilyKeys, HeaderWndProc, kHoverHeader, FrameRefresh::None),
      Row<&W::UpDowns>("up-downs", kFamilyKeys, UpDownWndProc, kHoverUpDown, FrameRefresh::NoErase),
      Row<&W::TrackBars>("track bars", kFamilyKeys, TrackBarWndProc, kHoverTrackBar,
                         FrameRefresh::NoErase),
      Row<&W::ProgressBars>("progress bars", kFamilyKeys, ProgressWndProc, kHoverNone,
                            FrameRefresh::NoErase),
      // A container and what it holds show the frame behind them too.
      Row<&W::Containers>("containers", kFamilyKeys, ContainerWndProc, kHoverNone,
                          FrameRefresh::WithDescendants),
      Row<&W::TransparentChildren>("transparent children", kTransparentKeys,
                                   TransparentChildWndProc, kHoverNone, FrameRefresh::None),
  };
  return families;
}

void RenumberChildren(SkinnedWindow& w, int windowNumber) {
  for (const ChildFamily& family : ChildFamilies())
    for (HWND member : family.members(w))
      SetIntProp(member, family.keys->windowNumber, windowNumber);
}

void ReleaseChildren(SkinnedWindow& w) {
  for (const ChildFamily& family : ChildFamilies()) {
    for (HWND member : family.members(w)) DeleteControlBrush(w, member);
    if (family.release) family.release(w);
  }
  // Brushes handed out for controls of no family (static texts and the like).
  ReleaseAllControlBrushes(w);
}

void RefreshChildrenOnFrame(const SkinnedWindow& w) {
  for (const ChildFamily& family : ChildFamilies()) {
    if (family.refresh == FrameRefresh::None) continue;
    for (HWND member : family.members(w)) {
      if (::GetParent(member) != w.Hwnd) continue;
      if (family.refresh == FrameRefresh::WithDescendants) {
        ::RedrawWindow(member, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        continue;
      }
      const bool erase = family.refresh != FrameRefresh::NoErase;
      ::InvalidateRect(member, nullptr, erase);
      if (family.refresh != FrameRefresh::EraseWithChildren) continue;
      for (HWND c = ::GetWindow(member, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        if (::IsWindowVisible(c)) ::InvalidateRect(c, nullptr, TRUE);
    }
  }
}

LRESULT OnChildNcDestroy(WNDPROC procedure, HWND control, WPARAM wParam, LPARAM lParam) {
  const ChildFamily* family = FamilyRunning(procedure);
  const char* savedKey = family ? family->keys->savedProc : prop::Hw_hProc;
  // The procedure before goes back first, so that the one below (a
  // transparent child's under a container's) runs on top when it sees the
  // message and puts its own predecessor back in turn; not when someone
  // subclassed the control since, who would be cut out. The record stays
  // while the procedures below run.
  const WNDPROC saved = GetHandleProp<WNDPROC>(control, savedKey);
  if (family && saved && RunsProcedure(control, family->procedure))
    ReplaceWindowProc(control, saved);
  const LRESULT result = ForwardMessage(savedKey, control, WM_NCDESTROY, wParam, lParam);
  if (family) Forget(*family, control);
  return result;
}

}  // namespace skin
