// The engine's built-in pictures, colour helpers, faded backgrounds and
// rounded outlines, read back pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "graphics/image_codecs.h"
#include "graphics/path.h"
#include "graphics/solid_fill.h"
#include "graphics/status.h"
#include "platform/files.h"
#include "skin/drawing/colours.h"
#include "skin/drawing/decoded_pictures.h"
#include "skin/drawing/fade_image.h"
#include "skin/drawing/round_rect_path.h"
#include "skin/drawing/skin_images.h"
#include "tests/support/screen.h"

namespace {

using Gdiplus::ARGB;
using skin::SkinImage;

int Alpha(ARGB c) { return int(c >> 24); }
int Red(ARGB c) { return int((c >> 16) & 0xFF); }
int Green(ARGB c) { return int((c >> 8) & 0xFF); }
int Blue(ARGB c) { return int(c & 0xFF); }
int Distance(ARGB a, ARGB b) {
  return std::max({std::abs(Alpha(a) - Alpha(b)), std::abs(Red(a) - Red(b)),
                   std::abs(Green(a) - Green(b)), std::abs(Blue(a) - Blue(b))});
}

ARGB PixelAt(const graphics::Bitmap& bitmap, int x, int y) {
  ARGB c = 0;
  EXPECT_TRUE(bitmap.BitmapGetPixel(x, y, c)) << x << "," << y;
  return c;
}

graphics::Bitmap Decode(const std::vector<uint8_t>& bytes) {
  graphics::Bitmap bitmap;
  EXPECT_TRUE(bitmap.CreateBitmapFromStream(bytes));
  return bitmap;
}

struct Block {
  int x, y, w, h;
  ARGB colour;
};

// A PNG of the given size painted with opaque blocks.
std::vector<uint8_t> MakePng(int width, int height, const std::vector<Block>& blocks) {
  graphics::Bitmap bitmap;
  EXPECT_TRUE(bitmap.CreateBitmap(width, height));
  {
    graphics::Graphics g;
    EXPECT_TRUE(g.GetImageGraphicsContext(bitmap));
    for (const Block& b : blocks) {
      graphics::SolidFill fill;
      EXPECT_TRUE(fill.CreateSolidFill(b.colour));
      EXPECT_TRUE(g.FillRectangleI(fill, b.x, b.y, b.w, b.h));
    }
  }
  return bitmap.SaveToStream(std::string(graphics::kImageFormatPng));
}

// --- Built-in pictures -------------------------------------------------------

struct ExpectedImage {
  SkinImage image;
  const char* name;
  int width, height;
};
const ExpectedImage kImages[] = {
    {SkinImage::Help, "help", 26, 18},          {SkinImage::MainMenu, "main menu", 26, 18},
    {SkinImage::Minimise, "minimise", 26, 18},  {SkinImage::Maximise, "maximise", 26, 18},
    {SkinImage::Restore, "restore", 26, 18},    {SkinImage::Close, "close", 38, 18},
    {SkinImage::CheckOff, "check off", 13, 13}, {SkinImage::CheckOn, "check on", 13, 13},
    {SkinImage::ArrowDown, "arrow down", 7, 4}, {SkinImage::ArrowUp, "arrow up", 7, 4},
    {SkinImage::ArrowLeft, "arrow left", 4, 7}, {SkinImage::ArrowRight, "arrow right", 4, 7},
};

TEST(SkinImages, EveryPictureDecodesAtItsSizeWithAlpha) {
  for (const ExpectedImage& expected : kImages) {
    SCOPED_TRACE(expected.name);
    const std::vector<uint8_t>& bytes = skin::SkinImageBytes(expected.image);
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(0, std::memcmp(bytes.data(), "\x89PNG\r\n\x1a\n", 8));
    graphics::Bitmap bitmap = Decode(bytes);
    EXPECT_EQ(UINT(expected.width), bitmap.GetImageWidth());
    EXPECT_EQ(UINT(expected.height), bitmap.GetImageHeight());
    EXPECT_EQ(PixelFormat32bppARGB, bitmap.GetImagePixelFormat());
  }
  EXPECT_TRUE(skin::SkinImageBytes(static_cast<SkinImage>(0)).empty());
  EXPECT_TRUE(skin::SkinImageBytes(static_cast<SkinImage>(13)).empty());
}

TEST(SkinImages, CaptionGlyphsAreWhiteOnClearGroundUnderASheen) {
  for (int i = 0; i < 6; ++i) {
    const ExpectedImage& expected = kImages[i];
    SCOPED_TRACE(expected.name);
    graphics::Bitmap bitmap = Decode(skin::SkinImageBytes(expected.image));
    const int w = expected.width, h = expected.height;
    // The sheen: a low white wash along the top row, gone by the bottom.
    const ARGB top = PixelAt(bitmap, w / 2, 0);
    EXPECT_EQ(0xFFFFFFu, top & 0xFFFFFF);
    if (expected.image == SkinImage::Help || expected.image == SkinImage::MainMenu) {
      EXPECT_GE(Alpha(top), 40);
      EXPECT_LE(Alpha(top), 57);
    } else {
      EXPECT_NEAR(Alpha(top), 80, 15);
    }
    EXPECT_EQ(0, Alpha(PixelAt(bitmap, 0, h - 1)));
    EXPECT_EQ(0, Alpha(PixelAt(bitmap, w - 1, h - 1)));
    int opaqueWhite = 0, clear = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const ARGB c = PixelAt(bitmap, x, y);
        if (c == 0xFFFFFFFFu) ++opaqueWhite;
        if (Alpha(c) == 0) ++clear;
      }
    EXPECT_GE(opaqueWhite, 10);  // the glyph itself
    EXPECT_GE(clear, w * h / 4);
  }
}

