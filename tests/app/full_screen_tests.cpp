// The projector: the layout scaled to a monitor, full screen entered and
// left by real keys on the real window, draw keys in it, the pointer hiding
// at rest, and [显示] 全屏=1.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/draw_keys.h"
#include "app/draw_loop.h"
#include "app/full_screen.h"
#include "app/globals.h"
#include "app/main_layout.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "app/transparent_label.h"
#include "platform/messages.h"
#include "skin/engine/module_state.h"
#include "tests/app/program_loop.h"
#include "tests/app/temp_class_folder.h"
#include "tests/support/screen.h"

namespace {

RECT InParent(HWND child) {
  RECT r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool Same(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }

int FontHeight(HWND label) {
  LOGFONTA lf{};
  ::GetObjectA(app::GetLabelFont(label), sizeof lf, &lf);
  return lf.lfHeight;
}

TEST(MainLayout, TheFormScaledTo1920x1080AndItselfAt512x394) {
  const app::MainLayout big = app::MainLayoutFor(1920, 1080);
  EXPECT_TRUE(Same(big.pictureBox, RECT{120, 47, 1770, 792}));
  EXPECT_TRUE(Same(big.startButton, RECT{240, 943, 900, 1053}));
  EXPECT_TRUE(Same(big.stopButton, RECT{1020, 943, 1680, 1053}));
  EXPECT_TRUE(Same(big.label, RECT{540, 789, 1350, 921}));
  EXPECT_EQ(big.labelFontHeight, -132);  // 48 x 1080 / 394: the smaller scale
  EXPECT_EQ(big.groupBox.right, 1928);   // still past the right edge
  const app::MainLayout form = app::MainLayoutFor(512, 394);
  EXPECT_TRUE(Same(form.pictureBox, RECT{32, 17, 472, 289}));
  EXPECT_EQ(form.labelFontHeight, -48);
}

class Recording : public app::DrawView {
 public:
  void ShowName(const std::string& name) override { shown.push_back(name); }
  void SetNameColour(uint32_t) override {}
  void ShowPicture(const std::vector<uint8_t>&) override {}
  bool IsAlive() const override { return true; }
  std::vector<std::string> shown;
};

class FullScreen : public ::testing::Test {
 protected:
  void Open() {
    skin::SetModuleDefaults();
    folder.WriteFile("ming.txt", std::string("张三\r\n李四\r\n王小明\r\n"));
    window = app::CreateMainWindow();
    ASSERT_NE(window, nullptr);
    app::InstallDrawKeys();
    ::SetForegroundWindow(window);
    ::SetFocus(window);
    Pump(200);
  }
  void TearDown() override {
    app::SetDrawView(nullptr);
    app::SetPointerRestMs(3000);
    app::StartFullScreen = false;
    platform::SetMessageFilter(nullptr);
    if (::IsWindow(window)) ::DestroyWindow(window);
    EXPECT_FALSE(app::PointerHidden());
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  static void Pump(unsigned ms) { app_test::PumpProgramLoop(ms); }
  static void Press(WORD key) {
    app_test::PressKey(key);
    Pump(150);
  }
  RECT Monitor() const {
    MONITORINFO m{};
    m.cbSize = sizeof m;
    ::GetMonitorInfoA(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &m);
    return m.rcMonitor;
  }
  void ExpectLayout(int width, int height) {
    const app::MainLayout l = app::MainLayoutFor(width, height);
    const app::MainWindowControls& c = app::MainWindow();
    RECT r = InParent(c.pictureBox);
    EXPECT_TRUE(::EqualRect(&r, &l.pictureBox)) << r.left << "," << r.top << "," << r.right;
    r = InParent(c.startButton);
    EXPECT_TRUE(::EqualRect(&r, &l.startButton)) << r.left << "," << r.top << "," << r.right;
    r = InParent(c.stopButton);
    EXPECT_TRUE(::EqualRect(&r, &l.stopButton));
    EXPECT_EQ(FontHeight(c.label), l.labelFontHeight);
  }
  TempClassFolder folder{"full_screen"};
  HWND window = nullptr;
};

// One window for everything: each one shown costs seconds to close under Wine.
TEST_F(FullScreen, TheSettingStartsInItPointerRestsEscAndF11LeaveAndEnterDrawKeysWork) {
  folder.WriteFile("pz.ini", std::string("[显示]\r\n全屏=1\r\n"));
  app::SetPointerRestMs(300);
  Open();
  ASSERT_TRUE(app::StartFullScreen);
  ASSERT_TRUE(app::IsFullScreen());
  const RECT monitor = Monitor();
  const int w = monitor.right - monitor.left, h = monitor.bottom - monitor.top;
  RECT now;
  ::GetWindowRect(window, &now);
  EXPECT_TRUE(::EqualRect(&now, &monitor));
  ExpectLayout(w, h);
  EXPECT_LT(FontHeight(app::MainWindow().label), -48);  // the name grew
  testing_support::CaptureWindowFromScreen(window).SavePng(
      testing_support::OutputPath("full_screen.png"));
  // A long name still shrinks to fit the wider window.
  HWND label = app::MainWindow().label;
  ::SetWindowTextA(label, std::string(60, 'W').c_str());
  RECT r;
  ::GetWindowRect(label, &r);
  EXPECT_GE(r.left, monitor.left);
  EXPECT_LE(r.right, monitor.right);
  EXPECT_GT(r.right - r.left, 1000) << "it uses the width full screen gives it";
  ::SetWindowTextA(label, "青禾");

  // The pointer hides at rest and shows when it moves.
  ::SetCursorPos(200, 200);
  Pump(100);
  EXPECT_FALSE(app::PointerHidden());
  Pump(600);
  EXPECT_TRUE(app::PointerHidden());
  ::SetCursorPos(260, 240);
  Pump(100);
  EXPECT_FALSE(app::PointerHidden());

  // Esc gives the window back as it was made: centred, the form's layout.
  Press(VK_ESCAPE);
  EXPECT_FALSE(app::IsFullScreen());
  EXPECT_FALSE(app::PointerHidden());
  ::GetWindowRect(window, &now);
  EXPECT_EQ(now.right - now.left, 512);
  EXPECT_EQ(now.bottom - now.top, 394);
  EXPECT_EQ(now.left, (::GetSystemMetrics(SM_CXSCREEN) - 512) / 2);
  ExpectLayout(512, 394);
  const RECT before = now;

  // F11 fills the monitor again; a draw key draws in it; F11 gives it back.
  Press(VK_F11);
  ASSERT_TRUE(app::IsFullScreen());
  ExpectLayout(w, h);
  Recording view;
  app::SetDrawView(&view);
  app::TotalCount = 100, app::Phase1Count = 1, app::Phase2Count = 1;
  app::Phase1IntervalMs = app::Phase2IntervalMs = 0;
  Press(VK_NEXT);
  EXPECT_EQ(view.shown.size(), 2u);  // one name of each phase
  EXPECT_TRUE(app::IsFullScreen());
  Press(VK_F11);
  EXPECT_FALSE(app::IsFullScreen());
  ::GetWindowRect(window, &now);
  EXPECT_TRUE(::EqualRect(&now, &before));
  ExpectLayout(512, 394);
}

}  // namespace
