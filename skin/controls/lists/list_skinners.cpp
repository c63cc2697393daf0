#include "skin/controls/lists/lists.h"

namespace skin {

// Not built yet: lists, views and headers keep the platform's look.
void SkinListControls(int, HWND) {}
void SkinHeaders(int, HWND) {}

}  // namespace skin
