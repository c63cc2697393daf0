// Records of skinned edit boxes and combo boxes.
#pragma once

#include <windows.h>

namespace skin {

struct EditRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
};

struct ComboRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
};

}  // namespace skin
