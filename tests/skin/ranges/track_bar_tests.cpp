// Track bars: thumb, channel, selection and filled line where the geometry
// puts them, in both orientations; hover, dragging with the real pointer,
// and registration on real windows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "skin/controls/ranges/ranges.h"
#include "skin/controls/ranges/track_bar_looks.h"
#include "skin/engine/child_families.h"
#include "skin/engine/module_state.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using control_test::DrawOnBitmap;
using control_test::MakeControl;
using testing_support::Pixels;

constexpr skin::Colour kBlue = 0xFF0000;  // the accent: blue

bool Accent(COLORREF c) { return GetBValue(c) > GetRValue(c) + 60; }
// The white-filled thumb over a mid-grey ground.
bool Thumb(COLORREF c) { return GetRValue(c) > 180 && GetGValue(c) > 180; }
constexpr COLORREF kGround = RGB(100, 100, 100);

// A horizontal 200 x 30 bar: the channel 8..192 wide at y 13..17, the
// thumb 11 wide starting at `thumbLeft`.
skin::TrackBarLook Across(int position, int max, int thumbLeft) {
  skin::TrackBarLook look;
  look.width = 200;
  look.height = 30;
  look.position = position;
  look.max = max;
  look.channel = RECT{8, 13, 192, 17};
  look.thumb = RECT{thumbLeft, 4, thumbLeft + 11, 26};
  look.accent = kBlue;
  return look;
}

// The same bar standing: the channel reported across as for a horizontal
// one, the thumb in the bar's own orientation.
skin::TrackBarLook Down(int position, int max, int thumbTop) {
  skin::TrackBarLook look = Across(position, max, 0);
  look.width = 30;
  look.height = 200;
  look.vertical = true;
  look.thumb = RECT{4, thumbTop, 26, thumbTop + 11};
  return look;
}

Pixels Draw(const skin::TrackBarLook& look) {
  return DrawOnBitmap(look.width, look.height, kGround,
                      [&](graphics::Graphics& g) { skin::DrawTrackBarLook(g, look); });
}

TEST(TrackBarLooks, TheFilledLineAndTheDotFollowThePosition) {
  // Middle: the line runs from the channel start to just before the thumb.
  const Pixels middle = Draw(Across(50, 100, 95));
  EXPECT_TRUE(Accent(middle.at(10, 14)));
  EXPECT_TRUE(Accent(middle.at(92, 14)));
  EXPECT_FALSE(Accent(middle.at(110, 14)));
  EXPECT_TRUE(Thumb(middle.at(97, 14)));
  // Minimum: no line before the thumb at the channel start.
  const Pixels low = Draw(Across(0, 100, 3));
  EXPECT_FALSE(Accent(low.at(20, 14)));
  // Maximum: the dot sits 8 further on and the line reaches 10 further.
  const Pixels top = Draw(Across(100, 100, 181));
  EXPECT_TRUE(Thumb(top.at(191, 14)));
  EXPECT_FALSE(Thumb(top.at(183, 14)));
  EXPECT_TRUE(Accent(top.at(186, 14)));
  const Pixels nearTop = Draw(Across(99, 100, 181));
  EXPECT_TRUE(Thumb(nearTop.at(183, 14)));
  EXPECT_FALSE(Accent(nearTop.at(186, 14)));
}

TEST(TrackBarLooks, AStandingBarExchangesTheAxes) {
  const Pixels middle = Draw(Down(50, 100, 95));
  EXPECT_TRUE(Accent(middle.at(14, 10)));
  EXPECT_TRUE(Accent(middle.at(14, 92)));
  EXPECT_FALSE(Accent(middle.at(14, 110)));
  EXPECT_TRUE(Thumb(middle.at(14, 97)));
  const Pixels top = Draw(Down(100, 100, 181));
  EXPECT_TRUE(Thumb(top.at(14, 191)));
  EXPECT_TRUE(Accent(top.at(14, 186)));
}

