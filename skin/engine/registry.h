// The registry of skinned top-level windows and of captured surfaces, and the
// look-ups from a platform window to its record.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/engine/module_state.h"
#include "skin/engine/skinned_window.h"

namespace skin {

// Window number i is element i - 1. Records are held by pointer so that a
// record stays where it is while others are added.
std::vector<std::unique_ptr<SkinnedWindow>>& SkinnedWindows();
std::vector<Surface>& Surfaces();

int WindowCount();
// The record of window number i; null when i is not a window number.
SkinnedWindow* WindowRecord(int i);

// Number of the record whose window is `window`, or 0.
int FindSkinnedWindow(HWND window);
// Number of the nearest skinned ancestor of `child` (the child itself not
// included), or 0. Only parents count, never the owner of a popup.
int FindOwningSkinnedWindow(HWND child);
// The window's number from its property, when it is a valid number; else 0.
int WindowNumberOf(HWND window);

}  // namespace skin
