// Push buttons, check boxes and automatic radio buttons of a skinned window:
// registered in the window's button list, subclassed, and drawn by the
// engine over what lies behind them, so they look translucent over the
// window's picture. Image buttons share the list, the procedure and the
// owner-draw dispatch.
#pragma once

#include <windows.h>

#include <optional>

#include "skin/controls/buttons/button_record.h"

namespace skin {

// Owner-draw item-state bits; a button's look is drawn for a set of them.
enum ButtonStateBit : UINT {
  kStatePressed = 0x0001,   // ODS_SELECTED
  kStateDisabled = 0x0004,  // ODS_DISABLED
  kStateFocused = 0x0010,   // ODS_FOCUS
  kStateHot = 0x0040,       // ODS_HOTLIGHT
};

// The kind each installer takes a BUTTON of that style as, from the style's
// low four bits: push buttons are types 0, 1 and 8; check boxes 2, 3 and 10,
// automatic radio buttons type 9. Owner-drawn buttons (11, 15), plain radio
// buttons, three-state boxes and group boxes are never taken.
std::optional<ButtonKind> PushButtonKind(LONG style);
std::optional<ButtonKind> CheckOrRadioKind(LONG style);

// Register and subclass the direct BUTTON children of `parent` that the
// rules above take, for window number i. Nothing while SkinChildControls is
// off; a button registered before is left as it is.
void SkinPushButtons(int i, HWND parent);
void SkinCheckAndRadioButtons(int i, HWND parent);

// Index of the record of `button` in window i's button list, 0 if none.
int FindButton(int i, HWND button);

// The subclass procedure of every registered button.
LRESULT CALLBACK ButtonWndProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

// Repaints one button at once on its own device context, in `state`, hot
// when asked (a disabled button always shows disabled).
void RedrawButton(HWND button, UINT state, bool hot);

// A WM_DRAWITEM request that reached window i's frame or one of its
// containers: push and image buttons are drawn by their kind.
void DispatchDrawItem(int i, const DRAWITEMSTRUCT& item);

// The painters: each captures what lies behind the button, draws its look
// and copies the result to the target at (0, 0) in one transfer. Radio
// buttons and check boxes draw on the button's own DC, over its client area.
void PaintPushButton(HWND button, HDC dc, UINT state, const RECT& rect);
void PaintRadioButton(HWND button, UINT state);
void PaintCheckBox(HWND button, UINT state);

}  // namespace skin
