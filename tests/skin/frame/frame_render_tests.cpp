// The rendered frame, read back from FrameDC and from the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/drawing/background_capture.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using testing_support::Pixels;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255),
                   kYellow = RGB(255, 255, 0), kGrey = RGB(128, 128, 128);

class FrameRender : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::SetModuleDefaults();
    Engine().SetOptions(true);
    Engine().SetTheme({}, {}, 0x808080);
  }
  void TearDown() override {
    DestroyTestWindows();
    Engine().SetTheme({}, {}, 0x808080);
  }
  // A 300 x 200 window without caption, rendered with the current theme.
  int PlainFrame(int width = 300, int height = 200) {
    skin::SkinWindowOptions o;
    o.showCaption = false;
    const int i = Skin(MakeWindow(width, height), o);
    Engine().RenderFrame(i);
    return i;
  }
};

TEST_F(FrameRender, CornersLieOutsideTheRoundedRegionAndTheBorderIsDarkThenLight) {
  const int W = 300, H = 200;
  HWND window = MakeWindow(W, H);
  const int i = SkinAndShow(window);
  Engine().RenderFrame(i);

  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(::GetWindowRgn(window, region), COMPLEXREGION);
  EXPECT_FALSE(::PtInRegion(region, 0, 0));
  EXPECT_FALSE(::PtInRegion(region, W - 1, 0));
  EXPECT_FALSE(::PtInRegion(region, 0, H - 1));
  EXPECT_FALSE(::PtInRegion(region, W - 1, H - 1));
  EXPECT_TRUE(::PtInRegion(region, 2, 2));
  EXPECT_TRUE(::PtInRegion(region, W / 2, 0));
  EXPECT_TRUE(::PtInRegion(region, W / 2, H - 1));
  ::DeleteObject(region);

  Pixels p = FramePixels(i);
  ASSERT_FALSE(p.empty());
  p.SavePng(testing_support::OutputPath("frame_plain_grey.png"));
  // Outside the rounded outline the frame keeps its magenta ground.
  EXPECT_EQ(p.at(0, 0), kMagenta);
  EXPECT_EQ(p.at(W - 1, H - 1), kMagenta);
  EXPECT_EQ(p.at(W / 2, H / 2), kGrey);
  // Black at alpha 180 outside, white at alpha 180 just inside.
  const COLORREF dark = RGB(38, 38, 38), light = RGB(218, 218, 218);
  EXPECT_TRUE(Near(p.at(W / 2, 0), dark, 12)) << std::hex << p.at(W / 2, 0);
  EXPECT_TRUE(Near(p.at(W / 2, 1), light, 12)) << std::hex << p.at(W / 2, 1);
  EXPECT_TRUE(Near(p.at(0, H / 2), dark, 12));
  EXPECT_TRUE(Near(p.at(1, H / 2), light, 12));
  EXPECT_TRUE(Near(p.at(W - 1, H / 2), dark, 12));
  EXPECT_TRUE(Near(p.at(W - 2, H / 2), light, 12));
  EXPECT_TRUE(Near(p.at(W / 2, H - 1), dark, 12));
  EXPECT_TRUE(Near(p.at(W / 2, H - 2), light, 12));
  EXPECT_EQ(p.at(W / 2, 2), kGrey);

  // The screen shows the same frame.
  Pixels screen = testing_support::CaptureClient(window);
  EXPECT_EQ(screen.at(W / 2, H / 2), kGrey);
  EXPECT_TRUE(Near(screen.at(W / 2, 1), light, 12));
}

TEST_F(FrameRender, ModeThreeStretchesThePictureOverTheWholeFrame) {
  Engine().SetTheme({}, QuadrantPng(64, 48, kRed, kGreen, kBlue, kYellow), 0x000000, 0xFFFFFF, 3);
  const int i = PlainFrame();
  Pixels p = FramePixels(i);
  p.SavePng(testing_support::OutputPath("frame_mode3.png"));
  EXPECT_TRUE(Near(p.at(6, 6), kRed, 8));
  EXPECT_TRUE(Near(p.at(140, 92), kRed, 8));
  EXPECT_TRUE(Near(p.at(160, 92), kGreen, 8));
  EXPECT_TRUE(Near(p.at(293, 6), kGreen, 8));
  EXPECT_TRUE(Near(p.at(140, 108), kBlue, 8));
  EXPECT_TRUE(Near(p.at(6, 193), kBlue, 8));
  EXPECT_TRUE(Near(p.at(160, 108), kYellow, 8));
  EXPECT_TRUE(Near(p.at(293, 193), kYellow, 8));
  // The stretched picture keeps its colour out to the frame's edges.
  EXPECT_TRUE(Near(p.at(299, 150), kYellow, 8));
  EXPECT_TRUE(Near(p.at(220, 199), kYellow, 8));
}

