// Which BUTTON children the two installers take and as what, and what a
// taken button carries afterwards: its record, its properties, its style and
// its font.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "skin/controls/buttons/buttons.h"
#include "skin/engine/properties.h"
#include "tests/support/display_capture.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using control_test::MakeControl;

WNDPROC ProcOf(HWND control) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(control, GWLP_WNDPROC));
}

const skin::ButtonRecord& ButtonAt(int i, int index) { return Record(i).ButtonControls.at(index); }

// One row per style type (the low four bits of the style).
struct TypeRow {
  LONG type;
  bool push;                                     // SkinPushButtons takes it
  std::optional<skin::ButtonKind> checkOrRadio;  // SkinCheckAndRadioButtons takes it as
  const char* name;
};

class ButtonTypes : public FrameTest, public ::testing::WithParamInterface<TypeRow> {};

TEST_P(ButtonTypes, EachInstallerTakesOnlyItsOwnTypes) {
  const TypeRow& row = GetParam();
  Engine().SetOptions(false);
  HWND window = MakeWindow(300, 200);
  HWND button = MakeControl(window, "BUTTON", "b", row.type, 20, 40, 100, 30);
  const WNDPROC platform = ProcOf(button);
  const int i = Skin(window);
  ASSERT_EQ(skin::FindButton(i, button), 0);  // nothing while child skinning is off
  Engine().SetOptions(true);

  const LONG style = ::GetWindowLongA(button, GWL_STYLE);
  skin::SkinPushButtons(i, window);
  const int pushed = skin::FindButton(i, button);
  EXPECT_EQ(pushed != 0, row.push);
  if (pushed) {
    EXPECT_EQ(ButtonAt(i, pushed).kind, skin::kPushButton);
    EXPECT_EQ(::GetWindowLongA(button, GWL_STYLE), style | BS_OWNERDRAW);
  }

  skin::SkinCheckAndRadioButtons(i, window);
  const int k = skin::FindButton(i, button);
  if (row.checkOrRadio) {
    ASSERT_NE(k, 0);
    EXPECT_EQ(ButtonAt(i, k).kind, *row.checkOrRadio);
    EXPECT_EQ(::GetWindowLongA(button, GWL_STYLE), style);  // never made owner-drawn
  } else if (!row.push) {
    EXPECT_EQ(k, 0);
    EXPECT_EQ(ProcOf(button), platform);
    EXPECT_EQ(::GetWindowLongA(button, GWL_STYLE), style);
  }
  EXPECT_EQ(Record(i).ButtonControls.count(), 1);
}

const TypeRow kTypes[] = {
    {0x0, true, {}, "PushButton"},
    {0x1, true, {}, "DefPushButton"},
    {0x2, false, skin::kCheckBox, "CheckBox"},
    {0x3, false, skin::kCheckBox, "AutoCheckBox"},
    {0x4, false, {}, "RadioButton"},
    {0x5, false, {}, "ThreeState"},
    {0x6, false, {}, "AutoThreeState"},
    {0x7, false, {}, "GroupBox"},
    {0x8, true, {}, "UserButton"},
    {0x9, false, skin::kRadioButton, "AutoRadioButton"},
    {0xA, false, skin::kCheckBox, "PushBox"},
    {0xB, false, {}, "OwnerDraw"},
    {0xC, false, {}, "SplitButton"},
    {0xD, false, {}, "DefSplitButton"},
    {0xE, false, {}, "CommandLink"},
    {0xF, false, {}, "DefCommandLink"},
};
INSTANTIATE_TEST_SUITE_P(AllSixteen, ButtonTypes, ::testing::ValuesIn(kTypes),
                         [](const auto& info) { return std::string(info.param.name); });

using ButtonRegistration = FrameTest;

