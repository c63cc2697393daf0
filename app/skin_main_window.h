// Hands the main window and its group box to the skin engine.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace app {

// The background picture, the options and the frame of the main window.
void SkinMainWindow(const std::vector<uint8_t>& background);
// The controls inside the group box.
void SkinGroupBoxChildren(HWND groupBox);

}  // namespace app
