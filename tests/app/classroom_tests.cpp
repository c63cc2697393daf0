// What a teacher switches on, and the keys of a presenter remote: fair
// rounds kept across restarts, the pick log, the switches in pz.ini, and
// real key presses on the real window.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/draw_keys.h"
#include "app/draw_loop.h"
#include "app/fair_rounds.h"
#include "app/globals.h"
#include "app/main_window.h"
#include "app/pick_log.h"
#include "app/settings.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "platform/messages.h"
#include "skin/engine/module_state.h"
#include "tests/app/program_loop.h"
#include "tests/app/temp_class_folder.h"

namespace {

std::string FileText(const std::string& path) {
  const platform::Bytes bytes = platform::ReadWholeFile(path);
  return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

// Remembers the names a draw shows; the last is where it landed.
class LandingView : public app::DrawView {
 public:
  void ShowName(const std::string& name) override {
    shown.push_back(name);
    if (onStep) onStep();
  }
  void SetNameColour(uint32_t) override {}
  void ShowPicture(const std::vector<uint8_t>&) override {}
  bool IsAlive() const override { return shown.size() < 100000; }
  std::vector<std::string> shown;
  void (*onStep)() = nullptr;
};

void Settings(int total, int p1, int p2, int ms1, int ms2) {
  app::TotalCount = total;
  app::Phase1Count = p1;
  app::Phase2Count = p2;
  app::Phase1IntervalMs = ms1;
  app::Phase2IntervalMs = ms2;
}

class Classroom : public ::testing::Test {
 protected:
  void SetUp() override {
    Roster(30);
    Settings(100, 2, 3, 0, 0);  // one pass of five names, no waits
    app::FairRounds = false;
    app::KeepPickLog = false;
    app::StopFlag = app::kNoDrawEnded;
    app::SetDrawView(&view);
  }
  void TearDown() override {
    app::SetDrawView(nullptr);
    app::FairRounds = false;
    app::KeepPickLog = false;
  }
  void Roster(int count) {
    app::Roster.clear();
    for (int k = 1; k <= count; ++k) app::Roster.push_back("学生" + std::to_string(k));
    app::RosterCount = count;
  }
  // Draws once; the line it landed on.
  int Draw() {
    view.shown.clear();
    app::RunDraw();
    const std::string& last = view.shown.back();
    for (int k = 1; k <= app::RosterCount; ++k)
      if (app::Roster[k - 1] == last) return k;
    return 0;
  }
  std::string Progress() const { return folder.path() + "\\点名进度.txt"; }
  std::string Log() const { return folder.path() + "\\点名记录.csv"; }

  TempClassFolder folder{"classroom"};
  LandingView view;
};

TEST_F(Classroom, AFairRoundCallsEveryoneOnceAndSurvivesARestart) {
  app::FairRounds = true;
  std::set<int> landed;
  for (int n = 0; n < 12; ++n) landed.insert(Draw());
  EXPECT_EQ(landed.size(), 12u);
  // The round is on disk: the heading and the twelve lines called.
  EXPECT_EQ(Lines(FileText(Progress())).size(), 13u);

  // A restart: nothing is remembered but the file.
  app::Roster.clear();
  Roster(30);
  for (int n = 0; n < 18; ++n) landed.insert(Draw());
  EXPECT_EQ(landed.size(), 30u);
  EXPECT_EQ(*landed.begin(), 1);
  EXPECT_EQ(*landed.rbegin(), 30);

  // Everyone called: the next draw starts a new round.
  Draw();
  EXPECT_EQ(Lines(FileText(Progress())).size(), 2u);
  // Every draw still flashed random names before landing.
  EXPECT_EQ(view.shown.size() >= 5u, true);
}

TEST_F(Classroom, FairRoundsNeverLandOnEmptyLinesAndRestartForANewRoster) {
  app::FairRounds = true;
  app::Roster = {"甲", "", "乙", "", "丙"};
  app::RosterCount = 5;
  std::set<int> landed;
  for (int n = 0; n < 3; ++n) landed.insert(Draw());
  EXPECT_EQ(landed, (std::set<int>{1, 3, 5}));
  // A changed name is another roster: its round starts afresh.
  const std::vector<int32_t> called = app::ParseRound(FileText(Progress()), app::Roster);
  EXPECT_EQ(called.size(), 3u);
  std::vector<std::string> renamed = app::Roster;
  renamed[0] = "丁";
  EXPECT_TRUE(app::ParseRound(FileText(Progress()), renamed).empty());
  renamed.push_back("戊");
  EXPECT_TRUE(app::ParseRound(FileText(Progress()), renamed).empty());
  // A roster of nothing but empty lines lands where the draw ended.
  std::vector<int32_t> none;
  app::DrawRandom random;
  EXPECT_EQ(app::ChooseLanding(2, {"", ""}, none, random), 2);
}

TEST_F(Classroom, ACorruptProgressFileStartsANewRound) {
  app::FairRounds = true;
  const std::string heading =
      app::RoundText(app::Roster, {}).substr(0, app::RoundText(app::Roster, {}).size() - 2);
  const std::vector<std::string> bad = {
      "garbage\r\n\x01\x02\xff",
      heading + "\r\n31\r\n",  // beyond the roster
      heading + "\r\n0\r\n",   // before it
      heading + "\r\n-4\r\n",
      heading + "\r\n7\r\n7\r\n",  // twice
      heading + "\r\n99999999999999999999\r\n",
      heading + "\r\n3x\r\n",
  };
  for (const std::string& text : bad) {
    EXPECT_TRUE(app::ParseRound(text, app::Roster).empty()) << text;
    folder.WriteFile("点名进度.txt", text);
    const int k = Draw();
    EXPECT_GE(k, 1);
    EXPECT_EQ(Lines(FileText(Progress())).size(), 2u) << text;  // a new round of one
  }
  EXPECT_EQ(app::ParseRound(heading + "\r\n4\r\n9\r\n", app::Roster), (std::vector<int32_t>{4, 9}));

  // A huge file is not read at all: a new round.
  std::string huge = heading + "\r\n";
  while (huge.size() < (3u << 20)) huge += "1\r\n";
  folder.WriteFile("点名进度.txt", huge);
  Draw();
  EXPECT_EQ(Lines(FileText(Progress())).size(), 2u);
}

TEST_F(Classroom, WithoutTheSwitchesNothingNewIsWritten) {
  for (int n = 0; n < 3; ++n) Draw();
  EXPECT_FALSE(platform::FileExists(Progress()));
  EXPECT_FALSE(platform::FileExists(Log()));
}

TEST_F(Classroom, ThePickLogAppendsOneRowPerDraw) {
  app::KeepPickLog = true;
  std::vector<int> landed;
  for (int n = 0; n < 3; ++n) landed.push_back(Draw());
  const std::vector<std::string> rows = Lines(FileText(Log()));
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], "时间,行号,姓名");
  for (int n = 0; n < 3; ++n) {
    const std::string& row = rows[n + 1];
    // "YYYY-MM-DD HH:MM:SS,<line>,<name>"
    ASSERT_GT(row.size(), 20u);
    EXPECT_EQ(row[4], '-');
    EXPECT_EQ(row[13], ':');
    EXPECT_EQ(row.substr(19), "," + std::to_string(landed[n]) + "," + app::Roster[landed[n] - 1]);
  }
  // Appending keeps what was there, byte for byte.
  const std::string before = FileText(Log());
  Draw();
  EXPECT_EQ(FileText(Log()).substr(0, before.size()), before);

