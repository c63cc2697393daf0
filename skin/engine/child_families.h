// The families of skinned child controls a window record holds, as one
// table: unregistration, renumbering and the frame's refresh of children walk
// it, so a new family is one row here and its list in SkinnedWindow.
#pragma once

#include <windows.h>

#include <vector>

namespace skin {

struct SkinnedWindow;

// Family codes kept in SkinnedWindow::HoverKind: the family whose control
// last took the window's hover.
enum HoverKindCode : int {
  kHoverButton = 0,
  kHoverEdit = 1,
  kHoverTrackBar = 2,
  kHoverCombo = 3,
  kHoverList = 4,
  kHoverUpDown = 8,
  kHoverHeader = 9,
};

// How the frame refreshes the family's controls that stand on the window
// itself, after it has painted a new frame under them.
enum class FrameRefresh {
  None,               // they repaint through their own parents
  NoErase,            // invalidated without erasing
  Erase,              // invalidated with erasing
  EraseWithChildren,  // with erasing, and their visible child windows too
  WithDescendants,    // without erasing, with everything inside them
};

struct ChildFamily {
  const char* name;
  // The registered controls of the family in window w (free records left out).
  std::vector<HWND> (*members)(const SkinnedWindow& w);
  // The property that holds a member's window number.
  const char* windowNumberKey;
  FrameRefresh refresh;
  // Frees what the family's records hold besides their controls; may be null.
  void (*release)(SkinnedWindow& w);
};

// Every family, in the order windows are renumbered.
const std::vector<ChildFamily>& ChildFamilies();

// Rewrites the window number of every member of every family of w.
void RenumberChildren(SkinnedWindow& w, int windowNumber);
// What a window's families hold: their records' extras and the brushes
// handed out for their members.
void ReleaseChildren(SkinnedWindow& w);
// Invalidates the members standing directly on w's window, each family as
// its row says.
void RefreshChildrenOnFrame(const SkinnedWindow& w);

}  // namespace skin
