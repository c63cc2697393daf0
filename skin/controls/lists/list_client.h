// The client area of a skinned list-type control while a translucency is in
// force: the control draws its items over the window's picture under a
// white veil. Used by the list procedure only.
#pragma once

#include <windows.h>

namespace skin {

// WM_PAINT after the frame: tree views, list views and list boxes are
// composed off-screen over the veiled background; anything else, and every
// control without a translucency, paints itself.
LRESULT PaintListClient(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// WM_ERASEBKGND: nothing is erased under controls whose paint covers their
// client area; the veiled background is laid under the others.
LRESULT EraseListBackground(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
