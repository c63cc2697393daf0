// A borderless picture box that shows its picture in tile mode: drawn at its
// own size from the top-left corner, repeated right and down until the box is
// covered. Pictures come as encoded bytes (JPEG, PNG, BMP, GIF); a JPEG is
// first turned upright as its EXIF Orientation tag says.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace app {

constexpr char kPictureBoxClass[] = "RollCallPictureBox";

// Pictures larger than this many pixels are not shown: decoding them would
// take hundreds of megabytes and seconds, and only the top-left corner of the
// box's size would ever be seen.
constexpr int64_t kMaxPicturePixels = 40'000'000;

void RegisterPictureBoxClass(HINSTANCE instance);
HWND CreatePictureBox(HWND parent, int id, const RECT& bounds);

// Replaces the picture. Empty, unreadable or oversized bytes leave the box
// showing only its background. Returns whether a picture is shown.
bool SetPicture(HWND box, const std::vector<uint8_t>& bytes);
bool HasPicture(HWND box);

}  // namespace app
