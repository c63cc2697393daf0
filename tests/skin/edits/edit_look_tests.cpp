// The edit ring and the combo box drawn on a bitmap from their looks, and on
// real windows: what each state puts where, and what each leaves alone.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/edits/edit_looks.h"
#include "skin/controls/edits/edits.h"
#include "skin/controls/scroll_bars.h"
#include "skin/engine/child_registration.h"
#include "tests/skin/edits/edit_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace frame_test;
using namespace edit_test;
using control_test::DrawOnBitmap;
using control_test::MakeControl;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

skin::EditFrameLook Ring(int alpha) {
  skin::EditFrameLook look;
  look.width = 100;
  look.height = 40;
  look.inner = RECT{2, 2, 98, 38};
  look.translucent = true;
  look.translucency = alpha;
  look.accent = kAccent;
  return look;
}

testing_support::Pixels Draw(const skin::EditFrameLook& look) {
  return DrawOnBitmap(look.width, look.height, kGround,
                      [&](graphics::Graphics& g) { skin::DrawEditFrameLook(g, look); });
}

struct RingRow {
  const char* name;
  bool focused, hot;
  COLORREF edge;   // at (0, 20) and (99, 20)
  COLORREF inset;  // at (1, 20)
};

TEST(EditRingLook, NormalFocusedHotTouchOnlyTheRing) {
  const COLORREF veil = Over(kGround, kWhite, 100);
  const RingRow rows[] = {
      {"normal", false, false, Over(veil, kBlack, 80), veil},
      {"focused", true, false, Over(veil, kAccentRgb, 180), veil},
      {"hot", false, true, Over(veil, kAccentRgb, 180), Over(veil, kAccentRgb, 180)},
      {"hot and focused", true, true, Over(veil, kAccentRgb, 180), Over(veil, kAccentRgb, 180)},
  };
  for (const RingRow& row : rows) {
    skin::EditFrameLook look = Ring(100);
    look.focused = row.focused;
    look.hot = row.hot;
    const testing_support::Pixels p = Draw(look);
    EXPECT_TRUE(Near(p.at(0, 20), row.edge, 3)) << row.name << std::hex << " " << p.at(0, 20);
    EXPECT_TRUE(Near(p.at(99, 20), row.edge, 3)) << row.name << std::hex << " " << p.at(99, 20);
    EXPECT_TRUE(Near(p.at(50, 0), row.edge, 3)) << row.name;
    EXPECT_TRUE(Near(p.at(1, 20), row.inset, 3)) << row.name << std::hex << " " << p.at(1, 20);
    EXPECT_TRUE(Near(p.at(98, 20), row.inset, 3)) << row.name;
    // The inner area keeps exactly what was there.
    EXPECT_EQ(
        Differing(p, Draw(skin::EditFrameLook{100, 40, RECT{0, 0, 100, 40}}), RECT{2, 2, 98, 38}),
        0)
        << row.name;
    EXPECT_EQ(p.at(2, 2), kGround) << row.name;
    EXPECT_EQ(p.at(97, 37), kGround) << row.name;
  }
}

TEST(EditRingLook, WithoutASkinnedWindowNoBorderOpaqueWithoutTranslucency) {
  skin::EditFrameLook look = Ring(100);
  look.skinned = false;
  look.translucent = false;
  const testing_support::Pixels p = Draw(look);
  EXPECT_EQ(p.at(0, 20), kWhite);
  EXPECT_EQ(p.at(1, 1), kWhite);
  EXPECT_EQ(p.at(50, 20), kGround);
}

skin::ComboLook Combo(int type) {
  skin::ComboLook look;
  look.width = 120;
  look.height = 24;
  look.type = type;
  look.translucent = true;
  look.translucency = 100;
  look.accent = kAccent;
  return look;
}

testing_support::Pixels Draw(const skin::ComboLook& look) {
  return DrawOnBitmap(look.width, look.height, kGround,
                      [&](graphics::Graphics& g) { skin::DrawComboLook(g, look); });
}

TEST(ComboLook, DropButtonForDropDownTypesOnlyKeyedAreasBorder) {
  const COLORREF veil = Over(kGround, kWhite, 100);
  for (int type : {1, 2, 3}) {
    skin::ComboLook look = Combo(type);
    look.keyed = {RECT{3, 3, 40, 21}};
    const testing_support::Pixels p = Draw(look);
    const int b = skin::DropButtonWidth(type), bx = look.width - b - 2;
    EXPECT_EQ(b, type == 3 ? 17 : 18);
    // The button's top-middle gradient and its outline exist only when it does.
    const COLORREF inButton = p.at(bx + 3, 5);
    if (type == 1) {
      EXPECT_TRUE(Near(inButton, veil, 2)) << type << std::hex << " " << inButton;
      EXPECT_TRUE(Near(p.at(bx, 12), veil, 2)) << type;
    } else {
      EXPECT_FALSE(Near(inButton, veil, 4)) << type << std::hex << " " << inButton;
      EXPECT_TRUE(Near(p.at(bx, 12), Over(veil, kBlack, 80), 4))
          << type << std::hex << " " << p.at(bx, 12);
    }
    EXPECT_EQ(p.at(3, 3), skin::kComboKey) << type;
    EXPECT_EQ(p.at(39, 20), skin::kComboKey) << type;
    EXPECT_NE(p.at(40, 12), skin::kComboKey) << type;
    EXPECT_TRUE(Near(p.at(0, 12), Over(veil, kBlack, 80), 3)) << type;
    EXPECT_TRUE(Near(p.at(60, 1), veil, 2)) << type;
  }
}

