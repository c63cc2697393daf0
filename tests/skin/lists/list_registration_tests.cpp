// Which controls the list skinners take and how: the order of the families,
// the controls left alone, a second run and a control subclassed already,
// the colours set on views, what headers record, and what goes with a
// control when it is destroyed (its brush, its slot, never an image list
// the engine did not make).
#include <gtest/gtest.h>

#include "platform/handles.h"
#include "skin/controls/lists/lists.h"
#include "skin/engine/properties.h"
#include "tests/skin/lists/list_test_support.h"

namespace {

using namespace list_test;
using ListRegistration = ListTest;

HWND ComboList(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ::GetComboBoxInfo(combo, &info);
  return info.hwndList;
}

WNDPROC ProcOf(HWND c) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(c, GWLP_WNDPROC)); }
WNDPROC SavedOf(HWND c) { return skin::GetHandleProp<WNDPROC>(c, skin::prop::Hw_hProc); }

TEST_F(ListRegistration, EachFamilyInOrderButSortedViewsDropDownAndOwnerDrawnLists) {
  MakeSkinned(false);
  // Made in reverse of the skinning order: the order is the skinner's.
  HWND picker = Child(DATETIMEPICK_CLASSA, 0, 10, 10, 120, 24);
  HWND address = Child(WC_IPADDRESSA, 0, 140, 10, 140, 24);
  HWND tree = Child(WC_TREEVIEWA, WS_BORDER, 10, 40, 120, 80);
  HWND sorted = Child(WC_LISTVIEWA, LVS_REPORT | LVS_SORTASCENDING, 140, 40, 120, 80);
  HWND view = Child(WC_LISTVIEWA, LVS_REPORT, 270, 40, 120, 80);
  HWND simple = Child("ComboBox", CBS_SIMPLE, 10, 130, 120, 100);
  HWND owned =
      Child("ComboBox", CBS_SIMPLE | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 140, 130, 120, 100);
  HWND dropDown = Child("ComboBox", CBS_DROPDOWN, 270, 130, 120, 100);
  HWND box = Child("ListBox", WS_BORDER, 10, 240, 120, 80);
  SkinLists();
  SkinLists();  // a second run takes nothing twice

  const HWND taken[] = {box, ComboList(simple), view, tree, address, picker};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(ListIndex(taken[k]), k + 1);
    EXPECT_EQ(ProcOf(taken[k]), skin::ListWndProc);
    EXPECT_NE(SavedOf(taken[k]), skin::ListWndProc);
  }
  EXPECT_EQ(frame_test::Record(i).ListControls.count(), 6);
  EXPECT_EQ(ListIndex(sorted), 0) << "a sorted list view keeps its own look";
  EXPECT_EQ(ListIndex(ComboList(owned)), 0) << "an owner-drawn list draws itself";
  HWND dropList = ComboList(dropDown);
  ASSERT_TRUE(dropList);
  EXPECT_NE(::GetParent(dropList), dropDown);
  EXPECT_NE(ProcOf(dropList), skin::ListWndProc) << "the drop-down list is no child of its combo";
  // Translucent views draw on the picture: no background of their own; the
  // tree draws on white, laid on the veil as ink.
  EXPECT_EQ(static_cast<COLORREF>(::SendMessageA(view, LVM_GETBKCOLOR, 0, 0)), CLR_NONE);
  EXPECT_EQ(static_cast<COLORREF>(::SendMessageA(tree, TVM_GETBKCOLOR, 0, 0)), RGB(255, 255, 255));
  EXPECT_NE(static_cast<COLORREF>(::SendMessageA(sorted, LVM_GETBKCOLOR, 0, 0)), CLR_NONE);

  // Moved into another skinned window, the list box runs the list procedure
  // already: taking it again would make it forward to itself.
  HWND other = frame_test::MakeWindow(200, 150);
  const int j = frame_test::Skin(other);
  ::SetParent(box, other);
  skin::SkinListControls(j, other);
  EXPECT_EQ(skin::FindListControl(j, box), 0);
  FillListBox(box, 3);
  EXPECT_EQ(::SendMessageA(box, LB_GETCOUNT, 0, 0), 3);
}

// Only a list view's header has a font recorded. An image list belongs to
// whoever set it: destroying the header or its list view leaves it whole.
TEST_F(ListRegistration, HeadersRecordStyleFontAndImagesAndLeaveTheImagesToTheirOwner) {
  MakeSkinned(false);
  HIMAGELIST images = ::ImageList_Create(16, 16, ILC_COLOR32, 2, 2);
  ::ImageList_SetImageCount(images, 2);
  HWND alone = Child(WC_HEADERA, HDS_BUTTONS, 10, 10, 200, 24);
  ::SendMessageA(alone, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  HWND view = Child(WC_LISTVIEWA, LVS_REPORT | LVS_SHAREIMAGELISTS, 10, 50, 300, 120);
  ::SendMessageA(view, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), 0);
  ::SendMessageA(view, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  AddColumns(view, {80, 80});
  HWND inner = ::FindWindowExA(view, nullptr, WC_HEADERA, nullptr);
  SkinLists();
  SkinLists();
  EXPECT_EQ(frame_test::Record(i).Headers.count(), 2);
  ASSERT_EQ(HeaderIndex(alone), 1);
  ASSERT_EQ(HeaderIndex(inner), 2);
  EXPECT_EQ(Header(alone)->buttons, 1);
  EXPECT_EQ(Header(alone)->imageList, images);
  EXPECT_TRUE(Header(alone)->fontName.empty()) << "drawn in the default GUI font";
  EXPECT_FALSE(Header(inner)->fontName.empty());
  EXPECT_GT(Header(inner)->fontSize, 0);

  ::DestroyWindow(alone);
  ::DestroyWindow(view);
  EXPECT_EQ(::ImageList_GetImageCount(images), 2);
  EXPECT_EQ(HeaderIndex(alone), 0) << "the slot of a destroyed header is free";
  EXPECT_TRUE(::ImageList_Destroy(images));
}

// Colour messages hand out one brush per control, replaced by the next, and
// the control's destruction gives it back.
TEST_F(ListRegistration, BrushesOfColourMessagesGoWithTheirControl) {
  MakeSkinned(false);
  HWND picker = Child(DATETIMEPICK_CLASSA, WS_BORDER, 10, 10, 140, 24);
  HWND box = Child("ListBox", WS_BORDER, 10, 50, 140, 80);
  SkinLists();
  const long gdi = platform::LiveGdiObjects();
  HDC dc = ::GetDC(picker);
  for (int k = 0; k < 50; ++k) {
    ::SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(picker));
    ::SendMessageA(window, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(box));
  }
  ::ReleaseDC(picker, dc);
  EXPECT_EQ(platform::LiveGdiObjects(), gdi + 2) << "one pattern brush and its bitmap";
  ::DestroyWindow(picker);
  ::DestroyWindow(box);
  EXPECT_EQ(platform::LiveGdiObjects(), gdi);
  EXPECT_TRUE(frame_test::Record(i).ControlBrushes.empty());
  EXPECT_EQ(ListIndex(box), 0);
}

}  // namespace
