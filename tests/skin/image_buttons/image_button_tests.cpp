// Making image buttons: what the two operations refuse, what a second call
// changes and keeps, the tooltip updated in place; then image buttons on a
// shown window under the real pointer, with a hover long enough for the tip.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "skin/controls/buttons/buttons.h"
#include "skin/controls/image_buttons/image_buttons.h"
#include "skin/engine/properties.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using namespace control_test;
using testing_support::Pixels;

WNDPROC ProcOf(HWND control) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(control, GWLP_WNDPROC));
}

std::string TipText(HWND tip, HWND owner) {
  char text[256] = {};
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;  // MinGW's record is a later, longer layout
  tool.hwnd = owner;
  tool.uId = 1;
  tool.lpszText = text;
  ::SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  return text;
}

class ImageButtons : public FrameTest {
 protected:
  const skin::ButtonRecord& ButtonOf(int i, HWND button) {
    return Record(i).ButtonControls.at(skin::FindButton(i, button));
  }
  const std::vector<uint8_t> red_ = SolidPng(16, 16, RGB(255, 0, 0));
  const std::vector<uint8_t> green_ = SolidPng(16, 16, RGB(0, 255, 0));
  const std::vector<uint8_t> blue_ = SolidPng(16, 16, RGB(0, 0, 255));
};

TEST_F(ImageButtons, AButtonOfNoSkinnedWindowIsRefusedAndLeftAlone) {
  HWND plain = MakeWindow(200, 120);
  HWND button = MakeControl(plain, "BUTTON", "b", BS_PUSHBUTTON, 10, 10, 80, 30);
  const WNDPROC proc = ProcOf(button);
  const LONG style = ::GetWindowLongA(button, GWL_STYLE);
  EXPECT_FALSE(Engine().SkinImageButton(button, red_, 1, "tip"));
  EXPECT_FALSE(Engine().SkinStateImageButton(button, red_, green_, {}, {}, std::string("tip")));
  EXPECT_FALSE(Engine().SkinImageButton(nullptr, red_, 1, ""));
  EXPECT_EQ(ProcOf(button), proc);
  EXPECT_EQ(::GetWindowLongA(button, GWL_STYLE), style);
  EXPECT_EQ(::GetPropA(button, skin::prop::Hw_lbID), nullptr);
}

