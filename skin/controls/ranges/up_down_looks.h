// How a skinned up-down control looks: two rounded halves, each with its
// arrow, one of them hot (and pressed) under the pointer.
#pragma once

#include <windows.h>

#include <cstdint>

#include "graphics/graphics.h"

namespace skin {

struct UpDownLook {
  int width = 0, height = 0;
  bool horizontal = false;
  bool hover = false;
  bool pressed = false;
  LPARAM mouse = 0;  // pointer position where the look is drawn, as a mouse lParam
  uint32_t accent = 0;
};

// The half a point falls in: 3 for the up (left) half, 4 for the down
// (right) one; x and y are the signed words of `mouse`.
int UpDownPartAt(bool horizontal, int width, int height, LPARAM mouse);

void DrawUpDownLook(graphics::Graphics& g, const UpDownLook& look);

}  // namespace skin
