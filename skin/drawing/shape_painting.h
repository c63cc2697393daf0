// Filling and outlining the painters' shapes in one call each.
#pragma once

#include "graphics/graphics.h"

namespace skin {

// A rounded rectangle as the engine draws every outline (RoundRectPath).
graphics::Path RoundRectShape(float x, float y, float w, float h, int radius);

void FillSolid(graphics::Graphics& g, const graphics::Path& shape, Gdiplus::ARGB colour);
// A linear gradient from `first` at `from` to `second` at `to`.
void FillGradient(graphics::Graphics& g, const graphics::Path& shape, graphics::PointF from,
                  graphics::PointF to, Gdiplus::ARGB first, Gdiplus::ARGB second);
void Outline(graphics::Graphics& g, const graphics::Path& shape, Gdiplus::ARGB colour,
             float width = 1.0f);

}  // namespace skin