TEST_F(FrameRender, ModesOneAndTwoAnchorThePictureAtItsOwnSize) {
  const std::vector<uint8_t> red = SolidPng(40, 30, kRed);
  // Mode 2: centred, the theme colour (blue) around it.
  Engine().SetTheme({}, red, 0xFF0000, {}, 2);
  Pixels centred = FramePixels(PlainFrame());
  centred.SavePng(testing_support::OutputPath("frame_mode2.png"));
  EXPECT_TRUE(Near(centred.at(131, 86), kRed, 8));  // picture at (130, 85) .. (169, 114)
  EXPECT_TRUE(Near(centred.at(168, 113), kRed, 8));
  EXPECT_TRUE(Near(centred.at(127, 100), kBlue, 8));
  EXPECT_TRUE(Near(centred.at(172, 100), kBlue, 8));
  EXPECT_TRUE(Near(centred.at(150, 82), kBlue, 8));
  EXPECT_TRUE(Near(centred.at(150, 117), kBlue, 8));
  DestroyTestWindows();

  // Mode 1: top right; its left and bottom bands fade into the theme colour.
  Engine().SetTheme({}, red, 0xFF0000, {}, 1);
  Pixels right = FramePixels(PlainFrame());
  right.SavePng(testing_support::OutputPath("frame_mode1.png"));
  EXPECT_TRUE(Near(right.at(290, 6), kRed, 8));
  EXPECT_TRUE(Near(right.at(275, 12), kRed, 8));
  EXPECT_TRUE(Near(right.at(260, 6), kBlue, 30));  // faded edge of the picture
  EXPECT_TRUE(Near(right.at(255, 6), kBlue, 8));
  EXPECT_TRUE(Near(right.at(290, 34), kBlue, 8));
  DestroyTestWindows();

  // Mode 4: top left, as it is.
  Engine().SetTheme({}, red, 0xFF0000, {}, 4);
  Pixels left = FramePixels(PlainFrame());
  EXPECT_TRUE(Near(left.at(6, 6), kRed, 8));
  EXPECT_TRUE(Near(left.at(38, 28), kRed, 8));
  EXPECT_TRUE(Near(left.at(44, 6), kBlue, 8));
  EXPECT_TRUE(Near(left.at(6, 33), kBlue, 8));
}

TEST_F(FrameRender, WithoutAPictureTheFrameShowsTheThemeColour) {
  Engine().SetTheme({}, {}, 0x336699);
  Pixels p = FramePixels(PlainFrame());
  EXPECT_EQ(p.at(150, 100), RGB(0x99, 0x66, 0x33));
  EXPECT_EQ(p.at(3, 3), RGB(0x99, 0x66, 0x33));
  EXPECT_EQ(p.at(0, 0), kMagenta);
}

TEST_F(FrameRender, AWindowsOwnPictureWinsAndItsColourFillsAround) {
  HWND window = MakeWindow(300, 200);
  skin::SkinWindowOptions o;
  o.showCaption = false;
  o.image = SolidPng(20, 20, kGreen);
  o.mode = 2;
  const int i = Skin(window, o);
  Engine().SetTheme({}, QuadrantPng(8, 8, kRed, kRed, kRed, kRed), 0x000000, {}, 3);
  Engine().RenderFrame(i);
  Pixels p = FramePixels(i);
  EXPECT_TRUE(Near(p.at(150, 100), kGreen, 8));
  EXPECT_TRUE(Near(p.at(20, 20), kGreen, 8));  // the picture's average colour around it
}

