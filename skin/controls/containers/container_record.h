// The record of a registered container (group box, panel, any window with
// children of its own). Background capture reads its tint and whether it is
// a group box.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "skin/drawing/colours.h"

namespace skin {

struct ContainerRecord {
  HWND hwnd = nullptr;
  Colour tintColour = 0;    // 0: no tint
  uint8_t tintAlpha = 255;  // 255 also marks the container as not translucent
  int32_t drawBorder = 0;
  WNDPROC savedProc = nullptr;
  int32_t needsFullPaint = 0;
  int32_t isGroupBox = 0;
  int32_t paintSelf = 1;
  std::string fontName;  // group boxes only
  int32_t fontSize = 0;
  int32_t fontStyle = 0;
};

}  // namespace skin
