// Which way a camera's photo must turn to be seen upright: the EXIF
// Orientation tag of a JPEG, read from the file's own bytes so the program
// behaves alike wherever GDI+ reads no JPEG metadata.
#pragma once

#include <cstdint>
#include <vector>

namespace app {

constexpr int kUpright = 1;  // stored as seen

// The Orientation tag (1..8) of the first Exif APP1 segment. Anything else —
// no JPEG, no tag, a value outside 1..8, a segment or offset past the end of
// the bytes — reads as kUpright. Reads only the segments before the image
// data, each within its own length.
int JpegOrientation(const std::vector<uint8_t>& bytes);

// Orientations 5..8 store the picture on its side: width and height swap.
inline bool SwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

}  // namespace app
