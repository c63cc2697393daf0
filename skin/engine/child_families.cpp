#include "skin/engine/child_families.h"

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

// Tooltip windows are made per image button; they go with the window.
void ReleaseButtonTooltips(SkinnedWindow& w) {
  for (ButtonRecord& b : w.ButtonControls) {
    if (HWND tip = b.tooltip.GetWindow())
      if (::IsWindow(tip)) ::DestroyWindow(tip);
    b.tooltip = graphics::Tooltip{};
  }
}

}  // namespace

const std::vector<ChildFamily>& ChildFamilies() {
  static const std::vector<ChildFamily> families = {
      {"lists", MembersOf<&SkinnedWindow::ListControls>, prop::Hw_FuID,
       FrameRefresh::EraseWithChildren, nullptr},
      {"buttons", MembersOf<&SkinnedWindow::ButtonControls>, prop::Hw_FuID, FrameRefresh::NoErase,
       ReleaseButtonTooltips},
      {"edits", MembersOf<&SkinnedWindow::EditControls>, prop::Hw_FuID, FrameRefresh::Erase,
       nullptr},
      {"combos", MembersOf<&SkinnedWindow::ComboControls>, prop::Hw_FuID, FrameRefresh::Erase,
       nullptr},
      {"headers", MembersOf<&SkinnedWindow::Headers>, prop::Hw_FuID, FrameRefresh::None, nullptr},
      {"up-downs", MembersOf<&SkinnedWindow::UpDowns>, prop::Hw_FuID, FrameRefresh::NoErase,
       nullptr},
      {"track bars", MembersOf<&SkinnedWindow::TrackBars>, prop::Hw_FuID, FrameRefresh::NoErase,
       nullptr},
      {"progress bars", MembersOf<&SkinnedWindow::ProgressBars>, prop::Hw_FuID,
       FrameRefresh::NoErase, nullptr},
      // A container and what it holds show the frame behind them too.
      {"containers", MembersOf<&SkinnedWindow::Containers>, prop::Hw_FuID,
       FrameRefresh::WithDescendants, nullptr},
      {"transparent children", MembersOf<&SkinnedWindow::TransparentChildren>, prop::Kj_FuID,
       FrameRefresh::None, nullptr},
  };
  return families;
}

void RenumberChildren(SkinnedWindow& w, int windowNumber) {
  for (const ChildFamily& family : ChildFamilies())
    for (HWND member : family.members(w)) SetIntProp(member, family.windowNumberKey, windowNumber);
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

}  // namespace skin
