// Progress bars: the filled part follows the position as the range scales
// it, an empty range or a position outside it draws nothing outside the
// control, and a skinned bar paints itself over its background.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <climits>

#include "skin/controls/ranges/progress_looks.h"
#include "skin/controls/ranges/ranges.h"
#include "skin/engine/module_state.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using control_test::DrawOnBitmap;
using control_test::MakeControl;

constexpr skin::Colour kBlue = 0xFF0000;  // the accent: blue

// True where the filled part's accent shows: much more blue than red.
bool Filled(COLORREF c) { return GetBValue(c) > GetRValue(c) + 60; }

testing_support::Pixels Draw(const skin::ProgressLook& look) {
  return DrawOnBitmap(look.width, look.height, RGB(255, 255, 255),
                      [&](graphics::Graphics& g) { skin::DrawProgressLook(g, look); });
}

skin::ProgressLook Look(int width, int height, int position, int low, int high,
                        bool vertical = false) {
  skin::ProgressLook look;
  look.width = width;
  look.height = height;
  look.vertical = vertical;
  look.position = position;
  look.low = low;
  look.high = high;
  look.accent = kBlue;
  return look;
}

TEST(ProgressLooks, TheFilledPartFollowsThePosition) {
  const testing_support::Pixels empty = Draw(Look(200, 20, 0, 0, 100));
  const testing_support::Pixels half = Draw(Look(200, 20, 50, 0, 100));
  const testing_support::Pixels full = Draw(Look(200, 20, 100, 0, 100));
  EXPECT_FALSE(Filled(empty.at(4, 10)));
  EXPECT_FALSE(Filled(empty.at(100, 10)));
  EXPECT_TRUE(Filled(half.at(40, 10)));
  EXPECT_FALSE(Filled(half.at(120, 10)));
  // Full: from the 1-pixel inset to the 3-pixel shrink at the far end.
  EXPECT_TRUE(Filled(full.at(4, 10)));
  EXPECT_TRUE(Filled(full.at(192, 10)));
  EXPECT_FALSE(Filled(full.at(199, 10)));

  // The position is scaled by length / (high - low), low not subtracted:
  // 100 in 50..150 fills the whole length.
  EXPECT_TRUE(Filled(Draw(Look(200, 20, 100, 50, 150)).at(192, 10)));
}

TEST(ProgressLooks, AVerticalBarFillsFromTheBottom) {
  const testing_support::Pixels half = Draw(Look(20, 200, 50, 0, 100, true));
  EXPECT_TRUE(Filled(half.at(10, 190)));
  EXPECT_TRUE(Filled(half.at(10, 110)));
  EXPECT_FALSE(Filled(half.at(10, 60)));
}

TEST(ProgressLooks, EmptyRangesAndStrayPositionsStayInside) {
  // An empty range draws the frame and the trough, no fill, no division.
  EXPECT_EQ(skin::ScaledPosition(Look(200, 20, 10, 10, 10), 200), 0.0);
  EXPECT_FALSE(Filled(Draw(Look(200, 20, 10, 10, 10)).at(100, 10)));
  EXPECT_EQ(skin::ScaledPosition(Look(200, 20, 5, 9, 3), 200), 0.0);
  // Beyond either end of the range, the fill stops at the control's edges.
  EXPECT_EQ(skin::ScaledPosition(Look(200, 20, 500, 0, 100), 200), 200.0);
  EXPECT_EQ(skin::ScaledPosition(Look(200, 20, -40, 0, 100), 200), 0.0);
  EXPECT_EQ(skin::ScaledPosition(Look(20, 200, 500, 0, 100, true), 200), 200.0);
  EXPECT_FALSE(Filled(Draw(Look(200, 20, -40, 0, 100)).at(4, 10)));
}

