// Caption buttons under the real pointer: hovering long enough for the tip,
// then leaving for the caption and out of the window.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using testing_support::OutputPath;
using testing_support::Pixels;

class FrameHover : public FrameTest {
 protected:
  void TearDown() override {
    ::SetCursorPos(5, 5);
    FrameTest::TearDown();
  }
  POINT OnScreen(int x, int y) const {
    POINT p{x, y};
    ::ClientToScreen(window_, &p);
    return p;
  }
  HWND window_ = nullptr;
};

TEST_F(FrameHover, AfterTheTipShowedLeavingTheCloseButtonFadesItOutAndHidesTheTip) {
  window_ = MakeWindow(400, 260, 0, 60, 60);
  const int i = SkinAndShow(window_);
  const Pixels rest = FramePixels(i);
  HWND tip = Record(i).Tooltip.GetWindow();
  ASSERT_NE(tip, nullptr);
  const LPARAM centre = ButtonCentre(i, 1);
  const POINT close = OnScreen(LOWORD(centre), HIWORD(centre));
  const POINT above = OnScreen(LOWORD(centre), -40);  // outside the window

  // Twice: on to the caption and then out, and straight out of the window.
  for (const bool viaCaption : {true, false}) {
    SCOPED_TRACE(viaCaption ? "via the caption" : "straight out");
    ::SetCursorPos(above.x, above.y);
    testing_support::PumpFor(60);
    GlidePointer(close, 8, 15);
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(tip) != FALSE; }, 3000))
        << "the tip never showed";
    const Pixels lit = FramePixels(i);
    EXPECT_GT(ButtonGlow(i, 1, lit, rest), 40) << "the hovered close button is red";
    if (viaCaption) lit.SavePng(OutputPath("hover_close_with_tip.png"));

    // Leaving the button, the way a hand does: the button is back at rest and
    // the tip gone well within a second.
    if (viaCaption) {
      ExpectButtonRestsAfterLeaving(i, 1, tip, rest, OnScreen(120, 12),
                                    10);  // the caption, away from the buttons
      EXPECT_EQ(Record(i).LastHotButton, 0);
      FramePixels(i).SavePng(OutputPath("hover_close_then_caption.png"));
    }
    ExpectButtonRestsAfterLeaving(i, 1, tip, rest, above, 6);
    testing_support::PumpFor(60);
    EXPECT_FALSE(Record(i).MouseTracking);
    EXPECT_FALSE(Record(i).FadeTimerOn);
    EXPECT_EQ(Record(i).FadeIn.button, 0);
    EXPECT_EQ(Record(i).FadeOut.button, 0);
    EXPECT_FALSE(::KillTimer(window_, reinterpret_cast<UINT_PTR>(window_)));  // stopped
    if (!viaCaption) FramePixels(i).SavePng(OutputPath("hover_close_then_outside.png"));
  }
}

}  // namespace
