// A list box, a report-view list view with three columns and an image list,
// a tree view, a date-time picker and an IP field over a coloured picture,
// captured from what the X display shows as list_looks.png, for people to
// look at.
#include <gtest/gtest.h>

#include "platform/handles.h"
#include "tests/skin/lists/list_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace list_test;
using ListGallery = ListTest;

HIMAGELIST Squares() {
  HIMAGELIST images = ::ImageList_Create(16, 16, ILC_COLOR32, 2, 2);
  for (COLORREF colour : {RGB(30, 120, 220), RGB(230, 120, 30)}) {
    platform::UniqueBitmap picture(testing_support::MakeDibSection(16, 16));
    {
      platform::UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
      platform::SelectScope select(dc.get(), picture.get());
      platform::UniqueBrush brush(::CreateSolidBrush(colour));
      const RECT square{2, 2, 14, 14};
      ::FillRect(dc.get(), &square, brush.get());
    }
    ::ImageList_Add(images, picture.get(), nullptr);
  }
  return images;
}

TEST_F(ListGallery, EveryListControlAsTheDisplayShowsIt) {
  control_test::PointerAway(0);
  Picture(frame_test::QuadrantPng(64, 48, RGB(70, 110, 160), RGB(170, 120, 60), RGB(80, 140, 90),
                                  RGB(150, 80, 120)));
  MakeSkinned(true);
  HWND box = Child("ListBox", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 20, 20, 150, 140);
  FillListBox(box, 12);
  ::SendMessageA(box, LB_SETCURSEL, 1, 0);
  HWND view =
      Child(WC_LISTVIEWA, LVS_REPORT | LVS_SHAREIMAGELISTS, 190, 20, 250, 140, WS_EX_CLIENTEDGE);
  HIMAGELIST images = Squares();
  ::SendMessageA(view, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  AddColumns(view, {80, 70, 60});
  FillListView(view, 5, 3);
  HWND tree = Child(WC_TREEVIEWA, WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 20,
                    180, 150, 140);
  TVINSERTSTRUCTA insert{};
  insert.hParent = TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>("一班");
  insert.hParent = reinterpret_cast<HTREEITEM>(
      ::SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  for (const char* name : {"张三", "李四", "王五"}) {
    insert.item.pszText = const_cast<char*>(name);
    ::SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
  }
  ::SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(insert.hParent));
  HWND picker = Child(DATETIMEPICK_CLASSA, WS_BORDER, 190, 190, 160, 26);
  HWND address = Child(WC_IPADDRESSA, WS_BORDER, 190, 230, 160, 26);
  SkinLists();
  for (HWND c : {box, view, tree, picker, address}) EXPECT_GE(ListIndex(c), 1);
  RepaintNow(window);
  testing_support::PumpFor(200);
  const Pixels shown = control_test::CaptureShown(window, "list_looks.png");
  if (shown.empty()) GTEST_SKIP() << "the display could not be captured";
  EXPECT_EQ(shown.width(), 460);
  ::DestroyWindow(view);
  ::ImageList_Destroy(images);
}

}  // namespace
