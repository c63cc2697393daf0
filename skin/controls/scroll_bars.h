// Skinned edits and list-type controls keep the platform's scroll bars: the
// engine draws their border ring itself and lets the platform paint the
// scroll bars, and nothing else of the non-client area.
#pragma once

#include <windows.h>

#include "platform/handles.h"

namespace skin {

bool HasHScroll(HWND window);
bool HasVScroll(HWND window);
bool HasScrollBars(HWND window);

// The screen area of the window's scroll bars; with both bars it includes the
// corner square below the vertical one. Empty (null) without scroll bars.
platform::UniqueRegion ScrollBarRegion(HWND window);

// The second half of a skinned WM_NCPAINT: the platform repaints the scroll
// bars only (or nothing, for a control without them). The update region that
// came with the message is not used.
LRESULT NcPaintScrollBarsOnly(HWND window, LPARAM lParam);

// The control's inner rectangle in its window coordinates: the client area
// plus the scroll bars, centred in the window rectangle. The border ring of a
// skinned control lies between the window rectangle and this one.
RECT InnerRect(HWND window);

}  // namespace skin
