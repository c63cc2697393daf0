// Skinned buttons on a shown window, driven with the real pointer: hover,
// leave, press and release, a double click; each phase compared with an
// ordered log of what reached the buttons under the engine and their parent,
// and with the pixels on the buttons. Then the messages the button
// procedure answers itself.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/buttons/buttons.h"
#include "skin/engine/properties.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using namespace control_test;
using testing_support::Pixels;

constexpr COLORREF kAccent = RGB(0x22, 0xCA, 0xDD);
constexpr COLORREF kMarker = RGB(255, 0, 255);
enum Tag { kA = 1, kB = 2, kBox = 3, kRadio = 4 };

class ButtonBehaviour : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    PointerAway(0);
    window_ = MakeParent(380, 220, 100, 100);
    a_ = MakeControl(window_, "BUTTON", "甲", BS_PUSHBUTTON, 20, 60, 100, 30, 101);
    b_ = MakeControl(window_, "BUTTON", "乙", BS_PUSHBUTTON, 160, 60, 100, 30, 102);
    box_ = MakeControl(window_, "BUTTON", "丙", BS_AUTOCHECKBOX, 20, 120, 120, 20, 103);
    radio_ = MakeControl(window_, "BUTTON", "丁", BS_AUTORADIOBUTTON, 160, 120, 120, 20, 104);
    LogControl(a_, kA);
    LogControl(b_, kB);
    LogControl(box_, kBox);
    LogControl(radio_, kRadio);
    i_ = SkinAndShow(window_);
    ClearLog();
  }
  void TearDown() override {
    PointerAway(0);
    DestroyParents();
    FrameTest::TearDown();
  }
  // The top edge of a push button: the accent when it is drawn hot.
  static COLORREF Top(HWND button) { return ControlPixels(button).at(50, 0); }
  static bool Hot(HWND button) { return Top(button) == kAccent; }

  HWND window_ = nullptr, a_ = nullptr, b_ = nullptr, box_ = nullptr, radio_ = nullptr;
  int i_ = 0;
};

TEST_F(ButtonBehaviour, HoverDrawsOneButtonHotAndOnlyAChangeOfButtonRepaints) {
  ASSERT_GE(i_, 1);
  PointerTo(a_, 50, 15);
  ExpectSequence({{WM_MOUSEMOVE, kSent, kA}}, "onto A");
  EXPECT_TRUE(Hot(a_)) << std::hex << Top(a_);
  EXPECT_EQ(Record(i_).LastHoverChild, skin::FindButton(i_, a_));
  // The platform's own button procedure repaints nothing on hover (no
  // WM_DRAWITEM comes), so the hot look stays.
  testing_support::PumpFor(600);
  EXPECT_TRUE(Hot(a_)) << std::hex << Top(a_);

  {
    platform::WindowDC dc(a_);
    ::SetPixel(dc.get(), 5, 15, kMarker);
  }
  ClearLog();
  PointerTo(a_, 70, 20);
  ExpectSequence({{WM_MOUSEMOVE, kSent, kA}}, "within A");
  EXPECT_EQ(ControlPixels(a_).at(5, 15), kMarker);  // not repainted
  EXPECT_TRUE(Hot(a_));

  ClearLog();
  PointerTo(b_, 50, 15);
  // Where the leave falls differs: Windows posts it as the pointer leaves A,
  // and posted messages come before input; Wine 8 posts it while it hands
  // out the move to B, so it comes after that move.
  ExpectSequence({{WM_MOUSELEAVE, kSent | kOptional, kA},
                  {WM_MOUSEMOVE, kSent, kB},
                  {WM_MOUSELEAVE, kSent | kOptional, kA}},
                 "A to B");
  EXPECT_EQ(CountLogged(WM_MOUSELEAVE, kA), 1);
  EXPECT_NE(ControlPixels(a_).at(5, 15), kMarker);
  EXPECT_FALSE(Hot(a_));
  EXPECT_TRUE(Hot(b_));

  ClearLog();
  PointerTo(a_, 50, 15);
  ExpectSequence({{WM_MOUSELEAVE, kSent | kOptional, kB},  // as above
                  {WM_MOUSEMOVE, kSent, kA},
                  {WM_MOUSELEAVE, kSent | kOptional, kB}},
                 "B to A");
  EXPECT_EQ(CountLogged(WM_MOUSELEAVE, kB), 1);
  EXPECT_TRUE(Hot(a_));
  EXPECT_FALSE(Hot(b_));

  ClearLog();
  PointerTo(window_, 360, 200);  // off the buttons, onto the window
  ExpectSequence({{WM_MOUSELEAVE, kSent, kA}}, "off A");
  EXPECT_FALSE(Hot(a_));
  EXPECT_NEAR(GetRValue(Top(a_)), GetBValue(Top(a_)), 3);  // the plain dark outline
  EXPECT_EQ(Record(i_).LastHoverChild, 0);
}

