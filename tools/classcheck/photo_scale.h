// Makes a photo fit the photo box: turned upright as its Orientation tag
// says, then, when larger than the box, scaled to cover 440 x 272 around its
// centre, the overhang cut off; encoded as JPEG without any tag.
#pragma once

#include <cstdint>
#include <vector>

namespace classcheck {

constexpr uint32_t kJpegQuality = 90;

// The new JPEG bytes, or nothing when the picture does not decode or encode.
std::vector<uint8_t> ScaleToBox(const std::vector<uint8_t>& bytes);

}  // namespace classcheck
