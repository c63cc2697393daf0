// The looks of push buttons, radio buttons and check boxes, drawn on bitmaps
// over a grey ground and read back at the points their geometry fixes; then
// the painters of real buttons, drawing into a memory DC the test owns, and
// the owner-draw dispatch.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/buttons/button_looks.h"
#include "skin/controls/buttons/buttons.h"
#include "skin/engine/module_state.h"
#include "skin/engine/registry.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using control_test::Canvas;
using control_test::DrawOnBitmap;
using control_test::MakeControl;
using testing_support::Pixels;

constexpr COLORREF kGround = RGB(128, 128, 128);
constexpr skin::Colour kRedAccent = 0x0000FF;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int W = 80, H = 30;

int Red(COLORREF c) { return GetRValue(c); }
int Green(COLORREF c) { return GetGValue(c); }
int Blue(COLORREF c) { return GetBValue(c); }
bool Neutral(COLORREF c) { return Near(c, RGB(Red(c), Red(c), Red(c)), 2); }

bool Same(const Pixels& a, const Pixels& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.raw(x, y) != b.raw(x, y)) return false;
  return true;
}

int CountDiffering(const Pixels& a, const Pixels& b, const RECT& area) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += a.raw(x, y) != b.raw(x, y);
  return n;
}

using Drawer = void (*)(graphics::Graphics&, const skin::ButtonLook&, const skin::LookBox&);

Pixels Look(Drawer draw, UINT state, bool checked = false, int w = W, int h = H) {
  skin::ButtonLook look;
  look.accent = kRedAccent;
  look.state = state;
  look.checked = checked;
  return DrawOnBitmap(w, h, kGround, [&](graphics::Graphics& g) {
    draw(g, look, skin::LookBox{0, 0, w, h});
  });
}

TEST(PushButtonLook, NormalIsAVeiledFaceWithADarkOutlineInsideTheRoundedCorners) {
  const Pixels p = Look(skin::DrawPushButtonLook, 0);
  p.SavePng(testing_support::OutputPath("push_normal.png"));
  EXPECT_EQ(p.at(0, 0), kGround);  // outside the rounded face
  EXPECT_EQ(p.at(W - 1, H - 1), kGround);
  EXPECT_TRUE(Neutral(p.at(W / 2, 0)));
  EXPECT_LT(Red(p.at(W / 2, 0)), 128);      // black outline
  EXPECT_GT(Red(p.at(W / 2, H / 2)), 140);  // white veil over the ground
  EXPECT_TRUE(Neutral(p.at(W / 2, H / 2)));
}

TEST(PushButtonLook, HotOutlinesInTheAccentAndWinsOverFocus) {
  const Pixels hot = Look(skin::DrawPushButtonLook, skin::kStateHot);
  hot.SavePng(testing_support::OutputPath("push_hot.png"));
  EXPECT_EQ(hot.at(W / 2, 0), kRed);  // accent at alpha 255
  EXPECT_EQ(hot.at(0, H / 2), kRed);
  EXPECT_GT(Red(hot.at(W / 2, 3)) - Green(hot.at(W / 2, 3)), 10);  // accent gradient
  EXPECT_TRUE(Same(Look(skin::DrawPushButtonLook, skin::kStateHot | skin::kStateFocused), hot));
}

TEST(PushButtonLook, FocusGlowsInTheFixedCyanWhateverTheAccent) {
  const Pixels p = Look(skin::DrawPushButtonLook, skin::kStateFocused);
  p.SavePng(testing_support::OutputPath("push_focused.png"));
  for (const POINT at : {POINT{W / 2, 0}, POINT{W / 2, 1}, POINT{1, H / 2}}) {
    const COLORREF c = p.at(at.x, at.y);
    EXPECT_GT(Green(c) - Red(c), 40) << at.x << "," << at.y << " " << std::hex << c;
    EXPECT_GT(Blue(c) - Red(c), 40) << at.x << "," << at.y << " " << std::hex << c;
  }
}

