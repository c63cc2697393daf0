// Phone photos upright: the Orientation tag read from a JPEG's bytes, bad
// tags and segments read as no tag, and the photo box showing every
// orientation with its marked corners where they belong.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/exif_orientation.h"
#include "app/picture_box.h"
#include "app/upright_picture.h"
#include "graphics/bitmap.h"
#include "platform/handles.h"
#include "tests/app/turned_jpeg.h"
#include "tests/support/screen.h"

namespace {

using namespace turned_jpeg;

TEST(PhotoOrientation, ReadsEveryValueInBothByteOrders) {
  const std::vector<uint8_t> plain = StoredJpeg(1);
  EXPECT_EQ(app::JpegOrientation(plain), 1);
  for (uint16_t v = 1; v <= 8; ++v) {
    EXPECT_EQ(app::JpegOrientation(WithExif(plain, OrientationTiff(v, false))), v);
    EXPECT_EQ(app::JpegOrientation(WithExif(plain, OrientationTiff(v, true))), v);
  }
}

TEST(PhotoOrientation, BadTagsAndSegmentsReadAsUpright) {
  const std::vector<uint8_t> plain = StoredJpeg(1);
  for (uint16_t v : {0, 9, 65535})
    EXPECT_EQ(app::JpegOrientation(WithExif(plain, OrientationTiff(v))), 1) << v;

  // The segment ends inside the entry; the bytes after it hold a 6 that
  // must not be read.
  std::vector<uint8_t> tiff = OrientationTiff(6);
  tiff.resize(18);
  std::vector<uint8_t> cut = WithExif(plain, tiff);
  cut.insert(cut.begin() + 2 + 2 + 2 + 6 + 18, {6, 0, 0, 0, 0, 0});
  EXPECT_EQ(app::JpegOrientation(cut), 1);

  // The file ends inside the segment.
  const std::vector<uint8_t> whole = WithExif(plain, OrientationTiff(6));
  EXPECT_EQ(app::JpegOrientation(std::vector<uint8_t>(whole.begin(), whole.begin() + 30)), 1);

  // IFD offset, then entry count, pointing past the segment.
  std::vector<uint8_t> distant = OrientationTiff(6);
  distant[4] = distant[5] = distant[6] = 0xFF;
  distant[7] = 0xF0;
  EXPECT_EQ(app::JpegOrientation(WithExif(plain, distant)), 1);
  std::vector<uint8_t> many = OrientationTiff(6);
  many[8] = many[9] = 0xFF;
  many[10] = 0x13;  // the one real entry now holds another tag
  EXPECT_EQ(app::JpegOrientation(WithExif(plain, many)), 1);

  // A segment length of 0, no JPEG, nothing at all.
  std::vector<uint8_t> zero = whole;
  zero[4] = zero[5] = 0;
  EXPECT_EQ(app::JpegOrientation(zero), 1);
  EXPECT_EQ(app::JpegOrientation({'B', 'M', 0, 0}), 1);
  EXPECT_EQ(app::JpegOrientation({}), 1);
  EXPECT_EQ(app::JpegOrientation({0xFF, 0xD8, 0xFF}), 1);
}

// Red top left and green top right of a 60 x 40 picture, read from pixels.
void ExpectUpright(COLORREF topLeft, COLORREF topRight, COLORREF bottomLeft,
                   const std::string& what) {
  EXPECT_LT(testing_support::ColourDistance(topLeft, RGB(255, 0, 0)), 60) << what;
  EXPECT_LT(testing_support::ColourDistance(topRight, RGB(0, 192, 0)), 60) << what;
  EXPECT_LT(testing_support::ColourDistance(bottomLeft, RGB(255, 255, 255)), 60) << what;
}

class PhotoBoxOrientation : public ::testing::Test {
 protected:
  void SetUp() override {
    // Never shown: the box paints into a bitmap of ours.
    parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 460, 300, nullptr, nullptr, nullptr,
                               nullptr);
    box = app::CreatePictureBox(parent, 1, RECT{0, 0, 440, 272});
    ASSERT_NE(box, nullptr);
  }
  void TearDown() override { ::DestroyWindow(parent); }
  testing_support::Pixels Show(const std::vector<uint8_t>& jpeg) {
    EXPECT_TRUE(app::SetPicture(box, jpeg));
    platform::UniqueBitmap dib(testing_support::MakeDibSection(440, 272));
    platform::UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
    platform::SelectScope select(dc.get(), dib.get());
    ::SendMessageA(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    return testing_support::CaptureDC(dc.get(), 0, 0, 440, 272);
  }
  HWND parent = nullptr, box = nullptr;
};

TEST_F(PhotoBoxOrientation, EveryOrientationShowsTheMarkedCornersUprightBrokenTagsAsStored) {
  for (int o = 1; o <= 8; ++o) {
    const testing_support::Pixels p = Show(TurnedJpeg(o));
    ASSERT_FALSE(p.empty());
    if (o == 6) p.SavePng(testing_support::OutputPath("photo_orientation_6.png"));
    ExpectUpright(p.at(6, 6), p.at(kWidth - 7, 6), p.at(6, kHeight - 7),
                  "orientation " + std::to_string(o));
    // The upright picture is the tile: it repeats 60 pixels to the right.
    EXPECT_LT(testing_support::ColourDistance(p.at(kWidth + 6, 6), RGB(255, 0, 0)), 60) << o;
  }
  // Broken tags show the photo as stored.
  for (uint16_t v : {0, 9, 65535}) {
    const testing_support::Pixels p = Show(TurnedJpeg(1, v));
    ExpectUpright(p.at(6, 6), p.at(kWidth - 7, 6), p.at(6, kHeight - 7), std::to_string(v));
  }
  // The file ends in the segment: no picture, and no crash.
  const std::vector<uint8_t> whole = TurnedJpeg(6);
  EXPECT_FALSE(app::SetPicture(box, std::vector<uint8_t>(whole.begin(), whole.begin() + 30)));
}

TEST(PhotoOrientation, TheBackgroundIsTurnedIntoAnUntaggedPicture) {
  const std::vector<uint8_t> plain = StoredJpeg(1);
  EXPECT_EQ(app::UprightPictureBytes(plain), plain);  // no tag: the very bytes
  for (int o : {3, 6, 7}) {
    const std::vector<uint8_t> upright = app::UprightPictureBytes(TurnedJpeg(o));
    EXPECT_EQ(app::JpegOrientation(upright), 1);
    graphics::Bitmap b;
    ASSERT_TRUE(b.CreateBitmapFromStream(upright)) << o;
    EXPECT_EQ(b.GetImageWidth(), uint32_t(kWidth));
    EXPECT_EQ(b.GetImageHeight(), uint32_t(kHeight));
    Gdiplus::ARGB tl = 0, tr = 0, bl = 0;
    b.BitmapGetPixel(6, 6, tl);
    b.BitmapGetPixel(kWidth - 7, 6, tr);
    b.BitmapGetPixel(6, kHeight - 7, bl);
    ExpectUpright(RGB(tl >> 16 & 255, tl >> 8 & 255, tl & 255),
                  RGB(tr >> 16 & 255, tr >> 8 & 255, tr & 255),
                  RGB(bl >> 16 & 255, bl >> 8 & 255, bl & 255), "background " + std::to_string(o));
  }
}

}  // namespace