TEST(SkinImages, CheckBoxesAndArrows) {
  graphics::Bitmap off = Decode(skin::SkinImageBytes(SkinImage::CheckOff));
  EXPECT_EQ(0xE6030303u, PixelAt(off, 0, 0));
  EXPECT_EQ(0xE6030303u, PixelAt(off, 12, 12));
  const ARGB inside = PixelAt(off, 6, 6);
  EXPECT_EQ(255, Alpha(inside));
  EXPECT_GT(Red(inside), 200);  // light warm grey: red above blue
  EXPECT_GT(Red(inside), Blue(inside));

  graphics::Bitmap on = Decode(skin::SkinImageBytes(SkinImage::CheckOn));
  EXPECT_EQ(0xFF185184u, PixelAt(on, 0, 0));
  EXPECT_EQ(0xFF185184u, PixelAt(on, 12, 6));
  int markPixels = 0;
  for (int y = 1; y < 12; ++y)
    for (int x = 1; x < 12; ++x)
      if (PixelAt(on, x, y) == 0xFF246E75u) ++markPixels;
  EXPECT_GE(markPixels, 3);

  // Each arrow: black and opaque at its base and tip, clear beside the tip.
  struct ArrowCheck {
    SkinImage image;
    int baseX, baseY, tipX, tipY, clearX, clearY;
  };
  const ArrowCheck arrows[] = {
      {SkinImage::ArrowDown, 0, 0, 3, 3, 0, 3},
      {SkinImage::ArrowUp, 6, 3, 3, 0, 6, 0},
      {SkinImage::ArrowLeft, 3, 6, 0, 3, 0, 0},
      {SkinImage::ArrowRight, 0, 0, 3, 3, 3, 6},
  };
  for (const ArrowCheck& a : arrows) {
    SCOPED_TRACE(static_cast<int>(a.image));
    graphics::Bitmap bitmap = Decode(skin::SkinImageBytes(a.image));
    EXPECT_EQ(0xFF000000u, PixelAt(bitmap, a.baseX, a.baseY));
    EXPECT_EQ(0xFF000000u, PixelAt(bitmap, a.tipX, a.tipY));
    EXPECT_EQ(0, Alpha(PixelAt(bitmap, a.clearX, a.clearY)));
  }
}

// A 40 x 30 ARGB canvas, half grey and half clear, with `draw` done on it.
graphics::Bitmap DrawnCanvas(const std::function<void(graphics::Graphics&)>& draw) {
  graphics::Bitmap canvas;
  EXPECT_TRUE(canvas.CreateBitmap(40, 30));
  graphics::Graphics g;
  EXPECT_TRUE(g.GetImageGraphicsContext(canvas));
  graphics::SolidFill grey;
  EXPECT_TRUE(grey.CreateSolidFill(0xFF808080));
  g.FillRectangleI(grey, 0, 0, 20, 30);
  draw(g);
  g.Flush(Gdiplus::FlushIntentionSync);
  return canvas;
}

