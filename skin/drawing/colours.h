// Colour conversions and the average colour of a picture.
//
// A colour is red | green << 8 | blue << 16 (the top byte is ignored); an ARGB
// value is what GDI+ takes: alpha << 24 | red << 16 | green << 8 | blue.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skin {

using Colour = uint32_t;

// Swaps red and blue into GDI+ order and sets the alpha (255 when not given).
Gdiplus::ARGB MakeArgb(Colour colour, std::optional<int> alpha = std::nullopt);

struct ColourAndAlpha {
  Colour colour;
  uint8_t alpha;
};
// The inverse of MakeArgb.
ColourAndAlpha ArgbToColour(Gdiplus::ARGB argb);

// Mean colour of `samples` pixels picked from the picture at positions that
// depend only on the calendar date, so a picture gives the same colour all
// day. The result carries 0xFF in its top byte; 0xFF000000 when the picture
// cannot be read.
Colour AverageColour(const std::vector<uint8_t>& image, int samples = 2000);
Colour AverageColourOfFile(const std::string& fileName, int samples = 2000);

}  // namespace skin
