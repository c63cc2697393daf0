// Track bars, progress bars and up-down controls of a skinned window.
#pragma once

#include <windows.h>

namespace skin {

void SkinTrackBars(int i, HWND parent);
void SkinProgressBars(int i, HWND parent);
void SkinUpDowns(int i, HWND parent);

}  // namespace skin
