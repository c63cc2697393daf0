// Docked children: stretched across the window below their top and above the
// status strip on every size, left alone once undocked, and following a
// maximise and restore made with the real pointer on the caption button.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;

class DockedChildren : public FrameTest {};

RECT ChildRect(HWND child) {
  RECT r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Where a docked child with that top belongs in `window` now.
RECT Expected(HWND window, int top, int statusHeight) {
  RECT c;
  ::GetClientRect(window, &c);
  return RECT{2, top, 2 + c.right - 4, c.bottom - statusHeight - 3};
}

void ExpectDocked(HWND window, HWND child, int top, int statusHeight, const char* when) {
  const RECT got = ChildRect(child), want = Expected(window, top, statusHeight);
  EXPECT_TRUE(::EqualRect(&got, &want))
      << when << ": (" << got.left << ", " << got.top << ", " << got.right << ", " << got.bottom
      << ") instead of (" << want.left << ", " << want.top << ", " << want.right << ", "
      << want.bottom << ")";
}

void Resize(HWND window, int width, int height) {
  ::SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(DockedChildren, FollowEverySizeWithAndWithoutAStatusBar) {
  HWND bare = MakeWindow(400, 300);
  HWND child = MakeBlackChild(bare, 10, 10, 50, 50);
  Skin(bare);
  ASSERT_TRUE(Engine().DockChild(bare, child, 40));
  ExpectDocked(bare, child, 40, 0, "docked");
  Resize(bare, 500, 350);
  ExpectDocked(bare, child, 40, 0, "wider");
  Resize(bare, 260, 180);
  ExpectDocked(bare, child, 40, 0, "narrower");
  // Docking again changes only the top.
  ASSERT_TRUE(Engine().DockChild(bare, child, 60));
  EXPECT_EQ(Record(skin::FindSkinnedWindow(bare)).DockedChildren.count(), 1);
  ExpectDocked(bare, child, 60, 0, "new top");

  HWND withStatus = MakeWindow(400, 300, 0, 90, 90);
  HWND first = MakeBlackChild(withStatus, 0, 0, 10, 10);
  HWND second = MakeBlackChild(withStatus, 0, 0, 10, 10);
  skin::SkinWindowOptions o;
  o.statusHeight = 24;
  Skin(withStatus, o);
  ASSERT_TRUE(Engine().DockChild(withStatus, first, 30));
  ASSERT_TRUE(Engine().DockChild(withStatus, second, 200));
  ExpectDocked(withStatus, first, 30, 24, "first, docked");
  ExpectDocked(withStatus, second, 200, 24, "second, docked");
  Resize(withStatus, 640, 480);
  ExpectDocked(withStatus, first, 30, 24, "first, larger");
  ExpectDocked(withStatus, second, 200, 24, "second, larger");
  // Too short for the second child: it is left empty, not inside out.
  Resize(withStatus, 300, 200);
  ExpectDocked(withStatus, first, 30, 24, "first, smaller");
  const RECT squeezed = ChildRect(second);
  EXPECT_EQ(squeezed.top, 200);
  EXPECT_EQ(squeezed.bottom - squeezed.top, 0);
}

TEST_F(DockedChildren, WithoutDockedChildrenASizeMovesNoChildAndUndockedOnesStay) {
  HWND window = MakeWindow(400, 300);
  HWND child = MakeBlackChild(window, 15, 25, 70, 40);
  const int i = Skin(window);
  Engine().LayoutDockedChildren(i);
  Resize(window, 450, 320);
  RECT r = ChildRect(child);
  const RECT untouched{15, 25, 85, 65};
  EXPECT_TRUE(::EqualRect(&r, &untouched));
  Engine().LayoutDockedChildren(0);
  Engine().LayoutDockedChildren(99);

  ASSERT_TRUE(Engine().DockChild(window, child, 50));
  ExpectDocked(window, child, 50, 0, "docked");
  ASSERT_TRUE(Engine().UndockChild(window, child));
  const RECT left = ChildRect(child);
  Resize(window, 500, 360);
  r = ChildRect(child);
  EXPECT_TRUE(::EqualRect(&r, &left)) << "an undocked child stays where it was";
  EXPECT_FALSE(Engine().UndockChild(window, child));
  // The emptied entry is taken again by the next child docked.
  ASSERT_TRUE(Engine().DockChild(window, child, 70));
  EXPECT_EQ(Record(i).DockedChildren.count(), 1);
  ExpectDocked(window, child, 70, 0, "docked again");

  // Refused: not skinned, not a child, a grandchild, no handle.
  HWND plain = MakeWindow(100, 100);
  HWND other = MakeBlackChild(plain, 0, 0, 10, 10);
  HWND grandchild = MakeBlackChild(child, 0, 0, 5, 5);
  EXPECT_FALSE(Engine().DockChild(plain, other, 0));
  EXPECT_FALSE(Engine().DockChild(window, other, 0));
  EXPECT_FALSE(Engine().DockChild(window, grandchild, 0));
  EXPECT_FALSE(Engine().DockChild(window, nullptr, 0));
  EXPECT_FALSE(Engine().UndockChild(plain, other));
}

TEST_F(DockedChildren, MaximiseAndRestoreByPointerCarryTheStatusBarAndTheChild) {
  HWND window = MakeWindow(360, 260, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 70, 80);
  HWND child = MakeBlackChild(window, 0, 0, 10, 10);
  skin::SkinWindowOptions o;
  o.statusHeight = 22;
  skin::StatusPanel left, rest;
  left.width = 120;
  left.text = "左";
  rest.text = "其余";
  o.statusPanels = std::vector<skin::StatusPanel>{left, rest};
  const int i = SkinAndShow(window, o);
  ASSERT_TRUE(Engine().DockChild(window, child, 35));
  const int k = Engine().FindMaxButton(i);
  ASSERT_GT(k, 0);

  auto clickMax = [&] {
    const Gdiplus::RectF& b = Record(i).CaptionButtons.at(k).Rect;
    control_test::PointerTo(window, int(b.X + b.Width / 2), int(b.Y + b.Height / 2), 120);
    control_test::LeftDown();
    control_test::LeftUp(150);
    control_test::PointerAway();
  };
  clickMax();
  ASSERT_TRUE(PumpUntil([&] { return Record(i).Maximised && ::IsZoomed(window); }, 2000));
  testing_support::PumpFor(50);
  RECT c;
  ::GetClientRect(window, &c);
  EXPECT_EQ(c.right, ::GetSystemMetrics(SM_CXSCREEN));
  const skin::SkinnedWindow& big = Record(i);
  EXPECT_EQ(big.StatusRect.y, c.bottom - 3 - 22 - 1);
  EXPECT_EQ(big.StatusRect.width, c.right - 6);
  EXPECT_EQ(big.StatusPanelRects.at(2).width, c.right - 120 - 6);
  ExpectDocked(window, child, 35, 22, "maximised");

  // Minimised and back: the child keeps its place meanwhile.
  const RECT beforeMinimise = ChildRect(child);
  ::ShowWindow(window, SW_MINIMIZE);
  testing_support::PumpFor(50);
  ASSERT_TRUE(::IsIconic(window));
  RECT kept = ChildRect(child);
  EXPECT_TRUE(::EqualRect(&kept, &beforeMinimise)) << "squeezed while minimised";
  ::ShowWindow(window, SW_RESTORE);
  testing_support::PumpFor(50);
  ::ShowWindow(window, SW_MAXIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return ::IsZoomed(window); }, 2000));
  testing_support::PumpFor(50);
  ExpectDocked(window, child, 35, 22, "maximised again");

  clickMax();
  ASSERT_TRUE(PumpUntil([&] { return !Record(i).Maximised && !::IsZoomed(window); }, 2000));
  testing_support::PumpFor(50);
  ::GetClientRect(window, &c);
  EXPECT_EQ(c.right, 360);
  EXPECT_EQ(c.bottom, 260);
  EXPECT_EQ(Record(i).StatusRect.y, 260 - 26);
  EXPECT_EQ(Record(i).StatusPanelRects.at(2).width, 360 - 120 - 6);
  ExpectDocked(window, child, 35, 22, "restored");
}

}  // namespace