TEST_F(FrameRender, CaptionGlossLightensTheTopAndTheTitleIsDrawn) {
  HWND window = MakeWindow(300, 200);
  skin::SkinWindowOptions o;
  o.captionGloss = true;
  o.captionHeight = 40;
  const int i = Skin(window, o);
  ::SetWindowTextA(window, "标题 Title");
  Engine().RenderFrame(i);
  Pixels p = FramePixels(i);
  p.SavePng(testing_support::OutputPath("frame_title_gloss.png"));
  EXPECT_GT(GetRValue(p.at(200, 4)), 128 + 50);  // gloss near the top
  EXPECT_EQ(p.at(200, 60), kGrey);               // none below the caption
  int white = 0;
  for (int y = 8; y < 30; ++y)
    for (int x = 29; x < 140; ++x)
      if (GetRValue(p.at(x, y)) > 240 && GetBValue(p.at(x, y)) > 240) ++white;
  EXPECT_GT(white, 20);  // the title's white strokes
}

TEST_F(FrameRender, CaptionButtonsShowHoverAndPressAndTheRestoreGlyphWhenMaximised) {
  HWND window = MakeWindow(300, 200, WS_MAXIMIZEBOX);
  const int i = SkinAndShow(window);
  Engine().RenderFrame(i);
  const int maxX = static_cast<int>(Record(i).CaptionButtons.at(1).Rect.X) - 1;
  auto region = [&](int x) {
    Pixels p = FramePixels(i);
    std::vector<COLORREF> v;
    // Inside the button: its separators are drawn smoothed when it is
    // redrawn alone, so their neighbours are left out.
    for (int y = 1; y < 19; ++y)
      for (int dx = 2; dx < 24; ++dx) v.push_back(p.at(x + dx, y));
    return v;
  };
  const auto plain = region(maxX);
  Engine().DrawCaptionButton(i, 1, nullptr, false, 240);
  const auto lit = region(maxX);
  EXPECT_NE(lit, plain);
  // The hover face reaches the screen too.
  Pixels screen = testing_support::CaptureClient(window);
  EXPECT_EQ(screen.at(maxX + 3, 3), FramePixels(i).at(maxX + 3, 3));
  Engine().DrawCaptionButton(i, 1, nullptr, false, 0);
  EXPECT_EQ(region(maxX), plain);  // alpha 0: the face is invisible

  Record(i).Maximised = true;
  Engine().RenderFrame(i);
  EXPECT_NE(region(maxX), plain);  // the restore glyph
  Record(i).Maximised = false;
  Engine().RenderFrame(i);
  EXPECT_EQ(region(maxX), plain);

  // Pressed close: a red top, on screen at once.
  const int closeX = static_cast<int>(Record(i).CaptionButtons.at(2).Rect.X) - 1;
  Engine().DrawCaptionButton(i, 2, nullptr, true);
  const COLORREF top = FramePixels(i).at(closeX + 3, 3);
  EXPECT_GT(GetRValue(top), 200);
  EXPECT_GT(GetRValue(top) - GetGValue(top), 80);
  EXPECT_EQ(testing_support::CaptureClient(window).at(closeX + 3, 3), top);
}

TEST_F(FrameRender, PaintingClipsOpaqueChildrenOutButNotTransparentOnes) {
  HWND window = MakeWindow(300, 200);
  HWND opaque = MakeBlackChild(window, 20, 60, 60, 40);
  HWND seeThrough = MakeBlackChild(window, 120, 60, 60, 40, WS_EX_TRANSPARENT);
  ASSERT_TRUE(opaque && seeThrough);
  const int i = SkinAndShow(window);
  ::InvalidateRect(window, nullptr, FALSE);
  ::UpdateWindow(window);
  testing_support::PumpFor(50);
  // The frame itself covers everything, the children are not in it.
  Pixels frame = FramePixels(i);
  EXPECT_EQ(frame.at(40, 80), kGrey);
  // On screen the opaque child keeps its own black.
  Pixels screen = testing_support::CaptureClient(window);
  screen.SavePng(testing_support::OutputPath("frame_with_children.png"));
  EXPECT_EQ(screen.at(40, 80), RGB(0, 0, 0));
  EXPECT_EQ(screen.at(250, 150), kGrey);

  // The DC with children clipped out.
  platform::WindowDC dc(window);
  skin::ChildExcludedDC(window, dc.get());
  EXPECT_FALSE(::PtVisible(dc.get(), 40, 80));
  EXPECT_TRUE(::PtVisible(dc.get(), 150, 80));
  EXPECT_TRUE(::PtVisible(dc.get(), 250, 150));
}

}  // namespace
