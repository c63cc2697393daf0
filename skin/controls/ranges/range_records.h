// Records of skinned track bars, progress bars and up-down controls.
#pragma once

#include <windows.h>

namespace skin {

struct TrackBarRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
};

struct ProgressBarRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
};

struct UpDownRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
};

}  // namespace skin
