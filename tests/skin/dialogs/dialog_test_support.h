// Shared by the dialog tests: dialogs made from templates in memory, the
// platform's own dialogs run modally while a test looks at them and answers
// them with real input, and what a skinned dialog is made of.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/screen.h"

namespace dialog_test {

// One control of a dialog template; sizes in dialog units.
struct Item {
  std::string cls;  // "BUTTON", "EDIT", "msctls_trackbar32", ...
  std::string text;
  DWORD style;
  short x, y, cx, cy;
  WORD id;
};

// A DLGTEMPLATE with its items, DWORD-aligned, in the font "宋体" 9.
std::vector<WORD> Template(DWORD style, const std::string& title, short cx, short cy,
                           const std::vector<Item>& items);

// Runs `open` (a call that shows a modal dialog and returns when it ends).
// Once the first top-level dialog it shows has activated and painted,
// `look` is called with it, from inside the dialog's own message loop; `look`
// must end the dialog, with keys it queues (QueueKeys) reaching the
// dialog's own loop once it returns. Returns false when no dialog showed within 10 s, or
// when the dialog was still there well after `look` returned (it is then
// cancelled here).
bool WhileModal(const std::function<void()>& open, const std::function<void(HWND)>& look);

// Real input: a click of the left button at a screen point, keys pressed and
// released (with the given modifiers held down), text typed as key presses.
void ClickAt(POINT screen);
void PressKey(WORD key, std::vector<WORD> modifiers = {});
void TypeText(const std::string& ascii);
// Key presses queued all at once and left to whoever handles messages next:
// a dialog's own loop (which turns Enter and Esc into its commands, as a
// plain message pump would not), or a menu loop the first keys start.
void QueueKeys(const std::vector<std::vector<WORD>>& chords);
// A drag with the left button from `from` by (dx, dy), queued whole before
// anything is handled: the platform's move and size loops run inside the
// handling of the press and read the rest from the queue.
void DragBy(POINT from, int dx, int dy);
// The centre of a window on the screen.
POINT CentreOf(HWND window);

// Every visible descendant of `window` (children first, then theirs).
std::vector<HWND> VisibleDescendants(HWND window);
// The descendants of the classes the engine's families skin: buttons (not
// group boxes), edits outside combo boxes, combo boxes, list boxes, list
// and tree views, track bars, progress bars, up-downs.
std::vector<HWND> StandardControls(HWND window);
// True when one of the engine's families has registered the control.
bool IsSkinned(HWND control);
// Class names of the controls, for messages.
std::string Describe(const std::vector<HWND>& controls);

// Colours that count as saturated (a channel spread of at least 80), in
// steps of 16 levels per channel: how many distinct ones the picture holds.
int DistinctSaturatedColours(const testing_support::Pixels& picture);

}  // namespace dialog_test
