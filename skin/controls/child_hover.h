// The hover step every family of child controls takes on WM_MOUSEMOVE. One
// control of a window is drawn hot at a time: the window remembers which one
// (its list index and family) so that moving within a control does not
// repaint it, and moving to another control, even of another family with
// the same index, does.
#pragma once

#include <windows.h>

namespace skin {

struct SkinnedWindow;

// Asks for a leave notice for `control` and marks list index `index` as the
// control under the mouse. True when the hover has just moved to it: the
// caller draws it hot, then calls HoverDrawn.
bool HoverArrives(SkinnedWindow& w, HWND control, int index, int kind);
// Records the control under the mouse as the one drawn hot, of family `kind`.
void HoverDrawn(SkinnedWindow& w, int kind);

}  // namespace skin
