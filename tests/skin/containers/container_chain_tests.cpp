// A control registered as a container keeps that one registration: no
// family takes it when its parent is skinned after (it would save the
// container procedure as its own predecessor and forward to itself until
// the stack overflows), whether it was handed to SkinChildren or made a
// transparent child with children; and the container procedure hands on an
// owner-draw or notification message that comes without its structure.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "skin/controls/containers/containers.h"
#include "skin/controls/edits/edits.h"
#include "skin/controls/lists/lists.h"
#include "skin/controls/transparent/transparent_children.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/properties.h"
#include "tests/skin/containers/container_test_support.h"

namespace {

using namespace container_test;
using frame_test::Engine;
using frame_test::Record;

WNDPROC ProcOf(HWND w) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(w, GWLP_WNDPROC)); }

using ContainerChain = ContainerTest;

// Each control answers its own messages once, through the container
// procedure alone.
void ExpectContainerOnly(int i, HWND control, WNDPROC original) {
  const skin::SkinnedWindow& w = Record(i);
  EXPECT_EQ(ProcOf(control), &skin::ContainerWndProc);
  EXPECT_EQ(skin::GetHandleProp<WNDPROC>(control, skin::prop::Hw_hProc), original);
  EXPECT_GE(skin::FindChild(w.Containers, control), 1);
  EXPECT_EQ(skin::FindChild(w.ComboControls, control), 0);
  EXPECT_EQ(skin::FindChild(w.ListControls, control), 0);
  ::SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ::SendMessageA(control, WM_NCPAINT, 1, 0);
}

TEST_F(ContainerChain, NoFamilyTakesAContainerWhenItsParentIsSkinnedAfter) {
  HWND panel = Child("STATIC", "", 0, 10, 10, 380, 280);
  HWND combo = Child("COMBOBOX", "", CBS_DROPDOWN, 10, 10, 120, 120, panel);
  HWND box = Child("LISTBOX", "", WS_BORDER, 10, 50, 120, 80, panel);
  HWND view = Child(WC_LISTVIEWA, "", LVS_REPORT | WS_BORDER, 140, 10, 200, 120, panel);
  const WNDPROC comboProc = ProcOf(combo), boxProc = ProcOf(box), viewProc = ProcOf(view);
  const COLORREF viewColour = static_cast<COLORREF>(::SendMessageA(view, LVM_GETBKCOLOR, 0, 0));
  Engine().SkinChildren(combo);
  Engine().SkinChildren(box);
  Engine().SkinChildren(view);
  // A transparent child with children (a list view's header) is a
  // container in front of it.
  HWND clear = Child(WC_LISTVIEWA, "", LVS_REPORT, 10, 140, 120, 100, panel);
  Engine().SkinTransparentChild(clear);
  ASSERT_EQ(skin::GetHandleProp<WNDPROC>(clear, skin::prop::Hw_hProc),
            &skin::TransparentChildWndProc);

  Engine().SkinChildren(panel);
  ExpectContainerOnly(i, combo, comboProc);
  ExpectContainerOnly(i, box, boxProc);
  ExpectContainerOnly(i, view, viewProc);
  ExpectContainerOnly(i, clear, &skin::TransparentChildWndProc);
  // Not skinned, its colours are its own.
  EXPECT_EQ(static_cast<COLORREF>(::SendMessageA(view, LVM_GETBKCOLOR, 0, 0)), viewColour);
  EXPECT_EQ(::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("一")), 0);
  EXPECT_EQ(::SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("二")), 0);
  // Its own children, its edit among them, are still the families'.
  EXPECT_GE(skin::FindEdit(i, ::FindWindowExA(combo, nullptr, "Edit", nullptr)), 1);
  EXPECT_GE(skin::FindHeader(i, ::FindWindowExA(view, nullptr, WC_HEADERA, nullptr)), 1);

  // Moved onto a window skinned after, the same.
  HWND other = frame_test::MakeWindow(300, 200);
  ::SetParent(combo, other);
  ASSERT_TRUE(Engine().SkinWindow(other));
  const int j = skin::FindSkinnedWindow(other);
  EXPECT_EQ(skin::FindCombo(j, combo), 0);
  EXPECT_EQ(ProcOf(combo), &skin::ContainerWndProc);
  EXPECT_EQ(::SendMessageA(combo, CB_GETCOUNT, 0, 0), 1);
  ::SetParent(combo, panel);
}

// Anyone may send these; without a structure they pass through untouched.
TEST_F(ContainerChain, DrawItemAndNotifyWithoutAStructureGoOn) {
  HWND box = Child("BUTTON", "", BS_GROUPBOX, 10, 10, 200, 150);
  Engine().SkinChildren(box);
  ASSERT_EQ(ProcOf(box), &skin::ContainerWndProc);
  EXPECT_EQ(::SendMessageA(box, WM_DRAWITEM, 0, 0), 0);
  EXPECT_EQ(::SendMessageA(box, WM_NOTIFY, 0, 0), 0);
}

}  // namespace
