// Which edits and combo boxes are taken and what they carry: records,
// properties, the selected item's text, the areas a combo leaves to its
// children, and the brushes of their colour messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "graphics/status.h"
#include "platform/handles.h"
#include "skin/controls/edits/edits.h"
#include "skin/engine/properties.h"
#include "tests/skin/edits/edit_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace frame_test;
using namespace edit_test;
using control_test::MakeControl;

WNDPROC ProcOf(HWND control) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(control, GWLP_WNDPROC));
}
WNDPROC SavedOf(HWND control) {
  return skin::GetHandleProp<WNDPROC>(control, skin::prop::Hw_hProc);
}

using EditRegistration = EditTest;

TEST_F(EditRegistration, EachControlOnceWithItsProperties) {
  HWND window = MakeWindow(400, 300);
  HWND first = MakeControl(window, "Edit", "a", WS_BORDER, 20, 40, 100, 22);
  HWND second = MakeControl(window, "Edit", "b", ES_MULTILINE | WS_VSCROLL, 20, 70, 100, 60);
  HWND combo = MakeControl(window, "ComboBox", "", CBS_DROPDOWN, 150, 40, 120, 200);
  HWND inner = ::FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_TRUE(inner);
  const WNDPROC editProc = ProcOf(first), comboProc = ProcOf(combo), innerProc = ProcOf(inner);
  Engine().SetControlTextColour(first, 0x0000FF);
  const int i = Skin(window);

  ASSERT_EQ(Record(i).EditControls.count(), 3);  // the first record reused
  EXPECT_EQ(skin::FindEdit(i, first), 1);
  EXPECT_EQ(skin::FindEdit(i, second), 2);
  EXPECT_EQ(skin::FindEdit(i, inner), 3);
  EXPECT_EQ(skin::FindCombo(i, combo), 1);
  for (HWND edit : {first, second, inner}) {
    EXPECT_EQ(ProcOf(edit), skin::EditWndProc);
    EXPECT_EQ(skin::GetIntProp(edit, skin::prop::Hw_lbID), skin::FindEdit(i, edit));
    EXPECT_EQ(skin::GetIntProp(edit, skin::prop::Hw_FuID), i);
    EXPECT_EQ(skin::GetIntProp(edit, skin::prop::Kj_Ztys), 0);
  }
  EXPECT_EQ(SavedOf(first), editProc);
  EXPECT_EQ(SavedOf(inner), innerProc);
  EXPECT_EQ(Record(i).EditControls.at(1).savedProc, editProc);
  EXPECT_EQ(ProcOf(combo), skin::ComboWndProc);
  EXPECT_EQ(SavedOf(combo), comboProc);
  EXPECT_EQ(skin::GetIntProp(combo, skin::prop::Hw_lbID), 1);

  // Again, by the same window and by another one: nothing new, and no
  // control ever forwards to its own procedure.
  skin::SkinEditsAndCombos(i, window);
  skin::SkinEditsAndCombos(i, combo);
  HWND other = MakeWindow(200, 150);
  const int j = Skin(other);
  skin::SkinEditsAndCombos(j, window);
  EXPECT_EQ(Record(i).EditControls.count(), 3);
  EXPECT_EQ(Record(i).ComboControls.count(), 1);
  EXPECT_EQ(Record(j).EditControls.at(1).hwnd, nullptr);
  EXPECT_EQ(Record(j).ComboControls.at(1).hwnd, nullptr);
  for (HWND control : {first, second, inner, combo}) {
    EXPECT_NE(SavedOf(control), skin::EditWndProc);
    EXPECT_NE(SavedOf(control), skin::ComboWndProc);
    EXPECT_EQ(skin::GetIntProp(control, skin::prop::Hw_FuID), i);
  }
  // Still working: a message reaches the platform once and comes back.
  ::SendMessageA(first, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
  EXPECT_EQ(skin::WindowText(first), "x");
}

TEST_F(EditRegistration, NothingWhileChildSkinningIsOff) {
  Engine().SetOptions(false, kVeil);
  HWND window = MakeWindow(300, 200);
  HWND edit = MakeControl(window, "Edit", "", WS_BORDER, 20, 40, 100, 22);
  HWND combo = MakeControl(window, "ComboBox", "", CBS_DROPDOWNLIST, 20, 80, 100, 200);
  const WNDPROC before = ProcOf(edit);
  const int i = Skin(window);
  EXPECT_EQ(skin::FindEdit(i, edit), 0);
  EXPECT_EQ(skin::FindCombo(i, combo), 0);
  EXPECT_EQ(ProcOf(edit), before);
}

// What a combo sees of WM_SETTEXT while it is being registered.
std::vector<std::string> g_texts;
WNDPROC g_comboProc = nullptr;
LRESULT CALLBACK TextLogger(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT)
    g_texts.emplace_back(lParam ? reinterpret_cast<const char*>(lParam) : "");
  return ::CallWindowProcA(g_comboProc, combo, message, wParam, lParam);
}