  // A log held open by another program is given up; the draw goes on.
  {
    platform::UniqueHandle held(::CreateFileA(Log().c_str(), GENERIC_READ, 0, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    EXPECT_GE(Draw(), 1);
    EXPECT_EQ(app::StopFlag, app::kDrawEnded);
  }
  EXPECT_EQ(Lines(FileText(Log())).size(), 5u);
}

TEST(PickLog, RowsAreSafeForExcel) {
  SYSTEMTIME when{};
  when.wYear = 2026;
  when.wMonth = 3;
  when.wDay = 7;
  when.wHour = 8;
  when.wMinute = 5;
  when.wSecond = 9;
  EXPECT_EQ(app::PickLogRow(when, 12, "张伟"), "2026-03-07 08:05:09,12,张伟\r\n");
  EXPECT_EQ(app::PickLogRow(when, 1, "王,芳"), "2026-03-07 08:05:09,1,\"王,芳\"\r\n");
  EXPECT_EQ(app::PickLogRow(when, 1, "a\"b"), "2026-03-07 08:05:09,1,\"a\"\"b\"\r\n");
  // A name Excel would take for a formula stays text.
  EXPECT_EQ(app::PickLogRow(when, 2, "=1+1"), "2026-03-07 08:05:09,2,'=1+1\r\n");
  EXPECT_EQ(app::PickLogRow(when, 2, "-5"), "2026-03-07 08:05:09,2,'-5\r\n");
}

TEST(ClassroomSettings, SwitchesAreReadOnlyWhenTheTeacherWritesThem) {
  TempClassFolder folder("classroom_settings");
  app::CreateSettingsFileIfMissing();
  const std::string created = FileText(folder.path() + "\\pz.ini");
  app::ReadSettings();
  EXPECT_FALSE(app::FairRounds);
  EXPECT_FALSE(app::KeepPickLog);
  EXPECT_EQ(created.find("抽取方式"), std::string::npos);  // the created file is as before

  folder.WriteFile("pz.ini", created + "[抽取方式]\r\n不重复=1\r\n[记录]\r\n保存=１\r\n");
  app::ReadSettings();
  EXPECT_TRUE(app::FairRounds);
  EXPECT_TRUE(app::KeepPickLog);  // a full-width 1 reads like 1
  EXPECT_EQ(app::TotalCount, 15);
  folder.WriteFile("pz.ini", created + "[抽取方式]\r\n不重复=0\r\n");
  app::ReadSettings();
  EXPECT_FALSE(app::FairRounds);
  EXPECT_FALSE(app::KeepPickLog);
}

TEST(DrawKeys, WhatEachKeyDoes) {
  for (WPARAM key :
       {WPARAM{VK_SPACE}, WPARAM{VK_RETURN}, WPARAM{VK_NEXT}, WPARAM{VK_RIGHT}, WPARAM{VK_DOWN}})
    EXPECT_EQ(app::DrawKeyOf(key), app::DrawKey::Toggle) << key;
  for (WPARAM key : {WPARAM{VK_ESCAPE}, WPARAM{VK_PRIOR}})
    EXPECT_EQ(app::DrawKeyOf(key), app::DrawKey::Stop);
  for (WPARAM key : {WPARAM{VK_LEFT}, WPARAM{VK_UP}, WPARAM{'A'}, WPARAM{VK_F5}})
    EXPECT_EQ(app::DrawKeyOf(key), app::DrawKey::None);
}

// The real window, the real keyboard.
class KeysOnTheWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::SetModuleDefaults();
    folder.WriteFile("ming.txt", std::string("张三\r\n李四\r\n王小明\r\n"));
    window = app::CreateMainWindow();
    ASSERT_NE(window, nullptr);
    app::InstallDrawKeys();
    app::SetDrawView(&view);
    ::SetForegroundWindow(window);
    ::SetActiveWindow(window);
    ::SetFocus(window);
    Pump(200);
  }
  void TearDown() override {
    app::SetDrawView(nullptr);
    platform::SetMessageFilter(nullptr);
    if (::IsWindow(window)) ::DestroyWindow(window);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  // The program's own loop, for `ms`: the key filter sees every message.
  static void Pump(unsigned ms) { app_test::PumpProgramLoop(ms); }
  static void Press(WORD key) { app_test::PressKey(key); }
  TempClassFolder folder{"classroom_keys"};
  LandingView view;
  HWND window = nullptr;
};

// Pressed from inside the running draw, as a teacher would during it.
void CALLBACK PageUpLater(HWND w, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(w, id);
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_PRIOR;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, keys, sizeof(INPUT));
}

