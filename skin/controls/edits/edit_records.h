// Records of skinned edit boxes and combo boxes.
#pragma once

#include <windows.h>

#include <cstdint>

namespace skin {

struct EditRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
  int32_t focused = 0;    // between WM_SETFOCUS and WM_KILLFOCUS
  int32_t mouseDown = 0;  // between WM_LBUTTONDOWN and WM_LBUTTONUP
};

struct ComboRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
  int32_t focused = 0;
};

}  // namespace skin
