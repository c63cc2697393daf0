// Child windows of classes the engine does not redraw (tab controls,
// toolbars, month calendars, rich-edit fields...), shown over their window's
// background: whatever they paint in a key colour is replaced by what lies
// behind them.
#pragma once

#include <windows.h>

#include "skin/controls/transparent/transparent_child_record.h"

namespace skin {

// The subclass procedure of every transparent child.
LRESULT CALLBACK TransparentChildWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// The record of a transparent child, found through its Kj_FuID and Kj_lbID
// and checked against it; null when they do not lead back to the control.
// Look it up again after anything that can re-enter.
TransparentChildRecord* RecordOfTransparentChild(HWND control);

// Hands a message on to the procedure the control had before.
LRESULT ForwardTransparent(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