struct ComboRow {
  const char* name;
  DWORD style;
  int selection;  // -1: none
};

class ComboText : public EditTest, public ::testing::WithParamInterface<ComboRow> {};

TEST_P(ComboText, SelectedItemTextAtRegistrationEmptyWithout) {
  const ComboRow& row = GetParam();
  HWND window = MakeWindow(300, 260);
  HWND combo = MakeControl(window, "ComboBox", "", row.style, 20, 40, 140, 160);
  for (const char* item : {"甲", "乙班", "丙"})
    ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(row.selection), 0);
  g_texts.clear();
  g_comboProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TextLogger)));
  const int i = Skin(window);
  ASSERT_NE(skin::FindCombo(i, combo), 0);
  if (row.selection >= 0) {
    ASSERT_EQ(g_texts.size(), 1u);
    EXPECT_EQ(g_texts[0], "乙班");
    EXPECT_EQ(skin::WindowText(combo), "乙班");
  } else {
    EXPECT_TRUE(g_texts.empty());
    EXPECT_EQ(skin::WindowText(combo), "");
  }
  const skin::ComboLook look = skin::ComboLookOf(combo, false, false);
  EXPECT_EQ(look.type, static_cast<int>(row.style & 3));
  if (look.type == 3) {
    EXPECT_EQ(look.text, row.selection >= 0 ? "乙班" : "");
  }
}

const ComboRow kComboRows[] = {
    {"SimpleSelected", CBS_SIMPLE, 1},         {"SimpleNone", CBS_SIMPLE, -1},
    {"DropDownSelected", CBS_DROPDOWN, 1},     {"DropDownNone", CBS_DROPDOWN, -1},
    {"DropListSelected", CBS_DROPDOWNLIST, 1}, {"DropListNone", CBS_DROPDOWNLIST, -1},
};
INSTANTIATE_TEST_SUITE_P(EachStyle, ComboText, ::testing::ValuesIn(kComboRows),
                         [](const auto& info) { return std::string(info.param.name); });

using ComboChildren = EditTest;

