// The platform's own dialogs and a property sheet, skinned as a program
// skins them: SkinThreadDialogs once, then each dialog opened and cancelled
// three times by real input (a click on Cancel, Esc, Alt+F4), and looked at
// in between as a person sees it, against the same dialog unskinned.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/frame/frame_space.h"
#include "tests/skin/dialogs/dialog_test_support.h"
#include "tests/skin/support/frame_test_support.h"
#include "tests/support/display_capture.h"

namespace {

using dialog_test::WhileModal;
using frame_test::Engine;
using testing_support::Pixels;

constexpr int kCaption = 25;
constexpr int kCancelCtl = IDCANCEL;

class ThreadDialogs : public frame_test::FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    Engine().SetOptions(true, 150);
    // Greys and dull blues only: every saturated colour on a skinned dialog
    // is the dialog's own.
    Engine().SetTheme({},
                      frame_test::QuadrantPng(200, 150, RGB(70, 80, 100), RGB(90, 90, 110),
                                              RGB(60, 70, 80), RGB(100, 100, 120)),
                      0x504030, {}, 3);
  }
  void TearDown() override {
    Engine().StopSkinningThreadDialogs();
    FrameTest::TearDown();
  }
};

// How a round ends the dialog: the pointer on Cancel, Esc, or Alt+F4.
void CancelByRound(HWND dialog, int round) {
  ::SetForegroundWindow(dialog);
  testing_support::PumpFor(50);
  if (round == 0) {
    HWND cancel = ::GetDlgItem(dialog, kCancelCtl);
    ASSERT_TRUE(cancel && ::IsWindowVisible(cancel)) << "no Cancel button";
    dialog_test::ClickAt(dialog_test::CentreOf(cancel));
    testing_support::PumpFor(300);
  } else {
    // Left to the dialog's own loop, which turns Esc into Cancel.
    dialog_test::QueueKeys(
        {round == 1 ? std::vector<WORD>{VK_ESCAPE} : std::vector<WORD>{VK_MENU, VK_F4}});
  }
}

// The checks every skinned dialog passes, seen from the display as `shot`
// (its pixels only when there is one).
void ExpectSkinned(HWND dialog, const std::string& name, const Pixels& shot) {
  const int i = skin::FindSkinnedWindow(dialog);
  ASSERT_GT(i, 0) << name << " is not skinned";
  const skin::SkinnedWindow& w = frame_test::Record(i);
  // One title bar, the engine's: no platform caption or border is left, the
  // client area starts below the strip, and the display shows the engine's
  // strip there.
  EXPECT_EQ(::GetWindowLongA(dialog, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME), 0)
      << name;
  const POINT origin = skin::ClientOriginInFrame(w);
  EXPECT_EQ(origin.y, kCaption) << name;
  if (!shot.empty()) {
    const Pixels frame = frame_test::FramePixels(i);
    ASSERT_FALSE(frame.empty()) << name;
    int differs = 0;
    for (int y = 0; y < kCaption; ++y)
      for (int x = 6; x < w.ButtonsLeft - 2; ++x)
        differs += testing_support::ColourDistance(shot.at(x, y), frame.at(x, y)) > 2;
    EXPECT_EQ(differs, 0) << name << ": the caption strip is not the engine's";
  }

  // Everything the client area holds is below the strip and inside the region.
  RECT bounds;
  ::GetWindowRect(dialog, &bounds);
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(::GetWindowRgn(dialog, region), ERROR) << name;
  RECT client;
  ::GetClientRect(dialog, &client);
  ::MapWindowPoints(dialog, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  for (HWND c : dialog_test::VisibleDescendants(dialog)) {
    RECT r, inClient;
    ::GetWindowRect(c, &r);
    // Only what lies in the client area (a dialog may park a control outside).
    if (!::IntersectRect(&inClient, &r, &client)) continue;
    ::OffsetRect(&r, -bounds.left, -bounds.top);
    EXPECT_GE(r.top, kCaption) << name << ": " << dialog_test::Describe({c}) << " under the strip";
    EXPECT_TRUE(::PtInRegion(region, r.left, r.top) && ::PtInRegion(region, r.right - 1, r.top) &&
                ::PtInRegion(region, r.left, r.bottom - 1) &&
                ::PtInRegion(region, r.right - 1, r.bottom - 1))
        << name << ": " << dialog_test::Describe({c}) << " is cut off";
  }
  ::DeleteObject(region);

  std::vector<HWND> plain;
  for (HWND c : dialog_test::StandardControls(dialog))
    if (!dialog_test::IsSkinned(c)) plain.push_back(c);
  EXPECT_TRUE(plain.empty()) << name << ": not skinned: " << dialog_test::Describe(plain);
}

// Keys typed into the edit reach it.
void ExpectTypingReaches(HWND edit, const std::string& name) {
  ASSERT_TRUE(edit) << name;
  dialog_test::ClickAt(dialog_test::CentreOf(edit));
  ::SendMessageA(edit, EM_SETSEL, 0, -1);
  dialog_test::TypeText("42");
  char text[64] = "";
  ::GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "42") << name;
}

