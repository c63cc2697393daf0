// The client areas of translucent lists: the picture under a veil of the
// given alpha (0: unveiled, 255: opaque white), the control's own paint
// when no translucency is given, no stale text after scrolling a list box
// or a list view, and a tree expanding and collapsing over its veil.
#include <gtest/gtest.h>

#include "skin/controls/edits/edits.h"
#include "skin/controls/lists/lists.h"
#include "skin/engine/properties.h"
#include "tests/skin/lists/list_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace list_test;

struct VeilCase {
  std::optional<int> translucency;
  COLORREF client;  // an empty part of the client area
};

class ListVeil : public ListTest, public ::testing::WithParamInterface<VeilCase> {};

TEST_P(ListVeil, EmptyClientAreasShowThePictureUnderTheVeil) {
  Options(GetParam().translucency);
  MakeSkinned(true);
  HWND box = Child("ListBox", WS_BORDER | LBS_NOINTEGRALHEIGHT, 20, 20, 160, 120);
  HWND view = Child(WC_LISTVIEWA, LVS_REPORT, 200, 20, 220, 140, WS_EX_CLIENTEDGE);
  HWND tree = Child(WC_TREEVIEWA, WS_BORDER, 20, 170, 160, 120);
  AddColumns(view, {80, 80});
  FillListBox(box, 2);
  FillListView(view, 2, 2);
  SkinLists();
  RepaintNow(window);
  const COLORREF want = GetParam().client;
  for (HWND c : {box, view, tree}) {
    ASSERT_GE(ListIndex(c), 1);
    RECT client;
    ::GetClientRect(c, &client);
    const Pixels p = ClientPixels(c);
    const POINT empty{client.right / 2, client.bottom - 10};
    EXPECT_TRUE(Near(p.at(empty.x, empty.y), want, 3))
        << ListIndex(c) << " " << Rgb(p.at(empty.x, empty.y)) << " want " << Rgb(want);
  }
  // Behind the rows too (right of their text), and the texts still show.
  RECT header{};
  ::GetWindowRect(::FindWindowExA(view, nullptr, WC_HEADERA, nullptr), &header);
  const int row = header.bottom - header.top + 6;
  const Pixels v = ClientPixels(view);
  EXPECT_TRUE(Near(v.at(v.width() - 10, row), want, 3))
      << "list view row " << Rgb(v.at(v.width() - 10, row));
  EXPECT_GT(DarkPixels(v, RECT{0, row - 6, 160, row + 10}), 5);
  const Pixels b = ClientPixels(box);
  EXPECT_TRUE(Near(b.at(b.width() - 5, 5), want, 3))
      << "list box row " << Rgb(b.at(b.width() - 5, 5));
  EXPECT_GT(DarkPixels(b, RECT{0, 0, 150, 30}), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Translucency, ListVeil,
    ::testing::Values(VeilCase{0, kGrey}, VeilCase{255, RGB(255, 255, 255)},
                      VeilCase{kTranslucency, Veiled(kTranslucency)},
                      // Not given: the controls paint their own (white) client areas.
                      VeilCase{std::nullopt, RGB(255, 255, 255)}));

using ListScroll = ListTest;

// After each way of scrolling, what is shown is what a full repaint shows:
// no row of text is left where it was.
TEST_F(ListScroll, ScrollingLeavesNoStaleText) {
  // A picture that changes down the window: a background moved by a scroll
  // would show.
  Options(60);
  Picture(frame_test::QuadrantPng(4, 4, RGB(250, 30, 30), RGB(30, 250, 30), RGB(30, 30, 250),
                                  RGB(250, 250, 30)));
  MakeSkinned(true);
  HWND box = Child("ListBox", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 20, 20, 180, 150);
  HWND view = Child(WC_LISTVIEWA, LVS_REPORT | WS_VSCROLL, 220, 20, 220, 160, WS_EX_CLIENTEDGE);
  AddColumns(view, {90, 90});
  FillListBox(box, 60);
  FillListView(view, 60, 2);
  SkinLists();
  RepaintNow(window);

  auto settled = [](HWND c) {
    testing_support::PumpFor(40);
    const Pixels now = ClientPixels(c);
    RepaintNow(c);
    return Differing(now, ClientPixels(c));
  };
  struct Step {
    const char* what;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  const Step boxSteps[] = {
      {"line down", WM_VSCROLL, SB_LINEDOWN, 0},
      {"wheel", WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(60, 60)},
      {"top index", LB_SETTOPINDEX, 30, 0},
      {"selection", LB_SETCURSEL, 59, 0},
      {"key", WM_KEYDOWN, VK_HOME, 0},
  };
  for (const Step& s : boxSteps) {
    ::SendMessageA(box, s.message, s.wParam, s.lParam);
    EXPECT_EQ(settled(box), 0) << "list box: " << s.what;
  }
  const Step viewSteps[] = {
      {"page down", WM_VSCROLL, SB_PAGEDOWN, 0},
      {"scroll", LVM_SCROLL, 0, 60},
      {"ensure visible", LVM_ENSUREVISIBLE, 2, FALSE},
      {"key", WM_KEYDOWN, VK_END, 0},
  };
  ::SetFocus(view);
  for (const Step& s : viewSteps) {
    ::SendMessageA(view, s.message, s.wParam, s.lParam);
    EXPECT_EQ(settled(view), 0) << "list view: " << s.what;
  }
}

using TreeExpansion = ListTest;

HTREEITEM AddNode(HWND tree, HTREEITEM parent, const char* text) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>(text);
  return reinterpret_cast<HTREEITEM>(
      ::SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

// Expanding by key notifies the window, which repaints the tree over its
// veil; collapsing again leaves only the veil where the children were.
TEST_F(TreeExpansion, ExpandingAndCollapsingRepaintTheVeil) {
  MakeSkinned(true);
  HWND tree = Child(WC_TREEVIEWA, WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 20,
                    20, 200, 200);
  HTREEITEM group = AddNode(tree, TVI_ROOT, "班级 Group");
  for (const char* name : {"张三 One", "李四 Two", "王五 Three", "赵六 Four"})
    AddNode(tree, group, name);
  SkinLists();
  RepaintNow(window);
  const RECT below{0, 30, 200, 120};
  const Pixels collapsed = ClientPixels(tree);
  EXPECT_EQ(DarkPixels(collapsed, below), 0);
  EXPECT_TRUE(Near(collapsed.at(100, 150), Veiled(kTranslucency))) << Rgb(collapsed.at(100, 150));

  ::SetFocus(tree);
  ::SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(group));
  ::SendMessageA(tree, WM_KEYDOWN, VK_ADD, 0);
  testing_support::PumpFor(60);
  ASSERT_TRUE(
      ::SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(group), TVIS_EXPANDED) &
      TVIS_EXPANDED);
  const Pixels expanded = ClientPixels(tree);
  EXPECT_GT(DarkPixels(expanded, below), 20) << "the children are shown";
  RepaintNow(tree);
  EXPECT_EQ(Differing(expanded, ClientPixels(tree)), 0);
  EXPECT_TRUE(Near(expanded.at(100, 150), Veiled(kTranslucency))) << Rgb(expanded.at(100, 150));

  ::SendMessageA(tree, WM_KEYDOWN, VK_SUBTRACT, 0);
  testing_support::PumpFor(60);
  const Pixels again = ClientPixels(tree);
  EXPECT_EQ(DarkPixels(again, below), 0) << "no stale child text";
  EXPECT_EQ(Differing(again, collapsed, below), 0) << "only the veil where the children were";
}

}  // namespace

