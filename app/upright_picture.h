// Photos from phones shown upright: the turn their Orientation tag asks for,
// applied to the decoded picture before anything draws it.
#pragma once

#include <cstdint>
#include <vector>

#include "graphics/image.h"

namespace app {

// Turns `picture`, decoded from `bytes`, as the bytes' Orientation tag says.
// Without a tag nothing changes. False when the turn failed.
bool TurnUpright(graphics::Image& picture, const std::vector<uint8_t>& bytes);

// The picture's bytes as they should be shown: unchanged without a turn,
// else the upright picture encoded as PNG (lossless, and carrying no tag to
// be turned again). Bytes that do not decode come back unchanged.
std::vector<uint8_t> UprightPictureBytes(const std::vector<uint8_t>& bytes);

}  // namespace app
