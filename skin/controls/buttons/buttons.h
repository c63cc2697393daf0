// Push buttons, check boxes and radio buttons of a skinned window.
#pragma once

#include <windows.h>

namespace skin {

void SkinPushButtons(int i, HWND parent);
void SkinCheckAndRadioButtons(int i, HWND parent);
void DispatchDrawItem(int i, const DRAWITEMSTRUCT& item);

}  // namespace skin
