// Range controls with a border (WS_BORDER, a client edge): the look is laid
// over the whole window rectangle through the window DC, so the border ring
// is the look's and nothing is shifted by the border. Each bordered control
// is read back against a borderless twin over the same plain picture.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/engine/module_state.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using control_test::WindowPixels;
using testing_support::Pixels;

constexpr COLORREF kPicture = RGB(60, 120, 90);

struct Border {
  DWORD style, exStyle;
  const char* name;
};

class BorderedRanges : public FrameTest, public ::testing::WithParamInterface<Border> {};

// How many pixels of `a` at (x + dx, y + dy) differ from `b` at (x, y).
int Differing(const Pixels& a, const Pixels& b, POINT d = {}) {
  int count = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      count += testing_support::ColourDistance(a.at(x + d.x, y + d.y), b.at(x, y)) > 2;
  return count;
}

// A progress bar and an up-down look only at their window size: the
// bordered one shows what its twin shows, ring included. A track bar
// reports its parts in client coordinates: they sit one border further in,
// with the picture in the ring; its twin has the bordered one's client size.
TEST_P(BorderedRanges, ShowTheirWholeLookOverTheBorderWithNothingShifted) {
  Engine().SetTheme({}, SolidPng(32, 32, kPicture), 0x000000, 0xFF0000, 3);
  skin::Module.TrackOption = false;  // no frame of its own: the ring shows the picture
  control_test::PointerAway(20);
  HWND window = MakeWindow(460, 300);
  auto make = [&](const char* cls, bool bordered, int x, int y, int w, int h) {
    return ::CreateWindowExA(bordered ? GetParam().exStyle : 0, cls, "",
                             WS_CHILD | WS_VISIBLE | (bordered ? GetParam().style : 0), x, y, w, h,
                             window, nullptr, nullptr, nullptr);
  };
  HWND bar = make(PROGRESS_CLASSA, true, 20, 20, 200, 24);
  HWND barTwin = make(PROGRESS_CLASSA, false, 20, 60, 200, 24);
  HWND spin = make(UPDOWN_CLASSA, true, 260, 20, 24, 40);
  HWND spinTwin = make(UPDOWN_CLASSA, false, 300, 20, 24, 40);
  HWND track = make(TRACKBAR_CLASSA, true, 20, 120, 200, 40);
  RECT client{}, bounds{};
  ::GetClientRect(track, &client);
  HWND trackTwin = make(TRACKBAR_CLASSA, false, 20, 200, client.right, client.bottom);
  POINT at{0, 0};
  ::ClientToScreen(track, &at);
  ::GetWindowRect(track, &bounds);
  at = POINT{at.x - bounds.left, at.y - bounds.top};
  ASSERT_NE(at.x, 0) << "no border";
  for (HWND b : {bar, barTwin}) ::SendMessageA(b, PBM_SETPOS, 50, 0);
  for (HWND b : {track, trackTwin}) ::SendMessageA(b, TBM_SETPOS, TRUE, 50);
  skin::SkinWindowOptions o;
  o.showCaption = false;
  SkinAndShow(window, o);
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpUntil([] { return false; }, 100);

  EXPECT_EQ(Differing(WindowPixels(bar), WindowPixels(barTwin)), 0);
  EXPECT_EQ(Differing(WindowPixels(spin), WindowPixels(spinTwin)), 0);
  const Pixels bordered = WindowPixels(track);
  EXPECT_EQ(Differing(bordered, WindowPixels(trackTwin), at), 0);
  for (POINT ring : {POINT{0, 0}, POINT{100, 0}, POINT{bordered.width() - 1, 20},
                     POINT{100, bordered.height() - 1}})
    EXPECT_LE(testing_support::ColourDistance(bordered.at(ring.x, ring.y), kPicture), 2)
        << ring.x << "," << ring.y;
  control_test::CaptureShown(window, std::string("bordered_ranges_") + GetParam().name + ".png");
}

INSTANTIATE_TEST_SUITE_P(Borders, BorderedRanges,
                         ::testing::Values(Border{WS_BORDER, 0, "border"},
                                           Border{0, WS_EX_CLIENTEDGE, "client_edge"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
