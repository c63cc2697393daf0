// Slots 27 to 31, 38 and 41 with DockChild and UndockChild: the status
// strip's panels, their drawing, text and style, the docked children, and the
// standard caption buttons' pictures.
#include <windows.h>

#include <gtest/gtest.h>

#include "graphics/graphics.h"
#include "tests/skin/engine/slot_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace frame_test;
using namespace slot_test;
using control_test::Canvas;
using testing_support::Pixels;

class EngineStatusAndDocking : public SlotTest {};

constexpr COLORREF kGreen = RGB(0, 255, 0);

RECT ChildRect(HWND child) {
  RECT r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool Inside(int x, int y, const skin::IntRect& r) {
  return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
}

// Every pixel that differs between `a` and `b` lies inside `box`; and some do.
void ExpectChangesOnlyInside(const Pixels& a, const Pixels& b, const skin::IntRect& box) {
  int inside = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.raw(x, y) != b.raw(x, y)) {
        ASSERT_TRUE(Inside(x, y, box)) << "drawn at " << x << ", " << y;
        ++inside;
      }
  EXPECT_GT(inside, 0) << "nothing drawn";
}

TEST_F(EngineStatusAndDocking, SetStatusBarAndLayoutStatusBarPlaceThePanels) {
  skin::StatusPanel fixed, rest;
  fixed.width = 80;
  fixed.text = "a";
  rest.width = -1;
  rest.text = "b";
  Engine().SetStatusBar(i_, 24, std::vector<skin::StatusPanel>{fixed, rest});
  skin::SkinnedWindow& w = Record(i_);
  EXPECT_EQ(w.StatusHeight, 24);
  EXPECT_EQ(w.StatusRect.y, 200 - 3 - 24 - 1);
  EXPECT_EQ(w.StatusRect.width, 294);
  ASSERT_EQ(w.StatusPanels.count(), 2);
  ASSERT_EQ(w.StatusPanelRects.count(), 2);
  EXPECT_EQ(w.StatusPanelRects.at(2).x, 83);
  EXPECT_EQ(w.StatusPanelRects.at(2).width, 300 - 80 - 6);

  w.StatusPanelRects.clear();
  Engine().LayoutStatusBar(i_);
  ASSERT_EQ(w.StatusPanelRects.count(), 2);
  EXPECT_EQ(w.StatusPanelRects.at(2).width, 214);

  // No panels given: one empty panel across the strip.
  Engine().SetStatusBar(i_, 20);
  ASSERT_EQ(w.StatusPanels.count(), 1);
  EXPECT_EQ(w.StatusPanels.at(1).text, "");
  EXPECT_EQ(w.StatusPanelRects.at(1).width, w.StatusRect.width);
  ExpectBystanderUntouched("SetStatusBar on the target");
}

TEST_F(EngineStatusAndDocking, DrawStatusBarDrawsOnePanelInsideItsBox) {
  const skin::SkinnedWindow& w = Record(i_);
  Canvas canvas(300, 200, kGreen);
  const Pixels blank = canvas.pixels();
  {
    graphics::Graphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.dc()));
    for (int panel : {0, -1, 3, 99}) Engine().DrawStatusBar(i_, &g, panel);
    g.Flush(Gdiplus::FlushIntentionSync);
  }
  EXPECT_EQ(ChangedPixels(blank, canvas.pixels()), 0) << "a panel that does not exist was drawn";
  {
    graphics::Graphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.dc()));
    Engine().DrawStatusBar(i_, &g);  // panel 1 when none is named
    g.Flush(Gdiplus::FlushIntentionSync);
  }
  ExpectChangesOnlyInside(blank, canvas.pixels(), w.StatusPanelRects.at(1));

  // A window without a status strip draws none.
  HWND bare = MakeWindow(200, 150, 0, 400, 300);
  const int n = Skin(bare);
  const Pixels frame = FramePixels(n);
  Engine().DrawStatusBar(n, nullptr, 1);
  EXPECT_EQ(ChangedPixels(frame, FramePixels(n)), 0);
}

