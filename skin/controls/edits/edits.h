// Edit boxes and combo boxes of a skinned window.
#pragma once

#include <windows.h>

namespace skin {

void SkinEditsAndCombos(int i, HWND parent);

}  // namespace skin
