// One shown window with a button of every kind in every look, over a
// coloured picture, captured from what the X display shows and saved as
// button_looks.png for people to look at.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/buttons/buttons.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using namespace control_test;

struct Shown {
  HWND button;
  UINT state;
  bool hot;
};

TEST(ButtonGallery, EveryKindInEveryLookAsTheDisplayShowsIt) {
  skin::SetModuleDefaults();
  Engine().SetOptions(true, 150);
  Engine().SetTheme({},
                    QuadrantPng(64, 48, RGB(70, 110, 160), RGB(170, 120, 60), RGB(80, 140, 90),
                                RGB(150, 80, 120)),
                    0x000000, {}, 3);
  PointerAway(0);
  HWND window = MakeWindow(600, 330, 0, 40, 40);
  auto at = [](int column) { return 20 + 115 * column; };
  std::vector<HWND> push, radio, box, beside, above, state;
  const char* pushNames[] = {"普通", "热", "焦点", "按下", "禁用"};
  for (int k = 0; k < 5; ++k)
    push.push_back(MakeControl(window, "BUTTON", pushNames[k], BS_PUSHBUTTON, at(k), 40, 100, 30));
  const char* pairNames[] = {"普通", "选中", "热", "选中热"};
  for (int k = 0; k < 4; ++k) {
    radio.push_back(MakeControl(window, "BUTTON", pairNames[k], BS_AUTORADIOBUTTON | WS_GROUP,
                                at(k), 85, 100, 20));
    box.push_back(
        MakeControl(window, "BUTTON", pairNames[k], BS_AUTOCHECKBOX, at(k), 115, 100, 20));
  }
  const char* besideNames[] = {"普通", "热", "焦点", "禁用", ""};
  for (int k = 0; k < 5; ++k)
    beside.push_back(
        MakeControl(window, "BUTTON", besideNames[k], BS_PUSHBUTTON, at(k), 150, 100, 32));
  for (int k = 0; k < 3; ++k)
    above.push_back(MakeControl(window, "BUTTON", pushNames[k == 2 ? 4 : k], BS_PUSHBUTTON, at(k),
                                195, 70, 56));
  for (int k = 0; k < 5; ++k)
    state.push_back(MakeControl(window, "BUTTON", "", BS_PUSHBUTTON, at(k), 270, 26, 26));
  for (HWND disabled : {push[4], beside[3], above[2], state[3]}) ::EnableWindow(disabled, FALSE);
  for (int k : {1, 3}) {
    ::SendMessageA(radio[k], BM_SETCHECK, BST_CHECKED, 0);
    ::SendMessageA(box[k], BM_SETCHECK, BST_CHECKED, 0);
  }
  const int i = SkinAndShow(window);
  ASSERT_GE(i, 1);

  const std::vector<uint8_t> picture =
      QuadrantPng(24, 24, RGB(230, 60, 50), RGB(250, 200, 40), RGB(40, 120, 220), RGB(60, 180, 80));
  for (HWND b : beside) ASSERT_TRUE(Engine().SkinImageButton(b, picture, 1, ""));
  for (HWND b : above) ASSERT_TRUE(Engine().SkinImageButton(b, picture, 0, ""));
  const std::vector<uint8_t> normal = SolidPng(20, 20, RGB(40, 120, 220));
  for (int k = 0; k < 4; ++k) ASSERT_TRUE(Engine().SkinStateImageButton(state[k], normal));
  ASSERT_TRUE(Engine().SkinStateImageButton(state[4], normal, SolidPng(20, 20, RGB(250, 200, 40))));
  testing_support::PumpFor(200);

  const std::vector<Shown> looks = {
      {push[1], 0, true},
      {push[2], skin::kStateFocused, false},
      {push[3], skin::kStatePressed, false},
      {radio[2], 0, true},
      {radio[3], 0, true},
      {box[2], 0, true},
      {box[3], 0, true},
      {beside[1], 0, true},
      {beside[2], skin::kStateFocused, false},
      {above[1], 0, true},
      {state[1], 0, true},
      {state[2], skin::kStatePressed, false},
      {state[4], 0, true},
  };
  for (const Shown& look : looks) skin::RedrawButton(look.button, look.state, look.hot);

  const testing_support::Pixels shot = CaptureShown(window, "button_looks.png");
  ASSERT_FALSE(shot.empty()) << "no picture from the display";
  auto inWindow = [&](HWND b, int x, int y) {
    POINT p{x, y};
    ::MapWindowPoints(b, window, &p, 1);
    return shot.at(p.x, p.y);
  };
  // The hot push button's accent outline and the disabled one's grey corner.
  EXPECT_TRUE(Near(inWindow(push[1], 50, 0), RGB(0x22, 0xCA, 0xDD), 8))
      << std::hex << inWindow(push[1], 50, 0);
  EXPECT_TRUE(Near(inWindow(push[4], 0, 0), RGB(0xC0, 0xC0, 0xC0), 8))
      << std::hex << inWindow(push[4], 0, 0);
  DestroyTestWindows();
}

}  // namespace