// The widest range there is: high - low does not fit an int.
TEST(ProgressLooks, TheWidestRangeScalesWithoutOverflow) {
  EXPECT_NEAR(skin::ScaledPosition(Look(200, 20, INT_MAX, INT_MIN, INT_MAX), 200), 100.0, 1e-6);
  EXPECT_EQ(skin::ScaledPosition(Look(200, 20, 0, INT_MIN, INT_MAX), 200), 0.0);
  EXPECT_EQ(skin::ScaledPosition(Look(200, 20, INT_MIN, INT_MIN, INT_MAX), 200), 0.0);
  EXPECT_TRUE(Filled(Draw(Look(200, 20, INT_MAX, INT_MIN, INT_MAX)).at(40, 10)));
}

class ProgressBars : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    skin::Module.AccentColour = kBlue;
    // No pointer left over the controls by an earlier test: nothing starts hot.
    control_test::PointerAway(20);
    window_ = MakeWindow(360, 220);
    bar_ = MakeControl(window_, PROGRESS_CLASSA, "", 0, 20, 40, 200, 20, 1);
    vertical_ = MakeControl(window_, PROGRESS_CLASSA, "", PBS_VERTICAL, 260, 40, 20, 150, 2);
  }
  HWND window_ = nullptr, bar_ = nullptr, vertical_ = nullptr;
};

TEST_F(ProgressBars, AreTakenOnceWithTheirOrientation) {
  const int i = Skin(window_);
  const skin::SkinnedWindow& w = Record(i);
  ASSERT_EQ(w.ProgressBars.count(), 2);
  EXPECT_EQ(skin::FindProgressBar(i, bar_), 1);
  EXPECT_EQ(skin::FindProgressBar(i, vertical_), 2);
  EXPECT_EQ(w.ProgressBars.at(1).vertical, 0);
  EXPECT_EQ(w.ProgressBars.at(2).vertical, 1);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(bar_, GWLP_WNDPROC)),
            skin::ProgressWndProc);
  EXPECT_EQ(GetPropA(bar_, "Hw_lbID"), reinterpret_cast<HANDLE>(1));
  // A second pass takes nothing again: no procedure forwarding to itself.
  skin::SkinProgressBars(i, window_);
  EXPECT_EQ(Record(i).ProgressBars.count(), 2);
  ::SendMessageA(bar_, PBM_SETPOS, 30, 0);
  EXPECT_EQ(::SendMessageA(bar_, PBM_GETPOS, 0, 0), 30);
}

TEST_F(ProgressBars, PaintTheirPositionOverTheBackground) {
  const int i = SkinAndShow(window_);
  ::SendMessageA(bar_, PBM_SETPOS, 50, 0);
  ::SendMessageA(vertical_, PBM_SETPOS, 50, 0);
  ::UpdateWindow(bar_);
  skin::PaintProgressBar(i, 1);
  skin::PaintProgressBar(i, 2);
  const testing_support::Pixels across = control_test::ControlPixels(bar_);
  EXPECT_TRUE(Filled(across.at(40, 10)));
  EXPECT_FALSE(Filled(across.at(150, 10)));
  const testing_support::Pixels down = control_test::ControlPixels(vertical_);
  EXPECT_TRUE(Filled(down.at(10, 140)));
  EXPECT_FALSE(Filled(down.at(10, 30)));
  control_test::CaptureShown(window_, "progress_bars.png");

  // The widest range: half filled at its top, as the scale says.
  ::SendMessageA(bar_, PBM_SETRANGE32, INT_MIN, INT_MAX);
  ::SendMessageA(bar_, PBM_SETPOS, INT_MAX, 0);
  skin::PaintProgressBar(i, 1);
  const testing_support::Pixels widest = control_test::ControlPixels(bar_);
  EXPECT_TRUE(Filled(widest.at(40, 10)));
  EXPECT_FALSE(Filled(widest.at(150, 10)));
}

TEST_F(ProgressBars, AThousandPaintsLeaveTheCountsFlat) {
  const int i = SkinAndShow(window_);
  ExpectCountsStayFlat(1000, [&](int n) {
    ::SendMessageA(bar_, PBM_SETPOS, n % 101, 0);
    skin::PaintProgressBar(i, 1);
    skin::PaintProgressBar(i, 2);
    ::RedrawWindow(vertical_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  });
}

}  // namespace
