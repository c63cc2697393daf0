// Track bars, progress bars and up-down controls of a skinned window.
#pragma once

#include <windows.h>

namespace skin {

void SkinTrackBars(int i, HWND parent);
void SkinProgressBars(int i, HWND parent);
void SkinUpDowns(int i, HWND parent);

int FindProgressBar(int i, HWND control);
LRESULT CALLBACK ProgressWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
// Paints progress bar `index` of window i at once on its window DC.
void PaintProgressBar(int i, int index);

}  // namespace skin
