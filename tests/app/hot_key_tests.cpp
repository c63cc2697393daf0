// The hot key: what a value of [热键] 开始 means, what is reported, and the
// real key pressed while another window (the "slides") has the keyboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/draw_keys.h"
#include "app/draw_loop.h"
#include "app/globals.h"
#include "app/hot_key.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "platform/messages.h"
#include "skin/engine/module_state.h"
#include "tests/app/program_loop.h"
#include "tests/app/temp_class_folder.h"
#include "tests/support/screen.h"

namespace {

TEST(HotKey, TheSyntaxIsReadExactlyAndNothingElseIsGuessed) {
  struct Row {
    const char* text;
    UINT modifiers, key;
  } good[] = {{"Ctrl+Alt+D", MOD_CONTROL | MOD_ALT, 'D'},
              {" ctrl + shift + f9 ", MOD_CONTROL | MOD_SHIFT, VK_F9},
              {"Win+0", MOD_WIN, '0'},
              {"Alt+Shift+Ctrl+Win+Z", MOD_ALT | MOD_SHIFT | MOD_CONTROL | MOD_WIN, 'Z'},
              {"F24", 0, VK_F24},
              {"Ｃｔｒｌ＋Ａｌｔ＋Ｄ", MOD_CONTROL | MOD_ALT, 'D'}};
  for (const Row& row : good) {
    const auto k = app::ParseHotKey(row.text);
    ASSERT_TRUE(k) << row.text;
    EXPECT_EQ(k->modifiers, row.modifiers) << row.text;
    EXPECT_EQ(k->key, row.key) << row.text;
  }
  for (const char* bad :
       {"", "   ", "garbage", "Ctrl+Alt", "Ctrl+", "+D", "Ctrl++D", "D", "Ctrl+Ctrl+D",
        "Ctrl+Alt+DD", "Ctrl+F25", "Ctrl+F0", "Ctrl+F01", "Control+D", "Ctrl+Alt+Del", "Ctrl+张"})
    EXPECT_FALSE(app::ParseHotKey(bad)) << bad;
}

TEST(HotKey, AMalformedOrHeldKeyIsReportedAndNotRegistered) {
  HWND other = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
  HWND ours = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
  for (const char* bad : {"garbage", "", "Ctrl+Alt"}) {
    const std::string said = app::RegisterStartHotKey(ours, bad);
    EXPECT_EQ(said.find("热键 \"" + std::string(bad) + "\" 写得不对"), 0u) << said;
  }
  ASSERT_TRUE(::RegisterHotKey(other, 7, MOD_CONTROL | MOD_ALT, VK_F7));
  EXPECT_EQ(app::RegisterStartHotKey(ours, "Ctrl+Alt+F7"), "热键 Ctrl+Alt+F7 已被其他程序占用");
  EXPECT_EQ(app::RegisterStartHotKey(ours, "Ctrl+Alt+F6"), "");
  EXPECT_FALSE(::RegisterHotKey(other, 8, MOD_CONTROL | MOD_ALT, VK_F6)) << "ours holds it";
  ::UnregisterHotKey(other, 7);
  ::DestroyWindow(other);
  ::DestroyWindow(ours);
}

TEST(HotKey, TheNewSwitchesAreReadOnlyWhenWrittenAnEmptyKeyIsNotAMissingOne) {
  TempClassFolder folder("new_switches");
  folder.WriteFile("pz.ini", std::string("[循环次数]\r\n次数=15\r\n"));
  app::ReadSettings();
  EXPECT_FALSE(app::StartHotKeyText);
  EXPECT_FALSE(app::StartFullScreen);
  EXPECT_FALSE(app::ReadAloud);
  folder.WriteFile("pz.ini",
                   std::string("[热键]\r\n开始=\r\n[显示]\r\n全屏=1\r\n[朗读]\r\n开启=1\r\n"));
  app::ReadSettings();
  ASSERT_TRUE(app::StartHotKeyText);
  EXPECT_EQ(*app::StartHotKeyText, "");
  EXPECT_TRUE(app::StartFullScreen);
  EXPECT_TRUE(app::ReadAloud);
  app::StartHotKeyText.reset();
  app::StartFullScreen = app::ReadAloud = false;
}

class Recording : public app::DrawView {
 public:
  void ShowName(const std::string& name) override { shown.push_back(name); }
  void SetNameColour(uint32_t) override {}
  void ShowPicture(const std::vector<uint8_t>&) override {}
  bool IsAlive() const override { return true; }
  std::vector<std::string> shown;
};

void PressHotKey() {
  INPUT keys[6] = {};
  const WORD order[3] = {VK_CONTROL, VK_MENU, VK_F8};
  for (int i = 0; i < 3; ++i) {
    keys[i].type = keys[5 - i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = keys[5 - i].ki.wVk = order[i];
    keys[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  ::SendInput(6, keys, sizeof(INPUT));
}

HWND g_main = nullptr;
HWND g_foregroundInDraw = nullptr;

// Inside the running draw: who has the keyboard, then the key again.
void CALLBACK PressDuringDraw(HWND w, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(w, id);
  g_foregroundInDraw = ::GetForegroundWindow();
  PressHotKey();
}

void Pump(unsigned ms) { app_test::PumpProgramLoop(ms); }

// Whether `upper` lies above `lower` among the top-level windows.
bool Above(HWND upper, HWND lower) {
  for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    if (w == upper) return true;
    if (w == lower) return false;
  }
  return false;
}

TEST(HotKey, FromTheSlidesItRaisesStartsStopsAndGivesTheKeyboardBack) {
  skin::SetModuleDefaults();
  TempClassFolder folder("hot_key");
  folder.WriteFile("ming.txt", std::string("张三\r\n李四\r\n王小明\r\n"));
  // Passes repeat until stopped: only the key ends the draw.
  folder.WriteFile(
      "pz.ini", std::string("[循环次数]\r\n次数=3\r\n[循环两遍]\r\n第一次循环多少次=1\r\n"
                            "第二次循环多少次=1\r\n[一次时间]\r\n第一次循环间隔=50\r\n"
                            "[两次时间]\r\n第二次循环间隔=50\r\n[热键]\r\n开始=Ctrl+Alt+F8\r\n"));
  HWND window = g_main = app::CreateMainWindow();
  ASSERT_NE(window, nullptr);
  app::InstallDrawKeys();
  Recording view;
  app::SetDrawView(&view);
  HWND slides = ::CreateWindowExA(0, "STATIC", "slides", WS_POPUP | WS_VISIBLE, 0, 0,
                                  ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, nullptr, nullptr);
  ::SetForegroundWindow(slides);
  Pump(200);
  ASSERT_EQ(::GetForegroundWindow(), slides);
  ASSERT_TRUE(Above(slides, window));

  ::SetTimer(nullptr, 0, 400, PressDuringDraw);
  PressHotKey();
  Pump(900);  // the draw runs inside, until the second press stops it
  EXPECT_EQ(g_foregroundInDraw, window) << "the key raised the window";
  EXPECT_FALSE(app::DrawRunning());
  EXPECT_GE(view.shown.size(), 4u) << "the draw ran until the second press";
  EXPECT_EQ(::GetForegroundWindow(), window);
  EXPECT_TRUE(Above(window, slides));

  const size_t landed = view.shown.size();
  PressHotKey();  // the same key once more: the keyboard goes back
  Pump(200);
  EXPECT_EQ(view.shown.size(), landed) << "no new draw";
  EXPECT_EQ(::GetForegroundWindow(), slides);
  EXPECT_TRUE(Above(slides, window));

  app::SetDrawView(nullptr);
  platform::SetMessageFilter(nullptr);
  ::DestroyWindow(window);
  ::DestroyWindow(slides);
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

}  // namespace
