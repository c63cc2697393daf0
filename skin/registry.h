// The registry of skinned top-level windows and of captured surfaces.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/module_state.h"
#include "skin/skinned_window.h"

namespace skin {

// One record per skinned top-level window; window number i is element i - 1.
std::vector<SkinnedWindow>& SkinnedWindows();
std::vector<Surface>& Surfaces();

}  // namespace skin