TEST_F(EngineStatusAndDocking, SetStatusPanelTextRedrawsOnePanelAndRefusesTheRest) {
  for (HWND window : NotSkinnedWindows()) EXPECT_FALSE(Engine().SetStatusPanelText(window, 1, "x"));
  ExpectBystanderUntouched("refused SetStatusPanelText calls");

  skin::SkinnedWindow& w = Record(i_);
  w.StatusPanels.at(1).colour = 0x0000FF;
  const Pixels before = FramePixels(i_);
  for (int panel : {0, -1, 3})
    EXPECT_FALSE(Engine().SetStatusPanelText(target_, panel, "x")) << "panel " << panel;
  EXPECT_EQ(ChangedPixels(before, FramePixels(i_)), 0);
  ASSERT_TRUE(Engine().SetStatusPanelText(target_, 1, "WWWWW"));
  EXPECT_EQ(w.StatusPanels.at(1).text, "WWWWW");
  EXPECT_EQ(w.StatusPanels.at(1).colour, 0x0000FFu);  // not given: kept
  EXPECT_EQ(w.StatusPanels.at(2).text, "right");
  ExpectChangesOnlyInside(before, FramePixels(i_), w.StatusPanelRects.at(1));
}

TEST_F(EngineStatusAndDocking, SetStatusStyleStoresTheStyleAndRefusesTheRest) {
  for (HWND window : NotSkinnedWindows())
    EXPECT_FALSE(Engine().SetStatusStyle(window, false, true, 0x0000FF));
  ExpectBystanderUntouched("refused SetStatusStyle calls");

  const skin::SkinnedWindow& w = Record(i_);
  ASSERT_TRUE(
      Engine().SetStatusStyle(target_, false, true, 0x0000FF, 0x00FF00, std::string("Arial"), 14));
  EXPECT_FALSE(w.StatusThemeText);
  EXPECT_TRUE(w.StatusGlow);
  EXPECT_EQ(w.StatusTextColour, 0x0000FFu);
  EXPECT_EQ(w.StatusGlowColour, 0x00FF00u);
  EXPECT_EQ(w.StatusFontName, "Arial");
  EXPECT_EQ(w.StatusFontSize, 14);
  // Nothing given: the defaults, and the font as it was.
  ASSERT_TRUE(Engine().SetStatusStyle(target_));
  EXPECT_TRUE(w.StatusThemeText);
  EXPECT_FALSE(w.StatusGlow);
  EXPECT_EQ(w.StatusTextColour, 0u);
  EXPECT_EQ(w.StatusGlowColour, 0xFFFFFFu);
  EXPECT_EQ(w.StatusFontName, "Arial");
}

TEST_F(EngineStatusAndDocking, LayoutDockedChildrenStretchesTheWindowsOwnDockedChildrenOnly) {
  HWND docked = MakeBlackChild(target_, 0, 0, 10, 10);
  HWND loose = MakeBlackChild(target_, 7, 70, 10, 10);
  HWND doomed = MakeBlackChild(target_, 0, 0, 10, 10);
  ASSERT_TRUE(Engine().DockChild(target_, docked, 30));
  ASSERT_TRUE(Engine().DockChild(target_, doomed, 50));
  ::DestroyWindow(doomed);
  ::MoveWindow(docked, 0, 0, 10, 10, FALSE);
  ::MoveWindow(bystanderDocked_, 0, 0, 10, 10, FALSE);
  Engine().LayoutDockedChildren(i_);
  const RECT want{2, 30, 298, 200 - 22 - 3};
  const RECT got = ChildRect(docked);
  EXPECT_TRUE(::EqualRect(&got, &want))
      << got.left << ", " << got.top << ", " << got.right << ", " << got.bottom;
  const RECT still = ChildRect(loose);
  EXPECT_EQ(still.left, 7);
  EXPECT_EQ(still.top, 70);
  const RECT other = ChildRect(bystanderDocked_);
  EXPECT_EQ(other.right, 10) << "the bystander's docked child moved";
}

