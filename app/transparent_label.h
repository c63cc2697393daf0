// A text label with no background of its own: whatever lies behind it shows
// through everywhere except under the text. Changing its text or colour
// repaints what lies behind the whole label first, so no trace of the old
// text stays.
#pragma once

#include <windows.h>

#include <string>

namespace app {

constexpr char kTransparentLabelClass[] = "RollCallTransparentLabel";

// Registers the window class (once per process).
void RegisterTransparentLabelClass(HINSTANCE instance);

// Text centred horizontally and vertically on one line, not clipped, in a
// font of `fontHeight` pixels (negative: character height) and `charset`.
HWND CreateTransparentLabel(HWND parent, int id, const RECT& bounds, const std::string& text,
                            int fontHeight, BYTE charset);

void SetLabelTextColour(HWND label, COLORREF colour);
COLORREF GetLabelTextColour(HWND label);
HFONT GetLabelFont(HWND label);

}  // namespace app
