// Helpers shared by the graphics tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/font_collection.h"
#include "graphics/graphics.h"
#include "graphics/line_brush.h"
#include "graphics/path_gradient.h"
#include "graphics/solid_fill.h"
#include "platform/handles.h"

namespace graphics_test {

// The pixel at (x, y), or 0 when it cannot be read.
inline graphics::ARGB PixelAt(const graphics::Bitmap& bitmap, int x, int y) {
  graphics::ARGB colour = 0;
  bitmap.BitmapGetPixel(x, y, colour);
  return colour;
}

// A small PNG picture (12 x 8, a red square on blue) and a file holding it.
const std::vector<uint8_t>& FixturePng();
const std::string& FixtureFile();

// An animated GIF of 10 x 6 pixels: red, green and blue frames shown for
// 0.1, 0.2 and 0.3 seconds.
const std::vector<uint8_t>& AnimationGif();

// A hidden top-level window for the tests that need one.
HWND TestWindow();

// One object of every wrapper class: valid ones, or (with `filled` false) all
// holding nothing.
struct Fixture {
  explicit Fixture(bool filled);
  // Makes one of the wrapper members hold nothing (0 <= member < kMembers).
  static constexpr int kMembers = 16;
  void Clear(int member);

  HWND window = nullptr;
  platform::UniqueMemoryDC dc;
  graphics::Bitmap bitmap;  // 32 x 32 ARGB; `g` draws into it
  graphics::Bitmap other;   // 8 x 8 ARGB
  graphics::Image image;    // the fixture PNG
  graphics::Image metafile;
  graphics::Image animation;  // three frames: AnimationGif()
  graphics::Graphics g;
  graphics::Path path;  // a rectangle
  graphics::Pen pen;
  graphics::SolidFill solid;
  graphics::LineBrush line;
  graphics::PathGradient gradient;
  graphics::FontFamily family;
  graphics::Font font;
  graphics::FontCollection collection;
  graphics::StringFormat format;  // with one measurable range
  graphics::Region region;
};

// True when the program runs under Wine (whose GDI+ lacks a few functions).
bool RunningUnderWine();

}  // namespace graphics_test
