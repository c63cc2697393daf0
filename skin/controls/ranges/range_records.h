// Records of skinned track bars, progress bars and up-down controls.
#pragma once

#include <windows.h>

#include <cstdint>

namespace skin {

struct TrackBarRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
  int32_t vertical = 0;  // TBS_VERT
  // Where the ticks are: 0 top/left, 1 bottom/right, 2 both, 3 none.
  int32_t tickSide = 1;
  int32_t hover = 0;
  int32_t selRange = 0;  // TBS_ENABLESELRANGE
};

struct ProgressRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
  int32_t vertical = 0;  // PBS_VERTICAL
};

// The halves of an up-down control, as its hit test names them.
enum UpDownPart : int32_t { kUpDownNone = 0, kUpDownFirst = 3, kUpDownSecond = 4 };

struct UpDownRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
  int32_t hover = 0;
  int32_t hotPart = kUpDownNone;  // up (left) or down (right) half
  int32_t pressed = 0;            // left button held
  int32_t horizontal = 0;         // UDS_HORZ
  // Where the pointer was last seen: client coordinates packed as a mouse
  // message's lParam.
  int32_t lastMouse = 0;
};

}  // namespace skin