int DifferingPixels(const graphics::Bitmap& a, const graphics::Bitmap& b) {
  int n = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      if (PixelAt(a, x, y) != PixelAt(b, x, y)) ++n;
  return n;
}

TEST(DecodedPictures, KeptPixelsAreTheDecodedOnesAndDrawTheSame) {
  for (const ExpectedImage& expected : kImages) {
    SCOPED_TRACE(expected.name);
    const skin::DecodedPicture& kept = skin::DecodedSkinImage(expected.image);
    EXPECT_EQ(&kept, &skin::DecodedSkinImage(expected.image)) << "decoded once";
    ASSERT_EQ(kept.width, expected.width);
    ASSERT_EQ(kept.height, expected.height);
    const graphics::Bitmap decoded = Decode(skin::SkinImageBytes(expected.image));
    int same = 0;
    for (int y = 0; y < kept.height; ++y)
      for (int x = 0; x < kept.width; ++x)
        if (kept.argb[size_t(y) * kept.width + x] == PixelAt(decoded, x, y)) ++same;
    EXPECT_EQ(same, kept.width * kept.height);
    // Drawn over grey and over nothing, at its size, as the image itself.
    const graphics::Bitmap fromImage = DrawnCanvas([&](graphics::Graphics& g) {
      g.DrawImageRectRectI(decoded, 14, 9, kept.width, kept.height);
    });
    const graphics::Bitmap fromKept =
        DrawnCanvas([&](graphics::Graphics& g) { skin::DrawPicture(g, kept, 14, 9); });
    EXPECT_EQ(DifferingPixels(fromImage, fromKept), 0);
  }
  EXPECT_TRUE(skin::DecodedSkinImage(static_cast<SkinImage>(0)).empty());
  EXPECT_TRUE(skin::DecodedSkinImage(static_cast<SkinImage>(13)).empty());
}

TEST(DecodedPictures, ACallersPictureIsKeptWithItsBytesAndNewBytesShowAtOnce) {
  const std::vector<uint8_t> red = MakePng(6, 4, {{0, 0, 6, 4, 0xFFFF0000}});
  const std::vector<uint8_t> blue = MakePng(6, 4, {{0, 0, 6, 4, 0xFF0000FF}});
  const auto first = skin::DecodedPictureOf(red);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->argb.front(), 0xFFFF0000u);
  EXPECT_EQ(skin::DecodedPictureOf(red), first) << "decoded once";
  const auto other = skin::DecodedPictureOf(blue);
  ASSERT_TRUE(other);
  EXPECT_EQ(other->argb.front(), 0xFF0000FFu);
  EXPECT_EQ(skin::DecodedPictureOf(std::vector<uint8_t>(red)), first) << "by content";
  EXPECT_FALSE(skin::DecodedPictureOf({}));
  EXPECT_FALSE(skin::DecodedPictureOf(std::vector<uint8_t>{1, 2, 3}));

  // Many pictures push the oldest out; drawing holds no GDI+ object.
  for (int n = 0; n < 40; ++n)
    EXPECT_TRUE(skin::DecodedPictureOf(MakePng(2, 2, {{0, 0, 2, 2, 0xFF000000u + ARGB(n)}})));
  EXPECT_EQ(first->argb.front(), 0xFFFF0000u) << "a picture in use stays whole";
  const long native = graphics::LiveNativeObjects();
  const graphics::Bitmap canvas = DrawnCanvas([&](graphics::Graphics& g) {
    const long withCanvas = graphics::LiveNativeObjects();
    for (int n = 0; n < 100; ++n) skin::DrawPicture(g, *first, n % 30, n % 20);
    EXPECT_EQ(graphics::LiveNativeObjects(), withCanvas);
  });
  EXPECT_EQ(PixelAt(canvas, 2, 2), 0xFFFF0000u);
  EXPECT_EQ(graphics::LiveNativeObjects(), native + 1) << "the canvas alone";
}