TEST_F(ComboChildren, KeyedAreasFollowTheStyle) {
  HWND window = MakeWindow(400, 300);
  HWND simple = MakeControl(window, "ComboBox", "", CBS_SIMPLE, 20, 40, 140, 150);
  HWND drop = MakeControl(window, "ComboBox", "", CBS_DROPDOWN, 200, 40, 140, 150);
  HWND list = MakeControl(window, "ComboBox", "", CBS_DROPDOWNLIST, 200, 120, 140, 150);
  Skin(window);

  HWND simpleEdit = ::FindWindowExA(simple, nullptr, "Edit", nullptr);
  HWND simpleList = ::FindWindowExA(simple, nullptr, "ComboLBox", nullptr);
  ASSERT_TRUE(simpleEdit && simpleList);
  const skin::ComboLook s = skin::ComboLookOf(simple, false, false);
  RECT listRect = skin::ChildRectInParent(simpleList),
       editRect = skin::ChildRectInParent(simpleEdit);
  ::InflateRect(&listRect, -2, -2);
  ASSERT_EQ(s.keyed.size(), 2u);
  auto has = [](const std::vector<RECT>& v, const RECT& r) {
    return std::any_of(v.begin(), v.end(), [&](const RECT& k) { return ::EqualRect(&k, &r); });
  };
  EXPECT_TRUE(has(s.keyed, listRect));
  EXPECT_TRUE(has(s.keyed, editRect));

  const skin::ComboLook d = skin::ComboLookOf(drop, false, false);
  ASSERT_EQ(d.keyed.size(), 1u);
  const RECT dropEdit = skin::ChildRectInParent(::FindWindowExA(drop, nullptr, "Edit", nullptr));
  EXPECT_TRUE(::EqualRect(&d.keyed[0], &dropEdit));
  EXPECT_TRUE(skin::ComboLookOf(list, false, false).keyed.empty());

  // ChildRectInParent: relative to the parent's window rectangle.
  RECT child, parent;
  ::GetWindowRect(simpleList, &child);
  ::GetWindowRect(simple, &parent);
  const RECT r = skin::ChildRectInParent(simpleList);
  EXPECT_EQ(r.left, child.left - parent.left);
  EXPECT_EQ(r.bottom, child.bottom - parent.top);
}

using EditBrushes = EditTest;

// Each colour message replaces the control's brush and bitmap; the edit's
// destruction frees the last pair.
TEST_F(EditBrushes, ReplacedNeverAccumulatedFreedOnDestroy) {
  HWND window = MakeWindow(400, 260);
  HWND edit = MakeControl(window, "Edit", "", WS_BORDER, 20, 40, 120, 24);
  HWND combo = MakeControl(window, "ComboBox", "", CBS_DROPDOWN, 20, 90, 140, 150);
  HWND inner = ::FindWindowExA(combo, nullptr, "Edit", nullptr);
  const int i = Skin(window);
  ASSERT_NE(skin::FindEdit(i, inner), 0);
  HDC dc = ::GetDC(window);
  const long gdi = platform::LiveGdiObjects();
  const long native = graphics::LiveNativeObjects();

  struct Case {
    HWND parent, control;
  } cases[] = {{combo, inner}, {window, edit}};
  for (const Case& c : cases) {
    HBRUSH previous = nullptr;
    long afterFirst = 0;
    for (int n = 0; n < 20; ++n) {
      const LRESULT answer = ::SendMessageA(c.parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(c.control));
      HBRUSH brush = reinterpret_cast<HBRUSH>(answer);
      ASSERT_TRUE(brush);
      EXPECT_EQ(skin::GetHandleProp<HBRUSH>(c.control, skin::prop::Kj_dxjb), brush);
      EXPECT_TRUE(skin::GetHandleProp<HBITMAP>(c.control, skin::prop::Kj_wtjb));
      if (previous) {
        EXPECT_EQ(::GetObjectType(previous), 0u) << "old brush deleted";
      }
      previous = brush;
      if (n == 0) afterFirst = platform::LiveGdiObjects();
      EXPECT_EQ(platform::LiveGdiObjects(), afterFirst) << n;
    }
    EXPECT_EQ(afterFirst, platform::LiveGdiObjects());
  }
  EXPECT_EQ(platform::LiveGdiObjects(), gdi + 4);  // two pairs held
  ::DestroyWindow(combo);
  EXPECT_EQ(platform::LiveGdiObjects(), gdi + 2);
  ::DestroyWindow(edit);
  EXPECT_EQ(platform::LiveGdiObjects(), gdi);
  EXPECT_EQ(graphics::LiveNativeObjects(), native);
  EXPECT_TRUE(Record(i).ControlBrushes.empty());
  ::ReleaseDC(window, dc);
}

}  // namespace