// A side-by-side picture of the dialog unskinned and skinned, for people.
void SaveSideBySide(const Pixels& plain, const Pixels& skinned, const std::string& name) {
  if (plain.empty() || skinned.empty()) return;
  Pixels both(plain.width() + skinned.width() + 8, std::max(plain.height(), skinned.height()));
  for (int y = 0; y < both.height(); ++y)
    for (int x = 0; x < both.width(); ++x) {
      uint32_t v = 0xFF000000;
      if (x < plain.width() && y < plain.height()) v = plain.raw(x, y);
      const int sx = x - plain.width() - 8;
      if (sx >= 0 && y < skinned.height()) v = skinned.raw(sx, y);
      both.data()[size_t(y) * both.width() + x] = v;
    }
  both.SavePng(testing_support::OutputPath(name + "_plain_and_skinned.png"));
}

// Runs `open` once unskinned (its picture kept in `plain`) and three times
// skinned; `look` checks each skinned round before it is cancelled.
void RoundsOf(const std::string& name, const std::function<void()>& open,
              const std::function<bool()>& cancelled,
              const std::function<void(HWND, int)>& look = {}, Pixels* plainShown = nullptr) {
  Pixels plain, skinned;
  ASSERT_TRUE(WhileModal(open, [&](HWND d) {
    plain = testing_support::CaptureShown(d, name + "_plain.png");
    ::PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
  })) << name;
  if (plainShown) *plainShown = plain;
  ASSERT_TRUE(Engine().SkinThreadDialogs());
  for (int round = 0; round < 3; ++round) {
    HWND seen = nullptr;
    ASSERT_TRUE(WhileModal(open,
                           [&](HWND d) {
                             seen = d;
                             // As a person sees it once; the other rounds check what it is made of.
                             if (round == 0)
                               skinned = testing_support::CaptureShown(d, name + "_skinned.png");
                             else
                               testing_support::PumpFor(100);
                             ExpectSkinned(d, name, round == 0 ? skinned : Pixels());
                             if (look) look(d, round);
                             CancelByRound(d, round);
                           }))
        << name << " round " << round;
    EXPECT_TRUE(cancelled()) << name << " round " << round << " did not end as cancelled";
    EXPECT_FALSE(::IsWindow(seen)) << name << " round " << round << " left the dialog open";
  }
  Engine().StopSkinningThreadDialogs();
  SaveSideBySide(plain, skinned, name);
  EXPECT_EQ(skin::WindowCount(), 0) << name << " left its record";
}

TEST_F(ThreadDialogs, OpenFile) {
  char file[MAX_PATH] = "";
  OPENFILENAMEA of{};
  BOOL result = TRUE;
  auto open = [&] {
    file[0] = '\0';
    of = OPENFILENAMEA{};
    of.lStructSize = sizeof of;
    of.lpstrFile = file;
    of.nMaxFile = MAX_PATH;
    of.Flags = OFN_EXPLORER;
    of.lpstrFilter = "All\0*.*\0";
    result = ::GetOpenFileNameA(&of);
  };
  RoundsOf(
      "open_file", open, [&] { return !result && ::CommDlgExtendedError() == 0; },
      [&](HWND d, int round) {
        if (round != 0) return;
        HWND name = ::GetDlgItem(d, 1148);  // the file name box
        HWND edit = name ? ::FindWindowExA(name, nullptr, nullptr, nullptr) : nullptr;
        if (edit && skin::GetClassText(edit) == "ComboBox")
          edit = ::FindWindowExA(edit, nullptr, "Edit", nullptr);
        ExpectTypingReaches(edit, "the file name");
      });
}

TEST_F(ThreadDialogs, ChooseColourShowsItsSwatchesAndSpectrum) {
  COLORREF custom[16] = {};
  CHOOSECOLORA cc{};
  BOOL result = TRUE;
  auto open = [&] {
    cc = CHOOSECOLORA{};
    cc.lStructSize = sizeof cc;
    cc.lpCustColors = custom;
    cc.Flags = CC_FULLOPEN;
    result = ::ChooseColorA(&cc);
  };
  Pixels plain;
  RoundsOf(
      "choose_colour", open, [&] { return !result && ::CommDlgExtendedError() == 0; },
      [&](HWND d, int round) {
        if (round != 0) return;
        const int plainColours = dialog_test::DistinctSaturatedColours(plain);
        ASSERT_GT(plainColours, 200) << "the unskinned dialog shows no spectrum";
        const int colours = dialog_test::DistinctSaturatedColours(
            testing_support::CaptureShown(d, "colour_counted_skinned.png"));
        EXPECT_GE(colours, plainColours * 9 / 10)
            << "skinned " << colours << " saturated colours, unskinned " << plainColours;
        ExpectTypingReaches(::GetDlgItem(d, 706), "the red value");
      },
      &plain);
}

