// The scroll-bar helpers skinned edits share with lists: the region of the
// bars (corner square included) and a non-client paint that leaves the
// platform's look on the bars and nowhere else.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/edits/edits.h"
#include "skin/controls/scroll_bars.h"
#include "tests/skin/edits/edit_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace frame_test;
using namespace edit_test;
using control_test::MakeControl;

RECT Bar(HWND control, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  ::GetScrollBarInfo(control, object, &info);
  return info.rcScrollBar;
}

RECT Box(HRGN region) {
  RECT box{};
  ::GetRgnBox(region, &box);
  return box;
}

using ScrollBarRegion = EditTest;

TEST_F(ScrollBarRegion, OneBarTwoBarsAndNone) {
  HWND window = MakeWindow(400, 300);
  HWND down = MakeEdit(window, "", ES_MULTILINE | WS_VSCROLL, 20, 40, 150, 90);
  HWND both = MakeEdit(window, "", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 200, 40, 150, 90);
  HWND none = MakeEdit(window, "", ES_MULTILINE, 20, 150, 150, 90);

  const platform::UniqueRegion one = skin::ScrollBarRegion(down);
  ASSERT_TRUE(one);
  const RECT vbar = Bar(down, OBJID_VSCROLL);
  RECT box = Box(one.get());
  EXPECT_TRUE(::EqualRect(&box, &vbar));
  EXPECT_GT(vbar.right - vbar.left, 0);

  const platform::UniqueRegion two = skin::ScrollBarRegion(both);
  ASSERT_TRUE(two);
  const RECT v = Bar(both, OBJID_VSCROLL), h = Bar(both, OBJID_HSCROLL);
  box = Box(two.get());
  // The vertical bar moved down by its own width. (Wine's two bar
  // rectangles overlap by one pixel, so there this reaches one pixel below
  // the horizontal bar; on Windows they meet.)
  const RECT expected{h.left, v.top, v.right, v.bottom + (v.right - v.left)};
  EXPECT_LE(h.bottom, expected.bottom);
  EXPECT_TRUE(::EqualRect(&box, &expected))
      << box.left << "," << box.top << "," << box.right << "," << box.bottom << " v " << v.left
      << "," << v.top << "," << v.right << "," << v.bottom << " h " << h.left << "," << h.top << ","
      << h.right << "," << h.bottom;
  EXPECT_TRUE(::PtInRegion(two.get(), v.left + 1, h.top + 1)) << "corner square";
  EXPECT_TRUE(::PtInRegion(two.get(), v.right - 1, h.bottom - 1)) << "corner square";
  EXPECT_TRUE(::PtInRegion(two.get(), h.left + 1, h.top + 1));
  EXPECT_FALSE(::PtInRegion(two.get(), h.left + 1, v.top + 1)) << "client area";

  EXPECT_FALSE(skin::ScrollBarRegion(none));
  EXPECT_FALSE(skin::HasScrollBars(none));
  EXPECT_TRUE(skin::HasVScroll(down) && !skin::HasHScroll(down));
}

using EditNonClient = EditTest;

// A skinned edit without bars: its whole ring is the engine's, with none of
// the platform's grey and dark client-edge lines.
TEST_F(EditNonClient, WithoutBarsNoPlatformBorderShows) {
  HWND window = MakeWindow(300, 200);
  HWND framed = MakeEdit(window, "一行", 0, 20, 40, 120, 24);
  HWND edged = MakeEdit(window, "", ES_MULTILINE, 20, 90, 150, 60);
  const int i = SkinAndShow(window);
  testing_support::PumpFor(100);
  for (HWND edit : {framed, edged}) {
    ::SendMessageA(edit, WM_NCPAINT, 1, 0);
    const testing_support::Pixels shown = WindowPixels(edit);
    const RECT in = skin::InnerRect(edit);
    ASSERT_GT(in.left, 0);
    const COLORREF veiled = Over(Behind(i, edit, 0, 0), RGB(255, 255, 255), kVeil);
    const COLORREF outline = Over(veiled, RGB(0, 0, 0), 80);
    for (int x : {0, 30, shown.width() - 1}) {
      EXPECT_TRUE(Near(shown.at(x, 0), outline, 3)) << x << " " << std::hex << shown.at(x, 0);
      EXPECT_TRUE(Near(shown.at(x, shown.height() - 1), outline, 3)) << x;
    }
    // Inside the outline, up to the client area: the veil only.
    for (int k = 1; k < in.left; ++k) {
      EXPECT_TRUE(Near(shown.at(k, shown.height() / 2), veiled, 3))
          << k << " " << std::hex << shown.at(k, shown.height() / 2);
      EXPECT_TRUE(Near(shown.at(40, k), veiled, 3)) << k;
    }
  }
}

// With both bars, the bars and the corner square look as the platform draws
// them on an edit nobody skinned; the ring around them is the engine's.
TEST_F(EditNonClient, WithBarsTheBarsKeepThePlatformLook) {
  HWND window = MakeWindow(400, 220);
  const DWORD style = ES_MULTILINE | WS_VSCROLL | WS_HSCROLL;
  HWND skinned = MakeEdit(window, "", style, 20, 40, 150, 100);
  const int i = SkinAndShow(window);
  HWND plain = MakeEdit(window, "", style, 200, 40, 150, 100);  // made after skinning
  testing_support::PumpFor(100);
  ASSERT_NE(skin::FindEdit(i, skinned), 0);
  ASSERT_EQ(skin::FindEdit(i, plain), 0);
  for (HWND edit : {skinned, plain})
    ::RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  testing_support::PumpFor(50);

  const testing_support::Pixels a = WindowPixels(skinned), b = WindowPixels(plain);
  RECT bounds;
  ::GetWindowRect(skinned, &bounds);
  RECT v = Bar(skinned, OBJID_VSCROLL), h = Bar(skinned, OBJID_HSCROLL);
  for (RECT* r : {&v, &h}) ::OffsetRect(r, -bounds.left, -bounds.top);
  const RECT corner{v.left, h.top, v.right, h.bottom};
  EXPECT_EQ(Differing(a, b, v), 0) << "vertical bar";
  EXPECT_EQ(Differing(a, b, h), 0) << "horizontal bar";
  EXPECT_EQ(Differing(a, b, corner), 0) << "corner square";
  // The ring is the engine's, not the platform's client edge.
  const COLORREF veiled = Over(Behind(i, skinned, 0, 0), RGB(255, 255, 255), kVeil);
  const COLORREF outline = Over(veiled, RGB(0, 0, 0), 80);
  EXPECT_TRUE(Near(a.at(40, 0), outline, 3)) << std::hex << a.at(40, 0);
  EXPECT_TRUE(Near(a.at(40, 1), veiled, 3)) << std::hex << a.at(40, 1);
  EXPECT_FALSE(Near(b.at(40, 0), outline, 3)) << std::hex << b.at(40, 0);
}

}  // namespace
