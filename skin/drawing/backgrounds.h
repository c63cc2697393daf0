// A window background as drawn in a given mode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/drawing/colours.h"

namespace skin {

// Modes 1 and 0 fade the picture's free edges into `colour` (it is anchored
// top right or top left); the other modes keep the bytes as they are.
std::vector<uint8_t> BackgroundForMode(const std::vector<uint8_t>& image, Colour colour, int mode);
// The same for a picture file; modes other than 0 and 1 give it as PNG bytes.
std::vector<uint8_t> BackgroundFileForMode(const std::string& fileName, Colour colour, int mode);

}  // namespace skin
