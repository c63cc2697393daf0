// The looks of image buttons, drawn on bitmaps over a grey ground: where the
// image lands beside or above the caption and how large, and what a
// state-image button shows for a look it has no image of.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/buttons/buttons.h"
#include "skin/controls/image_buttons/image_button_looks.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using control_test::DrawOnBitmap;
using frame_test::SolidPng;
using testing_support::Pixels;

constexpr COLORREF kGround = RGB(128, 128, 128);
constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);

bool IsRed(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; }

Pixels Drawn(const skin::ImageButtonLook& look, int w, int h) {
  return DrawOnBitmap(w, h, kGround, [&](graphics::Graphics& g) {
    skin::DrawImageButtonLook(g, look, skin::LookBox{0, 0, w, h});
  });
}

skin::ImageButtonLook Beside(std::vector<uint8_t> image, const char* caption, int w, int h) {
  skin::ImageButtonLook look;
  look.image = std::move(image);
  look.beside = true;
  look.text.caption = caption;
  look.text.fontName = "宋体";
  look.text.fontSize = 12;
  look.clientWidth = w;
  look.clientHeight = h;
  return look;
}

// Every corner of the square inside, every side just outside.
void ExpectRedSquare(const Pixels& p, int x, int y, int s) {
  for (const POINT at :
       {POINT{x, y}, POINT{x + s - 1, y}, POINT{x, y + s - 1}, POINT{x + s - 1, y + s - 1}})
    EXPECT_TRUE(IsRed(p.at(at.x, at.y))) << at.x << "," << at.y;
  for (const POINT at : {POINT{x - 1, y + s / 2}, POINT{x + s, y + s / 2}, POINT{x + s / 2, y - 1},
                         POINT{x + s / 2, y + s}})
    EXPECT_FALSE(IsRed(p.at(at.x, at.y))) << at.x << "," << at.y;
}

TEST(ImageButtonLook, BesideTheCaptionTheImageIsFourFifthsOfTheHeightAtTheLeft) {
  // 31 high: s = trunc(24.8) = 24 at (3, (31 - 24) / 2 = 3).
  const Pixels p = Drawn(Beside(SolidPng(24, 24, kRed), "图片", 80, 31), 80, 31);
  p.SavePng(testing_support::OutputPath("image_beside.png"));
  ExpectRedSquare(p, 3, 3, 24);
}

TEST(ImageButtonLook, BesideWithoutACaptionTheImageIsCentred) {
  const Pixels p = Drawn(Beside(SolidPng(24, 24, kRed), "", 80, 31), 80, 31);
  ExpectRedSquare(p, 28, 3, 24);
}

TEST(ImageButtonLook, AboveTheCaptionTheImageIsScaledFromTheHeightLeftByTheFont) {
  // 40 high, 12-pixel font: s = trunc((40 - 12 - 2) * 0.8) = 20 at y = 40 * 0.05.
  skin::ImageButtonLook look = Beside(SolidPng(20, 20, kRed), "上", 60, 40);
  look.beside = false;
  const Pixels p = Drawn(look, 60, 40);
  p.SavePng(testing_support::OutputPath("image_above.png"));
  ExpectRedSquare(p, 20, 2, 20);
  // A smaller picture is scaled up to the same square.
  look.image = SolidPng(10, 10, kRed);
  const Pixels scaled = Drawn(look, 60, 40);
  EXPECT_TRUE(IsRed(scaled.at(22, 4)));
  EXPECT_TRUE(IsRed(scaled.at(37, 19)));
  EXPECT_FALSE(IsRed(scaled.at(17, 12)));
  EXPECT_FALSE(IsRed(scaled.at(42, 12)));
  EXPECT_FALSE(IsRed(scaled.at(30, 24)));
}

// A 16 x 16 blue normal image at (2, 2); the drawn frames reach x = 18 or 19.
Pixels StateLook(UINT state, std::vector<uint8_t> hot = {}, std::vector<uint8_t> pressed = {},
                 std::vector<uint8_t> disabled = {}) {
  skin::StateImageLook look;
  look.normal = SolidPng(16, 16, kBlue);
  look.hot = std::move(hot);
  look.pressed = std::move(pressed);
  look.disabled = std::move(disabled);
  look.accent = 0x0000FF;  // red
  look.state = state;
  return DrawOnBitmap(30, 30, kGround,
                      [&](graphics::Graphics& g) { skin::DrawStateImageLook(g, look); });
}

TEST(StateImageLook, WithoutItsOwnImagesHoverAndPressFrameTheNormalImage) {
  const Pixels normal = StateLook(0);
  EXPECT_EQ(normal.at(9, 9), kBlue);
  EXPECT_EQ(normal.at(19, 9), kGround);
  EXPECT_EQ(normal.at(1, 9), kGround);

  const Pixels hot = StateLook(skin::kStateHot);
  hot.SavePng(testing_support::OutputPath("state_hot.png"));
  EXPECT_EQ(hot.at(9, 9), kBlue);
  EXPECT_TRUE(IsRed(hot.at(19, 9))) << std::hex << hot.at(19, 9);    // accent frame
  EXPECT_GT(GetRValue(hot.at(1, 9)), GetGValue(hot.at(1, 9)) + 20);  // white to accent
  EXPECT_EQ(hot.at(25, 9), kGround);

  const Pixels pressed = StateLook(skin::kStatePressed);
  pressed.SavePng(testing_support::OutputPath("state_pressed.png"));
  EXPECT_EQ(pressed.at(9, 9), kBlue);
  EXPECT_TRUE(IsRed(pressed.at(19, 9)));
  EXPECT_LT(GetGValue(pressed.at(9, 1)), 128 - 15);   // dark at the top
  EXPECT_GT(GetGValue(pressed.at(9, 18)), 128 + 25);  // white at the bottom
}

TEST(StateImageLook, DisabledWithoutItsImageGreysTheFrameAndOwnImagesWinInOrder) {
  const Pixels disabled = StateLook(skin::kStateDisabled | skin::kStateHot);
  disabled.SavePng(testing_support::OutputPath("state_disabled.png"));
  EXPECT_EQ(disabled.at(9, 9), kBlue);
  EXPECT_GT(GetGValue(disabled.at(9, 1)), 128 + 10);   // white at the top
  EXPECT_LT(GetGValue(disabled.at(9, 17)), 128 - 15);  // black at the bottom
  EXPECT_LT(GetRValue(disabled.at(18, 9)), 128 - 20);  // black outline, not the accent
  EXPECT_EQ(disabled.at(25, 9), kGround);

  const std::vector<uint8_t> green = SolidPng(16, 16, kGreen), red = SolidPng(16, 16, kRed),
                             white = SolidPng(16, 16, RGB(255, 255, 255));
  // Disabled, then hot, then pressed: the first with its own image shows it alone.
  Pixels p = StateLook(skin::kStateDisabled | skin::kStateHot, green, red, white);
  EXPECT_EQ(p.at(9, 9), RGB(255, 255, 255));
  EXPECT_EQ(p.at(19, 9), kGround);
  p = StateLook(skin::kStateHot | skin::kStatePressed, green, red, white);
  EXPECT_EQ(p.at(9, 9), kGreen);
  EXPECT_EQ(p.at(19, 9), kGround);
  p = StateLook(skin::kStatePressed, green, red, white);
  EXPECT_EQ(p.at(9, 9), kRed);
  EXPECT_EQ(p.at(1, 1), kGround);
}

}  // namespace
