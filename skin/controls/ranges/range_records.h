// Records of skinned track bars, progress bars and up-down controls.
#pragma once

#include <windows.h>

#include <cstdint>

namespace skin {

struct TrackBarRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
};

struct ProgressRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
  int32_t vertical = 0;  // PBS_VERTICAL
};

struct UpDownRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
};

}  // namespace skin
