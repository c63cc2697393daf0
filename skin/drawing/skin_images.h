// The engine's built-in pictures: caption-button glyphs, check boxes, arrows.
#pragma once

#include <cstdint>
#include <vector>

namespace skin {

enum class SkinImage {
  Help = 1,    // 26 x 18
  MainMenu,    // 26 x 18
  Minimise,    // 26 x 18
  Maximise,    // 26 x 18
  Restore,     // 26 x 18
  Close,       // 38 x 18
  CheckOff,    // 13 x 13
  CheckOn,     // 13 x 13
  ArrowDown,   // 7 x 4
  ArrowUp,     // 7 x 4
  ArrowLeft,   // 4 x 7
  ArrowRight,  // 4 x 7
};

// The picture's PNG bytes (8-bit RGBA).
const std::vector<uint8_t>& SkinImageBytes(SkinImage image);

}  // namespace skin
