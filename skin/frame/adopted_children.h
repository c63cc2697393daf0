// The windows inside an adopted window that hold controls of their own: a
// child dialog (a property-sheet page, a dialog embedded in another), the
// file dialog's view, an extended combo box. Each becomes a container of
// the window, so its controls are skinned with the window's look; and a
// child that appears after the window was skinned is taken as it appears.
#pragma once

#include <windows.h>

namespace skin {

class SkinEngine;

// Makes containers of the descendants of `parent` (in skinned window i)
// that hold children of their own or are child dialogs, when no family has
// taken them, and skins what each holds.
void TakeChildContainers(SkinEngine& engine, int i, HWND parent);
// A child of `parent` made after the window was skinned: skinned as its
// family's, or taken as a container with what it holds. A child dialog makes
// its controls after it is made itself, so this runs twice: as the child
// appears (WM_PARENTNOTIFY), and again once the message posted then with
// LateChildMessage arrives.
void TakeLateChild(SkinEngine& engine, int i, HWND parent, HWND child);
// The message the frame posts itself to look at a new child again (wParam 0,
// lParam the child).
UINT LateChildMessage();

}  // namespace skin
