// Many panel redraws, glowing and plain, leave no object behind; and a
// picture of a window with a three-panel status bar and a docked child, as
// the display shows it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;

class StatusLeaksAndPicture : public FrameTest {};

skin::StatusPanel Panel(int width, const char* text, skin::Colour colour,
                        std::vector<uint8_t> image = {}) {
  skin::StatusPanel p;
  p.width = width;
  p.text = text;
  p.colour = colour;
  p.image = std::move(image);
  return p;
}

skin::SkinWindowOptions ThreePanels() {
  skin::SkinWindowOptions o;
  o.statusHeight = 22;
  o.statusPanels = std::vector<skin::StatusPanel>{
      Panel(150, "带图片的面板", 0x000000, SolidPng(16, 16, RGB(30, 140, 230))),
      Panel(170, "发光的文字", 0x000000), Panel(-1, "其余的宽度", 0x400000)};
  return o;
}

TEST_F(StatusLeaksAndPicture, PanelRedrawsAndRendersKeepTheObjectCountsFlat) {
  HWND window = MakeWindow(420, 300);
  const int i = Skin(window, ThreePanels());
  ExpectCountsStayFlat(400, [&](int n) {
    Engine().SetStatusStyle(window, n % 2 == 0, n % 3 != 0);
    const std::string text = "第" + std::to_string(n) + "次";
    ASSERT_TRUE(Engine().SetStatusPanelText(window, 1 + n % Record(i).StatusPanels.count(), text));
    if (n % 25 == 0) Engine().RenderFrame(i);
    if (n % 50 == 0)
      Engine().SetStatusBar(i, 22,
                            std::vector<skin::StatusPanel>{Panel(100, "a", 0), Panel(-1, "b", 0)});
    if (n % 50 == 1) Engine().SetStatusBar(i, 22, ThreePanels().statusPanels);
  });
}

TEST_F(StatusLeaksAndPicture, AWindowWithAStatusBarAndADockedChildAsShown) {
  Engine().SetTheme({},
                    QuadrantPng(512, 394, RGB(70, 110, 160), RGB(120, 160, 200), RGB(60, 130, 90),
                                RGB(150, 120, 80)),
                    std::nullopt, std::nullopt, 3);
  HWND window = MakeWindow(512, 394, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 40, 40);
  ::SetWindowTextA(window, "状态栏与停靠的子窗口");
  HWND child = MakeBlackChild(window, 0, 0, 10, 10);
  const int i = SkinAndShow(window, ThreePanels());
  ASSERT_TRUE(Engine().DockChild(window, child, 40));
  Engine().RenderFrame(i);
  ::InvalidateRect(window, nullptr, FALSE);
  testing_support::PumpFor(100);
  // Panel two glows: the style changes, and only that panel is redrawn.
  ASSERT_TRUE(Engine().SetStatusStyle(window, false, true, 0x000000, 0xFFFFFF));
  Engine().DrawStatusBar(i, nullptr, 2);
  testing_support::PumpFor(100);

  const testing_support::Pixels shot = control_test::CaptureShown(window, "status_window.png");
  ASSERT_FALSE(shot.empty()) << "no picture from the display";
  // The docked child, black, from (2, 40) to above the strip.
  EXPECT_TRUE(Near(shot.at(10, 45), RGB(0, 0, 0), 10));
  EXPECT_TRUE(Near(shot.at(500, 394 - 22 - 3 - 2), RGB(0, 0, 0), 10));
  // The panel's picture.
  const skin::IntRect first = Record(i).StatusPanelRects.at(1);
  EXPECT_TRUE(Near(shot.at(first.x + 2 + 8, first.y + 3 + 8), RGB(30, 140, 230), 12))
      << std::hex << shot.at(first.x + 10, first.y + 11);
}

}  // namespace
