// Up-down controls: the half under the pointer hot and, while the button is
// held, pressed; the hit test's halves; a move within one half repainting
// nothing and one into the other half repainting; clicks still changing the
// buddy's number.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/controls/ranges/range_records.h"
#include "skin/controls/ranges/ranges.h"
#include "skin/controls/ranges/up_down_looks.h"
#include "skin/engine/child_families.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using namespace control_test;
using testing_support::Pixels;

constexpr skin::Colour kBlue = 0xFF0000;  // the accent: blue
constexpr COLORREF kMarker = RGB(255, 0, 255);

int Blueness(COLORREF c) { return GetBValue(c) - GetRValue(c); }

skin::UpDownLook Look(bool horizontal, bool hover, bool pressed, int x, int y) {
  skin::UpDownLook look;
  look.width = horizontal ? 40 : 20;
  look.height = horizontal ? 20 : 40;
  look.horizontal = horizontal;
  look.hover = hover;
  look.pressed = pressed;
  look.mouse = MAKELPARAM(x, y);
  look.accent = kBlue;
  return look;
}

Pixels Draw(const skin::UpDownLook& look) {
  return DrawOnBitmap(look.width, look.height, RGB(255, 255, 255),
                      [&](graphics::Graphics& g) { skin::DrawUpDownLook(g, look); });
}

TEST(UpDownLooks, TheHitTestSplitsAtHalfTheSize) {
  EXPECT_EQ(skin::UpDownPartAt(false, 20, 41, MAKELPARAM(5, 20)), skin::kUpDownFirst);
  EXPECT_EQ(skin::UpDownPartAt(false, 20, 41, MAKELPARAM(5, 21)), skin::kUpDownSecond);
  EXPECT_EQ(skin::UpDownPartAt(true, 41, 20, MAKELPARAM(20, 5)), skin::kUpDownFirst);
  EXPECT_EQ(skin::UpDownPartAt(true, 41, 20, MAKELPARAM(21, 5)), skin::kUpDownSecond);
  // Coordinates are signed words: a point above or left of the control.
  EXPECT_EQ(skin::UpDownPartAt(false, 20, 40, MAKELPARAM(5, -3)), skin::kUpDownFirst);
  EXPECT_EQ(skin::UpDownPartAt(true, 40, 20, MAKELPARAM(-3, 5)), skin::kUpDownFirst);
}

TEST(UpDownLooks, OnlyTheHalfUnderThePointerIsHotAndPressedTurnsItsGradient) {
  // Rows near the bottom of each half, clear of the arrows.
  const int upRow = 16, downRow = 36;
  const Pixels rest = Draw(Look(false, false, false, 5, 5));
  const Pixels hotUp = Draw(Look(false, true, false, 5, 5));
  const Pixels hotDown = Draw(Look(false, true, false, 5, 30));
  const Pixels pressedUp = Draw(Look(false, true, true, 5, 5));
  EXPECT_GT(Blueness(hotUp.at(4, upRow)), Blueness(rest.at(4, upRow)) + 10);
  EXPECT_EQ(hotUp.at(4, downRow), rest.at(4, downRow));
  EXPECT_GT(Blueness(hotDown.at(4, downRow)), Blueness(rest.at(4, downRow)) + 10);
  EXPECT_EQ(hotDown.at(4, upRow), rest.at(4, upRow));
  // Pressed: accent at the half's top, white at its bottom.
  EXPECT_GT(Blueness(pressedUp.at(4, 3)), Blueness(pressedUp.at(4, upRow)) + 10);
  EXPECT_LT(Blueness(hotUp.at(4, 3)), Blueness(hotUp.at(4, upRow)));
  // The hovered look with the pointer given, not the pressed one, is what
  // not hovered shows: nothing hot.
  EXPECT_EQ(Draw(Look(false, false, true, 5, 5)).at(4, upRow), rest.at(4, upRow));
}

TEST(UpDownLooks, TheArrowsSitCentredInTheirHalves) {
  // Dark arrow pixels at the centre of each half, the vertical pair and the
  // horizontal pair.
  auto dark = [](COLORREF c) { return GetRValue(c) < 140 && GetGValue(c) < 140; };
  auto anyDark = [&](const Pixels& p, int cx, int cy) {
    for (int y = cy - 3; y <= cy + 3; ++y)
      for (int x = cx - 3; x <= cx + 3; ++x)
        if (dark(p.at(x, y))) return true;
    return false;
  };
  const Pixels standing = Draw(Look(false, false, false, 0, 0));
  EXPECT_TRUE(anyDark(standing, 10, 10));
  EXPECT_TRUE(anyDark(standing, 10, 30));
  const Pixels lying = Draw(Look(true, false, false, 0, 0));
  EXPECT_TRUE(anyDark(lying, 10, 10));
  EXPECT_TRUE(anyDark(lying, 30, 10));
  EXPECT_FALSE(dark(lying.at(4, 10)));
  EXPECT_FALSE(dark(lying.at(15, 10)));
}

