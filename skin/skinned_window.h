// The engine's record of one skinned top-level window.
#pragma once

#include <windows.h>

namespace skin {

struct SkinnedWindow {
  HWND Hwnd = nullptr;
};

}  // namespace skin
