// The border ring of list-type controls: its look on a bitmap (normal,
// focused, hot, none), and on real controls the ring drawn on the window DC
// without ever touching the client area, following focus and the real
// pointer.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/lists/list_looks.h"
#include "skin/controls/lists/lists.h"
#include "skin/engine/child_families.h"
#include "skin/engine/module_state.h"
#include "tests/skin/lists/list_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace list_test;

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

skin::ListFrameLook RingLook(bool hot, bool focused) {
  skin::ListFrameLook look;
  look.width = 60;
  look.height = 40;
  look.inner = RECT{2, 2, 58, 38};
  look.translucent = true;
  look.translucency = kTranslucency;
  look.accent = kAccent;
  look.hot = hot;
  look.focused = focused;
  return look;
}

Pixels DrawRing(const skin::ListFrameLook& look) {
  return control_test::DrawOnBitmap(look.width, look.height, kGrey,
                                    [&](graphics::Graphics& g) { skin::DrawListFrameLook(g, look); });
}

TEST(ListFrameLook, NormalFocusedAndHotOutlinesOverTheVeiledRingWithTheInnerKeyed) {
  const COLORREF ring = Veiled(kTranslucency);
  struct Row {
    bool hot, focused;
    COLORREF edge, second;  // pixel 0 and pixel 1 of the left side
  } rows[] = {
      {false, false, Over(ring, kBlack, 90), ring},
      {false, true, Over(ring, kRed, 200), ring},
      {true, false, Over(ring, kRed, 200), Over(ring, kRed, 200)},
      {true, true, Over(ring, kRed, 200), Over(ring, kRed, 200)},  // hot wins
  };
  for (const Row& row : rows) {
    const Pixels p = DrawRing(RingLook(row.hot, row.focused));
    const std::string what = std::string(row.hot ? "hot " : "") + (row.focused ? "focused" : "");
    for (POINT at : {POINT{0, 20}, POINT{30, 0}, POINT{59, 20}, POINT{30, 39}})
      EXPECT_TRUE(Near(p.at(at.x, at.y), row.edge))
          << what << " " << at.x << "," << at.y << " " << Rgb(p.at(at.x, at.y));
    EXPECT_TRUE(Near(p.at(1, 20), row.second)) << what << " " << Rgb(p.at(1, 20));
    for (POINT at : {POINT{2, 2}, POINT{30, 20}, POINT{57, 37}})
      EXPECT_EQ(p.at(at.x, at.y), kKey) << what << " inner " << at.x << "," << at.y;
  }
}

TEST(ListFrameLook, OpaqueWithoutTranslucencyAndAllKeyWithoutABorder) {
  skin::ListFrameLook look = RingLook(false, false);
  look.translucent = false;
  Pixels p = DrawRing(look);
  EXPECT_TRUE(Near(p.at(1, 20), RGB(255, 255, 255))) << Rgb(p.at(1, 20));
  EXPECT_TRUE(Near(p.at(0, 20), Over(RGB(255, 255, 255), kBlack, 90))) << Rgb(p.at(0, 20));
  look.drawn = false;
  p = DrawRing(look);
  for (POINT at : {POINT{0, 0}, POINT{1, 20}, POINT{30, 20}}) EXPECT_EQ(p.at(at.x, at.y), kKey);
}

using ListFrame = ListTest;

TEST_F(ListFrame, TheRingFollowsTheBorderStylesAndNeverTouchesTheClientArea) {
  MakeSkinned(true);
  HWND thin = Child("ListBox", "", WS_BORDER, 20, 20, 140, 100);
  HWND edged = Child("ListBox", "", 0, 180, 20, 140, 100, WS_EX_CLIENTEDGE);
  HWND bare = Child("ListBox", "", 0, 20, 160, 140, 100);
  SkinLists();
  RepaintNow(window);
  const COLORREF ring = Veiled(kTranslucency);
  const COLORREF normal = Over(ring, kBlack, 90);

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

  const Pixels t = WindowPixels(thin);
  EXPECT_TRUE(Near(t.at(70, 0), normal)) << Rgb(t.at(70, 0));
  EXPECT_TRUE(Near(t.at(0, 50), normal)) << Rgb(t.at(0, 50));
  EXPECT_EQ(t.at(1, 50), kBlack) << "client area of a 1-pixel border";
  EXPECT_EQ(t.at(70, 50), kBlack);
  const Pixels e = WindowPixels(edged);
  EXPECT_TRUE(Near(e.at(0, 50), normal)) << Rgb(e.at(0, 50));
  EXPECT_TRUE(Near(e.at(1, 50), ring)) << Rgb(e.at(1, 50));
  EXPECT_EQ(e.at(2, 50), kBlack) << "client area of a client edge";
  EXPECT_EQ(Differing(WindowPixels(bare), bareBefore, 0), 0) << "no border: nothing drawn";

  skin::PaintListFrame(i, ListIndex(edged), true, false);
  const Pixels hot = WindowPixels(edged);
  EXPECT_TRUE(Near(hot.at(0, 50), Over(ring, kRed, 200))) << Rgb(hot.at(0, 50));
  EXPECT_TRUE(Near(hot.at(1, 50), Over(ring, kRed, 200))) << Rgb(hot.at(1, 50));
  EXPECT_EQ(hot.at(2, 50), kBlack);
}

TEST_F(ListFrame, FocusAndTheRealPointerLightTheRing) {
  control_test::PointerAway(0);
  MakeSkinned(true);
  HWND box = Child("ListBox", "", WS_VSCROLL, 40, 40, 160, 120, WS_EX_CLIENTEDGE);
  HWND other = Child("ListBox", "", WS_BORDER, 240, 40, 160, 120, 0);
  FillListBox(box, 20);
  SkinLists();
  RepaintNow(window);
  const COLORREF ring = Veiled(kTranslucency);
  const COLORREF lit = Over(ring, kRed, 200);

  ::SetForegroundWindow(window);
  ::SetFocus(box);
  testing_support::PumpFor(30);
  ASSERT_TRUE(List(box));
  EXPECT_EQ(List(box)->focused, 1);
  EXPECT_TRUE(Near(WindowPixels(box).at(0, 60), lit)) << Rgb(WindowPixels(box).at(0, 60));
  ::SetFocus(other);
  testing_support::PumpFor(30);
  EXPECT_EQ(List(box)->focused, 0);
  EXPECT_EQ(List(other)->focused, 1);
  EXPECT_TRUE(Near(WindowPixels(box).at(0, 60), Over(ring, kBlack, 90)));
  EXPECT_TRUE(Near(WindowPixels(box).at(1, 60), ring)) << "focus and rest: one pixel of outline";

  control_test::PointerTo(box, 50, 50, 120);
  EXPECT_EQ(List(box)->hover, 1);
  EXPECT_EQ(frame_test::Record(i).HoverKind, skin::kHoverList);
  Pixels p = WindowPixels(box);
  EXPECT_TRUE(Near(p.at(1, 60), lit)) << "two pixels of accent " << Rgb(p.at(1, 60));
  control_test::PointerTo(window, 440, 320, 200);  // off the list, onto the window
  EXPECT_EQ(List(box)->hover, 0);
  p = WindowPixels(box);
  EXPECT_TRUE(Near(p.at(0, 60), Over(ring, kBlack, 90))) << Rgb(p.at(0, 60));
}

}  // namespace