TEST(TrackBarLooks, TheHoveredCircleLeansAwayFromNearTicksOnly) {
  skin::TrackBarLook look = Across(50, 100, 95);
  look.hover = true;
  const graphics::RectF below = skin::ThumbShape(look);
  EXPECT_EQ(below.X, 95);
  EXPECT_EQ(below.Y, 9);  // channel top - 4
  EXPECT_EQ(below.Width, 11);
  look.tickSide = 3;  // no ticks: not shifted either
  EXPECT_EQ(skin::ThumbShape(look).Y, 9);
  look.tickSide = 2;
  EXPECT_EQ(skin::ThumbShape(look).Y, 10);
  look.tickSide = 0;
  EXPECT_EQ(skin::ThumbShape(look).Y, 11);
  // The circle is drawn: white well off the channel.
  EXPECT_TRUE(Thumb(Draw(look).at(100, 19)));
  EXPECT_FALSE(Thumb(Draw(Across(50, 100, 95)).at(100, 19)));

  skin::TrackBarLook standing = Down(50, 100, 95);
  standing.hover = true;
  standing.tickSide = 0;
  EXPECT_EQ(skin::ThumbShape(standing).X, 11);
  EXPECT_EQ(skin::ThumbShape(standing).Y, 95);
}

TEST(TrackBarLooks, ASelectionRangeNarrowsTheChannelAndDrawsItsLine) {
  skin::TrackBarLook look = Across(10, 100, 20);
  look.channel = RECT{8, 10, 192, 20};  // 10 high: the strip is rows 13..16
  look.selRange = true;
  look.selStart = 50;
  look.selEnd = 75;
  const graphics::RectF strip = skin::ChannelShape(look);
  EXPECT_EQ(strip.Y, 13);
  EXPECT_EQ(strip.Height, 4);
  const Pixels drawn = Draw(look);
  // The selection: from 8 + 50 * 184 / 100 - 1 = 99 for 46 pixels, white.
  const COLORREF inside = drawn.at(120, 14), outside = drawn.at(160, 14);
  EXPECT_GT(GetRValue(inside), GetRValue(outside) + 40);
  // Only the strip's rows are darkened, not the rest of the reported channel.
  look.frame = false;
  const Pixels bare = Draw(look);
  EXPECT_EQ(bare.at(160, 11), kGround);
  EXPECT_LT(GetRValue(bare.at(160, 14)), GetRValue(kGround) - 8);
}

TEST(TrackBarLooks, AnEmptyRangeOrStraySelectionStaysInside) {
  // Maximum 0: frame, channel and thumb, no fill and no selection.
  skin::TrackBarLook empty = Across(0, 0, 95);
  empty.selRange = true;
  empty.selStart = 0;
  empty.selEnd = 50;
  const Pixels drawn = Draw(empty);
  for (int x = 8; x < 90; ++x) ASSERT_FALSE(Accent(drawn.at(x, 14))) << x;
  // A selection beyond the range ends at the channel's end.
  skin::TrackBarLook stray = Across(10, 100, 20);
  stray.selRange = true;
  stray.selStart = -500;
  stray.selEnd = 900;
  const Pixels wide = Draw(stray);
  EXPECT_EQ(wide.at(197, 14), Draw(Across(10, 100, 20)).at(197, 14));
}

TEST(TrackBarLooks, TheFrameFollowsTheOption) {
  skin::TrackBarLook look = Across(50, 100, 95);
  const Pixels framed = Draw(look);
  look.frame = false;
  const Pixels bare = Draw(look);
  // The frame's light gradient near its top edge, none without it.
  EXPECT_GT(GetRValue(framed.at(100, 3)), GetRValue(kGround) + 30);
  EXPECT_EQ(bare.at(100, 3), kGround);
}

