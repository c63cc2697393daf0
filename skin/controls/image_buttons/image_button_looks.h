// How image buttons look, drawn on any graphics context: nothing here
// touches a window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/graphics.h"
#include "skin/controls/buttons/button_looks.h"

namespace skin {

struct ImageButtonLook {
  std::vector<uint8_t> image;  // empty: no image
  bool beside = false;         // image left of the caption, else above it
  ButtonLook text;             // caption, font, colour, accent and state bits
  int clientWidth = 0, clientHeight = 0;
};

// Highlight and frame when hot or focused, a faint grey when disabled; the
// image scaled to 80% of the height beside the caption (or centred without
// one), or above it.
void DrawImageButtonLook(graphics::Graphics& g, const ImageButtonLook& look, const LookBox& box);

struct StateImageLook {
  std::vector<uint8_t> normal, hot, pressed, disabled;  // empty: not given
  Colour accent = 0xDDCA22;
  UINT state = 0;
};

// The image of the first matching look (disabled, hot, pressed, normal) at
// its own size at (2, 2); a look without its own image shows the normal
// image over a drawn frame.
void DrawStateImageLook(graphics::Graphics& g, const StateImageLook& look);

}  // namespace skin
