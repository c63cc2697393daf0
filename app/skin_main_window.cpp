#include "app/skin_main_window.h"

namespace app {

// The plain look: the skin engine's frame and control skinners take over here.
void SkinMainWindow(const std::vector<uint8_t>& /*background*/) {}

void SkinGroupBoxChildren(HWND /*groupBox*/) {}

}  // namespace app
