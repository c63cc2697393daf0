// Brushes a skinned window hands to the platform for its child controls in
// answer to colour messages. Each control holds at most one brush (and the
// bitmap behind it); a new answer replaces the old pair, a control's
// destruction releases its pair, and the window's unregistration releases
// what is left.
#pragma once

#include <windows.h>

#include "platform/handles.h"
#include "skin/engine/skinned_window.h"

namespace skin {

// Replaces the control's brush and bitmap by a pattern brush over `bitmap`;
// stores both in Kj_dxjb / Kj_wtjb and returns the brush.
HBRUSH SetPatternBrush(SkinnedWindow& w, HWND control, platform::UniqueBitmap bitmap);
// Replaces the control's brush by the stock hollow brush; returns it.
HBRUSH SetHollowBrush(SkinnedWindow& w, HWND control);
// Deletes the control's brush and bitmap.
void DeleteControlBrush(SkinnedWindow& w, HWND control);
// Deletes the pairs of controls that are no longer windows: controls of no
// family (static texts, group boxes) are never told when they go.
void DeleteBrushesOfGoneControls(SkinnedWindow& w);
void ReleaseAllControlBrushes(SkinnedWindow& w);

}  // namespace skin
