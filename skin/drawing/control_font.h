// The font of a control, read once for the engine's painters, and the
// graphics-layer font they draw captions with.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "graphics/font.h"

namespace skin {

struct ControlFont {
  std::string face;   // empty when the font cannot be read
  int32_t size = 0;   // em size in pixels, truncated
  int32_t style = 0;  // 1 bold, 2 italic, 4 underline, 8 strikeout
};

// The font the control answers WM_GETFONT with, as GDI+ sees it; nothing
// (an empty face, size 0) for a control without a font of its own or with a
// font GDI+ cannot use.
ControlFont ReadControlFont(HWND control);

// A caption font of `face` at `size` pixels: the default GUI font when the
// face is empty, the size is not positive or the family is not installed, so
// a caption always shows.
bool CreateCaptionFont(graphics::Font& font, const std::string& face, int size, int style);

}  // namespace skin
