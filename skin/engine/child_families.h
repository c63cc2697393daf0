// The families of skinned child controls a window record holds, as one
// table: unregistration, renumbering, the frame's refresh of children and the
// forgetting of a destroyed control walk it, so a new family is one row here
// and its list in SkinnedWindow.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/engine/child_registration.h"

namespace skin {

struct SkinnedWindow;

// Family codes kept in SkinnedWindow::HoverKind: the family whose control
// last took the window's hover.
enum HoverKindCode : int {
  kHoverNone = -1,  // a family that takes no hover
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
  // The properties that tie a member to its record.
  const ChildKeys* keys;
  // The procedure every member runs; each family has its own.
  WNDPROC procedure;
  int hoverKind;  // HoverKindCode
  FrameRefresh refresh;
  // Frees what the family's records hold besides their controls; may be null.
  void (*release)(SkinnedWindow& w);
  // Frees record `index` of w, with what it holds, when it is the control's;
  // false when it is not.
  bool (*forget)(SkinnedWindow& w, int index, HWND control);
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

// WM_NCDESTROY of a control running family procedure `procedure`, called by
// every family's procedure: the control's own handling comes first, then
// the family forgets it. Its record is freed for the next registration, the
// window's hover no longer points at it, the brushes handed out for it (for
// a container, also for its children gone before it) and its tooltip go,
// its properties are removed, and the procedure it ran before is put back
// while it still runs the family's. Nothing keeps its handle, so a
// later window given the same one is a stranger to the engine.
LRESULT OnChildNcDestroy(WNDPROC procedure, HWND control, WPARAM wParam, LPARAM lParam);

}  // namespace skin
