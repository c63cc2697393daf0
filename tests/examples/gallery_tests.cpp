// The gallery, started as its own program: every family it shows is skinned,
// and the display shows the engine's looks.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/display_capture.h"
#include "tests/support/processes.h"
#include "tests/support/screen.h"

namespace {

std::string g_galleryPath;  // from the command line

// Properties are readable across processes: they tell what the engine took.
int Prop(HWND window, const char* key) {
  return static_cast<int>(reinterpret_cast<intptr_t>(::GetPropA(window, key)));
}

HWND ChildWithText(HWND parent, const char* text) {
  return ::FindWindowExA(parent, nullptr, nullptr, text);
}

class Gallery : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string exe = testing_support::WindowsPath(g_galleryPath);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string command = "\"" + exe + "\"";
    ASSERT_TRUE(::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &si, &pi_))
        << exe;
    ::WaitForInputIdle(pi_.hProcess, 10000);
    for (int i = 0; i < 200 && !window_; ++i) {
      window_ = testing_support::FindTopWindow(pi_.dwProcessId, "SkinGalleryWindow", true);
      if (!window_) ::Sleep(50);
    }
    ASSERT_NE(window_, nullptr);
    // The pointer off the window: nothing is drawn hot.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    testing_support::PumpFor(500);
  }
  void TearDown() override {
    if (window_) ::PostMessageA(window_, WM_CLOSE, 0, 0);
    if (pi_.hProcess) {
      if (::WaitForSingleObject(pi_.hProcess, 8000) == WAIT_TIMEOUT)
        ::TerminateProcess(pi_.hProcess, 1);
      ::CloseHandle(pi_.hProcess);
      ::CloseHandle(pi_.hThread);
    }
  }
  PROCESS_INFORMATION pi_{};
  HWND window_ = nullptr;
};

TEST_F(Gallery, EveryFamilyItShowsIsSkinned) {
  EXPECT_EQ(Prop(window_, "Hw_lbID"), 1);
  // Buttons on the window, in the group box and in the panel carry their
  // list positions; push buttons became owner-drawn.
  for (const char* caption : {"普通按钮", "默认按钮", "不可用", "显示照片", "自动循环"}) {
    HWND button = ChildWithText(window_, caption);
    ASSERT_NE(button, nullptr) << caption;
    EXPECT_GE(Prop(button, "Hw_lbID"), 1) << caption;
    EXPECT_EQ(Prop(button, "Hw_FuID"), 1) << caption;
  }
  EXPECT_EQ(::GetWindowLongA(ChildWithText(window_, "普通按钮"), GWL_STYLE) & 0xF, BS_OWNERDRAW);
  EXPECT_EQ(::GetWindowLongA(ChildWithText(window_, "显示照片"), GWL_STYLE) & 0xF, BS_AUTOCHECKBOX);

  HWND groupBox = ChildWithText(window_, "抽取方式");
  ASSERT_NE(groupBox, nullptr);
  EXPECT_GE(Prop(groupBox, "Hw_lbID"), 1);  // a registered container
  for (const char* caption : {"随机抽取", "按学号顺序", "按小组", "应用"})
    EXPECT_GE(Prop(ChildWithText(groupBox, caption), "Hw_lbID"), 1) << caption;

  HWND panel = ::GetNextWindow(groupBox, GW_HWNDNEXT);
  ASSERT_NE(panel, nullptr);
  EXPECT_GE(Prop(panel, "Hw_lbID"), 1);
  for (const char* caption : {"导入名单", "照片", ""}) {
    HWND image = ChildWithText(panel, caption);
    ASSERT_NE(image, nullptr) << caption;
    EXPECT_GE(Prop(image, "Hw_lbID"), 1) << caption;
    EXPECT_EQ(::GetWindowLongA(image, GWL_STYLE) & 0xF, BS_OWNERDRAW) << caption;
  }
}