TEST_F(ThreadDialogs, FontDialog) {
  LOGFONTA lf{};
  CHOOSEFONTA cf{};
  BOOL result = TRUE;
  auto open = [&] {
    cf = CHOOSEFONTA{};
    cf.lStructSize = sizeof cf;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS;
    result = ::ChooseFontA(&cf);
  };
  RoundsOf(
      "choose_font", open, [&] { return !result && ::CommDlgExtendedError() == 0; },
      [&](HWND d, int round) {
        if (round == 0)
          ExpectTypingReaches(::FindWindowExA(::GetDlgItem(d, 1138), nullptr, "Edit", nullptr),
                              "the size");
      });
}

TEST_F(ThreadDialogs, MessageBoxWithOkAndCancel) {
  int result = 0;
  RoundsOf(
      "message_box", [&] { result = ::MessageBoxA(nullptr, "要保存吗?", "点名", MB_OKCANCEL); },
      [&] { return result == IDCANCEL; });
}

TEST_F(ThreadDialogs, PropertySheetPagesAreSkinnedToo) {
  const std::vector<WORD> first = dialog_test::Template(
      DS_CONTROL | WS_CHILD, "第一页", 200, 120,
      {{"BUTTON", "提醒", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 10, 80, 12, 101},
       {"BUTTON", "单选", BS_AUTORADIOBUTTON | WS_TABSTOP, 10, 26, 80, 12, 102},
       {"BUTTON", "按钮", BS_PUSHBUTTON | WS_TABSTOP, 100, 10, 60, 16, 103},
       {"EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 44, 90, 14, 104},
       {"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 10, 64, 90, 60, 105},
       {"msctls_trackbar32", "", TBS_AUTOTICKS | WS_TABSTOP, 10, 84, 120, 20, 106}});
  const std::vector<WORD> second = dialog_test::Template(
      DS_CONTROL | WS_CHILD, "第二页", 200, 120,
      {{"msctls_progress32", "", 0, 10, 10, 120, 10, 201},
       {"msctls_updown32", "", 0, 140, 10, 12, 14, 202},
       {"SysListView32", "", LVS_REPORT | WS_BORDER, 10, 30, 90, 80, 203},
       {"SysTreeView32", "", TVS_HASLINES | WS_BORDER, 106, 30, 90, 80, 204}});
  PROPSHEETPAGEA pages[2] = {};
  const std::vector<WORD>* templates[2] = {&first, &second};
  const char* titles[2] = {"常规", "高级"};
  for (int k = 0; k < 2; ++k) {
    pages[k].dwSize = sizeof pages[k];
    pages[k].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    pages[k].pResource = reinterpret_cast<LPCDLGTEMPLATEA>(templates[k]->data());
    pages[k].pszTitle = titles[k];
    pages[k].pfnDlgProc = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
  }
  INT_PTR result = -2;
  auto open = [&] {
    PROPSHEETHEADERA sheet{};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    sheet.pszCaption = "设置";
    sheet.nPages = 2;
    sheet.ppsp = pages;
    result = ::PropertySheetA(&sheet);
  };
  RoundsOf(
      "property_sheet", open, [&] { return result == 0; },
      [&](HWND d, int round) {
        if (round == 0) {
          HWND page = ::FindWindowExA(d, nullptr, "#32770", nullptr);
          ExpectTypingReaches(::GetDlgItem(page, 104), "the first page's edit");
        }
        // The second page, made when its tab is first clicked.
        HWND tabs = ::FindWindowExA(d, nullptr, WC_TABCONTROLA, nullptr);
        ASSERT_TRUE(tabs);
        RECT tab{};
        TabCtrl_GetItemRect(tabs, 1, &tab);
        POINT at{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
        ::ClientToScreen(tabs, &at);
        dialog_test::ClickAt(at);
        testing_support::PumpFor(200);
        ASSERT_EQ(TabCtrl_GetCurSel(tabs), 1);
        ExpectSkinned(
            d, "the second page",
            round == 0 ? testing_support::CaptureShown(d, "property_sheet_page_2.png") : Pixels());
      });
}

}  // namespace