class TrackBars : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    skin::Module.AccentColour = kBlue;
    // No pointer left over the controls by an earlier test: nothing starts hot.
    control_test::PointerAway(20);
    window_ = MakeWindow(420, 300);
    across_ =
        MakeControl(window_, TRACKBAR_CLASSA, "", TBS_AUTOTICKS | TBS_BOTH, 20, 40, 240, 40, 1);
    bare_ = MakeControl(window_, TRACKBAR_CLASSA, "", TBS_NOTICKS | TBS_ENABLESELRANGE, 20, 100,
                        240, 30, 2);
    down_ = MakeControl(window_, TRACKBAR_CLASSA, "", TBS_VERT | TBS_LEFT, 320, 40, 40, 220, 3);
    for (HWND bar : {across_, bare_, down_})
      ::SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
  }
  RECT Channel(HWND bar) {
    RECT r{};
    ::SendMessageA(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  RECT ThumbOf(HWND bar) {
    RECT r{};
    ::SendMessageA(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  HWND window_ = nullptr, across_ = nullptr, bare_ = nullptr, down_ = nullptr;
};

TEST_F(TrackBars, AreTakenOnceWithTheirStyles) {
  const int i = Skin(window_);
  const skin::SkinnedWindow& w = Record(i);
  ASSERT_EQ(w.TrackBars.count(), 3);
  const skin::TrackBarRecord& a = w.TrackBars.at(skin::FindTrackBar(i, across_));
  const skin::TrackBarRecord& b = w.TrackBars.at(skin::FindTrackBar(i, bare_));
  const skin::TrackBarRecord& d = w.TrackBars.at(skin::FindTrackBar(i, down_));
  EXPECT_EQ(a.vertical, 0);
  EXPECT_EQ(a.tickSide, 2);
  EXPECT_EQ(a.selRange, 0);
  EXPECT_EQ(b.tickSide, 3);
  EXPECT_EQ(b.selRange, 1);
  EXPECT_EQ(d.vertical, 1);
  EXPECT_EQ(d.tickSide, 0);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(across_, GWLP_WNDPROC)),
            skin::TrackBarWndProc);
  skin::SkinTrackBars(i, window_);
  EXPECT_EQ(Record(i).TrackBars.count(), 3);
  // The control still keeps its own position.
  ::SendMessageA(across_, TBM_SETPOS, TRUE, 40);
  EXPECT_EQ(::SendMessageA(across_, TBM_GETPOS, 0, 0), 40);
}

TEST_F(TrackBars, PaintThePositionTheControlReports) {
  const int i = SkinAndShow(window_);
  ::SendMessageA(across_, TBM_SETPOS, TRUE, 50);
  ::SendMessageA(down_, TBM_SETPOS, TRUE, 50);
  // Every paint the showing and the new positions asked for is over first.
  PumpUntil([] { return false; }, 150);
  skin::PaintTrackBar(i, skin::FindTrackBar(i, across_));
  skin::PaintTrackBar(i, skin::FindTrackBar(i, down_));
  const RECT ch = Channel(across_), t = ThumbOf(across_);
  const Pixels a = control_test::ControlPixels(across_);
  EXPECT_TRUE(Accent(a.at(ch.left + 4, ch.top + 1)));
  EXPECT_TRUE(Accent(a.at(t.left - 3, ch.top + 1)));
  EXPECT_FALSE(Accent(a.at(t.right + 10, ch.top + 1)));
  // Standing: the filled line runs down from the channel's start.
  // (Wine reports a standing channel as it stands, Windows laid across.)
  RECT dch = Channel(down_);
  if (dch.right - dch.left > dch.bottom - dch.top)
    dch = RECT{dch.top, dch.left, dch.bottom, dch.right};
  const RECT dt = ThumbOf(down_);
  const Pixels d = control_test::ControlPixels(down_);
  EXPECT_TRUE(Accent(d.at(dch.left + 1, dch.top + 4)));
  EXPECT_TRUE(Accent(d.at(dch.left + 1, dt.top - 3)));
  EXPECT_FALSE(Accent(d.at(dch.left + 1, dt.bottom + 10)));

  // At the maximum the dot sits 8 further on and the line reaches 10 further.
  ::SendMessageA(across_, TBM_SETPOS, TRUE, 100);
  ::UpdateWindow(across_);
  skin::PaintTrackBar(i, skin::FindTrackBar(i, across_));
  const RECT tm = ThumbOf(across_);
  const Pixels m = control_test::ControlPixels(across_);
  EXPECT_TRUE(Thumb(m.at(tm.left + 10, ch.top + 1)));
  EXPECT_TRUE(Accent(m.at(tm.left + 6, ch.top + 1)));

  // The selection range: the strip centred in the channel, its line white
  // between the selection's ends only.
  ::SendMessageA(bare_, TBM_SETSEL, TRUE, MAKELPARAM(40, 80));
  ::SendMessageA(bare_, TBM_SETPOS, TRUE, 10);
  ::UpdateWindow(bare_);
  skin::PaintTrackBar(i, skin::FindTrackBar(i, bare_));
  const RECT sch = Channel(bare_);
  const int stripTop = sch.top + (sch.bottom - sch.top - 4) / 2;
  const int length = sch.right - sch.left;
  const Pixels sel = control_test::ControlPixels(bare_);
  const COLORREF inSelection = sel.at(sch.left + length * 60 / 100, stripTop + 1);
  const COLORREF outside = sel.at(sch.left + length * 90 / 100, stripTop + 1);
  EXPECT_GT(GetRValue(inSelection), GetRValue(outside) + 30);
  control_test::CaptureShown(window_, "track_bars.png");
}

TEST_F(TrackBars, FollowTheRealPointerAndItsDrag) {
  const int i = SkinAndShow(window_);
  ::SendMessageA(across_, TBM_SETPOS, TRUE, 20);
  ::UpdateWindow(window_);
  const int index = skin::FindTrackBar(i, across_);
  RECT t = ThumbOf(across_);
  POINT grip{(t.left + t.right) / 2, (t.top + t.bottom) / 2};
  ::MapWindowPoints(across_, window_, &grip, 1);
  control_test::PointerTo(window_, grip.x, grip.y);
  EXPECT_EQ(Record(i).TrackBars.at(index).hover, 1);
  EXPECT_EQ(Record(i).HoverKind, skin::kHoverTrackBar);
  // Wine notices the pointer leaving on a timer.
  control_test::PointerAway();
  EXPECT_TRUE(PumpUntil([&] { return Record(i).TrackBars.at(index).hover == 0; }, 1500));
  EXPECT_EQ(Record(i).LastHoverChild, 0);

  control_test::PointerTo(window_, grip.x, grip.y);
  control_test::LeftDown();
  for (int step = 1; step <= 6; ++step)
    control_test::PointerTo(window_, grip.x + step * 20, grip.y, 40);
  control_test::LeftUp();
  const int moved = static_cast<int>(::SendMessageA(across_, TBM_GETPOS, 0, 0));
  EXPECT_GT(moved, 60);
  PumpUntil([] { return false; }, 100);
  // The paint followed: the filled line reaches just before the new thumb.
  t = ThumbOf(across_);
  const RECT ch = Channel(across_);
  EXPECT_TRUE(Accent(control_test::ControlPixels(across_).at(t.left - 3, ch.top + 1)));

  // After the drag the thumb rests again once the pointer has gone.
  control_test::PointerTo(window_, grip.x + 100, grip.y + 2);
  control_test::PointerAway();
  EXPECT_TRUE(PumpUntil([&] { return Record(i).TrackBars.at(index).hover == 0; }, 1500));
  EXPECT_EQ(Record(i).LastHoverChild, 0);
}

TEST_F(TrackBars, AThousandPaintsLeaveTheCountsFlat) {
  const int i = SkinAndShow(window_);
  ExpectCountsStayFlat(1000, [&](int n) {
    ::SendMessageA(across_, TBM_SETPOS, TRUE, n % 101);
    skin::PaintTrackBar(i, 1);
    skin::PaintTrackBar(i, 2);
    ::RedrawWindow(down_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  });
}

}  // namespace