TEST_F(Gallery, TheDisplayShowsTheEnginesLooks) {
  const testing_support::Pixels shot = testing_support::CaptureShown(window_, "gallery.png");
  ASSERT_FALSE(shot.empty()) << "no picture from the display";
  // The disabled button's face is opaque silver out to its corners.
  RECT disabled;
  ::GetWindowRect(ChildWithText(window_, "不可用"), &disabled);
  RECT frame;
  ::GetWindowRect(window_, &frame);
  const int x = disabled.left - frame.left, y = disabled.top - frame.top;
  EXPECT_EQ(shot.at(x, y), RGB(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(shot.at(x, y + (disabled.bottom - disabled.top) - 1), RGB(0xC0, 0xC0, 0xC0));
  // A plain push button lets the picture through: its middle is neither
  // silver nor the platform's button face.
  RECT push;
  ::GetWindowRect(ChildWithText(window_, "普通按钮"), &push);
  const COLORREF middle = shot.at(push.left - frame.left + 6, push.top - frame.top + 28);
  EXPECT_GT(testing_support::ColourDistance(middle, ::GetSysColor(COLOR_BTNFACE)), 8);
}

// The class form as the display shows it: the views are veiled over the
// picture, the header and the drop button are the engine's, and the fields
// carry their rings.
TEST_F(Gallery, TheFormShowsTheEnginesLooks) {
  const testing_support::Pixels shot = testing_support::CaptureShown(window_, "gallery-form.png");
  ASSERT_FALSE(shot.empty()) << "no picture from the display";
  RECT frame;
  ::GetWindowRect(window_, &frame);
  auto at = [&](HWND control, int dx, int dy) {
    RECT r;
    ::GetWindowRect(control, &r);
    const int x = dx >= 0 ? r.left + dx : r.right + dx;
    const int y = dy >= 0 ? r.top + dy : r.bottom + dy;
    return shot.at(x - frame.left, y - frame.top);
  };
  HWND tree = ::FindWindowExA(window_, nullptr, "SysTreeView32", nullptr);
  HWND view = ::FindWindowExA(window_, nullptr, "SysListView32", nullptr);
  ASSERT_NE(tree, nullptr);
  ASSERT_NE(view, nullptr);
  HWND header = ::FindWindowExA(view, nullptr, "SysHeader32", nullptr);
  ASSERT_NE(header, nullptr);
  EXPECT_GE(Prop(tree, "Hw_lbID"), 1);
  EXPECT_GE(Prop(header, "Hw_lbID"), 1);

  // Below the last group the tree shows the picture under the veil: neither
  // the platform's white nor the colour key.
  const COLORREF below = at(tree, 20, -12);
  EXPECT_GT(testing_support::ColourDistance(below, RGB(255, 255, 255)), 6);
  EXPECT_GT(testing_support::ColourDistance(below, RGB(255, 0, 255)), 60);
  // The header is the engine's gradient, not the platform's button face:
  // near white at its top, the accent towards its bottom.
  EXPECT_GT(testing_support::ColourDistance(at(header, 30, -4), ::GetSysColor(COLOR_BTNFACE)), 40);
  EXPECT_GT(testing_support::ColourDistance(at(header, 30, -4), at(header, 30, 3)), 40);

  // Every edit and combo is taken, and the name field's ring is darker than
  // the veil just inside it.
  for (HWND c = ::GetWindow(window_, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    char cls[32] = {};
    ::GetClassNameA(c, cls, sizeof cls);
    if (std::string(cls) == "Edit" || std::string(cls) == "ComboBox") {
      EXPECT_GE(Prop(c, "Hw_lbID"), 1) << cls;
    }
  }
  HWND name = ::FindWindowExA(window_, nullptr, "Edit", nullptr);  // the name field comes first
  ASSERT_NE(name, nullptr);
  const COLORREF ring = at(name, 0, 12), inside = at(name, 1, 12);
  EXPECT_LT(GetRValue(ring) + GetGValue(ring) + GetBValue(ring),
            GetRValue(inside) + GetGValue(inside) + GetBValue(inside));
}

// The range controls as the display shows them: every track bar, progress
// bar and up-down is taken, the filled parts show the theme's accent over
// the picture, and the pulse moves by itself.
TEST_F(Gallery, TheRangeControlsShowTheEnginesLooks) {
  std::vector<HWND> bars, progress, spins;
  for (HWND c = ::GetWindow(window_, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    char cls[32] = {};
    ::GetClassNameA(c, cls, sizeof cls);
    const std::string name = cls;
    if (name == "msctls_trackbar32") bars.push_back(c);
    if (name == "msctls_progress32") progress.push_back(c);
    if (name == "msctls_updown32") spins.push_back(c);
  }
  ASSERT_EQ(bars.size(), 4u);
  ASSERT_EQ(progress.size(), 3u);
  ASSERT_EQ(spins.size(), 2u);
  for (const auto* family : {&bars, &progress, &spins})
    for (HWND c : *family) EXPECT_GE(Prop(c, "Hw_lbID"), 1);

  const testing_support::Pixels shot = testing_support::CaptureShown(window_, "gallery-ranges.png");
  ASSERT_FALSE(shot.empty()) << "no picture from the display";
  RECT frame;
  ::GetWindowRect(window_, &frame);
  // The fixed progress bar (65 of 100) is filled near its start and not
  // near its end: the two differ clearly.
  RECT fixed;
  ::GetWindowRect(progress[0], &fixed);
  const int y = (fixed.top + fixed.bottom) / 2 - frame.top;
  const COLORREF filled = shot.at(fixed.left - frame.left + 20, y);
  const COLORREF empty = shot.at(fixed.right - frame.left - 20, y);
  EXPECT_GT(testing_support::ColourDistance(filled, empty), 30);

  // The pulse moves on its own.
  const LRESULT before = ::SendMessageA(progress[1], PBM_GETPOS, 0, 0);
  testing_support::PumpFor(400);
  EXPECT_NE(::SendMessageA(progress[1], PBM_GETPOS, 0, 0), before);
}

// The sample window, opened by its button as a developer would: skinned,
// with its status strip, the docked tab and its pages' controls.
TEST_F(Gallery, TheSampleWindowOpensWithTheEnginesLooks) {
  HWND open = ChildWithText(window_, "窗口示例");
  ASSERT_NE(open, nullptr);
  ::PostMessageA(open, BM_CLICK, 0, 0);
  HWND sample = nullptr;
  for (int i = 0; i < 100 && !sample; ++i) {
    testing_support::PumpFor(50);
    sample = testing_support::FindTopWindow(pi_.dwProcessId, "SkinGallerySampleWindow", true);
  }
  ASSERT_NE(sample, nullptr);
  testing_support::PumpFor(500);
  EXPECT_GE(Prop(sample, "Hw_lbID"), 1);
  HWND tab = ::FindWindowExA(sample, nullptr, "SysTabControl32", nullptr);
  ASSERT_NE(tab, nullptr);
  EXPECT_GE(Prop(tab, "Kj_lbID"), 1);  // a transparent child
  RECT client, docked;
  ::GetClientRect(sample, &client);
  ::GetWindowRect(tab, &docked);
  EXPECT_EQ(docked.right - docked.left, client.right - 4);
  HWND page = ::GetWindow(tab, GW_CHILD);
  ASSERT_NE(page, nullptr);
  EXPECT_GE(Prop(ChildWithText(page, "点一个名"), "Hw_lbID"), 1);

  const testing_support::Pixels shot = testing_support::CaptureShown(sample, "gallery-sample.png");
  ASSERT_FALSE(shot.empty()) << "no picture from the display";
  // The status strip's light gradient differs from the picture just above.
  const int bottom = client.bottom - 12;
  EXPECT_GT(testing_support::ColourDistance(shot.at(300, bottom), shot.at(300, bottom - 30)), 4);
}

}  // namespace

// Each button of the dialog row opens its dialog skinned: the engine's frame
// instead of the platform's, its controls taken; Cancel by the pointer ends it.
TEST_F(Gallery, TheDialogButtonsOpenSkinnedDialogs) {
  for (const char* caption : {"打开文件…", "颜色…", "字体…", "消息框…", "属性页…"}) {
    HWND button = ChildWithText(window_, caption);
    ASSERT_NE(button, nullptr) << caption;
    EXPECT_EQ(Prop(button, "Hw_FuID"), 1) << caption;
    RECT r;
    ::GetWindowRect(button, &r);
    ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    testing_support::PumpFor(100);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, click, sizeof(INPUT));
    HWND dialog = nullptr;
    for (int i = 0; i < 100 && !dialog; ++i) {
      testing_support::PumpFor(50);
      dialog = testing_support::FindTopWindow(pi_.dwProcessId, "#32770", true);
    }
    ASSERT_NE(dialog, nullptr) << caption << " opened nothing";
    testing_support::PumpFor(500);
    EXPECT_GE(Prop(dialog, "Hw_lbID"), 2) << caption << " is not skinned";
    EXPECT_EQ(::GetWindowLongA(dialog, GWL_STYLE) & WS_CAPTION, 0) << caption;
    HWND cancel = ::GetDlgItem(dialog, IDCANCEL);
    ASSERT_NE(cancel, nullptr) << caption;
    EXPECT_GE(Prop(cancel, "Hw_FuID"), 2) << caption << ": Cancel is not skinned";
    // Two of them as a person sees them, once painted (the gallery paints
    // slowly while its progress bars pulse).
    if (::GetDlgCtrlID(button) == 202 || ::GetDlgCtrlID(button) == 205) {
      testing_support::PumpFor(1500);
      testing_support::CaptureShown(
          dialog, "gallery-dialog-" + std::to_string(::GetDlgCtrlID(button)) + ".png");
    }
    ::GetWindowRect(cancel, &r);
    ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    testing_support::PumpFor(100);
    ::SendInput(2, click, sizeof(INPUT));
    for (int i = 0; i < 100 && ::IsWindowVisible(dialog); ++i) testing_support::PumpFor(50);
    EXPECT_FALSE(::IsWindowVisible(dialog)) << caption << " stayed open";
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    testing_support::PumpFor(200);
  }
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 1) g_galleryPath = argv[1];
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  const int result = RUN_ALL_TESTS();
  Gdiplus::GdiplusShutdown(token);
  return result;
}
