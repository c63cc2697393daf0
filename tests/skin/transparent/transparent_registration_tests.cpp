// Making a control transparent: its record and properties, the container
// registration of a control with children, what is refused, and what goes
// when the control is destroyed.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "skin/controls/child_skinning.h"
#include "skin/controls/containers/containers.h"
#include "skin/controls/transparent/transparent_children.h"
#include "skin/drawing/control_brushes.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/properties.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/transparent/transparent_test_support.h"

namespace {

using namespace transparent_test;
using frame_test::Engine;
using frame_test::Record;
namespace prop = skin::prop;

WNDPROC ProcOf(HWND control) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(control, GWLP_WNDPROC));
}

using TransparentRegistration = TransparentTest;

TEST_F(TransparentRegistration,
       TheFirstControlTakesTheEmptyRecordWithTheDefaultKeyAndItsProperties) {
  HWND tab = Tab(20, 20, 200, 120);
  HWND bar = Toolbar(20, 160, 200, 30);
  const WNDPROC tabProc = ProcOf(tab);
  Engine().SkinTransparentChild(tab);
  Engine().SkinTransparentChild(bar, 0x00FF00);

  auto& list = Record(i).TransparentChildren;
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.at(1).hwnd, tab);
  EXPECT_EQ(list.at(1).keyColour, static_cast<skin::Colour>(ButtonFace()));
  EXPECT_EQ(list.at(1).savedProc, tabProc);
  EXPECT_EQ(list.at(2).hwnd, bar);
  EXPECT_EQ(list.at(2).keyColour, 0x00FF00u);
  EXPECT_EQ(skin::GetIntProp(tab, prop::Kj_lbID), 1);
  EXPECT_EQ(skin::GetIntProp(bar, prop::Kj_lbID), 2);
  EXPECT_EQ(skin::GetIntProp(tab, prop::Kj_FuID), i);
  EXPECT_EQ(skin::GetHandleProp<WNDPROC>(tab, prop::Kj_hProc), tabProc);
  EXPECT_EQ(ProcOf(tab), skin::TransparentChildWndProc);
  EXPECT_EQ(skin::RecordOfTransparentChild(bar), &list.at(2));
  // Neither has children yet: no container registration.
  EXPECT_EQ(skin::FindChild(Record(i).Containers, tab), 0);
}

TEST_F(TransparentRegistration,
       AControlWithChildrenBecomesAContainerInFrontAndItsChildrenAreSkinned) {
  HWND tab = Tab(20, 20, 300, 200);
  HWND button = Child("BUTTON", "确定", BS_PUSHBUTTON, 20, 40, 80, 26, tab);
  HWND edit = Child("EDIT", "文字", WS_BORDER, 20, 80, 120, 24, tab);
  Engine().SkinTransparentChild(tab, {}, 0xFF0000, 64);

  const int k = skin::FindChild(Record(i).Containers, tab);
  ASSERT_GE(k, 1);
  const skin::ContainerRecord& c = Record(i).Containers.at(k);
  EXPECT_EQ(c.paintSelf, 0);
  EXPECT_EQ(c.tintColour, 0xFF0000u);
  EXPECT_EQ(c.tintAlpha, 64);
  EXPECT_EQ(ProcOf(tab), skin::ContainerWndProc);
  EXPECT_EQ(c.savedProc, skin::TransparentChildWndProc);
  EXPECT_GE(skin::FindChild(Record(i).ButtonControls, button), 1);
  EXPECT_GE(skin::FindChild(Record(i).EditControls, edit), 1);
}

// A page inside the tab control is a container of its own: the caller
// skins its buttons and edits with SkinChildren.
TEST_F(TransparentRegistration, APageOfTheTabHasItsControlsSkinnedWhenItIsRegisteredAsAContainer) {
  HWND tab = Tab(20, 20, 300, 200);
  HWND page = Child("STATIC", "", SS_NOTIFY, 4, 30, 290, 160, tab);
  HWND button = Child("BUTTON", "确定", BS_PUSHBUTTON, 10, 10, 80, 26, page);
  HWND edit = Child("EDIT", "", WS_BORDER, 10, 50, 120, 24, page);
  Engine().SkinTransparentChild(tab);
  Engine().SkinChildren(page, 0);
  EXPECT_GE(skin::FindChild(Record(i).Containers, page), 1);
  EXPECT_GE(skin::FindChild(Record(i).ButtonControls, button), 1);
  EXPECT_GE(skin::FindChild(Record(i).EditControls, edit), 1);
}

