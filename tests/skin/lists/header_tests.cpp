// Headers: the divider zones of the hit test, hot and pressed items under
// the real pointer and button, the last column of a list view stretched to
// its right edge, and the captions of a stand-alone header drawn in the
// default GUI font.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/font.h"
#include "platform/handles.h"
#include "skin/controls/lists/list_looks.h"
#include "skin/controls/lists/lists.h"
#include "skin/engine/child_families.h"
#include "tests/skin/lists/list_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace list_test;
using HeaderTest = ListTest;

void AddItem(HWND header, const char* text, int width) {
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.cxy = width;
  item.fmt = HDF_LEFT | HDF_STRING;
  item.pszText = const_cast<char*>(text);
  const int at = static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  ::SendMessageA(header, HDM_INSERTITEMA, at, reinterpret_cast<LPARAM>(&item));
}

RECT ItemRect(HWND header, int k) {
  RECT r{};
  ::SendMessageA(header, HDM_GETITEMRECT, k, reinterpret_cast<LPARAM>(&r));
  return r;
}

LPARAM At(int x) { return MAKELPARAM(x, 5); }

TEST_F(HeaderTest, FivePixelsAtEachItemEdgeHitNoItem) {
  MakeSkinned(false);
  HWND header = Child(WC_HEADERA, "", HDS_BUTTONS, 10, 10, 300, 24);
  AddItem(header, "甲", 100);
  AddItem(header, "乙", 100);
  SkinLists();
  const int h = HeaderIndex(header);
  ASSERT_GE(h, 1);
  const RECT first = ItemRect(header, 0), second = ItemRect(header, 1);
  ASSERT_EQ(first.right - first.left, 100);
  EXPECT_EQ(skin::HitTestHeader(i, h, At(first.left + 3)), 0);
  EXPECT_EQ(skin::HitTestHeader(i, h, At(first.left + 5)), 1);
  EXPECT_EQ(skin::HitTestHeader(i, h, At(first.right - 5)), 1);
  EXPECT_EQ(skin::HitTestHeader(i, h, At(first.right - 4)), 0);
  EXPECT_EQ(skin::HitTestHeader(i, h, At(second.left + 2)), 0);
  EXPECT_EQ(skin::HitTestHeader(i, h, At(second.left + 50)), 2);
  EXPECT_EQ(skin::HitTestHeader(i, h, At(250)), 0) << "beyond the items";
  EXPECT_EQ(skin::HitTestHeader(i, h, MAKELPARAM(-20, 5)), 0) << "x is signed";
}

TEST_F(HeaderTest, TheItemUnderThePointerLightsAndPressesWithTheRealButton) {
  control_test::PointerAway(0);
  MakeSkinned(true);
  HWND header = Child(WC_HEADERA, "", HDS_BUTTONS, 20, 20, 300, 26);
  AddItem(header, "一", 100);
  AddItem(header, "二", 100);
  AddItem(header, "三", 100);
  SkinLists();
  RepaintNow(header);
  const Pixels rest = ClientPixels(header);
  auto itemColour = [](const Pixels& p, int k) { return p.at(100 * k + 80, 3); };
  ASSERT_TRUE(Near(itemColour(rest, 0), itemColour(rest, 1), 2));

  control_test::PointerTo(header, 150, 12, 150);
  const skin::HeaderRecord* r = Header(header);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->hover, 1);
  EXPECT_EQ(r->hotItem, 2);
  EXPECT_EQ(r->lastHotItem, 2);
  EXPECT_EQ(frame_test::Record(i).HoverKind, skin::kHoverHeader);
  const Pixels hot = ClientPixels(header);
  EXPECT_FALSE(Near(itemColour(hot, 1), itemColour(rest, 1), 6))
      << Rgb(itemColour(hot, 1)) << " vs " << Rgb(itemColour(rest, 1));
  EXPECT_TRUE(Near(itemColour(hot, 0), itemColour(rest, 0), 2));

  control_test::LeftDown(120);
  r = Header(header);
  EXPECT_EQ(r->pressed, 1);
  EXPECT_EQ(r->pressedItem, 2);
  control_test::LeftUp(120);
  r = Header(header);
  EXPECT_EQ(r->pressed, 0);
  EXPECT_EQ(r->pressedItem, 0);

  // Into the divider zone between two items: nothing is lit.
  control_test::PointerTo(header, 201, 12, 150);
  r = Header(header);
  EXPECT_EQ(r->hotItem, 0);
  EXPECT_EQ(r->hover, 0);
  control_test::PointerAway(200);
  EXPECT_EQ(Header(header)->hotItem, 0);
  const Pixels left = ClientPixels(header);
  EXPECT_TRUE(Near(itemColour(left, 1), itemColour(rest, 1), 2)) << Rgb(itemColour(left, 1));
}

