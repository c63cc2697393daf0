// List boxes, list views, tree views and headers of a skinned window.
#pragma once

#include <windows.h>

namespace skin {

void SkinListControls(int i, HWND parent);
void SkinHeaders(int i, HWND parent);

}  // namespace skin
