// Small pictures the gallery gives its image buttons and its roll, drawn
// here at start.
#pragma once

#include <cstdint>
#include <vector>

namespace gallery {

// PNG bytes, 32 x 32 unless a size is given.
std::vector<uint8_t> ClassListIcon(int size = 32);  // a sheet with lines of names
std::vector<uint8_t> CameraIcon(int size = 32);     // a camera: the photos
std::vector<uint8_t> StarIcon(int size = 32, uint32_t argb = 0xFFFFC83C);  // a star
std::vector<uint8_t> StudentIcon(int size, uint32_t argb);                 // head and shoulders

// Caption-button pictures of the sample window: a light glyph on a rounded
// face, 26 x 18 (38 x 18 for close).
enum class Glyph { Minimise, Maximise, Restore, Close };
std::vector<uint8_t> CaptionGlyph(Glyph glyph);

// The sample class's background picture (JPEG bytes).
std::vector<uint8_t> Background();

}  // namespace gallery