namespace {

using namespace list_test;

using VeilSeam = ListTest;

// The veil behind a barred control's client area is the part of the
// picture that lies behind it, whatever the bar's width and side: every
// column matches the frame beside it, so no seam shows at an edge of the
// picture.
TEST_F(VeilSeam, ABarredControlShowsThePictureBehindItsClientAreaToThePixel) {
  // The picture changes colour in the middle of the window (x 230).
  Picture(frame_test::QuadrantPng(2, 2, RGB(230, 40, 40), RGB(40, 40, 230), RGB(230, 40, 40),
                                  RGB(40, 40, 230)));
  MakeSkinned(true);
  HWND right = Child("ListBox", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL,
                     170, 20, 120, 80);
  HWND edge = Child("ListBox", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL, 170, 120,
                    120, 80, WS_EX_CLIENTEDGE | WS_EX_LEFTSCROLLBAR);
  // (An edit with WS_BORDER draws a frame line of its own inside its client area.)
  HWND edit = Child("Edit", WS_VSCROLL | ES_MULTILINE, 170, 220, 120, 80, WS_EX_CLIENTEDGE);
  SkinLists();
  skin::SkinEditsAndCombos(i, window);
  RepaintNow(window);
  const Pixels frame = frame_test::FramePixels(i);
  for (HWND c : {right, edge, edit}) {
    SCOPED_TRACE(skin::GetClassText(c));
    POINT origin{0, 0};
    ::MapWindowPoints(c, window, &origin, 1);
    const Pixels p = ClientPixels(c);
    const int y = p.height() - 6;
    int seams = 0;
    for (int x = 0; x < p.width(); ++x) {
      const COLORREF want =
          Over(frame.at(origin.x + x, origin.y + y), RGB(255, 255, 255), kTranslucency);
      if (!Near(p.at(x, y), want, 3) && seams++ < 3)
        ADD_FAILURE() << "column " << x << ": " << Rgb(p.at(x, y)) << " want " << Rgb(want);
    }
  }
}

}  // namespace
