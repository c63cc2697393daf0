// Small helpers shared by the graphics tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/bitmap.h"

namespace graphics_test {

// The pixel at (x, y), or 0 when it cannot be read.
inline graphics::ARGB PixelAt(const graphics::Bitmap& bitmap, int x, int y) {
  graphics::ARGB colour = 0;
  bitmap.BitmapGetPixel(x, y, colour);
  return colour;
}

}  // namespace graphics_test