TEST_F(ButtonBehaviour, PressShowsTheOverlayReleaseClicksAndTheNextMoveIsHotAgain) {
  PointerTo(a_, 50, 15);
  ASSERT_TRUE(Hot(a_));
  ClearLog();
  LeftDown();
  ExpectSequence({{WM_LBUTTONDOWN, kSent, kA},
                  {WM_SETFOCUS, kSent, kA},
                  {WM_DRAWITEM, kParent | kState, kA, ODS_FOCUS},
                  {BM_SETSTATE, kSent | kState, kA, TRUE},
                  {WM_DRAWITEM, kParent | kState, kA, ODS_SELECTED | ODS_FOCUS}},
                 "press");
  const COLORREF sunk = ControlPixels(a_).at(50, 4);
  EXPECT_GT(GetBValue(sunk) - GetRValue(sunk), 15) << std::hex << sunk;  // accent overlay
  EXPECT_FALSE(Hot(a_));

  ClearLog();
  LeftUp();
  ExpectSequence({{WM_LBUTTONUP, kSent, kA},
                  {BM_SETSTATE, kSent | kState, kA, FALSE},
                  {WM_DRAWITEM, kParent | kState, kA, ODS_FOCUS},
                  {WM_CAPTURECHANGED, kSent, kA},
                  {WM_COMMAND, kParent | kState, kA, BN_CLICKED},
                  // The move the platform makes when the capture goes.
                  {WM_MOUSEMOVE, kSent | kOptional, kA}},
                 "release");
  if (CountLogged(WM_MOUSEMOVE, kA)) {
    EXPECT_TRUE(Hot(a_));
  }
  // The release drew the button without the hot bit and forgot the hover,
  // so the next move, the platform's own or the user's, draws it hot.
  ClearLog();
  PointerTo(a_, 60, 20);
  ExpectSequence({{WM_MOUSEMOVE, kSent, kA}}, "move after the click");
  EXPECT_TRUE(Hot(a_));

  // Leaving a focused button draws its focus glow.
  PointerTo(window_, 360, 200);
  const COLORREF glow = Top(a_);
  EXPECT_GT(GetGValue(glow) - GetRValue(glow), 40) << std::hex << glow;
}