// A second call must not subclass the control onto its own procedure,
// through the container procedure in front or not; messages still reach
// the control once.
TEST_F(TransparentRegistration, ASecondCallForTheSameControlIsSkipped) {
  HWND plain = Toolbar(20, 160, 200, 30);
  HWND tab = Tab(20, 20, 300, 120);
  Child("BUTTON", "确定", BS_PUSHBUTTON, 20, 40, 80, 26, tab);
  Engine().SkinTransparentChild(plain);
  Engine().SkinTransparentChild(tab);
  const WNDPROC plainProc = ProcOf(plain), tabProc = ProcOf(tab);
  Engine().SkinTransparentChild(plain, 0x0000FF);
  Engine().SkinTransparentChild(tab, 0x0000FF);

  EXPECT_EQ(Record(i).TransparentChildren.count(), 2);
  EXPECT_EQ(ProcOf(plain), plainProc);
  EXPECT_EQ(ProcOf(tab), tabProc);
  EXPECT_EQ(skin::RecordOfTransparentChild(plain)->keyColour,
            static_cast<skin::Colour>(ButtonFace()));
  EXPECT_EQ(::SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(::SendMessageA(plain, TB_BUTTONCOUNT, 0, 0), 2);
  Repaint(tab);
  Repaint(plain);
}

// Moved into another skinned window, a control made transparent before is
// in none of that window's lists, and its procedure is the container's:
// only its properties tell that a second subclass would lead back to it.
TEST_F(TransparentRegistration, AControlMovedToAnotherSkinnedWindowIsNotSubclassedAgain) {
  HWND other = frame_test::MakeWindow(300, 200);
  const int j = frame_test::Skin(other);
  ASSERT_GE(j, 1);
  HWND tab = Tab(20, 20, 200, 120);
  Child("BUTTON", "确定", BS_PUSHBUTTON, 20, 40, 80, 26, tab);
  Engine().SkinTransparentChild(tab);
  ::SetParent(tab, other);
  const WNDPROC before = ProcOf(tab);
  Engine().SkinTransparentChild(tab);
  EXPECT_EQ(ProcOf(tab), before);
  EXPECT_EQ(skin::FindChild(Record(j).TransparentChildren, tab), 0);
  EXPECT_EQ(::SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), 2);
  ::SetParent(tab, window);
}

TEST_F(TransparentRegistration, AControlInNoSkinnedWindowIsLeftAlone) {
  HWND other = frame_test::MakeWindow(200, 150);
  HWND tab = ::CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 80, other,
                               nullptr, nullptr, nullptr);
  const WNDPROC before = ProcOf(tab);
  Engine().SkinTransparentChild(tab);
  Engine().SkinTransparentChild(nullptr);
  Engine().SkinTransparentChild(window);  // a skinned window is no child of one
  EXPECT_EQ(ProcOf(tab), before);
  EXPECT_EQ(::GetPropA(tab, prop::Kj_lbID), nullptr);
  EXPECT_EQ(::GetPropA(window, prop::Kj_hProc), nullptr);
  EXPECT_EQ(Record(i).TransparentChildren.count(), 1);
  EXPECT_EQ(Record(i).TransparentChildren.at(1).hwnd, nullptr);
}