TEST(HeaderLook, PressedIsDarkerThanHotAndTheDividerShades) {
  skin::HeaderItemLook look;
  look.width = 80;
  look.height = 24;
  look.buttons = true;
  look.accent = kAccent;
  auto draw = [&](const skin::HeaderItemLook& l) {
    return control_test::DrawOnBitmap(
        l.width, l.height, kGrey, [&](graphics::Graphics& g) { skin::DrawHeaderItemLook(g, l); });
  };
  const Pixels plain = draw(look);
  look.hot = true;
  const Pixels hot = draw(look);
  look.hot = false;
  look.pressed = true;
  const Pixels pressed = draw(look);
  // Hot adds accent (red) at the top, pressed adds black at the top.
  EXPECT_GT(GetRValue(hot.at(40, 1)) - GetGValue(hot.at(40, 1)),
            GetRValue(plain.at(40, 1)) - GetGValue(plain.at(40, 1)));
  EXPECT_LT(GetGValue(pressed.at(40, 1)), GetGValue(plain.at(40, 1)));
  EXPECT_LT(GetGValue(plain.at(79, 1)), GetGValue(plain.at(78, 1))) << "divider darker at the top";
}

TEST_F(HeaderTest, TheLastColumnReachesTheListViewsRightEdge) {
  MakeSkinned(true);
  HWND view = Child(WC_LISTVIEWA, "", LVS_REPORT, 20, 20, 400, 160, WS_EX_CLIENTEDGE);
  const int widths[] = {80, 80};
  AddColumns(view, widths, 2);
  HWND header = ::FindWindowExA(view, nullptr, WC_HEADERA, nullptr);
  ASSERT_TRUE(header);
  SkinLists();
  RepaintNow(view);
  const RECT last = ItemRect(header, 1);
  ASSERT_EQ(last.right, 160);
  RECT client;
  ::GetClientRect(view, &client);
  const Pixels p = ClientPixels(header);
  const int y = 3;
  // Right of the item's own edge, the item's look goes on (no text there).
  EXPECT_TRUE(Near(p.at(300, y), p.at(150, y), 3)) << Rgb(p.at(300, y)) << Rgb(p.at(150, y));
  // Its divider sits at the list view's right edge, not at 160.
  EXPECT_TRUE(Near(p.at(159, y), p.at(150, y), 3));
  EXPECT_LT(GetGValue(p.at(client.right - 1, y)), GetGValue(p.at(client.right - 10, y)))
      << Rgb(p.at(client.right - 1, y));
}

// Without a font of its own, a stand-alone header draws its captions in
// the default GUI font: the same pixels as with that font named.
TEST_F(HeaderTest, AStandAloneHeaderDrawsItsCaptionsInTheDefaultGuiFont) {
  MakeSkinned(true);
  HWND header = Child(WC_HEADERA, "", HDS_BUTTONS, 20, 20, 300, 26);
  AddItem(header, "姓名 Name", 120);
  AddItem(header, "学号", 120);
  SkinLists();
  ASSERT_TRUE(Header(header));
  EXPECT_TRUE(Header(header)->fontName.empty());
  RepaintNow(header);
  const Pixels shown = ClientPixels(header);
  EXPECT_GT(DarkPixels(shown, RECT{0, 0, 120, 26}), 10) << "caption of the first item";
  EXPECT_GT(DarkPixels(shown, RECT{120, 0, 240, 26}), 10) << "caption of the second item";

  // Drawn on a bitmap, the caption's ink spans what the default GUI font
  // measures it to.
  skin::HeaderItemLook look;
  look.text = "姓名 Name";
  look.width = 200;
  look.height = 26;
  look.accent = kAccent;
  const Pixels drawn = control_test::DrawOnBitmap(
      look.width, look.height, kGrey, [&](graphics::Graphics& g) { skin::DrawHeaderItemLook(g, look); });
  int left = look.width, right = -1;
  for (int y = 0; y < look.height; ++y)
    for (int x = 0; x < look.width - 2; ++x)
      if (DarkPixels(drawn, RECT{x, y, x + 1, y + 1})) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_GE(right, left) << "no caption drawn";
  graphics::Font gui;
  graphics::Graphics measure;
  platform::UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
  ASSERT_TRUE(gui.CreateDefaultGuiFont() && measure.CreateFromHDC(dc.get()));
  const float width =
      measure.MeasureString(look.text, gui, graphics::RectF(0, 0, 0, 0), nullptr).bounds.Width;
  EXPECT_NEAR(right - left + 1, width, 8.0) << "ink " << left << ".." << right;
  EXPECT_GT(right - left, width / 2);
}

}  // namespace
