// Which controls the list skinners take and how: the order of the families,
// the controls left alone, a second run and a control subclassed already,
// the colours set on views, what headers record, and what goes with a
// control when it is destroyed (its brush, its slot, never an image list
// the engine did not make).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "graphics/status.h"
#include "platform/handles.h"
#include "skin/controls/lists/lists.h"
#include "skin/engine/child_registration.h"
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

WNDPROC ProcOf(HWND control) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(control, GWLP_WNDPROC));
}

TEST_F(ListRegistration, EachFamilyInOrderButSortedViewsDropDownAndOwnerDrawnLists) {
  MakeSkinned(false);
  // Made in reverse of the skinning order: the order is the skinner's.
  HWND picker = Child(DATETIMEPICK_CLASSA, "", 0, 10, 10, 120, 24);
  HWND address = Child(WC_IPADDRESSA, "", 0, 140, 10, 140, 24);
  HWND tree = Child(WC_TREEVIEWA, "", WS_BORDER, 10, 40, 120, 80);
  HWND sorted = Child(WC_LISTVIEWA, "", LVS_REPORT | LVS_SORTASCENDING, 140, 40, 120, 80);
  HWND view = Child(WC_LISTVIEWA, "", LVS_REPORT, 270, 40, 120, 80);
  HWND simple = Child("ComboBox", "", CBS_SIMPLE, 10, 130, 120, 100);
  HWND ownerSimple = Child("ComboBox", "", CBS_SIMPLE | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 140,
                           130, 120, 100);
  HWND dropDown = Child("ComboBox", "", CBS_DROPDOWN, 270, 130, 120, 100);
  HWND box = Child("ListBox", "", WS_BORDER, 10, 240, 120, 80);
  SkinLists();

  HWND simpleList = ComboList(simple);
  ASSERT_TRUE(simpleList);
  EXPECT_EQ(::GetParent(simpleList), simple);
  EXPECT_EQ(ListIndex(box), 1);
  EXPECT_EQ(ListIndex(simpleList), 2);
  EXPECT_EQ(ListIndex(view), 3);
  EXPECT_EQ(ListIndex(tree), 4);
  EXPECT_EQ(ListIndex(address), 5);
  EXPECT_EQ(ListIndex(picker), 6);
  EXPECT_EQ(frame_test::Record(i).ListControls.count(), 6);

  EXPECT_EQ(ListIndex(sorted), 0) << "a sorted list view keeps its own look";
  EXPECT_EQ(ListIndex(ComboList(ownerSimple)), 0) << "an owner-drawn list draws itself";
  HWND dropList = ComboList(dropDown);
  ASSERT_TRUE(dropList);
  EXPECT_NE(::GetParent(dropList), dropDown);
  EXPECT_EQ(ListIndex(dropList), 0) << "the drop-down list is no child of its combo box";
  EXPECT_NE(ProcOf(dropList), skin::ListWndProc);

  for (HWND c : {box, simpleList, view, tree, address, picker}) {
    EXPECT_EQ(ProcOf(c), skin::ListWndProc);
    EXPECT_EQ(skin::GetIntProp(c, skin::prop::Hw_FuID), i);
    EXPECT_NE(skin::GetHandleProp<WNDPROC>(c, skin::prop::Hw_hProc), skin::ListWndProc);
  }
  // Translucent views draw on the picture: no background of their own, and
  // the tree's background is the colour key.
  EXPECT_EQ(static_cast<COLORREF>(::SendMessageA(view, LVM_GETBKCOLOR, 0, 0)), CLR_NONE);
  EXPECT_EQ(static_cast<COLORREF>(::SendMessageA(tree, TVM_GETBKCOLOR, 0, 0)), RGB(255, 0, 255));
  EXPECT_NE(static_cast<COLORREF>(::SendMessageA(sorted, LVM_GETBKCOLOR, 0, 0)), CLR_NONE);
}

TEST_F(ListRegistration, WithoutTranslucencyViewsKeepTheirColours) {
  Options(std::nullopt);
  MakeSkinned(false);
  HWND tree = Child(WC_TREEVIEWA, "", WS_BORDER, 10, 40, 120, 80);
  HWND view = Child(WC_LISTVIEWA, "", LVS_REPORT, 270, 40, 120, 80);
  const LRESULT treeColour = ::SendMessageA(tree, TVM_GETBKCOLOR, 0, 0);
  const LRESULT viewColour = ::SendMessageA(view, LVM_GETBKCOLOR, 0, 0);
  SkinLists();
  EXPECT_GE(ListIndex(tree), 1);
  EXPECT_GE(ListIndex(view), 1);
  EXPECT_EQ(::SendMessageA(tree, TVM_GETBKCOLOR, 0, 0), treeColour);
  EXPECT_EQ(::SendMessageA(view, LVM_GETBKCOLOR, 0, 0), viewColour);
}

