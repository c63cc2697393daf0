// The record of a child window that draws over its parent's background.
#pragma once

#include <windows.h>

#include "skin/drawing/colours.h"

namespace skin {

struct TransparentChildRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
  Colour keyColour = 0;
};

}  // namespace skin
