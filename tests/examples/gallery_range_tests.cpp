// The gallery's range controls built in this process: each is taken by its
// family, the pulse steps from empty to full and back, and a thousand
// repaints give back every object they take.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "examples/gallery/gallery_pictures.h"
#include "examples/gallery/gallery_ranges.h"
#include "platform/handles.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/registry.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;

class GalleryRanges : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    Engine().SetTheme(std::nullopt, gallery::Background(), 0x000000, std::nullopt, 3);
    Engine().SetOptions(true, 150);
    window_ = MakeWindow(1000, 200, 0, 20, 20);
    font_.reset(::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH, "宋体"));
    ranges_ = gallery::CreateRangeControls(window_, font_.get(), 24, 50, 952);
  }
  void TearDown() override {
    ::KillTimer(window_, gallery::kPulseTimer);
    FrameTest::TearDown();
    font_.reset();
  }
  HWND window_ = nullptr;
  platform::UniqueFont font_;
  gallery::RangeControls ranges_;
};

TEST_F(GalleryRanges, EveryControlIsTakenByItsFamily) {
  const int i = Skin(window_);
  const skin::SkinnedWindow& w = Record(i);
  for (HWND bar : {ranges_.volume, ranges_.speed, ranges_.span, ranges_.level})
    EXPECT_GE(skin::FindChild(w.TrackBars, bar), 1);
  for (HWND bar : {ranges_.progress, ranges_.pulse, ranges_.tower})
    EXPECT_GE(skin::FindChild(w.ProgressBars, bar), 1);
  for (HWND spin : {ranges_.spin, ranges_.sideways}) EXPECT_GE(skin::FindChild(w.UpDowns, spin), 1);
  EXPECT_GE(skin::FindChild(w.EditControls, ranges_.count), 1);
  EXPECT_EQ(w.TrackBars.at(skin::FindChild(w.TrackBars, ranges_.span)).selRange, 1);
  EXPECT_EQ(w.TrackBars.at(skin::FindChild(w.TrackBars, ranges_.speed)).tickSide, 3);
  EXPECT_EQ(w.TrackBars.at(skin::FindChild(w.TrackBars, ranges_.level)).vertical, 1);
}

TEST_F(GalleryRanges, ThePulseFillsAndEmptiesAgain) {
  int highest = 0, last = 0;
  bool fell = false;
  for (int step = 0; step < 200; ++step) {
    gallery::StepPulse(ranges_);
    const int now = static_cast<int>(::SendMessageA(ranges_.pulse, PBM_GETPOS, 0, 0));
    if (now < last) fell = true;
    highest = std::max(highest, now);
    last = now;
  }
  EXPECT_EQ(highest, 100);
  EXPECT_TRUE(fell);
  EXPECT_EQ(last, 0);
}

TEST_F(GalleryRanges, AThousandRepaintsLeaveTheCountsFlat) {
  SkinAndShow(window_);
  const std::vector<HWND> controls = ranges_.All();
  ExpectCountsStayFlat(100, [&](int n) {
    gallery::StepPulse(ranges_);
    ::SendMessageA(ranges_.volume, TBM_SETPOS, TRUE, n % 101);
    for (HWND c : controls)
      ::RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    DrainMessages();
  });
}

}  // namespace
