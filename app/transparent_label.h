// A text label with no background of its own: whatever lies behind it shows
// through everywhere except under the text. Text wider than the label is not
// cut: the label widens about its centre to fit it, within the window it sits
// in, and text wider than that window is drawn in a smaller font. Changing
// its text or colour repaints what lies behind the old and the new area
// first, so no trace of the old text stays.
#pragma once

#include <windows.h>

#include <string>

namespace app {

constexpr char kTransparentLabelClass[] = "RollCallTransparentLabel";

// Registers the window class (once per process).
void RegisterTransparentLabelClass(HINSTANCE instance);

// Text centred horizontally and vertically on one line, not clipped, in a
// font of `fontHeight` pixels (negative: character height) and `charset`.
// `bounds` is the label's own box: it never gets narrower than that.
HWND CreateTransparentLabel(HWND parent, int id, const RECT& bounds, const std::string& text,
                            int fontHeight, BYTE charset);

void SetLabelTextColour(HWND label, COLORREF colour);
COLORREF GetLabelTextColour(HWND label);
HFONT GetLabelFont(HWND label);

}  // namespace app
