// Every way a skinned button is painted, a thousand times over: each paint
// gives back every GDI and GDI+ object and every captured surface it took.
#include <windows.h>

#include <gtest/gtest.h>

#include "graphics/status.h"
#include "platform/handles.h"
#include "skin/controls/buttons/buttons.h"
#include "skin/engine/module_state.h"
#include "skin/engine/registry.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using control_test::Canvas;
using control_test::MakeControl;

TEST(ButtonLeaks, AThousandPaintsOfEachKindLeaveTheCountsFlat) {
  skin::SetModuleDefaults();
  Engine().SetOptions(true, 150);
  Engine().SetTheme(
      {},
      QuadrantPng(120, 90, RGB(200, 40, 40), RGB(40, 200, 40), RGB(40, 40, 200), RGB(200, 200, 40)),
      0x000000, 0xFFFFFF, 3);
  HWND window = MakeWindow(400, 260);
  HWND push = MakeControl(window, "BUTTON", "开始", BS_PUSHBUTTON, 20, 40, 100, 32, 1);
  HWND box = MakeControl(window, "BUTTON", "选", BS_AUTOCHECKBOX, 20, 90, 100, 20, 2);
  HWND radio = MakeControl(window, "BUTTON", "单", BS_AUTORADIOBUTTON, 20, 120, 100, 20, 3);
  HWND image = MakeControl(window, "BUTTON", "图", BS_PUSHBUTTON, 150, 40, 100, 32, 4);
  HWND state = MakeControl(window, "BUTTON", "", BS_PUSHBUTTON, 150, 90, 24, 24, 5);
  const int i = Skin(window);
  ASSERT_TRUE(Engine().SkinImageButton(image, SolidPng(24, 24, RGB(255, 0, 0)), 1, "提示"));
  ASSERT_TRUE(Engine().SkinStateImageButton(state, SolidPng(18, 18, RGB(0, 0, 255))));
  ::SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  Canvas canvas(100, 32, RGB(255, 255, 255));

  auto drawItem = [&](HWND button, UINT itemState) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(::GetDlgCtrlID(button));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = itemState;
    item.hwndItem = button;
    item.hDC = canvas.dc();
    ::GetClientRect(button, &item.rcItem);
    ::SendMessageA(window, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  };
  auto round = [&](int n) {
    for (HWND b : {push, box, radio, image, state}) {
      skin::RedrawButton(b, 0, true);
      skin::RedrawButton(b, n % 2 ? UINT{skin::kStateFocused} : 0u, false);
    }
    ::SendMessageA(box, WM_PAINT, 0, 0);
    ::SendMessageA(radio, WM_PAINT, 0, 0);
    const UINT itemState = n % 3 == 0 ? ODS_SELECTED : n % 3 == 1 ? ODS_FOCUS : ODS_DISABLED;
    for (HWND b : {push, image, state}) drawItem(b, itemState);
  };

  ExpectCountsStayFlat(1000, round);
  EXPECT_EQ(Record(i).ButtonControls.count(), 5);
  DestroyTestWindows();
}

}  // namespace
