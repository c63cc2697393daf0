// Records of the child controls a skinned window holds, one list per family.
// Every record starts with the control's handle (null in a free record);
// each family adds the fields its painter needs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "skin/colours.h"

namespace skin {

struct ButtonRecord { HWND hwnd = nullptr; };
struct EditRecord { HWND hwnd = nullptr; };
struct ListRecord { HWND hwnd = nullptr; };
struct TrackBarRecord { HWND hwnd = nullptr; };
struct ProgressBarRecord { HWND hwnd = nullptr; };
struct ComboRecord { HWND hwnd = nullptr; };
struct UpDownRecord { HWND hwnd = nullptr; };
struct HeaderRecord { HWND hwnd = nullptr; };

struct TransparentChildRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
  Colour keyColour = 0;
};

// A registered container (group box, panel). Background capture reads its
// tint and whether it is a group box.
struct ContainerRecord {
  HWND hwnd = nullptr;
  Colour tintColour = 0;   // 0: no tint
  uint8_t tintAlpha = 255;
  int32_t drawBorder = 0;
  WNDPROC savedProc = nullptr;
  int32_t needsFullPaint = 0;
  int32_t isGroupBox = 0;
  int32_t paintSelf = 1;
  std::string fontName;
  int32_t fontSize = 0;
  int32_t fontStyle = 0;
};

// A child stretched across the client area below `top`.
struct DockedChild {
  HWND hwnd = nullptr;
  int32_t top = 0;
};

}  // namespace skin
