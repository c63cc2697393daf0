#include "skin/controls/buttons/buttons.h"

namespace skin {

// Not built yet: buttons keep the platform's look.
void SkinPushButtons(int, HWND) {}
void SkinCheckAndRadioButtons(int, HWND) {}
void DispatchDrawItem(int, const DRAWITEMSTRUCT&) {}

}  // namespace skin