TEST(SkinImages, MontageForTheEye) {
  // Every picture eight times larger, on a caption-like blue, in one PNG.
  constexpr int kScale = 8, kGap = 8;
  int width = kGap, height = 0;
  for (const ExpectedImage& expected : kImages) {
    width += expected.width * kScale + kGap;
    height = std::max(height, expected.height * kScale);
  }
  height += 2 * kGap;
  graphics::Bitmap montage;
  ASSERT_TRUE(montage.CreateBitmap(width, height));
  {
    graphics::Graphics g;
    ASSERT_TRUE(g.GetImageGraphicsContext(montage));
    g.GraphicsClear(0xFF2F5D9Bu);
    g.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    int x = kGap;
    for (const ExpectedImage& expected : kImages) {
      graphics::Bitmap picture = Decode(skin::SkinImageBytes(expected.image));
      EXPECT_TRUE(g.DrawImageRectRectI(picture, x, kGap, expected.width * kScale,
                                       expected.height * kScale));
      x += expected.width * kScale + kGap;
    }
  }
  EXPECT_TRUE(montage.SaveToFile(testing_support::OutputPath("skin_images.png"),
                                 std::string(graphics::kImageFormatPng)));
}

// --- Colours -----------------------------------------------------------------

TEST(Colours, MakeArgbSwapsRedAndBlueAndSetsAlpha) {
  EXPECT_EQ(0x07563412u, skin::MakeArgb(0x123456, 7));
  EXPECT_EQ(0xFF563412u, skin::MakeArgb(0x123456));
  EXPECT_EQ(0x07563412u, skin::MakeArgb(0xAB123456, 7));  // the top byte is ignored
  EXPECT_EQ(0x00FFFFFFu, skin::MakeArgb(0xFFFFFF, 0));

  const skin::ColourAndAlpha back = skin::ArgbToColour(0x07563412u);
  EXPECT_EQ(0x123456u, back.colour);
  EXPECT_EQ(7, back.alpha);
  for (uint32_t colour : {0x000000u, 0x0000FFu, 0xDDCA22u, 0x808080u, 0xFF0000u}) {
    for (int alpha : {0, 1, 160, 255}) {
      const skin::ColourAndAlpha round = skin::ArgbToColour(skin::MakeArgb(colour, alpha));
      EXPECT_EQ(colour, round.colour);
      EXPECT_EQ(alpha, round.alpha);
    }
  }
}

TEST(Colours, AverageColour) {
  // A solid picture averages to its own colour.
  const std::vector<uint8_t> solid = MakePng(64, 48, {{0, 0, 64, 48, 0xFF3366CCu}});
  EXPECT_EQ(0xFFCC6633u, skin::AverageColour(solid));

  // Four equal quadrants: the samples spread over the whole picture.
  const std::vector<uint8_t> quadrants = MakePng(120, 80,
                                                 {{0, 0, 60, 40, 0xFFFF0000u},
                                                  {60, 0, 60, 40, 0xFF00FF00u},
                                                  {0, 40, 60, 40, 0xFF0000FFu},
                                                  {60, 40, 60, 40, 0xFFFFFFFFu}});
  SYSTEMTIME before{}, after{};
  skin::Colour first = 0, second = 0;
  for (int attempt = 0; attempt < 2; ++attempt) {  // unless midnight falls between
    ::GetLocalTime(&before);
    first = skin::AverageColour(quadrants);
    second = skin::AverageColour(quadrants);
    ::GetLocalTime(&after);
    if (before.wDay == after.wDay) break;
  }
  EXPECT_EQ(first, second);  // the positions depend only on the date
  EXPECT_EQ(0xFFu, first >> 24);
  for (int shift : {0, 8, 16}) EXPECT_NEAR(int((first >> shift) & 0xFF), 127, 20) << shift;

  // The same picture from a file gives the same colour.
  ASSERT_TRUE(platform::WriteWholeFile(testing_support::OutputPath("quadrants.png"),
                                       quadrants.data(), quadrants.size()));
  EXPECT_EQ(first, skin::AverageColourOfFile(testing_support::OutputPath("quadrants.png")));

  // What cannot be read is black.
  EXPECT_EQ(0xFF000000u, skin::AverageColour({}));
  EXPECT_EQ(0xFF000000u, skin::AverageColour({1, 2, 3, 4}));
  EXPECT_EQ(0xFF000000u, skin::AverageColourOfFile("no such picture.png"));
  EXPECT_EQ(0xFF000000u, skin::AverageColour(solid, 0));
}

