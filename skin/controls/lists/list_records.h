// Records of skinned list-type controls and headers.
#pragma once

#include <windows.h>

namespace skin {

struct ListRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
};

struct HeaderRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
};

}  // namespace skin