TEST_F(ButtonRegistration, ATakenButtonCarriesItsRecordPropertiesAndStyle) {
  HWND window = MakeWindow(300, 200);
  HWND push = MakeControl(window, "BUTTON", "开始", BS_PUSHBUTTON, 20, 40, 100, 30);
  HWND box = MakeControl(window, "BUTTON", "选", BS_AUTOCHECKBOX, 20, 90, 100, 20);
  ::SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  const WNDPROC pushProc = ProcOf(push), boxProc = ProcOf(box);
  const int i = Skin(window);

  const int p = skin::FindButton(i, push), b = skin::FindButton(i, box);
  ASSERT_EQ(p, 1);  // the push buttons are taken first
  ASSERT_EQ(b, 2);
  EXPECT_EQ(skin::GetIntProp(push, skin::prop::Hw_lbID), 1);
  EXPECT_EQ(skin::GetIntProp(box, skin::prop::Hw_lbID), 2);
  EXPECT_EQ(skin::GetIntProp(push, skin::prop::Hw_FuID), i);
  EXPECT_EQ(skin::GetIntProp(box, skin::prop::Hw_FuID), i);
  EXPECT_EQ(skin::GetHandleProp<WNDPROC>(push, skin::prop::Hw_hProc), pushProc);
  EXPECT_EQ(skin::GetHandleProp<WNDPROC>(box, skin::prop::Hw_hProc), boxProc);
  EXPECT_EQ(ProcOf(push), &skin::ButtonWndProc);
  EXPECT_EQ(ProcOf(box), &skin::ButtonWndProc);
  EXPECT_EQ(::GetWindowLongA(push, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

  const skin::ButtonRecord& pr = ButtonAt(i, p);
  EXPECT_EQ(pr.savedProc, pushProc);
  EXPECT_EQ(pr.caption, "开始");
  EXPECT_EQ(pr.parentWnd, nullptr);
  const skin::ButtonRecord& br = ButtonAt(i, b);
  EXPECT_EQ(br.checkedAtSkin, 1);
  EXPECT_EQ(br.parentWnd, window);
  EXPECT_EQ(br.caption, "选");
}

TEST_F(ButtonRegistration, OnlyAButtonsOwnFontIsReadAndPushButtonsFillInSongTiTwelve) {
  HWND window = MakeWindow(300, 200);
  HWND bare = MakeControl(window, "BUTTON", "a", BS_PUSHBUTTON, 20, 10, 100, 30);
  HWND push = MakeControl(window, "BUTTON", "b", BS_PUSHBUTTON, 20, 40, 100, 30);
  HWND box = MakeControl(window, "BUTTON", "c", BS_AUTOCHECKBOX, 20, 80, 100, 20);
  HWND bareBox = MakeControl(window, "BUTTON", "d", BS_AUTOCHECKBOX, 20, 110, 100, 20);
  // A raster font: GDI+ takes only outline fonts.
  HFONT raster = ::CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                               OUT_RASTER_PRECIS, 0, 0, 0, "Courier");
  for (HWND b : {push, box}) ::SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(raster), 0);
  const int i = Skin(window);
  auto record = [&](HWND b) -> const skin::ButtonRecord& {
    return ButtonAt(i, skin::FindButton(i, b));
  };
  // No font of its own: never the system font of its DC (an outline face
  // under Wine, which GDI+ would read).
  EXPECT_EQ(record(bare).fontName, "宋体");
  EXPECT_EQ(record(bare).fontSize, 12);
  EXPECT_EQ(record(bareBox).fontName, "");  // check boxes keep what was read: nothing
  EXPECT_EQ(record(bareBox).fontSize, 0);
  // Wine 8 here has no raster fonts (Debian ships it without them): the
  // raster font maps to an outline face, which is read and kept.
  if (!testing_support::UnderWine()) {
    EXPECT_EQ(record(push).fontName, "宋体");
    EXPECT_EQ(record(push).fontSize, 12);
    EXPECT_EQ(record(box).fontName, "");
    EXPECT_EQ(record(box).fontSize, 0);
  } else {
    EXPECT_FALSE(record(push).fontName.empty());
    EXPECT_EQ(record(box).fontName, record(push).fontName);
  }
  DestroyTestWindows();
  ::DeleteObject(raster);
}