// The erase is swallowed only under a translucency, the paint taken only
// while child controls are skinned, and a rich-edit field alone is
// invalidated by its scroll messages.
TEST_F(TransparentRegistration, TheSwitchesDecideWhatIsTakenAndScrollsInvalidateOnlyARichEdit) {
  HWND custom = Child(kScreenPainter, "", 0, 20, 20, 60, 50);
  Engine().SkinTransparentChild(custom);
  platform::WindowDC dc(custom);
  EXPECT_EQ(::SendMessageA(custom, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 1);
  EXPECT_EQ(::GetBkMode(dc.get()), TRANSPARENT);
  ::SetBkMode(dc.get(), OPAQUE);
  Engine().SetOptions(true);  // no translucency
  // Passed on: the class has no brush, so nothing is erased and 0 comes back.
  EXPECT_EQ(::SendMessageA(custom, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 0);
  EXPECT_EQ(::GetBkMode(dc.get()), OPAQUE);

  // With skinning of child controls off, the control paints itself as it is.
  Engine().SetOptions(false, kTranslucency);
  Repaint(custom);
  EXPECT_EQ(Shown(custom).at(5, 5), ButtonFace());
  Engine().SetOptions(true, kTranslucency);
  Repaint(custom);
  EXPECT_TRUE(Near(Shown(custom).at(5, 5), kPicture)) << Rgb(Shown(custom).at(5, 5));

  ::ValidateRect(custom, nullptr);
  ::SendMessageA(custom, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_FALSE(::GetUpdateRect(custom, nullptr, FALSE));

  // Moved, it stands over another part of the picture: it is invalidated
  // (a move copies its pixels, so nothing else would), only under a veil.
  ::ValidateRect(custom, nullptr);
  ::SendMessageA(custom, WM_MOVE, 0, MAKELPARAM(30, 30));
  EXPECT_TRUE(::GetUpdateRect(custom, nullptr, FALSE));
  testing_support::PumpFor(30);
  Engine().SetOptions(true);
  ::ValidateRect(custom, nullptr);
  ::SendMessageA(custom, WM_MOVE, 0, MAKELPARAM(30, 30));
  EXPECT_FALSE(::GetUpdateRect(custom, nullptr, FALSE));
  Engine().SetOptions(true, kTranslucency);

  if (!::LoadLibraryA("riched20.dll")) GTEST_SKIP() << "no rich-edit library";
  const char* lines = "第一行\r\n第二行\r\n第三行\r\n第四行\r\n第五行\r\n第六行";
  HWND rich = Child("RichEdit20A", lines, ES_MULTILINE | WS_VSCROLL, 120, 20, 200, 60);
  // The same control under its other class name is not taken for one.
  HWND wide =
      ::CreateWindowExW(0, L"RichEdit20W", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL,
                        120, 100, 200, 60, window, nullptr, nullptr, nullptr);
  ASSERT_NE(rich, nullptr);
  ASSERT_NE(wide, nullptr);
  ::SetWindowTextA(wide, lines);
  // Logged under the engine: the paints it hands on.
  control_test::LogControl(rich, 1);
  control_test::LogControl(wide, 2);
  Engine().SkinTransparentChild(rich);
  Engine().SkinTransparentChild(wide);
  testing_support::PumpFor(30);
  for (UINT message : {WM_VSCROLL, WM_HSCROLL}) {
    ::ValidateRect(rich, nullptr);
    ::ValidateRect(wide, nullptr);
    control_test::ClearLog();
    // A thumb position at the top moves nothing; only the engine invalidates.
    ::SendMessageA(rich, message, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    ::SendMessageA(wide, message, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    testing_support::PumpFor(30);
    EXPECT_GE(control_test::CountLogged(WM_PAINT, 1), 1) << message;
    EXPECT_EQ(control_test::CountLogged(WM_PAINT, 2), 0) << message;
  }
  // Scrolled for real, it is recomposed and left with nothing to paint.
  ::SendMessageA(rich, WM_VSCROLL, SB_LINEDOWN, 0);
  testing_support::PumpFor(30);
  EXPECT_FALSE(::GetUpdateRect(rich, nullptr, FALSE));
}

// A control a family has skinned paints itself whatever DC it is handed:
// made transparent too, the bare picture would be laid over it. It is
// refused and keeps its look.
TEST_F(TransparentRegistration, AControlAFamilyHasSkinnedIsRefusedAndStaysVisible) {
  HWND edit = Child("EDIT", "文字文字文字", WS_BORDER, 20, 20, 150, 24);
  HWND box = Child("LISTBOX", "", WS_BORDER, 20, 60, 150, 80);
  ::SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("第一行"));
  HWND track = Child(TRACKBAR_CLASSA, "", 0, 200, 20, 150, 30);
  HWND button = Child("BUTTON", "确定", BS_PUSHBUTTON, 200, 70, 80, 26);
  skin::SkinEveryFamily(i, window);
  for (HWND c : {edit, box, track, button}) {
    SCOPED_TRACE(skin::GetClassText(c));
    Repaint(c);
    const Pixels before = Shown(c);
    const WNDPROC proc = ProcOf(c);
    ASSERT_EQ(skin::GetIntProp(c, prop::Hw_FuID), i) << "not skinned by its family";
    Engine().SkinTransparentChild(c);
    EXPECT_EQ(ProcOf(c), proc);
    EXPECT_EQ(::GetPropA(c, prop::Kj_hProc), nullptr);
    EXPECT_EQ(skin::FindChild(Record(i).TransparentChildren, c), 0);
    Repaint(c);
    const Pixels after = Shown(c);
    int differing = 0;
    for (int y = 0; y < before.height(); ++y)
      for (int x = 0; x < before.width(); ++x) differing += after.at(x, y) != before.at(x, y);
    EXPECT_EQ(differing, 0);
  }
}

// Destroying the control lets go of its record, of the container record
// made for its children and of the brushes handed out for those children;
// nothing accumulates over many controls made and destroyed.
TEST_F(TransparentRegistration, ADestroyedControlLeavesNoRecordsOrBrushesBehind) {
  auto round = [&](int) {
    HWND tab = Tab(20, 20, 300, 200);
    Child("STATIC", "标签", 0, 20, 40, 80, 20, tab);
    Child("EDIT", "文字", WS_BORDER, 20, 80, 120, 24, tab);
    Engine().SkinTransparentChild(tab);
    Repaint(tab);
    ::DestroyWindow(tab);
    EXPECT_EQ(skin::FindChild(Record(i).TransparentChildren, tab), 0);
    EXPECT_EQ(skin::FindChild(Record(i).Containers, tab), 0);
  };
  round(0);
  EXPECT_TRUE(Record(i).ControlBrushes.empty());
  frame_test::ExpectCountsStayFlat(40, round);
  // The freed slots are the only records: the lists do not grow either.
  EXPECT_LE(Record(i).TransparentChildren.count(), 1);
  EXPECT_TRUE(Record(i).ControlBrushes.empty());
}

}  // namespace
