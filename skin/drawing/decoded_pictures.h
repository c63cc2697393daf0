// Pictures decoded once and kept as plain pixels: decoding a PNG costs far
// more than drawing it, and kept pixels hold no GDI+ object, so they outlive
// GDI+ sessions and never count as live handles.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "skin/drawing/skin_images.h"

namespace skin {

// A decoded picture: 32-bit ARGB (not premultiplied), top-down rows.
struct DecodedPicture {
  int width = 0, height = 0;
  std::vector<uint32_t> argb;

  bool empty() const { return argb.empty(); }
};

// The top-down rows of a width x height GDI+ bitmap in a 32-bit `format`
// (ARGB or premultiplied PARGB), copied out of it.
bool ReadBitmapPixels(graphics::Bitmap& bitmap, int width, int height, Gdiplus::PixelFormat format,
                      std::vector<uint32_t>& into);
// The pixels of a GDI+ bitmap, read once as 32-bit ARGB; empty on failure.
DecodedPicture PixelsOfBitmap(graphics::Bitmap& bitmap);
// The picture `bytes` encode; empty when they cannot be decoded.
DecodedPicture DecodePicture(const std::vector<uint8_t>& bytes);

// A built-in picture, decoded at its first use and kept for the process.
const DecodedPicture& DecodedSkinImage(SkinImage image);

// A picture of the caller's (a status panel's), decoded at its first use;
// the few last decoded are kept, each with the bytes it came from, so new
// bytes show at once. Null when they cannot be decoded.
std::shared_ptr<const DecodedPicture> DecodedPictureOf(const std::vector<uint8_t>& bytes);

// Draws the picture at its own size with its top-left at (x, y), as drawing
// the decoded image there would.
bool DrawPicture(graphics::Graphics& g, const DecodedPicture& picture, int x, int y);
// The same into a destination box of its own size.
bool DrawPictureRect(graphics::Graphics& g, const DecodedPicture& picture, float x, float y,
                     float width, float height);

}  // namespace skin