TEST_F(ButtonRegistration, AButtonsOwnFontIsReadAndKept) {
  HWND window = MakeWindow(300, 200);
  HWND push = MakeControl(window, "BUTTON", "b", BS_PUSHBUTTON, 20, 40, 100, 30);
  HFONT font = ::CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0,
                             "SimSun");
  ::SendMessageA(push, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const int i = Skin(window);
  const skin::ButtonRecord& r = ButtonAt(i, skin::FindButton(i, push));
  EXPECT_NE(r.fontName, "宋体");  // read from the font (Wine names the substitute)
  EXPECT_FALSE(r.fontName.empty());
  // 16 on Windows; Wine 8 makes a GB2312 font of height -16 a GDI+ font of size 15.
  EXPECT_TRUE(r.fontSize == 16 || r.fontSize == 15) << r.fontSize;
  EXPECT_EQ(r.fontStyle & 1, 1);  // bold
  DestroyTestWindows();
  ::DeleteObject(font);
}

TEST_F(ButtonRegistration, RunningTheInstallersAgainAddsNothing) {
  HWND window = MakeWindow(300, 200);
  HWND push = MakeControl(window, "BUTTON", "a", BS_DEFPUSHBUTTON, 20, 40, 100, 30);
  MakeControl(window, "BUTTON", "b", BS_AUTOCHECKBOX, 20, 80, 100, 20);
  MakeControl(window, "BUTTON", "c", BS_AUTORADIOBUTTON, 20, 110, 100, 20);
  const WNDPROC platform = ProcOf(push);
  const int i = Skin(window);
  ASSERT_EQ(Record(i).ButtonControls.count(), 3);
  const WNDPROC saved = skin::GetHandleProp<WNDPROC>(push, skin::prop::Hw_hProc);
  EXPECT_EQ(saved, platform);
  for (int round = 0; round < 2; ++round) {
    skin::SkinPushButtons(i, window);
    skin::SkinCheckAndRadioButtons(i, window);
  }
  EXPECT_EQ(Record(i).ButtonControls.count(), 3);
  EXPECT_EQ(skin::GetHandleProp<WNDPROC>(push, skin::prop::Hw_hProc), platform);
  EXPECT_EQ(ProcOf(push), &skin::ButtonWndProc);  // never subclassed over itself
}

TEST_F(ButtonRegistration, TheSingleEmptyRecordWaitsForTheFirstButton) {
  HWND window = MakeWindow(300, 200);
  const int i = Skin(window);
  ASSERT_EQ(Record(i).ButtonControls.count(), 1);
  EXPECT_EQ(ButtonAt(i, 1).hwnd, nullptr);

  HWND first = MakeControl(window, "BUTTON", "1", BS_PUSHBUTTON, 20, 40, 100, 30);
  skin::SkinPushButtons(i, window);
  EXPECT_EQ(Record(i).ButtonControls.count(), 1);
  EXPECT_EQ(skin::FindButton(i, first), 1);
  EXPECT_EQ(skin::GetIntProp(first, skin::prop::Hw_lbID), 1);
  HWND second = MakeControl(window, "BUTTON", "2", BS_AUTOCHECKBOX, 20, 80, 100, 20);
  skin::SkinCheckAndRadioButtons(i, window);
  EXPECT_EQ(skin::FindButton(i, second), 2);
  EXPECT_EQ(Record(i).ButtonControls.count(), 2);
}

TEST_F(ButtonRegistration, NothingIsTakenWhileChildSkinningIsOff) {
  Engine().SetOptions(false);
  HWND window = MakeWindow(300, 200);
  HWND push = MakeControl(window, "BUTTON", "a", BS_PUSHBUTTON, 20, 40, 100, 30);
  HWND box = MakeControl(window, "BUTTON", "b", BS_AUTOCHECKBOX, 20, 80, 100, 20);
  const LONG style = ::GetWindowLongA(push, GWL_STYLE);
  const int i = Skin(window);
  skin::SkinPushButtons(i, window);
  skin::SkinCheckAndRadioButtons(i, window);
  EXPECT_EQ(skin::FindButton(i, push), 0);
  EXPECT_EQ(skin::FindButton(i, box), 0);
  EXPECT_EQ(ButtonAt(i, 1).hwnd, nullptr);
  EXPECT_EQ(::GetWindowLongA(push, GWL_STYLE), style);
  EXPECT_EQ(::GetPropA(push, skin::prop::Hw_lbID), nullptr);
}

}  // namespace