TEST(ComboLook, BorderLitWhenHotOrFocusedButtonOnlyWhenHot) {
  const COLORREF veil = Over(kGround, kWhite, 100);
  const skin::ComboLook normal = Combo(2);
  skin::ComboLook focused = Combo(2), hot = Combo(2);
  focused.focused = true;
  hot.hot = true;
  const testing_support::Pixels n = Draw(normal), f = Draw(focused), h = Draw(hot);
  const COLORREF lit = Over(veil, kAccentRgb, 200);
  EXPECT_TRUE(Near(f.at(0, 12), lit, 3)) << std::hex << f.at(0, 12);
  EXPECT_TRUE(Near(h.at(0, 12), lit, 3));
  EXPECT_TRUE(Near(n.at(0, 12), Over(veil, kBlack, 80), 3));
  const int bx = 120 - 18 - 2;
  EXPECT_EQ(f.at(bx, 12), n.at(bx, 12)) << "focus alone leaves the button";
  EXPECT_TRUE(Near(h.at(bx, 12), lit, 4)) << std::hex << h.at(bx, 12);
}

using EditRingOnWindow = EditTest;

// On a real edit with both bars: the ring changes, the bars, the corner
// square and the client area do not.
TEST_F(EditRingOnWindow, RingExcludesBothBarsAndTheCorner) {
  HWND window = MakeWindow(300, 200);
  HWND edit = MakeEdit(window, "", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 20, 40, 160, 110);
  const int i = SkinAndShow(window);
  testing_support::PumpFor(100);
  const RECT in = skin::InnerRect(edit);
  const testing_support::Pixels before = WindowPixels(edit);
  const COLORREF veiled = Over(Behind(i, edit, 0, 0), kWhite, kVeil);
  struct Row {
    bool focused, hot;
    COLORREF edge;
  } rows[] = {{false, false, Over(veiled, kBlack, 80)},
              {true, false, Over(veiled, kAccentRgb, 180)},
              {false, true, Over(veiled, kAccentRgb, 180)}};
  for (const Row& row : rows) {
    skin::PaintEditFrame(edit, row.focused, row.hot);
    const testing_support::Pixels after = WindowPixels(edit);
    EXPECT_EQ(Differing(before, after, in), 0) << row.focused << row.hot;
    EXPECT_TRUE(Near(after.at(0, 50), row.edge, 3)) << std::hex << after.at(0, 50);
    EXPECT_TRUE(Near(after.at(after.width() - 1, 50), row.edge, 3));
    EXPECT_TRUE(Near(after.at(80, after.height() - 1), row.edge, 3));
  }
}

// What a translucent edit shows in its client area: the picture behind it
// under a white veil of the translucency, from nothing to opaque white.
TEST_F(EditRingOnWindow, TranslucencyZeroUnveilsAndFullIsWhite) {
  for (int alpha : {0, 255}) {
    Engine().SetOptions(true, alpha);
    HWND window = MakeWindow(300, 200);
    HWND edit = MakeEdit(window, "", ES_MULTILINE, 20, 40, 160, 80);
    const int i = SkinAndShow(window);
    testing_support::PumpFor(100);
    ::RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const testing_support::Pixels client = control_test::ControlPixels(edit);
    const COLORREF expected = alpha == 0 ? Behind(i, edit, 80, 60) : kWhite;
    EXPECT_TRUE(Near(client.at(80, 50), expected, 2))
        << alpha << std::hex << " " << client.at(80, 50);
    EXPECT_TRUE(Near(client.at(150, 70), expected, 2)) << alpha;
    DestroyTestWindows();
  }
}

// Without a translucency the edit keeps the platform's background and a
// combo's own edit stays the platform's.
TEST_F(EditRingOnWindow, WithoutTranslucencyPlatformBackgroundAndComboEditLeftAlone) {
  Engine().SetOptions(true);
  HWND window = MakeWindow(300, 200);
  HWND edit = MakeEdit(window, "", ES_MULTILINE, 20, 40, 160, 80);
  HWND combo = MakeControl(window, "ComboBox", "", CBS_DROPDOWN, 20, 130, 160, 200);
  HWND inner = ::FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_TRUE(inner);
  const WNDPROC innerProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(inner, GWLP_WNDPROC));
  const int i = SkinAndShow(window);
  testing_support::PumpFor(100);
  EXPECT_NE(skin::FindEdit(i, edit), 0);
  EXPECT_NE(skin::FindCombo(i, combo), 0);
  EXPECT_EQ(skin::FindEdit(i, inner), 0);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(inner, GWLP_WNDPROC)), innerProc);
  ::RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const testing_support::Pixels client = control_test::ControlPixels(edit);
  EXPECT_EQ(client.at(80, 50), ::GetSysColor(COLOR_WINDOW)) << std::hex << client.at(80, 50);
}

}  // namespace
