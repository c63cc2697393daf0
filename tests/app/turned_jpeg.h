// JPEGs as phones store them: the picture on its side or mirrored, with an
// Exif APP1 segment whose Orientation tag says how to turn it upright.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/bitmap.h"

namespace turned_jpeg {

// Seen upright the picture is 60 x 40, white, with a red square in its
// top-left corner and a green one in its top-right corner.
constexpr int kWidth = 60, kHeight = 40, kMark = 14;
constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00C000, kWhite = 0xFFFFFFFF;

// Where the upright top-left and top-right corners are stored for each
// orientation (0 left/top, 1 right/bottom), from the tag's definition.
struct Corners {
  int redX, redY, greenX, greenY;
};
inline Corners StoredCorners(int orientation) {
  switch (orientation) {
    case 2: return {1, 0, 0, 0};
    case 3: return {1, 1, 0, 1};
    case 4: return {0, 1, 1, 1};
    case 5: return {0, 0, 0, 1};
    case 6: return {0, 1, 0, 0};
    case 7: return {1, 1, 1, 0};
    case 8: return {1, 0, 1, 1};
  }
  return {0, 0, 1, 0};
}

inline void Fill(graphics::Bitmap& b, int x0, int y0, uint32_t colour) {
  for (int y = y0; y < y0 + kMark; ++y)
    for (int x = x0; x < x0 + kMark; ++x) b.BitmapSetPixel(x, y, colour);
}

// The picture as stored for `orientation` (1..8), without a tag.
inline std::vector<uint8_t> StoredJpeg(int orientation) {
  const bool sideways = orientation >= 5 && orientation <= 8;
  const int w = sideways ? kHeight : kWidth, h = sideways ? kWidth : kHeight;
  graphics::Bitmap b;
  if (!b.CreateBitmap(w, h)) return {};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.BitmapSetPixel(x, y, kWhite);
  const Corners c = StoredCorners(orientation);
  Fill(b, c.redX * (w - kMark), c.redY * (h - kMark), kRed);
  Fill(b, c.greenX * (w - kMark), c.greenY * (h - kMark), kGreen);
  return b.SaveToStream(std::string(graphics::kImageFormatJpeg));
}

// A TIFF structure with one IFD entry: Orientation, SHORT, count 1.
inline std::vector<uint8_t> OrientationTiff(uint16_t value, bool bigEndian = false) {
  std::vector<uint8_t> t;
  auto u16 = [&](uint16_t v) {
    if (bigEndian)
      t.insert(t.end(), {uint8_t(v >> 8), uint8_t(v)});
    else
      t.insert(t.end(), {uint8_t(v), uint8_t(v >> 8)});
  };
  auto u32 = [&](uint32_t v) {
    if (bigEndian)
      u16(uint16_t(v >> 16)), u16(uint16_t(v));
    else
      u16(uint16_t(v)), u16(uint16_t(v >> 16));
  };
  t.push_back(bigEndian ? 'M' : 'I');
  t.push_back(bigEndian ? 'M' : 'I');
  u16(42);
  u32(8);  // IFD0 right after the header
  u16(1);
  u16(0x0112), u16(3), u32(1), u16(value), u16(0);
  u32(0);  // no next IFD
  return t;
}

// `jpeg` with an APP1 segment "Exif\0\0" + `tiff` right after its SOI.
inline std::vector<uint8_t> WithExif(std::vector<uint8_t> jpeg, const std::vector<uint8_t>& tiff) {
  std::vector<uint8_t> segment{0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};
  segment.insert(segment.end(), tiff.begin(), tiff.end());
  const size_t length = segment.size() - 2;
  segment[2] = uint8_t(length >> 8);
  segment[3] = uint8_t(length);
  jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
  return jpeg;
}

// A phone's photo: stored for `orientation`, tagged with `tag`.
inline std::vector<uint8_t> TurnedJpeg(int orientation, uint16_t tag) {
  return WithExif(StoredJpeg(orientation), OrientationTiff(tag, orientation % 2 == 0));
}
inline std::vector<uint8_t> TurnedJpeg(int orientation) {
  return TurnedJpeg(orientation, uint16_t(orientation));
}

}  // namespace turned_jpeg
