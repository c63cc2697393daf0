// Where a press on a skinned frame starts a border resize, and where the
// caption-button strip lies.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

struct SkinnedWindow;

struct ResizeZone {
  LPCSTR cursor;  // IDC_SIZE* cursor shown over the zone
  UINT command;   // WM_SYSCOMMAND code that starts the platform's sizing loop
};

// The first zone of the frame containing (x, y): the four edges (`margin`
// pixels wide, ending 10 pixels short of the corners), then the four 10-pixel
// corners; nothing elsewhere.
std::optional<ResizeZone> ResizeZoneAt(int x, int y, const RECT& client, int margin);

// True over the caption-button strip (with two pixels to its left).
bool IsInButtonStrip(const SkinnedWindow& w, int x, int y);

// Height of the taskbar window, taken to sit at the bottom of the screen; 0
// without one.
int TaskbarHeight();

}  // namespace skin