TEST_F(ListRegistration, ASecondRunAndAControlSubclassedAlreadyAreSkipped) {
  MakeSkinned(false);
  HWND box = Child("ListBox", "", WS_BORDER | LBS_HASSTRINGS, 10, 10, 120, 80);
  HWND header = Child(WC_HEADERA, "", 0, 10, 100, 200, 24);
  HWND view = Child(WC_LISTVIEWA, "", LVS_REPORT, 220, 10, 200, 100);
  const int widths[] = {60};
  AddColumns(view, widths, 1);
  SkinLists();
  SkinLists();
  EXPECT_EQ(frame_test::Record(i).ListControls.count(), 2);
  EXPECT_EQ(frame_test::Record(i).Headers.count(), 2);
  for (HWND c : {box, header, view, ::FindWindowExA(view, nullptr, WC_HEADERA, nullptr)})
    EXPECT_NE(skin::GetHandleProp<WNDPROC>(c, skin::prop::Hw_hProc), ProcOf(c));

  // Moved into another skinned window, the list box runs the list procedure
  // already: taking it again would make it forward to itself.
  HWND other = frame_test::MakeWindow(200, 150);
  const int j = frame_test::Skin(other);
  ASSERT_GE(j, 1);
  ::SetParent(box, other);
  skin::SkinListControls(j, other);
  EXPECT_EQ(skin::FindListControl(j, box), 0);
  FillListBox(box, 3);
  EXPECT_EQ(::SendMessageA(box, LB_GETCOUNT, 0, 0), 3);
}

TEST_F(ListRegistration, HeadersRecordTheirStyleImagesAndOnlyListViewHeadersAFont) {
  MakeSkinned(false);
  HWND alone = Child(WC_HEADERA, "", HDS_BUTTONS, 10, 10, 200, 24);
  HIMAGELIST images = ::ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
  ::SendMessageA(alone, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  HWND view = Child(WC_LISTVIEWA, "", LVS_REPORT, 10, 50, 300, 120);
  ::SendMessageA(view, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
  const int widths[] = {80, 80};
  AddColumns(view, widths, 2);
  HWND inner = ::FindWindowExA(view, nullptr, WC_HEADERA, nullptr);
  ASSERT_TRUE(inner);
  SkinLists();

  const skin::HeaderRecord* a = Header(alone);
  ASSERT_TRUE(a);
  EXPECT_EQ(HeaderIndex(alone), 1);
  EXPECT_EQ(a->buttons, 1);
  EXPECT_EQ(a->imageList, images);
  EXPECT_TRUE(a->fontName.empty()) << "a stand-alone header draws in the default GUI font";
  const skin::HeaderRecord* b = Header(inner);
  ASSERT_TRUE(b);
  EXPECT_EQ(HeaderIndex(inner), 2);
  EXPECT_FALSE(b->fontName.empty());
  EXPECT_GT(b->fontSize, 0);
  ::DestroyWindow(alone);
  ::ImageList_Destroy(images);
}

// A header's image list is its owner's: destroying the header (or its list
// view) leaves it whole for the caller, who destroys it once.
TEST_F(ListRegistration, DestroyingAHeaderLeavesItsImageListToItsOwner) {
  MakeSkinned(false);
  HIMAGELIST images = ::ImageList_Create(16, 16, ILC_COLOR32, 2, 2);
  HWND alone = Child(WC_HEADERA, "", HDS_BUTTONS, 10, 10, 200, 24);
  ::SendMessageA(alone, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  HWND shared = Child(WC_LISTVIEWA, "", LVS_REPORT | LVS_SHAREIMAGELISTS, 10, 50, 300, 120);
  ::SendMessageA(shared, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  const int widths[] = {80};
  AddColumns(shared, widths, 1);
  ::ImageList_SetImageCount(images, 2);
  SkinLists();
  ASSERT_GE(HeaderIndex(alone), 1);
  ASSERT_GE(HeaderIndex(::FindWindowExA(shared, nullptr, WC_HEADERA, nullptr)), 1);

  ::DestroyWindow(alone);
  EXPECT_EQ(::ImageList_GetImageCount(images), 2);
  ::DestroyWindow(shared);
  EXPECT_EQ(::ImageList_GetImageCount(images), 2);
  EXPECT_EQ(HeaderIndex(alone), 0) << "the slot of a destroyed header is free";
  EXPECT_TRUE(::ImageList_Destroy(images));
}

// Colour messages hand out one brush per control, replaced by the next, and
// the control's destruction gives it back; its slot is freed too.
TEST_F(ListRegistration, BrushesOfColourMessagesGoWithTheirControl) {
  MakeSkinned(false);
  HWND picker = Child(DATETIMEPICK_CLASSA, "", WS_BORDER, 10, 10, 140, 24);
  HWND box = Child("ListBox", "", WS_BORDER, 10, 50, 140, 80);
  SkinLists();
  ASSERT_GE(ListIndex(picker), 1);
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
  EXPECT_TRUE(skin::GetHandleProp<HBRUSH>(picker, skin::prop::Kj_dxjb));
  ::DestroyWindow(picker);
  ::DestroyWindow(box);
  EXPECT_EQ(platform::LiveGdiObjects(), gdi);
  EXPECT_TRUE(frame_test::Record(i).ControlBrushes.empty());
  EXPECT_EQ(ListIndex(picker), 0);
  EXPECT_EQ(ListIndex(box), 0);
}

}  // namespace
