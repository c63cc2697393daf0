// Transparent children as the X display shows them, saved for people to
// look at: a tab control with skinned page controls, a toolbar and a month
// calendar over a coloured picture.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/skin/support/control_test_support.h"
#include "tests/skin/transparent/transparent_test_support.h"

namespace {

using namespace transparent_test;
using frame_test::Engine;

using TransparentGallery = TransparentTest;

TEST_F(TransparentGallery, TabToolbarAndCalendarAsTheDisplayShowsThem) {
  Engine().SetWindowBackground(window,
                               frame_test::QuadrantPng(64, 48, RGB(70, 110, 160), RGB(170, 120, 60),
                                                       RGB(80, 140, 90), RGB(150, 80, 120)),
                               3);
  HWND bar = Toolbar(10, 10, 420, 30);
  HWND tab = Tab(10, 50, 200, 170);
  Child("BUTTON", "确定", BS_PUSHBUTTON, 15, 40, 80, 28, tab);
  Child("BUTTON", "选项", BS_AUTOCHECKBOX, 15, 75, 100, 20, tab);
  Child("EDIT", "文字", WS_BORDER, 15, 105, 160, 24, tab);
  HWND calendar = Child(MONTHCAL_CLASSA, "", 0, 225, 50, 200, 170);
  HWND plainTab = Tab(10, 230, 200, 90);
  HWND themedTab = Tab(225, 230, 200, 90, false);
  Engine().SkinTransparentChild(themedTab);
  for (HWND c : {bar, tab, calendar}) Engine().SkinTransparentChild(c);
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  testing_support::PumpFor(200);
  const Pixels shot = control_test::CaptureShown(window, "transparent_children.png");
  ASSERT_FALSE(shot.empty()) << "no picture from the display";
  // The page of the transparent tab is veiled picture, the plain one's is
  // the button face.
  auto inWindow = [&](HWND c, int x, int y) {
    POINT p{x, y};
    ::MapWindowPoints(c, window, &p, 1);
    return shot.at(p.x, p.y);
  };
  EXPECT_NE(inWindow(tab, 190, 160), ButtonFace()) << Rgb(inWindow(tab, 190, 160));
  EXPECT_EQ(inWindow(plainTab, 190, 60), ButtonFace()) << Rgb(inWindow(plainTab, 190, 60));
}

}  // namespace
