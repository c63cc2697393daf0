// Image buttons: push buttons of a skinned window that show one image beside
// or above their caption (kind 1), or one image per look and no caption
// (kind 3). They live in the button list and run the button procedure; the
// engine's SkinImageButton and SkinStateImageButton make them.
#pragma once

#include <windows.h>

namespace skin {

// Painters selected by the button kind; same frame and state bits as the
// push-button painter.
void PaintImageButton(HWND button, HDC dc, UINT state, const RECT& rect);
void PaintStateImageButton(HWND button, HDC dc, UINT state, const RECT& rect);

}  // namespace skin