TEST_F(EngineStatusAndDocking, DockChildAndUndockChildRefuseWhatTheyCannotTake) {
  HWND own = MakeBlackChild(target_, 0, 0, 40, 40);
  HWND grandchild = MakeBlackChild(own, 0, 0, 10, 10);
  EXPECT_FALSE(Engine().DockChild(plain_, plainChild_, 10));
  EXPECT_FALSE(Engine().DockChild(gone_, own, 10));
  EXPECT_FALSE(Engine().DockChild(nullptr, own, 10));
  EXPECT_FALSE(Engine().DockChild(bystanderButton_, own, 10));
  EXPECT_FALSE(Engine().DockChild(target_, nullptr, 10));
  EXPECT_FALSE(Engine().DockChild(target_, gone_, 10));
  EXPECT_FALSE(Engine().DockChild(target_, target_, 10));
  EXPECT_FALSE(Engine().DockChild(target_, grandchild, 10));
  EXPECT_FALSE(Engine().DockChild(target_, bystanderDocked_, 10));
  EXPECT_FALSE(Engine().UndockChild(target_, bystanderDocked_));
  EXPECT_FALSE(Engine().UndockChild(target_, own));
  EXPECT_FALSE(Engine().UndockChild(target_, nullptr));
  EXPECT_FALSE(Engine().UndockChild(plain_, plainChild_));
  EXPECT_FALSE(Engine().UndockChild(bystanderButton_, bystanderDocked_));
  ExpectBystanderUntouched("refused DockChild and UndockChild calls");
  for (const skin::DockedChild& d : Record(i_).DockedChildren) EXPECT_EQ(d.hwnd, nullptr);

  ASSERT_TRUE(Engine().DockChild(target_, own, 10));
  EXPECT_TRUE(Engine().UndockChild(target_, own));
  EXPECT_FALSE(Engine().UndockChild(target_, own)) << "undocked twice";
}

TEST_F(EngineStatusAndDocking, SetCaptionButtonImagesReplacesTheStandardPicturesAndRefusesTheRest) {
  const auto red = SolidPng(26, 18, 0x0000FF), blue = SolidPng(26, 18, 0xFF0000);
  const auto closeRed = SolidPng(38, 18, 0x0000FF);
  for (HWND window : NotSkinnedWindows())
    EXPECT_FALSE(Engine().SetCaptionButtonImages(window, red, red, red, closeRed));
  ExpectBystanderUntouched("refused SetCaptionButtonImages calls");

  const skin::SkinnedWindow& w = Record(i_);
  const auto help = w.CaptionButtons.at(1).ButtonImage, menu = w.CaptionButtons.at(2).ButtonImage;
  const Pixels before = FramePixels(i_);
  ASSERT_TRUE(Engine().SetCaptionButtonImages(target_, red, blue, red, closeRed));
  EXPECT_EQ(w.CaptionButtons.at(1).ButtonImage, help);
  EXPECT_EQ(w.CaptionButtons.at(2).ButtonImage, menu);
  EXPECT_EQ(w.CaptionButtons.at(3).ButtonImage, red);
  EXPECT_EQ(w.CaptionButtons.at(4).ButtonImage, blue);
  EXPECT_EQ(w.CaptionButtons.at(4).AltImage, red);
  EXPECT_EQ(w.CaptionButtons.at(5).ButtonImage, closeRed);
  // Drawn at once: the close button is red now.
  const Pixels after = FramePixels(i_);
  const LPARAM close = ButtonCentre(i_, 5);
  EXPECT_TRUE(Near(after.at(LOWORD(close), HIWORD(close)), 0x0000FF, 40));
  EXPECT_GT(ChangedPixels(before, after), 0);
  // A picture that does not decode, or none, keeps the current one.
  ASSERT_TRUE(Engine().SetCaptionButtonImages(target_, skin::Bytes{1, 2, 3}, {}, skin::Bytes{},
                                              skin::Bytes{9}));
  EXPECT_EQ(w.CaptionButtons.at(3).ButtonImage, red);
  EXPECT_EQ(w.CaptionButtons.at(4).AltImage, red);
  EXPECT_EQ(w.CaptionButtons.at(5).ButtonImage, closeRed);
}

}  // namespace
