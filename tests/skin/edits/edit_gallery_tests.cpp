// One shown window with edits and combo boxes of every style in their
// looks, over a coloured picture, captured from what the X display shows
// and saved as edit_looks.png for people to look at.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/controls/edits/edits.h"
#include "tests/skin/edits/edit_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace frame_test;
using namespace edit_test;
using namespace control_test;

TEST(EditGallery, EditsAndCombosOfEveryStyleAsTheDisplayShowsThem) {
  skin::SetModuleDefaults();
  Engine().SetOptions(true, kVeil);
  Engine().SetTheme({},
                    QuadrantPng(64, 48, RGB(70, 110, 160), RGB(170, 120, 60), RGB(80, 140, 90),
                                RGB(150, 80, 120)),
                    0x000000, kAccent, 3);
  PointerAway(0);
  HWND window = MakeWindow(560, 360, 0, 40, 40);
  HWND normal = MakeEdit(window, "普通", 0, 20, 40, 150, 24);
  HWND focused = MakeEdit(window, "焦点", 0, 200, 40, 150, 24);
  HWND hot = MakeEdit(window, "热", 0, 380, 40, 150, 24);
  std::string lines;
  for (int k = 0; k < 20; ++k) lines += "第" + std::to_string(k) + "行 多行文字\r\n";
  HWND multi =
      MakeEdit(window, lines.c_str(), ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 20, 80, 220, 120);
  HWND simple = MakeControl(window, "ComboBox", "", CBS_SIMPLE, 270, 80, 120, 120);
  HWND drop = MakeControl(window, "ComboBox", "", CBS_DROPDOWN, 410, 80, 130, 160);
  HWND list = MakeControl(window, "ComboBox", "", CBS_DROPDOWNLIST, 410, 130, 130, 160);
  HWND empty = MakeControl(window, "ComboBox", "", CBS_DROPDOWNLIST, 410, 180, 130, 160);
  HWND hotList = MakeControl(window, "ComboBox", "", CBS_DROPDOWNLIST, 20, 230, 150, 160);
  for (HWND c : {simple, drop, list, empty, hotList})
    for (const char* item : {"一班", "二班", "三班"})
      ::SendMessageA(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  for (HWND c : {simple, drop, list, hotList}) ::SendMessageA(c, CB_SETCURSEL, 1, 0);
  const int i = SkinAndShow(window);
  ASSERT_GE(i, 1);
  testing_support::PumpFor(200);
  skin::PaintEditFrame(focused, true, false);
  skin::PaintEditFrame(hot, false, true);
  skin::PaintComboBox(i, skin::FindCombo(i, hotList), true);
  testing_support::PumpFor(50);

  const testing_support::Pixels shot = CaptureShown(window, "edit_looks.png");
  ASSERT_FALSE(shot.empty()) << "no picture from the display";
  auto inWindow = [&](HWND c, int x, int y) {
    RECT r;
    ::GetWindowRect(c, &r);
    POINT p{r.left + x, r.top + y};
    ::ScreenToClient(window, &p);
    return shot.at(p.x, p.y);
  };
  // The hot edit's and the hot combo's accent edges; no key colour left in
  // any combo box.
  EXPECT_GT(GetGValue(inWindow(hot, 0, 12)), 150) << std::hex << inWindow(hot, 0, 12);
  EXPECT_GT(GetBValue(inWindow(hotList, 0, 12)), 150) << std::hex << inWindow(hotList, 0, 12);
  int keyed = 0;
  for (HWND c : {simple, drop, list, empty, hotList}) {
    RECT r;
    ::GetWindowRect(c, &r);
    for (int y = 0; y < r.bottom - r.top; ++y)
      for (int x = 0; x < r.right - r.left; ++x)
        if (inWindow(c, x, y) == RGB(255, 0, 255) && keyed++ == 0)
          ADD_FAILURE() << "key colour at " << x << "," << y;
  }
  EXPECT_EQ(keyed, 0);
  (void)normal;
  (void)multi;
  DestroyTestWindows();
}

}  // namespace
