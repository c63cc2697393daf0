// Fades the free edges of a background picture into the frame colour.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/drawing/colours.h"

namespace skin {

enum class FadeVariant {
  LeftAndBottom,   // for a picture anchored at the top right
  RightAndBottom,  // for a picture anchored at the top left
};

// The picture with a band 30% of its width fading into `colour` on one side
// and at the bottom, as PNG bytes; empty when the picture cannot be read.
std::vector<uint8_t> FadeImage(const std::vector<uint8_t>& image, Colour colour,
                               FadeVariant variant);
std::vector<uint8_t> FadeImageFile(const std::string& fileName, Colour colour, FadeVariant variant);

}  // namespace skin