class UpDowns : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    skin::Module.AccentColour = kBlue;
    // No pointer left over the controls by an earlier test: nothing starts hot.
    control_test::PointerAway(20);
    window_ = MakeWindow(320, 200);
    buddy_ = MakeControl(window_, "EDIT", "5", ES_NUMBER | WS_BORDER, 40, 40, 60, 24, 1);
    spin_ = MakeControl(window_, UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_ARROWKEYS, 110, 30, 24,
                        40, 2);
    across_ = MakeControl(window_, UPDOWN_CLASSA, "", UDS_HORZ, 180, 40, 40, 24, 3);
    ::SendMessageA(spin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy_), 0);
    ::SendMessageA(spin_, UDM_SETRANGE32, 0, 100);
    ::SendMessageA(spin_, UDM_SETPOS32, 0, 5);
    LogControl(spin_, kSpin);
  }
  static constexpr int kSpin = 1;
  std::string BuddyText() {
    char text[32] = {};
    ::GetWindowTextA(buddy_, text, sizeof text);
    return text;
  }
  // Where the pointer goes on the spin's halves, in the window's coordinates.
  POINT OnSpin(int x, int y) {
    POINT p{x, y};
    ::MapWindowPoints(spin_, window_, &p, 1);
    return p;
  }
  void PointerOnSpin(int x, int y) {
    const POINT p = OnSpin(x, y);
    PointerTo(window_, p.x, p.y);
  }
  HWND window_ = nullptr, buddy_ = nullptr, spin_ = nullptr, across_ = nullptr;
};

TEST_F(UpDowns, AreTakenOnceWithTheirOrientation) {
  const int i = Skin(window_);
  const skin::SkinnedWindow& w = Record(i);
  ASSERT_EQ(w.UpDowns.count(), 2);
  EXPECT_EQ(w.UpDowns.at(skin::FindUpDown(i, spin_)).horizontal, 0);
  EXPECT_EQ(w.UpDowns.at(skin::FindUpDown(i, across_)).horizontal, 1);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(spin_, GWLP_WNDPROC)),
            skin::UpDownWndProc);
  skin::SkinUpDowns(i, window_);
  EXPECT_EQ(Record(i).UpDowns.count(), 2);
  // The buddy still follows the control.
  ::SendMessageA(spin_, UDM_SETPOS32, 0, 42);
  EXPECT_EQ(BuddyText(), "42");
}

TEST_F(UpDowns, OnlyCrossingIntoTheOtherHalfRepaints) {
  const int i = SkinAndShow(window_);
  const int index = skin::FindUpDown(i, spin_);
  PointerOnSpin(8, 6);
  EXPECT_EQ(Record(i).UpDowns.at(index).hover, 1);
  EXPECT_EQ(Record(i).UpDowns.at(index).hotPart, skin::kUpDownFirst);
  EXPECT_EQ(Record(i).HoverKind, skin::kHoverUpDown);
  const Pixels hotUp = ControlPixels(spin_);
  EXPECT_GT(Blueness(hotUp.at(4, 16)), Blueness(hotUp.at(4, 36)) + 10);

  {
    platform::WindowDC dc(spin_);
    ::SetPixel(dc.get(), 1, 10, kMarker);
  }
  ClearLog();
  PointerOnSpin(14, 12);
  ExpectSequence({{WM_MOUSEMOVE, kSent, kSpin}}, "within the up half");
  EXPECT_EQ(ControlPixels(spin_).at(1, 10), kMarker);

  ClearLog();
  PointerOnSpin(8, 30);
  // The control repaints its own hot arrow after the move; either way the
  // half under the pointer is what shows.
  ExpectSequence({{WM_MOUSEMOVE, kSent, kSpin}, {WM_PAINT, kSent | kOptional, kSpin}},
                 "into the down half");
  EXPECT_EQ(Record(i).UpDowns.at(index).hotPart, skin::kUpDownSecond);
  PumpUntil([] { return false; }, 100);
  const Pixels hotDown = ControlPixels(spin_);
  EXPECT_NE(hotDown.at(1, 10), kMarker);
  EXPECT_GT(Blueness(hotDown.at(4, 36)), Blueness(hotDown.at(4, 16)) + 10);

  PointerAway();
  EXPECT_TRUE(PumpUntil([&] { return Record(i).UpDowns.at(index).hover == 0; }, 1500));
  EXPECT_EQ(Record(i).LastHoverChild, 0);
  const Pixels rest = ControlPixels(spin_);
  EXPECT_LT(Blueness(rest.at(4, 36)), Blueness(hotDown.at(4, 36)));
}

TEST_F(UpDowns, ClicksChangeTheBuddyAndShowThePressedHalf) {
  const int i = SkinAndShow(window_);
  const int index = skin::FindUpDown(i, spin_);
  PointerOnSpin(12, 8);
  LeftDown();
  EXPECT_EQ(Record(i).UpDowns.at(index).pressed, 1);
  EXPECT_EQ(Record(i).UpDowns.at(index).lastMouse, MAKELPARAM(12, 8));
  PumpUntil([] { return false; }, 50);
  // Pressed: the hot half's gradient turned, accent at its top.
  const Pixels held = ControlPixels(spin_);
  EXPECT_GT(Blueness(held.at(4, 3)), Blueness(held.at(4, 16)) + 10);
  LeftUp();
  EXPECT_EQ(Record(i).UpDowns.at(index).pressed, 0);
  EXPECT_EQ(BuddyText(), "6");

  PointerOnSpin(12, 32);
  LeftDown();
  LeftUp();
  PointerOnSpin(12, 34);
  LeftDown();
  LeftUp();
  EXPECT_EQ(BuddyText(), "4");
  PumpUntil([] { return false; }, 100);
  control_test::CaptureShown(window_, "up_downs.png");
}

TEST_F(UpDowns, AThousandPaintsLeaveTheCountsFlat) {
  const int i = SkinAndShow(window_);
  ExpectCountsStayFlat(1000, [&](int n) {
    skin::PaintUpDown(i, 1, n % 2 == 0, n % 3 == 0, MAKELPARAM(5, n % 40));
    ::RedrawWindow(across_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  });
}

}  // namespace
