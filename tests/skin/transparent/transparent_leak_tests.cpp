// Live object counts over many paints of transparent children of every
// kind: the surfaces each paint captures go back, nothing is cached.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/skin/transparent/transparent_test_support.h"

namespace {

using namespace transparent_test;
using frame_test::Engine;

using TransparentLeaks = TransparentTest;

TEST_F(TransparentLeaks, CountsStayFlatOverAThousandRepaints) {
  HWND tab = Tab(10, 10, 200, 160);
  Child("BUTTON", "确定", BS_PUSHBUTTON, 20, 40, 80, 26, tab);
  Child("EDIT", "文字", WS_BORDER, 20, 80, 150, 24, tab);
  Child("STATIC", "标签", 0, 20, 120, 80, 20, tab);
  HWND bar = Toolbar(225, 10, 200, 40);
  HWND screen = Child(kScreenPainter, "", 0, 225, 70, 80, 60);
  HWND drawn = Child(kDCPainter, "", 0, 320, 70, 80, 60);
  for (HWND c : {tab, bar, screen, drawn}) Engine().SkinTransparentChild(c);
  auto round = [&](int n) {
    for (HWND c : {tab, bar, screen, drawn})
      ::RedrawWindow(c, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (n % 50 == 0) ::SendMessageA(tab, TCM_SETCURSEL, n % 100 == 0 ? 0 : 1, 0);
    frame_test::DrainMessages();
  };
  frame_test::ExpectCountsStayFlat(1000, round);
  EXPECT_FALSE(::GetUpdateRect(drawn, nullptr, FALSE));
}

}  // namespace
