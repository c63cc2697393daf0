// The border ring of list-type controls on real controls: drawn on the
// window DC by the border styles (none: nothing), never over the client
// area, following focus and the real pointer.
#include <gtest/gtest.h>

#include "skin/controls/lists/lists.h"
#include "skin/engine/child_families.h"
#include "tests/skin/lists/list_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace list_test;
using ListFrame = ListTest;

constexpr COLORREF kRed = RGB(255, 0, 0), kBlack = RGB(0, 0, 0);
const COLORREF kRing = Veiled(kTranslucency);
const COLORREF kNormal = Over(kRing, kBlack, 90), kLit = Over(kRing, kRed, 200);

TEST_F(ListFrame, TheRingFollowsTheBorderStylesAndNeverTouchesTheClientArea) {
  MakeSkinned(true);
  HWND thin = Child("ListBox", WS_BORDER, 20, 20, 140, 100);
  HWND edged = Child("ListBox", 0, 180, 20, 140, 100, WS_EX_CLIENTEDGE);
  HWND bare = Child("ListBox", 0, 20, 160, 140, 100);
  SkinLists();
  RepaintNow(window);
  // A marker over each client area: the frame paint must leave it.
  for (HWND c : {thin, edged, bare}) {
    HDC dc = ::GetDC(c);
    RECT client;
    ::GetClientRect(c, &client);
    ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::ReleaseDC(c, dc);
  }
  const Pixels bareBefore = WindowPixels(bare);
  for (HWND c : {thin, edged, bare}) skin::PaintListFrame(i, ListIndex(c), false, false);

  const Pixels t = WindowPixels(thin), e = WindowPixels(edged);
  EXPECT_TRUE(Near(t.at(70, 0), kNormal)) << Rgb(t.at(70, 0));
  EXPECT_TRUE(Near(t.at(0, 50), kNormal)) << Rgb(t.at(0, 50));
  EXPECT_EQ(t.at(1, 50), kBlack) << "client area inside a 1-pixel border";
  EXPECT_TRUE(Near(e.at(0, 50), kNormal)) << Rgb(e.at(0, 50));
  EXPECT_TRUE(Near(e.at(1, 50), kRing)) << Rgb(e.at(1, 50));
  EXPECT_EQ(e.at(2, 50), kBlack) << "client area inside a client edge";
  EXPECT_EQ(Differing(WindowPixels(bare), bareBefore), 0) << "no border: nothing drawn";

  skin::PaintListFrame(i, ListIndex(edged), true, false);
  const Pixels hot = WindowPixels(edged);
  EXPECT_TRUE(Near(hot.at(0, 50), kLit) && Near(hot.at(1, 50), kLit)) << "two pixels of accent";
  EXPECT_EQ(hot.at(2, 50), kBlack);
}

TEST_F(ListFrame, FocusAndTheRealPointerLightTheRing) {
  control_test::PointerAway(0);
  MakeSkinned(true);
  HWND box = Child("ListBox", WS_VSCROLL, 40, 40, 160, 120, WS_EX_CLIENTEDGE);
  HWND other = Child("ListBox", WS_BORDER, 240, 40, 160, 120);
  FillListBox(box, 20);
  SkinLists();
  RepaintNow(window);
  auto edge = [&](int x) { return WindowPixels(box).at(x, 60); };

  ::SetForegroundWindow(window);
  ::SetFocus(box);
  testing_support::PumpFor(30);
  EXPECT_EQ(List(box)->focused, 1);
  EXPECT_TRUE(Near(edge(0), kLit) && Near(edge(1), kRing)) << "focused: one pixel of accent";
  ::SetFocus(other);
  testing_support::PumpFor(30);
  EXPECT_EQ(List(box)->focused, 0);
  EXPECT_EQ(List(other)->focused, 1);
  EXPECT_TRUE(Near(edge(0), kNormal)) << Rgb(edge(0));

  control_test::PointerTo(box, 50, 50, 120);
  EXPECT_EQ(List(box)->hover, 1);
  EXPECT_EQ(frame_test::Record(i).HoverKind, skin::kHoverList);
  EXPECT_TRUE(Near(edge(0), kLit) && Near(edge(1), kLit)) << "hot: two pixels of accent";
  control_test::PointerTo(window, 440, 320, 200);  // off the list, onto the window
  EXPECT_EQ(List(box)->hover, 0);
  EXPECT_TRUE(Near(edge(0), kNormal)) << Rgb(edge(0));
}

}  // namespace
