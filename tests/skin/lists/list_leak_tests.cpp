// A thousand repaints and scrolls of a translucent list box, a list view
// with its header and a tree view, their frames lit and dark: every GDI and
// GDI+ object and every captured surface is given back.
#include <gtest/gtest.h>

#include "graphics/status.h"
#include "platform/handles.h"
#include "skin/controls/lists/lists.h"
#include "skin/engine/registry.h"
#include "tests/skin/lists/list_test_support.h"

namespace {

using namespace list_test;
using ListLeaks = ListTest;

// The paint messages are sent, so the window can stay hidden.
void Paint(HWND c) {
  ::InvalidateRect(c, nullptr, TRUE);
  ::SendMessageA(c, WM_NCPAINT, 1, 0);
  HDC dc = ::GetDC(c);
  ::SendMessageA(c, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ::ReleaseDC(c, dc);
  ::SendMessageA(c, WM_PAINT, 0, 0);
}

TEST_F(ListLeaks, AThousandRepaintsAndScrollsLeaveTheCountsFlat) {
  MakeSkinned(false);
  HWND box = Child("ListBox", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 20, 20, 160, 120);
  HWND view = Child(WC_LISTVIEWA, LVS_REPORT | WS_VSCROLL, 200, 20, 240, 140, WS_EX_CLIENTEDGE);
  HWND tree = Child(WC_TREEVIEWA, WS_BORDER | TVS_HASBUTTONS, 20, 170, 160, 140);
  HIMAGELIST images = ::ImageList_Create(16, 16, ILC_COLOR32, 2, 2);
  ::ImageList_SetImageCount(images, 2);
  ::SendMessageA(view, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  AddColumns(view, {80, 80});
  FillListBox(box, 40);
  FillListView(view, 40, 2);
  for (int k = 0; k < 10; ++k) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>("节点");
    ::SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
  }
  SkinLists();
  HWND header = ::FindWindowExA(view, nullptr, WC_HEADERA, nullptr);
  ASSERT_GE(HeaderIndex(header), 1);

  auto round = [&](int n) {
    for (HWND c : {box, view, tree}) {
      ::SendMessageA(c, WM_VSCROLL, n % 2 ? SB_LINEDOWN : SB_LINEUP, 0);
      Paint(c);
      skin::PaintListFrame(i, ListIndex(c), n % 3 == 0, n % 3 == 1);
    }
    Paint(header);
  };
  frame_test::ExpectCountsStayFlat(1000, round);
  ::DestroyWindow(view);
  ::ImageList_Destroy(images);
}

}  // namespace
