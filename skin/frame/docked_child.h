// A child that the frame keeps stretched across the client area below `top`.
#pragma once

#include <windows.h>

#include <cstdint>

namespace skin {

struct DockedChild {
  HWND hwnd = nullptr;
  int32_t top = 0;
};

}  // namespace skin