TEST_F(ButtonBehaviour, AFastDoubleClickTogglesACheckBoxOnce) {
  LogControl(box_, kBox, /*above=*/true);
  ASSERT_EQ(::SendMessageA(box_, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  PointerTo(box_, 6, 10);
  ClearLog();
  LeftDown(20);
  LeftUp(20);
  LeftDown(20);
  LeftUp();
  EXPECT_EQ(::SendMessageA(box_, BM_GETCHECK, 0, 0), BST_CHECKED);
  ExpectSequence({{WM_LBUTTONDOWN, kOuter, kBox},
                  {WM_LBUTTONDOWN, kSent, kBox},
                  {WM_SETFOCUS, kOuter, kBox},
                  {WM_SETFOCUS, kSent, kBox},
                  {BM_SETSTATE, kOuter | kState, kBox, TRUE},
                  {BM_SETSTATE, kSent | kState, kBox, TRUE},
                  {WM_LBUTTONUP, kOuter, kBox},
                  {WM_LBUTTONUP, kSent, kBox},
                  {BM_SETSTATE, kOuter | kState, kBox, FALSE},
                  {BM_SETSTATE, kSent | kState, kBox, FALSE},
                  {BM_SETCHECK, kOuter | kState, kBox, BST_CHECKED},
                  {BM_SETCHECK, kSent | kState, kBox, BST_CHECKED},
                  {WM_CAPTURECHANGED, kOuter, kBox},
                  {WM_CAPTURECHANGED, kSent, kBox},
                  {WM_COMMAND, kParent | kState, kBox, BN_CLICKED},
                  // The move the platform makes when the capture goes.
                  {WM_MOUSEMOVE, kOuter | kOptional, kBox},
                  {WM_MOUSEMOVE, kSent | kOptional, kBox},
                  // The second press comes as a double click and goes no
                  // further than the engine; its release finds nothing pressed.
                  {WM_LBUTTONDBLCLK, kOuter, kBox},
                  {WM_LBUTTONUP, kOuter, kBox},
                  {WM_LBUTTONUP, kSent, kBox}},
                 "double click");
}

// The messages the procedure answers itself, on a hidden window.
class ButtonMessages : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    window_ = MakeParent(320, 200);
    push_ = MakeControl(window_, "BUTTON", "开始", BS_PUSHBUTTON, 20, 60, 100, 30);
    twin_ = MakeControl(window_, "BUTTON", "停止", BS_PUSHBUTTON, 160, 60, 100, 30);
    box_ = MakeControl(window_, "BUTTON", "选", BS_AUTOCHECKBOX, 20, 120, 120, 20);
    LogControl(push_, kA);
    LogControl(box_, kBox);
    i_ = Skin(window_);
    ClearLog();
  }
  void TearDown() override {
    DestroyParents();
    FrameTest::TearDown();
  }
  Pixels Painted(HWND button) {
    Canvas canvas(100, 30, kMarker);
    skin::PaintPushButton(button, canvas.dc(), 0, canvas.rect());
    return canvas.pixels();
  }
  HWND window_ = nullptr, push_ = nullptr, twin_ = nullptr, box_ = nullptr;
  int i_ = 0;
};

TEST_F(ButtonMessages, DoubleClicksAreSwallowedAndNothingIsErasedOrFramed) {
  EXPECT_EQ(::SendMessageA(box_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(6, 10)), 0);
  EXPECT_EQ(::SendMessageA(push_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(6, 10)), 0);
  EXPECT_EQ(::SendMessageA(box_, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(::SendMessageA(push_, WM_NCPAINT, 1, 0), 1);
  EXPECT_EQ(::SendMessageA(box_, WM_NCPAINT, 1, 0), 1);
  ExpectSequence({}, "nothing handed on");

  Engine().SetControlTextColour(push_, 0x00FF00);
  for (HWND button : {push_, box_}) {
    Canvas canvas(100, 30, kMarker);
    ::SetTextColor(canvas.dc(), RGB(1, 2, 3));
    ::SetBkMode(canvas.dc(), OPAQUE);
    EXPECT_EQ(::SendMessageA(button, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0),
              static_cast<LRESULT>(RGB(1, 2, 3)));
    EXPECT_EQ(::GetTextColor(canvas.dc()), button == push_ ? RGB(0, 255, 0) : RGB(0, 0, 0));
    EXPECT_EQ(::GetBkMode(canvas.dc()), TRANSPARENT);
    const Pixels p = canvas.pixels();
    EXPECT_EQ(p.at(0, 0), kMarker);
    EXPECT_EQ(p.at(50, 15), kMarker);
  }
}

TEST_F(ButtonMessages, ANewCaptionIsTheOneDrawn) {
  const Pixels before = Painted(push_);
  ::SetWindowTextA(push_, "停止");
  EXPECT_EQ(Record(i_).ButtonControls.at(skin::FindButton(i_, push_)).caption, "停止");
  const Pixels after = Painted(push_), twin = Painted(twin_);
  int changed = 0, unlike = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x) {
      changed += after.raw(x, y) != before.raw(x, y);
      unlike += after.raw(x, y) != twin.raw(x, y);
    }
  EXPECT_GT(changed, 10);
  EXPECT_EQ(unlike, 0);  // drawn like a button made with that caption
  ::SetWindowTextA(box_, "新的");
  EXPECT_EQ(Record(i_).ButtonControls.at(skin::FindButton(i_, box_)).caption, "新的");
}

}  // namespace
