// Track bars, progress bars and up-down controls of a skinned window: drawn
// whole by the engine, each keeping its own behaviour.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

void SkinTrackBars(int i, HWND parent);
void SkinProgressBars(int i, HWND parent);
void SkinUpDowns(int i, HWND parent);

// Index of the control in its list of window i, 0 if it is not there.
int FindTrackBar(int i, HWND control);
int FindProgressBar(int i, HWND control);
int FindUpDown(int i, HWND control);

LRESULT CALLBACK TrackBarWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ProgressWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK UpDownWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Each paints control `index` of window i at once on its window DC.
void PaintTrackBar(int i, int index);
void PaintProgressBar(int i, int index);
// Hover, pressed state and pointer position not given are the record's.
void PaintUpDown(int i, int index, std::optional<bool> hover = {}, std::optional<bool> pressed = {},
                 std::optional<LPARAM> lastMouse = {});

}  // namespace skin