// --- Faded backgrounds -------------------------------------------------------

constexpr ARGB kBase = 0xFF2050A0u;       // the picture
constexpr skin::Colour kFade = 0x1010E0;  // red, as a colour
constexpr ARGB kFadeArgb = 0xFFE01010u;

TEST(FadeImage, LeftAndBottomBands) {
  const std::vector<uint8_t> picture = MakePng(100, 50, {{0, 0, 100, 50, kBase}});
  const std::vector<uint8_t> png =
      skin::FadeImage(picture, kFade, skin::FadeVariant::LeftAndBottom);
  ASSERT_FALSE(png.empty());
  EXPECT_EQ(0, std::memcmp(png.data(), "\x89PNG", 4));
  graphics::Bitmap out = Decode(png);
  ASSERT_EQ(100u, out.GetImageWidth());
  ASSERT_EQ(50u, out.GetImageHeight());

  // q = 30: columns 0..29 fade, from the colour at the edge into the picture.
  for (int y : {0, 10, 20}) {
    EXPECT_EQ(kBase, PixelAt(out, 30, y)) << y;
    EXPECT_EQ(kBase, PixelAt(out, 99, y)) << y;
    EXPECT_NE(kBase, PixelAt(out, 29, y)) << y;
    EXPECT_LE(Distance(kFadeArgb, PixelAt(out, 0, y)), 12) << y;
  }
  for (int x = 1; x < 30; ++x) EXPECT_LE(Red(PixelAt(out, x, 5)), Red(PixelAt(out, x - 1, 5)));

  // The bottom band: rows 21..50, the last one outside the picture.
  for (int x : {40, 99}) {
    EXPECT_EQ(kBase, PixelAt(out, x, 20)) << x;
    EXPECT_NE(kBase, PixelAt(out, x, 21)) << x;
    EXPECT_LE(Distance(kFadeArgb, PixelAt(out, x, 49)), 12) << x;
  }
  for (int y = 22; y < 50; ++y) EXPECT_GE(Red(PixelAt(out, 60, y)), Red(PixelAt(out, 60, y - 1)));
  for (int y = 0; y < 50; y += 7)
    for (int x = 0; x < 100; x += 9) EXPECT_EQ(255, Alpha(PixelAt(out, x, y)));

  platform::WriteWholeFile(testing_support::OutputPath("fade_left_bottom.png"), png.data(),
                           png.size());
}

TEST(FadeImage, RightAndBottomBandsAndFiles) {
  const std::vector<uint8_t> picture = MakePng(100, 50, {{0, 0, 100, 50, kBase}});
  const std::vector<uint8_t> png =
      skin::FadeImage(picture, kFade, skin::FadeVariant::RightAndBottom);
  ASSERT_FALSE(png.empty());
  graphics::Bitmap out = Decode(png);
  ASSERT_EQ(100u, out.GetImageWidth());
  ASSERT_EQ(50u, out.GetImageHeight());

  // The right band starts at w - q + 1 = 71; its gradient runs from x 70 to 100.
  for (int y : {0, 20}) {
    EXPECT_EQ(kBase, PixelAt(out, 0, y)) << y;
    EXPECT_EQ(kBase, PixelAt(out, 70, y)) << y;
    EXPECT_NE(kBase, PixelAt(out, 71, y)) << y;
    EXPECT_LE(Distance(kFadeArgb, PixelAt(out, 99, y)), 12) << y;
  }
  EXPECT_EQ(kBase, PixelAt(out, 10, 20));
  EXPECT_NE(kBase, PixelAt(out, 10, 21));
  EXPECT_LE(Distance(kFadeArgb, PixelAt(out, 10, 49)), 12);
  platform::WriteWholeFile(testing_support::OutputPath("fade_right_bottom.png"), png.data(),
                           png.size());

  // From a file, the same pixels.
  const std::string file = testing_support::OutputPath("fade_source.png");
  ASSERT_TRUE(platform::WriteWholeFile(file, picture.data(), picture.size()));
  graphics::Bitmap fromFile =
      Decode(skin::FadeImageFile(file, kFade, skin::FadeVariant::RightAndBottom));
  for (int y = 0; y < 50; y += 3)
    for (int x = 0; x < 100; x += 3) ASSERT_EQ(PixelAt(out, x, y), PixelAt(fromFile, x, y));

  EXPECT_TRUE(skin::FadeImage({}, kFade, skin::FadeVariant::LeftAndBottom).empty());
  EXPECT_TRUE(
      skin::FadeImageFile("no such picture.png", kFade, skin::FadeVariant::LeftAndBottom).empty());
}

