// Writes small animated GIF files for the tests (four colours, one code per
// pixel), so that frame and delay handling can be checked on pictures of the
// tests' own making.
#pragma once

#include <cstdint>
#include <vector>

namespace graphics_test {

struct GifFrame {
  uint8_t colour_index = 0;  // the whole frame in one palette colour
  uint16_t delay = 0;        // hundredths of a second
};

// `palette`: four 0xRRGGBB colours.
std::vector<uint8_t> WriteAnimatedGif(int width, int height, const uint32_t (&palette)[4],
                                      const std::vector<GifFrame>& frames);

}  // namespace graphics_test
