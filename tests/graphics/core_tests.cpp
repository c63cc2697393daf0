// The operations the skin engine draws with: bitmaps, surfaces, paths, brushes,
// pens and text, read back pixel by pixel.
#include <gtest/gtest.h>

#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "graphics/line_brush.h"
#include "graphics/path_gradient.h"
#include "graphics/solid_fill.h"
#include "tests/graphics/graphics_test_support.h"
#include "tests/graphics/import_recorder.h"

namespace {

using namespace graphics;
using graphics_test::PixelAt;

TEST(Core, NewBitmapIsArgbAndTakesPixels) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(7, 5));
  EXPECT_EQ(bitmap.GetImageWidth(), 7u);
  EXPECT_EQ(bitmap.GetImageHeight(), 5u);
  EXPECT_EQ(bitmap.GetImagePixelFormat(), PixelFormat32bppARGB);
  ASSERT_TRUE(bitmap.BitmapSetPixel(3, 2, 0x80112233));
  ARGB colour = 0;
  ASSERT_TRUE(bitmap.BitmapGetPixel(3, 2, colour));
  EXPECT_EQ(colour, 0x80112233u);
  EXPECT_FALSE(bitmap.BitmapGetPixel(7, 0, colour));
  EXPECT_EQ(LastStatus(), Gdiplus::InvalidParameter);
}

TEST(Core, FillsAndClipsOnABitmap) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(40, 30));
  {
    Graphics g;
    ASSERT_TRUE(g.GetImageGraphicsContext(bitmap));
    ASSERT_TRUE(g.GraphicsClear(0xFF000000));
    SolidFill red;
    ASSERT_TRUE(red.CreateSolidFill(0xFFFF0000));
    ASSERT_TRUE(g.FillRectangleI(red, 5, 5, 10, 10));
    ASSERT_TRUE(g.SetClipRect(20, 0, 10, 30));
    SolidFill green;
    ASSERT_TRUE(green.CreateSolidFill(0xFF00FF00));
    ASSERT_TRUE(g.FillRectangle(green, RectF(15, 20, 20, 5)));
    ASSERT_TRUE(g.ResetClip());
  }
  EXPECT_EQ(PixelAt(bitmap, 5, 5), 0xFFFF0000u);
  EXPECT_EQ(PixelAt(bitmap, 14, 14), 0xFFFF0000u);
  EXPECT_EQ(PixelAt(bitmap, 15, 15), 0xFF000000u);
  EXPECT_EQ(PixelAt(bitmap, 17, 22), 0xFF000000u);  // clipped away
  EXPECT_EQ(PixelAt(bitmap, 22, 22), 0xFF00FF00u);
  EXPECT_EQ(PixelAt(bitmap, 31, 22), 0xFF000000u);
}

TEST(Core, PngBytesLoadBackAsTheSamePicture) {
  Bitmap source;
  ASSERT_TRUE(source.CreateBitmap(9, 6));
  ASSERT_TRUE(source.BitmapSetPixel(0, 0, 0xFF102030));
  ASSERT_TRUE(source.BitmapSetPixel(8, 5, 0xFFA0B0C0));
  std::vector<uint8_t> png = source.SaveToStream(std::string(kImageFormatPng));
  ASSERT_GT(png.size(), 8u);
  const uint8_t signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  EXPECT_TRUE(std::equal(signature, signature + 8, png.begin()));

  Image image;
  ASSERT_TRUE(image.LoadImageFromStream(png));
  EXPECT_EQ(image.GetImageWidth(), 9u);
  EXPECT_EQ(image.GetImageHeight(), 6u);
  EXPECT_EQ(image.GetRawFormat(), kImageFormatPng);

  Bitmap loaded;
  ASSERT_TRUE(loaded.CreateBitmapFromStream(png));
  EXPECT_EQ(PixelAt(loaded, 0, 0), 0xFF102030u);
  EXPECT_EQ(PixelAt(loaded, 8, 5), 0xFFA0B0C0u);
}

TEST(Core, DeletedObjectsFailWithInvalidParameterAndDeleteOnce) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(4, 4));
  Graphics g;
  ASSERT_TRUE(g.GetImageGraphicsContext(bitmap));
  SolidFill brush;
  ASSERT_TRUE(brush.CreateSolidFill(0xFFFFFFFF));
  ASSERT_TRUE(g.DeleteGraphics());
  EXPECT_EQ(g.GetNative(), nullptr);
  EXPECT_FALSE(g.FillRectangle(brush, 0, 0, 2, 2));
  EXPECT_EQ(LastStatus(), Gdiplus::InvalidParameter);

  // A second delete calls nothing: the last status stays what it was.
  ASSERT_TRUE(brush.SetSolidFillColor(0xFF000000));
  graphics_test::ImportRecorder recorder("gdiplus.dll");
  EXPECT_FALSE(g.DeleteGraphics());
  EXPECT_EQ(LastStatus(), Gdiplus::Ok);
  EXPECT_TRUE(recorder.CalledFunctions().empty());
}

TEST(Core, LiveObjectsFollowOwnership) {
  const long before = LiveNativeObjects();
  {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(4, 4));
    Graphics g;
    ASSERT_TRUE(g.GetImageGraphicsContext(bitmap));
    Path path;
    ASSERT_TRUE(path.CreatePath());
    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(0xFF000000, 1));
    EXPECT_EQ(LiveNativeObjects(), before + 4);
    Path moved = std::move(path);
    EXPECT_EQ(LiveNativeObjects(), before + 4);
    ASSERT_TRUE(pen.CreatePen1(0xFF00FF00, 2));  // replaces (and deletes) the first pen
    EXPECT_EQ(LiveNativeObjects(), before + 4);
  }
  EXPECT_EQ(LiveNativeObjects(), before);
}

}  // namespace