TEST(PushButtonLook, PressedLaysAnAccentOverlayThatFadesToWhite) {
  const Pixels normal = Look(skin::DrawPushButtonLook, 0);
  const Pixels pressed = Look(skin::DrawPushButtonLook, skin::kStatePressed);
  pressed.SavePng(testing_support::OutputPath("push_pressed.png"));
  EXPECT_TRUE(Neutral(normal.at(W / 2, 4)));
  EXPECT_GT(Red(pressed.at(W / 2, 4)) - Green(pressed.at(W / 2, 4)), 20);
  EXPECT_GT(Green(pressed.at(W / 2, H - 4)), Green(normal.at(W / 2, H - 4)) + 10);
  EXPECT_EQ(pressed.at(W / 2, 0), normal.at(W / 2, 0));  // the outline stays
}

TEST(PushButtonLook, DisabledIsGreyOpaqueToTheCornersAndIgnoresTheOtherBits) {
  const Pixels p = Look(skin::DrawPushButtonLook, skin::kStateDisabled);
  p.SavePng(testing_support::OutputPath("push_disabled.png"));
  EXPECT_EQ(p.raw(0, 0), 0xFFC0C0C0u);
  EXPECT_EQ(p.raw(W - 1, H - 1), 0xFFC0C0C0u);
  EXPECT_TRUE(Neutral(p.at(W / 2, 0)));
  EXPECT_TRUE(Neutral(p.at(W / 2, H / 2)));
  const UINT all =
      skin::kStateDisabled | skin::kStateHot | skin::kStateFocused | skin::kStatePressed;
  EXPECT_TRUE(Same(Look(skin::DrawPushButtonLook, all), p));
}

TEST(RadioButtonLook, CheckedShowsATealDotAndHotTintsTheWell) {
  const int w = 100, h = 20;  // ring at (2, 4), well (3, 5.5) 9 x 9, dot (5, 7) 6 x 6
  const Pixels plain = Look(skin::DrawRadioButtonLook, 0, false, w, h);
  const Pixels checked = Look(skin::DrawRadioButtonLook, 0, true, w, h);
  const Pixels hot = Look(skin::DrawRadioButtonLook, skin::kStateHot, false, w, h);
  checked.SavePng(testing_support::OutputPath("radio_checked.png"));
  EXPECT_TRUE(Neutral(plain.at(6, 10)));
  const COLORREF dot = checked.at(6, 10);
  EXPECT_GT(Green(dot) - Red(dot), 40) << std::hex << dot;
  EXPECT_LT(std::abs(Green(dot) - Blue(dot)), 12) << std::hex << dot;
  EXPECT_EQ(checked.at(30, 10), kGround);  // no caption, nothing beside the ring
  const COLORREF lit = hot.at(5, 7), unlit = plain.at(5, 7);
  EXPECT_GT((Red(lit) - Green(lit)) - (Red(unlit) - Green(unlit)), 15)
      << std::hex << lit << " " << unlit;
  // Pressed and focused change nothing.
  EXPECT_TRUE(
      Same(Look(skin::DrawRadioButtonLook, skin::kStatePressed | skin::kStateFocused, false, w, h),
           plain));
}

TEST(CheckBoxLook, CheckedDrawsTheTickAndHotTintsTheBox) {
  const int w = 100, h = 20;  // box at (0, 3), 13 x 13
  const RECT box{0, 3, 13, 16};
  const Pixels ground = DrawOnBitmap(w, h, kGround, [](graphics::Graphics&) {});
  const Pixels plain = Look(skin::DrawCheckBoxLook, 0, false, w, h);
  const Pixels checked = Look(skin::DrawCheckBoxLook, 0, true, w, h);
  const Pixels hot = Look(skin::DrawCheckBoxLook, skin::kStateHot, false, w, h);
  checked.SavePng(testing_support::OutputPath("check_checked.png"));
  hot.SavePng(testing_support::OutputPath("check_hot.png"));
  EXPECT_GT(CountDiffering(plain, ground, box), 60);
  EXPECT_GT(CountDiffering(checked, plain, box), 5);
  EXPECT_EQ(CountDiffering(checked, plain, RECT{0, 0, w, 3}), 0);
  EXPECT_EQ(CountDiffering(checked, plain, RECT{14, 0, w, h}), 0);
  // The gradient starts at (3, 5) and runs down to the right.
  const COLORREF lit = hot.at(6, 8), unlit = plain.at(6, 8);
  EXPECT_GT((Red(lit) - Green(lit)) - (Red(unlit) - Green(unlit)), 30)
      << std::hex << lit << " " << unlit;
  EXPECT_GT(CountDiffering(Look(skin::DrawCheckBoxLook, skin::kStateHot, true, w, h), hot, box), 5);
}

