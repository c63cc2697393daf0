// The rendered frame, pixel for pixel, against pictures kept in golden/:
// every background mode, with and without a picture (the theme's and the
// window's own), gloss, status strip and caption on and off, at several sizes.
// Caching in the renderer must never change what a render draws.
//
// The comparison accepts the rounding that differs between the 32-bit and
// the 64-bit build and nothing more (tests/support/kept_pictures.h);
// golden/i686/ keeps the same cases as the 32-bit build renders them, and
// frame_golden_builds_tests.cpp holds them against these pictures.
//
// To regenerate the pictures after a deliberate change of the looks, run the
// test exe with ROLLCALL_UPDATE_GOLDEN=1 in the environment: every case then
// writes its frame to tests/skin/frame/golden/<case>.png (and passes). Then,
// from a 32-bit build on a machine that runs it, ROLLCALL_UPDATE_GOLDEN=i686
// writes golden/i686/<case>.png. Look at the pictures before committing them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "graphics/image_codecs.h"
#include "graphics/line_brush.h"
#include "graphics/pen.h"
#include "graphics/solid_fill.h"
#include "skin/engine/module_state.h"
#include "tests/skin/support/frame_test_support.h"
#include "tests/support/kept_pictures.h"

namespace {

using namespace frame_test;
using testing_support::Pixels;

enum class Picture { None, Quadrants, Rich };
enum class Source { Theme, Own };

struct GoldenCase {
  const char* name;
  int width, height;
  Picture picture;
  Source source;
  int mode;
  bool gloss = false;
  bool status = false;
  bool glow = false;
  bool caption = true;
};

// A picture with flat areas, anti-aliased edges, translucency and a gradient:
// placing and stretching it shows every rounding step.
std::vector<uint8_t> RichPng() {
  constexpr int W = 240, H = 180;
  graphics::Bitmap bitmap;
  if (!bitmap.CreateBitmap(W, H)) return {};
  graphics::Graphics g;
  g.GetImageGraphicsContext(bitmap);
  g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  graphics::SolidFill a, b, c, d, veil;
  a.CreateSolidFill(0xFF2A6FB0);
  b.CreateSolidFill(0xFFE0A030);
  c.CreateSolidFill(0xFF40A060);
  d.CreateSolidFill(0xC0B03060);  // translucent corner
  veil.CreateSolidFill(0x80FFFFFF);
  g.FillRectangleI(a, 0, 0, W / 2, H / 2);
  g.FillRectangleI(b, W / 2, 0, W - W / 2, H / 2);
  g.FillRectangleI(c, 0, H / 2, W / 2, H - H / 2);
  g.FillRectangleI(d, W / 2, H / 2, W - W / 2, H - H / 2);
  g.FillEllipseI(veil, 60, 40, 120, 100);
  graphics::LineBrush band;
  band.CreateLineBrush(Gdiplus::PointF(0, 0), Gdiplus::PointF(float(W), 0), 0xFF000000, 0xFFFFFFFF);
  g.FillRectangleI(band, 0, 150, W, 12);
  graphics::Pen line;
  line.CreatePen1(0xFF101010, 3.0f);
  g.DrawLine(line, 0.0f, 0.0f, float(W), float(H));
  g.Flush(Gdiplus::FlushIntentionSync);
  return bitmap.SaveToStream(std::string(graphics::kImageFormatPng));
}

std::vector<uint8_t> PictureBytes(Picture p) {
  switch (p) {
    case Picture::Quadrants:
      return QuadrantPng(160, 120, RGB(200, 40, 40), RGB(40, 200, 40), RGB(40, 40, 200),
                         RGB(200, 200, 40));
    case Picture::Rich: return RichPng();
    default: return {};
  }
}

// Where the kept picture of a case is: golden/ or, for the 32-bit build's own
// renders, golden/i686/.
std::string GoldenPath(const std::string& name, bool i686 = false) {
  std::string path =
      "Z:" ROLLCALL_GOLDEN_DIR "/" + std::string(i686 ? "i686/" : "") + name + ".png";
  for (char& ch : path)
    if (ch == '/') ch = '\\';
  return path;
}

// "1" writes the kept pictures, "i686" the 32-bit build's record of them.
std::string UpdatingGolden() {
  const char* v = std::getenv("ROLLCALL_UPDATE_GOLDEN");
  return v && *v && std::string(v) != "0" ? std::string(v) : std::string();
}

// Renders the case's frame in a fresh window and returns it.
Pixels RenderCase(const GoldenCase& c) {
  const std::vector<uint8_t> picture = PictureBytes(c.picture);
  Engine().SetTheme({}, c.source == Source::Theme ? picture : std::vector<uint8_t>{}, 0x6A5040,
                    0x30A0E0, c.mode);
  HWND window = MakeWindow(c.width, c.height, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  ::SetWindowTextA(window, "点名 Roll call");
  skin::SkinWindowOptions o;
  o.captionHeight = 50;
  o.showCaption = c.caption;
  o.captionGloss = c.gloss;
  o.helpButton = true;
  if (c.status) {
    o.statusHeight = 24;
    o.statusPanels = std::vector<skin::StatusPanel>{{120, "就绪", {}, 0x000000},
                                                    {-1, "第二栏 panel", {}, 0x202020}};
  }
  const int i = Skin(window, o);
  if (c.glow) Engine().SetStatusStyle(window, {}, true, 0x000000, 0xFFFFFF);
  if (c.source == Source::Own && !picture.empty())
    Engine().SetWindowBackground(window, picture, c.mode);
  Engine().RenderFrame(i);
  return FramePixels(i);
}

class FrameGolden : public FrameTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(FrameGolden, RenderMatchesTheKeptPicture) {
  const GoldenCase& c = GetParam();
  const Pixels now = RenderCase(c);
  ASSERT_EQ(now.width(), c.width);
  ASSERT_EQ(now.height(), c.height);
  now.SavePng(testing_support::OutputPath(std::string("golden_") + c.name + ".png"));
  const std::string update = UpdatingGolden();
  if (!update.empty()) {
    const bool i686 = update == "i686";
    if (i686) {
      ASSERT_EQ(sizeof(void*), 4u) << "the 32-bit record comes from the 32-bit build";
    }
    ASSERT_TRUE(now.SavePng(GoldenPath(c.name, i686))) << GoldenPath(c.name, i686);
    return;
  }
  const Pixels kept = testing_support::LoadPicture(GoldenPath(c.name));
  ASSERT_FALSE(kept.empty()) << "no golden picture " << GoldenPath(c.name)
                             << " (ROLLCALL_UPDATE_GOLDEN=1 writes it)";
  const testing_support::PictureDifference d = testing_support::ComparePictures(now, kept);
  EXPECT_TRUE(d.matches()) << d.Describe();
}

// Modes 0 and 4 place at the top left, 1 at the top right, 2 centred, 3
// stretched; the rich picture is larger than the small frame and smaller
// than the others, so it is both cut and surrounded by the frame colour.
const GoldenCase kCases[] = {
    {"none_200x150", 200, 150, Picture::None, Source::Theme, 0},
    {"none_777x555", 777, 555, Picture::None, Source::Theme, 3},
    {"none_gloss_200x150", 200, 150, Picture::None, Source::Theme, 0, true},
    {"theme_mode0_200x150", 200, 150, Picture::Rich, Source::Theme, 0},
    {"theme_mode1_200x150", 200, 150, Picture::Rich, Source::Theme, 1},
    {"theme_mode2_200x150", 200, 150, Picture::Rich, Source::Theme, 2},
    {"theme_mode3_200x150", 200, 150, Picture::Rich, Source::Theme, 3},
    {"theme_mode4_200x150", 200, 150, Picture::Rich, Source::Theme, 4},
    {"theme_mode0_512x394", 512, 394, Picture::Rich, Source::Theme, 0},
    {"theme_mode1_512x394", 512, 394, Picture::Rich, Source::Theme, 1},
    {"theme_mode2_512x394", 512, 394, Picture::Rich, Source::Theme, 2},
    {"theme_mode3_512x394", 512, 394, Picture::Rich, Source::Theme, 3},
    {"theme_mode4_512x394", 512, 394, Picture::Rich, Source::Theme, 4},
    {"theme_mode2_777x555", 777, 555, Picture::Rich, Source::Theme, 2},
    {"theme_mode3_777x555", 777, 555, Picture::Quadrants, Source::Theme, 3},
    {"own_mode0_512x394", 512, 394, Picture::Rich, Source::Own, 0},
    {"own_mode1_512x394", 512, 394, Picture::Rich, Source::Own, 1},
    {"own_mode2_200x150", 200, 150, Picture::Rich, Source::Own, 2},
    {"own_mode3_512x394", 512, 394, Picture::Rich, Source::Own, 3},
    {"gloss_mode3_512x394", 512, 394, Picture::Rich, Source::Theme, 3, true},
    {"status_mode3_512x394", 512, 394, Picture::Rich, Source::Theme, 3, false, true},
    {"status_glow_gloss_200x150", 200, 150, Picture::Quadrants, Source::Theme, 3, true, true, true},
    {"status_none_777x555", 777, 555, Picture::None, Source::Theme, 0, false, true},
    {"nocaption_mode3_200x150", 200, 150, Picture::Rich, Source::Theme, 3, false, false, false,
     false},
    {"nocaption_status_mode1_512x394", 512, 394, Picture::Rich, Source::Theme, 1, false, true,
     false, false},
};

INSTANTIATE_TEST_SUITE_P(Frames, FrameGolden, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