TEST_F(KeysOnTheWindow, PageDownStartsADrawAndPageUpStopsIt) {
  Settings(5, 2, 3, 30, 30);  // every pass repeats: the draw runs until stopped
  ::SetTimer(window, 91, 400, PageUpLater);
  Press(VK_NEXT);
  Pump(1500);
  EXPECT_FALSE(app::DrawRunning());
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);
  EXPECT_GE(view.shown.size(), 5u);
  // Stopped: no more names come.
  const size_t after = view.shown.size();
  Pump(300);
  EXPECT_EQ(view.shown.size(), after);
  // Escape when nothing runs does nothing.
  Press(VK_ESCAPE);
  Pump(200);
  EXPECT_EQ(view.shown.size(), after);
}

TEST_F(KeysOnTheWindow, AFocusedButtonActsOnceOnSpace) {
  Settings(100, 2, 0, 20, 20);  // one draw: two names
  const app::MainWindowControls& c = app::MainWindow();
  ::SetFocus(c.startButton);
  Press(VK_SPACE);
  Pump(600);
  EXPECT_EQ(view.shown.size(), 2u);

  // Enter is the window's: with the focus on the button, one draw again.
  view.shown.clear();
  Press(VK_RETURN);
  Pump(600);
  EXPECT_EQ(view.shown.size(), 2u);

  // Right, with the focus on the window itself.
  view.shown.clear();
  ::SetFocus(window);
  Press(VK_RIGHT);
  Pump(600);
  EXPECT_EQ(view.shown.size(), 2u);
}

}  // namespace

namespace {

// The teachers' guide beside the sample class: code page 936, CR LF, and
// every setting and key a teacher may need is in it.
TEST(TeachersGuide, CoversEverySettingAndKey) {
  const platform::Bytes bytes = platform::ReadWholeFile("Z:" ROLLCALL_EXAMPLES_DIR "/使用说明.txt");
  ASSERT_FALSE(bytes.empty());
  const std::string text(bytes.begin(), bytes.end());
  for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
    ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << "a line end without CR at " << at;
  for (const char* needed :
       {"ming.txt", "背景.jpg", "次数", "第一次循环多少次", "第二次循环多少次", "第一次循环间隔",
        "第二次循环间隔", "[抽取方式]", "不重复=1", "点名进度.txt", "[记录]", "保存=1",
        "点名记录.csv", "Page Down", "Page Up", "Esc", "找不到班级文件夹", "classcheck", "--fix"})
    EXPECT_NE(text.find(needed), std::string::npos) << needed;
}

}  // namespace
