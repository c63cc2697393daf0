// The order in which a skinned window, or a container of one, skins its
// direct children, family by family.
#pragma once

#include <windows.h>

namespace skin {

// Push buttons, check and radio buttons, edits and combo boxes, track bars,
// progress bars, list-type controls, up-down controls, headers: each with
// window number i and `parent`. Each family does nothing while
// SkinChildControls is off.
void SkinEveryFamily(int i, HWND parent);

}  // namespace skin
