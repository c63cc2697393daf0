// Headers: the divider zones of the hit test, hot and pressed items under
// the real pointer and button, the last column of a list view stretched to
// its right edge, and a stand-alone header's captions drawn in the default
// GUI font.
#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/font.h"
#include "platform/handles.h"
#include "skin/controls/lists/lists.h"
#include "skin/engine/child_families.h"
#include "tests/skin/lists/list_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace list_test;
using HeaderTest = ListTest;

HWND MakeHeader(HWND parent, std::vector<const char*> texts, int width) {
  HWND header = ::CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 20, 20,
                                  320, 26, parent, nullptr, nullptr, nullptr);
  for (size_t k = 0; k < texts.size(); ++k) {
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.cxy = width;
    item.pszText = const_cast<char*>(texts[k]);
    item.fmt = HDF_LEFT | HDF_STRING;
    ::SendMessageA(header, HDM_INSERTITEMA, k, reinterpret_cast<LPARAM>(&item));
  }
  return header;
}

TEST_F(HeaderTest, FivePixelsAtEachItemEdgeHitNoItem) {
  MakeSkinned(false);
  HWND header = MakeHeader(window, {"甲", "乙"}, 100);
  SkinLists();
  const int h = HeaderIndex(header);
  ASSERT_GE(h, 1);
  const struct {
    int x, item;
  } probes[] = {{3, 0}, {5, 1}, {95, 1}, {96, 0}, {102, 0}, {150, 2}, {250, 0}, {-20, 0}};
  for (const auto& p : probes)
    EXPECT_EQ(skin::HitTestHeader(i, h, MAKELPARAM(p.x, 5)), p.item) << "x " << p.x;
}

TEST_F(HeaderTest, TheItemUnderThePointerLightsAndPressesWithTheRealButton) {
  control_test::PointerAway(0);
  MakeSkinned(true);
  HWND header = MakeHeader(window, {"一", "二", "三"}, 100);
  SkinLists();
  RepaintNow(header);
  auto top = [&](int k) { return ClientPixels(header).at(100 * k + 80, 3); };
  const COLORREF rest = top(1);

  control_test::PointerTo(header, 150, 12, 150);
  const skin::HeaderRecord* r = Header(header);
  EXPECT_TRUE(r->hover == 1 && r->hotItem == 2 && r->lastHotItem == 2);
  EXPECT_EQ(frame_test::Record(i).HoverKind, skin::kHoverHeader);
  EXPECT_FALSE(Near(top(1), rest, 6)) << "lit " << Rgb(top(1));
  EXPECT_TRUE(Near(top(0), rest, 2)) << "the others rest";
  control_test::LeftDown(120);
  EXPECT_TRUE(Header(header)->pressed == 1 && Header(header)->pressedItem == 2);
  control_test::LeftUp(120);
  EXPECT_TRUE(Header(header)->pressed == 0 && Header(header)->pressedItem == 0);

  control_test::PointerTo(header, 201, 12, 150);  // a divider zone lights nothing
  EXPECT_TRUE(Header(header)->hotItem == 0 && Header(header)->hover == 0);
  control_test::PointerAway(200);
  EXPECT_TRUE(Near(top(1), rest, 2)) << Rgb(top(1));
}

TEST_F(HeaderTest, TheLastColumnReachesTheListViewsRightEdge) {
  MakeSkinned(true);
  HWND view = Child(WC_LISTVIEWA, LVS_REPORT, 20, 20, 400, 160, WS_EX_CLIENTEDGE);
  AddColumns(view, {80, 80});
  HWND header = ::FindWindowExA(view, nullptr, WC_HEADERA, nullptr);
  SkinLists();
  RepaintNow(view);
  RECT client;
  ::GetClientRect(view, &client);
  const Pixels p = ClientPixels(header);
  // Beyond the item's own right edge (160) its look goes on to a divider at
  // the client's right edge.
  EXPECT_TRUE(Near(p.at(300, 3), p.at(150, 3))) << Rgb(p.at(300, 3)) << Rgb(p.at(150, 3));
  EXPECT_TRUE(Near(p.at(159, 3), p.at(150, 3)));
  EXPECT_LT(GetGValue(p.at(client.right - 1, 3)), GetGValue(p.at(client.right - 10, 3)));
}

TEST_F(HeaderTest, AStandAloneHeaderDrawsItsCaptionsInTheDefaultGuiFont) {
  MakeSkinned(true);
  const char* caption = "姓名 Name";
  HWND header = MakeHeader(window, {caption, "学号"}, 160);
  SkinLists();
  ASSERT_TRUE(Header(header)->fontName.empty());
  RepaintNow(header);
  const Pixels p = ClientPixels(header);
  EXPECT_GT(DarkPixels(p, RECT{160, 0, 320, 26}), 10) << "the second caption";
  // The first caption's ink spans what the default GUI font measures it to.
  int left = 160, right = -1;
  for (int y = 0; y < 26; ++y)
    for (int x = 0; x < 150; ++x)
      if (DarkPixels(p, RECT{x, y, x + 1, y + 1}))
        left = std::min(left, x), right = std::max(right, x);
  graphics::Font gui;
  graphics::Graphics measure;
  platform::UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
  ASSERT_TRUE(gui.CreateDefaultGuiFont() && measure.CreateFromHDC(dc.get()));
  const float width =
      measure.MeasureString(caption, gui, graphics::RectF(0, 0, 0, 0), nullptr).bounds.Width;
  EXPECT_NEAR(right - left + 1, width, 8.0) << "ink " << left << ".." << right;
}

}  // namespace
