// Open outlines of faces rounded at the top: caption buttons, the gloss of
// push buttons. A fill closes them; arcs are r wide and r high.
#pragma once

#include "graphics/path.h"

namespace skin {

// Rounded at both top corners.
bool TopRoundedPath(graphics::Path& path, float x, float y, float w, float h, float r);
// Rounded at the top-right corner only (the close button at the window's edge).
bool TopRightRoundedPath(graphics::Path& path, float x, float y, float w, float h, float r);

}  // namespace skin