// The painters of real buttons, over the frame of a grey skinned window.
class ButtonPainters : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    window_ = MakeWindow(320, 200);
    push_ = MakeControl(window_, "BUTTON", "确定", BS_PUSHBUTTON, 20, 80, W, H);
    def_ = MakeControl(window_, "BUTTON", "确定", BS_DEFPUSHBUTTON, 160, 80, W, H);
    box_ = MakeControl(window_, "BUTTON", "选", BS_AUTOCHECKBOX, 20, 140, W, 20);
    i_ = Skin(window_);
  }
  Pixels Painted(HWND button, UINT state) {
    Canvas canvas(W, H, RGB(255, 0, 255));
    skin::PaintPushButton(button, canvas.dc(), state, canvas.rect());
    return canvas.pixels();
  }
  HWND window_ = nullptr, push_ = nullptr, def_ = nullptr, box_ = nullptr;
  int i_ = 0;
};

TEST_F(ButtonPainters, PushButtonPaintsOverTheFrameBehindIt) {
  const Pixels p = Painted(push_, skin::kStateHot);
  p.SavePng(testing_support::OutputPath("push_painted_hot.png"));
  EXPECT_EQ(p.at(W / 2, 0), RGB(0x22, 0xCA, 0xDD));  // the default accent
  EXPECT_EQ(p.at(0, 0), RGB(128, 128, 128));         // the frame shows in the corner
  EXPECT_GT(Red(p.at(W / 4, H / 2)), 140);           // veiled, not the canvas's magenta
  EXPECT_TRUE(skin::Surfaces().empty());
}

TEST_F(ButtonPainters, ADefaultPushButtonLooksLikeAPlainOne) {
  EXPECT_EQ(::GetWindowLongA(def_, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  for (UINT state : {0u, UINT{skin::kStateHot}, UINT{skin::kStateFocused}})
    EXPECT_TRUE(Same(Painted(push_, state), Painted(def_, state))) << state;
}

TEST_F(ButtonPainters, DispatchDrawItemDrawsOnlyRegisteredPushAndImageButtons) {
  HWND stranger = MakeControl(window_, "BUTTON", "x", BS_OWNERDRAW, 160, 140, W, H);
  HWND other = MakeWindow(200, 120);
  MakeControl(other, "BUTTON", "y", BS_PUSHBUTTON, 10, 40, W, H);
  const int j = Skin(other);  // its button is record 1 too
  auto dispatched = [&](int n, UINT type, HWND button) {
    Canvas canvas(W, H, RGB(255, 0, 255));
    DRAWITEMSTRUCT item{};
    item.CtlType = type;
    item.hwndItem = button;
    item.hDC = canvas.dc();
    item.rcItem = canvas.rect();
    skin::DispatchDrawItem(n, item);
    return canvas.pixels().at(W / 2, H / 2) != RGB(255, 0, 255);
  };
  EXPECT_TRUE(dispatched(i_, ODT_BUTTON, push_));
  EXPECT_FALSE(dispatched(i_, ODT_STATIC, push_));
  EXPECT_FALSE(dispatched(i_, ODT_MENU, push_));
  EXPECT_FALSE(dispatched(i_, ODT_BUTTON, stranger));  // never registered
  EXPECT_FALSE(dispatched(i_, ODT_BUTTON, box_));      // paints itself
  EXPECT_FALSE(dispatched(j, ODT_BUTTON, push_));      // another window's record 1
}

}  // namespace
