// How a skinned progress bar looks: a rounded trough and a filled part
// whose length follows the position, drawn on any graphics context.
#pragma once

#include <cstdint>

#include "graphics/graphics.h"

namespace skin {

struct ProgressLook {
  int width = 0, height = 0;
  bool vertical = false;
  int position = 0;
  int low = 0, high = 100;
  uint32_t accent = 0;
};

// The position scaled by length / (high - low), low not subtracted: 0 for
// an empty range, and never beyond 0..length for a position outside it.
double ScaledPosition(const ProgressLook& look, int length);

void DrawProgressLook(graphics::Graphics& g, const ProgressLook& look);

}  // namespace skin
