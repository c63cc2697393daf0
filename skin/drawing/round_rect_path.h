// The rounded rectangle every skinned outline is built from.
#pragma once

#include "graphics/path.h"

namespace skin {

// Adds a closed rounded rectangle to `path`; the radius is held to 1..100.
// The bottom-right corner arc is one pixel larger than the others.
bool RoundRectPath(graphics::Path& path, float x, float y, float w, float h, int radius);

}  // namespace skin
