// The gallery's class form built in this process: every control is taken by
// its family, and a long session of repaints and scrolls gives back every
// object it takes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "examples/gallery/gallery_form.h"
#include "examples/gallery/gallery_pictures.h"
#include "graphics/status.h"
#include "platform/handles.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/registry.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;

class GalleryForm : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    Engine().SetTheme(std::nullopt, gallery::Background(), 0x000000, std::nullopt, 3);
    Engine().SetOptions(true, 150);
    window_ = MakeWindow(1000, 640, 0, 20, 20);
    font_.reset(::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH, "宋体"));
    form_ = gallery::CreateClassForm(window_, font_.get(), 600, 56, 24, 320, 952);
  }
  void TearDown() override {
    FrameTest::TearDown();
    font_.reset();
  }
  HWND window_ = nullptr;
  platform::UniqueFont font_;
  gallery::ClassForm form_;
};

HWND Child(HWND parent, const char* cls) { return ::FindWindowExA(parent, nullptr, cls, nullptr); }

TEST_F(GalleryForm, EveryControlIsTakenByItsFamily) {
  const int i = Skin(window_);
  const skin::SkinnedWindow& w = Record(i);
  for (HWND edit : {form_.name, form_.notes, form_.remark})
    EXPECT_GE(skin::FindChild(w.EditControls, edit), 1);
  for (HWND combo : {form_.className, form_.subject, form_.group})
    EXPECT_GE(skin::FindChild(w.ComboControls, combo), 1);
  // Under a veil the drop-down combo's own edit is an edit of the window too.
  EXPECT_GE(skin::FindChild(w.EditControls, Child(form_.className, "Edit")), 1);
  for (HWND list : {form_.students, form_.roll, form_.groups, form_.date, form_.computer})
    EXPECT_GE(skin::FindChild(w.ListControls, list), 1);
  EXPECT_GE(skin::FindChild(w.ListControls, Child(form_.group, "ComboLBox")), 1);
  EXPECT_GE(skin::FindChild(w.Headers, Child(form_.roll, "SysHeader32")), 1);
  // The drop-down list of a drop-down combo is no child of it: not taken.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetComboBoxInfo(form_.className, &info));
  EXPECT_EQ(skin::FindChild(w.ListControls, info.hwndList), 0);
}

TEST_F(GalleryForm, AThousandRepaintsAndScrollsLeaveTheCountsFlat) {
  SkinAndShow(window_);
  const std::vector<HWND> controls = form_.All();
  auto round = [&](int n) {
    const int way = n % 2 ? SB_LINEUP : SB_LINEDOWN;
    ::SendMessageA(form_.notes, WM_VSCROLL, way, 0);
    ::SendMessageA(form_.students, WM_VSCROLL, way, 0);
    ::SendMessageA(form_.groups, WM_VSCROLL, way, 0);
    ::SendMessageA(form_.roll, LVM_SCROLL, 0, n % 2 ? -16 : 16);
    ::SendMessageA(form_.subject, CB_SETCURSEL, n % 5, 0);
    for (HWND c : controls)
      ::RedrawWindow(c, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DrainMessages();
  };
  // Eleven controls and their children repainted, four scrolled, a hundred
  // times over: well over a thousand paints.
  ExpectCountsStayFlat(100, round);
}

}  // namespace