// --- Rounded outlines --------------------------------------------------------

struct Bounds {
  float left = 1e9f, top = 1e9f, right = -1e9f, bottom = -1e9f;
};
Bounds BoundsOf(const std::vector<Gdiplus::PointF>& points) {
  Bounds b;
  for (const Gdiplus::PointF& p : points) {
    b.left = std::min(b.left, p.X);
    b.top = std::min(b.top, p.Y);
    b.right = std::max(b.right, p.X);
    b.bottom = std::max(b.bottom, p.Y);
  }
  return b;
}

TEST(RoundRectPath, RadiusIsHeldBetweenOneAndAHundred) {
  // The path starts where the top-right arc begins: x + w - r/2 on the top edge.
  const struct {
    int radius;
    float r;
  } cases[] = {{0, 1}, {-7, 1}, {1, 1}, {20, 20}, {100, 100}, {500, 100}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.radius);
    graphics::Path path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(skin::RoundRectPath(path, 10, 20, 300, 250, c.radius));
    const graphics::PathData data = path.GetPathData();
    ASSERT_GE(data.points.size(), 13u);
    EXPECT_FLOAT_EQ(10 + 300 - c.r / 2, data.points.front().X);
    EXPECT_FLOAT_EQ(20, data.points.front().Y);
    // The outline spans the rectangle exactly; one figure, closed.
    const Bounds b = BoundsOf(data.points);
    EXPECT_FLOAT_EQ(10, b.left);
    EXPECT_FLOAT_EQ(20, b.top);
    EXPECT_FLOAT_EQ(310, b.right);
    EXPECT_FLOAT_EQ(270, b.bottom);
    EXPECT_EQ(Gdiplus::PathPointTypeStart, data.types.front());
    EXPECT_NE(0, data.types.back() & Gdiplus::PathPointTypeCloseSubpath);
    for (size_t i = 1; i < data.types.size(); ++i)
      EXPECT_NE(Gdiplus::PathPointTypeStart, data.types[i] & Gdiplus::PathPointTypePathTypeMask);
    // The bottom-right arc is one pixel larger: it starts on the right edge at
    // y + h - r - 1 + (r + 1) / 2.
    bool found = false;
    for (const Gdiplus::PointF& p : data.points)
      if (p.X == 310.0f && std::abs(p.Y - (20 + 250 - c.r - 1 + (c.r + 1) / 2)) < 0.01f)
        found = true;
    EXPECT_TRUE(found);
  }
}

TEST(RoundRectPath, FilledCornersFollowTheRadius) {
  graphics::Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(200, 200));
  {
    graphics::Graphics g;
    ASSERT_TRUE(g.GetImageGraphicsContext(bitmap));
    graphics::SolidFill fill;
    ASSERT_TRUE(fill.CreateSolidFill(0xFF000000u));
    graphics::Path big, small;
    ASSERT_TRUE(big.CreatePath());
    ASSERT_TRUE(small.CreatePath());
    ASSERT_TRUE(skin::RoundRectPath(big, 0, 0, 100, 100, 500));      // a circle
    ASSERT_TRUE(skin::RoundRectPath(small, 100, 100, 100, 100, 0));  // nearly square
    ASSERT_TRUE(g.FillPath(fill, big));
    ASSERT_TRUE(g.FillPath(fill, small));
  }
  EXPECT_EQ(0, Alpha(PixelAt(bitmap, 8, 8)));  // outside the circle
  EXPECT_EQ(0, Alpha(PixelAt(bitmap, 92, 8)));
  EXPECT_EQ(255, Alpha(PixelAt(bitmap, 50, 50)));
  EXPECT_EQ(255, Alpha(PixelAt(bitmap, 50, 2)));
  EXPECT_EQ(255, Alpha(PixelAt(bitmap, 101, 101)));  // corners of radius 1
  EXPECT_EQ(255, Alpha(PixelAt(bitmap, 198, 101)));
  EXPECT_EQ(255, Alpha(PixelAt(bitmap, 101, 198)));
}

}  // namespace