TEST_F(ImageButtons, ATipGivenAgainUpdatesTheOneTooltip) {
  HWND window = MakeWindow(300, 200);
  HWND button = MakeControl(window, "BUTTON", "图", BS_PUSHBUTTON, 20, 40, 100, 32);
  const int i = Skin(window);
  const int before = TooltipWindows();
  ASSERT_TRUE(Engine().SkinImageButton(button, red_, 1, "第一"));
  const HWND tip = ButtonOf(i, button).tooltip.GetWindow();
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(TooltipWindows(), before + 1);
  EXPECT_EQ(TipText(tip, button), "第一");

  ASSERT_TRUE(Engine().SkinImageButton(button, green_, 0, "第二"));
  EXPECT_EQ(ButtonOf(i, button).tooltip.GetWindow(), tip);
  EXPECT_EQ(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  EXPECT_EQ(TipText(tip, button), "第二");
  ASSERT_TRUE(Engine().SkinImageButton(button, green_, 0, ""));  // no text: the tip stays
  EXPECT_EQ(TipText(tip, button), "第二");
  ASSERT_TRUE(Engine().SkinStateImageButton(button, red_, {}, {}, {}, std::string("第三")));
  EXPECT_EQ(ButtonOf(i, button).tooltip.GetWindow(), tip);
  EXPECT_EQ(TipText(tip, button), "第三");
  EXPECT_EQ(TooltipWindows(), before + 1);
  ::DestroyWindow(window);  // the tooltip goes with the window
  EXPECT_FALSE(::IsWindow(tip));
}

TEST_F(ImageButtons, AnInstalledButtonKeepsItsFontAndSubclassingAndLosesItsOldImages) {
  HWND window = MakeWindow(300, 200);
  HWND button = MakeControl(window, "BUTTON", "旧", BS_PUSHBUTTON, 20, 40, 100, 32);
  HFONT font = ::CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0,
                             "SimSun");
  ::SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const WNDPROC platform = ProcOf(button);
  const int i = Skin(window);
  const int index = skin::FindButton(i, button);
  const skin::ButtonRecord installed = ButtonOf(i, button);
  ASSERT_EQ(installed.kind, skin::kPushButton);

  ::SetWindowTextA(button, "新");
  ASSERT_TRUE(Engine().SkinStateImageButton(button, red_, green_, blue_, red_));
  const skin::ButtonRecord& r = ButtonOf(i, button);
  EXPECT_EQ(skin::FindButton(i, button), index);
  EXPECT_EQ(Record(i).ButtonControls.count(), 1);
  EXPECT_EQ(r.kind, skin::kStateImageButton);
  EXPECT_EQ(r.images[skin::kNormalImage], red_);
  EXPECT_EQ(r.images[skin::kHotImage], green_);
  EXPECT_EQ(r.images[skin::kPressedImage], blue_);
  EXPECT_EQ(r.images[skin::kDisabledImage], red_);

  ASSERT_TRUE(Engine().SkinImageButton(button, blue_, 1, ""));
  const skin::ButtonRecord& again = ButtonOf(i, button);
  EXPECT_EQ(again.kind, skin::kImageButton);
  EXPECT_EQ(again.imageBeside, 1);
  EXPECT_EQ(again.caption, "新");
  EXPECT_EQ(again.images[skin::kNormalImage], blue_);
  for (int k : {1, 2, 3, 4}) EXPECT_TRUE(again.images[k].empty()) << k;
  EXPECT_EQ(again.fontName, installed.fontName);
  EXPECT_EQ(again.fontSize, installed.fontSize);
  EXPECT_EQ(again.fontStyle, installed.fontStyle);
  EXPECT_EQ(again.savedProc, platform);
  EXPECT_EQ(skin::GetHandleProp<WNDPROC>(button, skin::prop::Hw_hProc), platform);
  EXPECT_EQ(ProcOf(button), &skin::ButtonWndProc);
  EXPECT_EQ(::GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  DestroyTestWindows();
  ::DeleteObject(font);
}

TEST_F(ImageButtons, AButtonTheInstallerLeftIsTakenWithTheEngineFont) {
  Engine().SetOptions(false);
  HWND window = MakeWindow(300, 200);
  HWND button = MakeControl(window, "BUTTON", "图", BS_AUTOCHECKBOX, 20, 40, 100, 32);
  const WNDPROC platform = ProcOf(button);
  const int i = Skin(window);
  ASSERT_EQ(skin::FindButton(i, button), 0);
  ASSERT_TRUE(Engine().SkinImageButton(button, red_, 0, ""));
  EXPECT_EQ(skin::FindButton(i, button), 1);  // the empty record
  EXPECT_EQ(skin::GetIntProp(button, skin::prop::Hw_lbID), 1);
  EXPECT_EQ(skin::GetIntProp(button, skin::prop::Hw_FuID), i);
  EXPECT_EQ(skin::GetHandleProp<WNDPROC>(button, skin::prop::Hw_hProc), platform);
  EXPECT_EQ(ProcOf(button), &skin::ButtonWndProc);
  EXPECT_EQ((::GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK), BS_OWNERDRAW);
  const skin::ButtonRecord& r = ButtonOf(i, button);
  EXPECT_EQ(r.kind, skin::kImageButton);
  EXPECT_EQ(r.caption, "图");
  EXPECT_EQ(r.fontName, "宋体");  // no font of its own
  EXPECT_EQ(r.fontSize, 12);
  ASSERT_TRUE(Engine().SkinImageButton(button, green_, 0, ""));
  EXPECT_EQ(Record(i).ButtonControls.count(), 1);
}

// On a shown window: hover, with a rest long enough for the tooltip, and
// leave, compared with what the painters draw into a memory DC.
class ImageButtonHover : public ImageButtons {
 protected:
  void SetUp() override {
    ImageButtons::SetUp();
    PointerAway(0);
    window_ = MakeParent(320, 200, 100, 100);
    image_ = MakeControl(window_, "BUTTON", "图", BS_PUSHBUTTON, 20, 60, 100, 32, 201);
    state_ = MakeControl(window_, "BUTTON", "", BS_PUSHBUTTON, 160, 60, 24, 24, 202);
    LogControl(image_, 1);
    LogControl(state_, 2);
    i_ = SkinAndShow(window_);
    Engine().SkinImageButton(image_, SolidPng(24, 24, RGB(255, 0, 0)), 1, "图片按钮");
    Engine().SkinStateImageButton(state_, SolidPng(18, 18, RGB(0, 0, 255)));
    testing_support::PumpFor(60);
    ClearLog();
  }
  void TearDown() override {
    PointerAway(0);
    DestroyParents();
    ImageButtons::TearDown();
  }
  // True when the button on screen is what its painter draws in `state`.
  bool Shows(HWND button, UINT state) {
    RECT client;
    ::GetClientRect(button, &client);
    Canvas canvas(client.right, client.bottom, RGB(255, 0, 255));
    if (skin::FindButton(i_, button) == 0) return false;
    const skin::ButtonRecord& r = ButtonOf(i_, button);
    if (r.kind == skin::kImageButton)
      skin::PaintImageButton(button, canvas.dc(), state, client);
    else
      skin::PaintStateImageButton(button, canvas.dc(), state, client);
    const Pixels want = canvas.pixels(), have = ControlPixels(button);
    for (int y = 0; y < want.height(); ++y)
      for (int x = 0; x < want.width(); ++x)
        if (want.raw(x, y) != have.raw(x, y)) return false;
    return true;
  }
  HWND window_ = nullptr, image_ = nullptr, state_ = nullptr;
  int i_ = 0;
};

TEST_F(ImageButtonHover, HoverDrawsHotThroughTheTooltipAndLeaveDrawsNormal) {
  EXPECT_TRUE(Shows(image_, 0));
  EXPECT_TRUE(Shows(state_, 0));
  EXPECT_FALSE(Shows(image_, skin::kStateHot));
  EXPECT_FALSE(Shows(state_, skin::kStateHot));
  PointerTo(image_, 50, 16, 1600);  // the tip shows after a rest
  const HWND tip = ButtonOf(i_, image_).tooltip.GetWindow();
  EXPECT_TRUE(::IsWindowVisible(tip));
  EXPECT_TRUE(Shows(image_, skin::kStateHot));
  EXPECT_EQ(CountLogged(WM_DRAWITEM, 1, kParent), 0);

  PointerTo(state_, 12, 12);
  EXPECT_TRUE(Shows(image_, 0));
  EXPECT_TRUE(Shows(state_, skin::kStateHot));
  PointerTo(window_, 300, 180);
  EXPECT_TRUE(Shows(state_, 0));
  EXPECT_TRUE(Shows(image_, 0));
  EXPECT_FALSE(::IsWindowVisible(tip));
  EXPECT_EQ(CountLogged(WM_MOUSELEAVE, 1), 1);
  EXPECT_EQ(CountLogged(WM_MOUSELEAVE, 2), 1);
}

// An image button inside a panel nobody handed to SkinChildren: its parent
// never answers WM_DRAWITEM, so the button paints itself instead of staying
// blank.
TEST_F(ImageButtonHover, AnImageButtonInAPanelTheEngineDoesNotKnowPaintsItself) {
  HWND panel = MakeControl(window_, "STATIC", "", SS_NOTIFY, 200, 20, 110, 90);
  HWND inside = MakeControl(panel, "BUTTON", "面板", BS_PUSHBUTTON, 10, 20, 90, 40, 203);
  ASSERT_TRUE(Engine().SkinImageButton(inside, SolidPng(24, 24, RGB(0, 160, 0)), 1, ""));
  ::InvalidateRect(inside, nullptr, TRUE);
  ::UpdateWindow(inside);
  testing_support::PumpFor(60);
  EXPECT_TRUE(Shows(inside, 0));
  // Pressed, it shows what the platform's state says.
  ::SendMessageA(inside, BM_SETSTATE, TRUE, 0);
  ::UpdateWindow(inside);
  EXPECT_TRUE(Shows(inside, skin::kStatePressed | skin::kStateFocused) ||
              Shows(inside, skin::kStatePressed));
}

}  // namespace
