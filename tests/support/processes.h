// Finding and starting other programs from tests and benchmarks.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

// A path handed over from the build, which may be a Unix path under Wine.
std::string WindowsPath(std::string path);

// The top-level window of class `className` that process `pid` made, or null.
// With `visibleOnly` only a visible window counts.
HWND FindTopWindow(DWORD pid, const char* className, bool visibleOnly = false);

}  // namespace testing_support
