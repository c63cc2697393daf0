// Runs the real rollcall.exe in a fresh class folder and drives it from
// outside, as a user would: through its window messages only.
#include <windows.h>
#include <objbase.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "app/main_window.h"
#include "tests/app/temp_class_folder.h"
#include "tests/support/processes.h"
#include "tests/support/screen.h"

namespace {

std::string g_programPath;  // from the command line

// An INI reader of our own: section -> key -> value, from the file's bytes.
using Ini = std::map<std::string, std::map<std::string, std::string>>;
Ini ReadIni(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  Ini ini;
  std::string section, line;
  std::istringstream lines(s.str());
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      ini[section];
    } else if (size_t eq = line.find('='); eq != std::string::npos) {
      ini[section][line.substr(0, eq)] = line.substr(eq + 1);
    }
  }
  return ini;
}

class RunningProgram {
 public:
  // Copies the program into `folder` and starts it there, with `argument`
  // (a class folder) when one is given.
  explicit RunningProgram(const std::string& folder, const std::string& argument = "") {
    std::string exe = folder + "\\rollcall.exe";
    EXPECT_TRUE(
        ::CopyFileA(testing_support::WindowsPath(g_programPath).c_str(), exe.c_str(), FALSE))
        << testing_support::WindowsPath(g_programPath);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string command = "\"" + exe + "\"";
    if (!argument.empty()) command += " \"" + argument + "\"";
    if (!::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &si, &pi_))
      return;
    ::WaitForInputIdle(pi_.hProcess, 10000);
    for (int i = 0; i < 200 && !window_ && !message_ && !Ended(); ++i) {
      window_ = testing_support::FindTopWindow(pi_.dwProcessId, app::kMainWindowClass);
      message_ = testing_support::FindTopWindow(pi_.dwProcessId, "#32770", true);
      if (!window_ && !message_) ::Sleep(50);
    }
  }
  ~RunningProgram() {
    if (pi_.hProcess) {
      if (::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT)
        ::TerminateProcess(pi_.hProcess, 1);
      ::CloseHandle(pi_.hProcess);
      ::CloseHandle(pi_.hThread);
    }
  }
  HWND window() const { return window_; }
  bool Ended() const { return ::WaitForSingleObject(pi_.hProcess, 0) == WAIT_OBJECT_0; }
  // A message box the program shows instead of its window.
  HWND message() const { return message_; }
  HWND Control(int id) const { return ::GetDlgItem(window_, id); }
  HWND Label() const { return ::GetDlgItem(Control(app::kGroupBoxId), app::kLabelId); }

  std::string LabelText() const {
    char buffer[256] = {};
    DWORD_PTR n = 0;
    ::SendMessageTimeoutA(Label(), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                          SMTO_ABORTIFHUNG, 2000, &n);
    return buffer;
  }
  void Click(int id) const { ::PostMessageA(Control(id), BM_CLICK, 0, 0); }

  // True when the program ended by itself within `ms`; its exit code in *code.
  bool WaitForExit(DWORD ms, DWORD* code) const {
    if (::WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0) return false;
    ::GetExitCodeProcess(pi_.hProcess, code);
    return true;
  }

 private:
  PROCESS_INFORMATION pi_{};
  HWND window_ = nullptr;
  HWND message_ = nullptr;
};

// The texts of a window's children, joined.
std::string ChildTexts(HWND window) {
  std::string all;
  for (HWND c = ::GetWindow(window, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    char text[512] = {};
    ::GetWindowTextA(c, text, sizeof text);
    all += text;
    all += "\n";
  }
  return all;
}

void CloseByDoubleClick(const RunningProgram& program) {
  ::PostMessageA(program.window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 390));
}

TEST(EndToEnd, StartDrawsNamesStopEndsItAndADoubleClickQuits) {
  TempClassFolder folder("e2e_draw");
  const std::set<std::string> names = {"赵一", "钱二", "孙三", "李四", "周五"};
  folder.WriteFile("ming.txt", std::string("赵一\r\n钱二\r\n孙三\r\n李四\r\n周五\r\n"));
  folder.WriteFile("img\\1.jpg", testing_support::SolidJpeg(120, 80, RGB(30, 90, 200)));
  // Passes repeat (each reaches 6 >= 5) until Stop.
  folder.WriteFile(
      "pz.ini",
      "[循环次数]\r\n次数=5\r\n[循环两遍]\r\n第一次循环多少次=2\r\n第二次循环多少次=3\r\n"
      "[一次时间]\r\n第一次循环间隔=40\r\n[两次时间]\r\n第二次循环间隔=40\r\n");

  RunningProgram program(folder.path());
  ASSERT_NE(program.window(), nullptr);
  EXPECT_EQ(program.LabelText(), "青禾");

  program.Click(app::kStartButtonId);
  std::set<std::string> shown;
  for (int i = 0; i < 60; ++i) {
    ::Sleep(25);
    shown.insert(program.LabelText());
  }
  shown.erase("青禾");
  EXPECT_GE(shown.size(), 2u);  // names keep changing
  for (const std::string& n : shown) EXPECT_TRUE(names.count(n)) << n;
  testing_support::CaptureWindowFromScreen(program.window())
      .SavePng(testing_support::OutputPath("e2e_during_draw.png"));

  program.Click(app::kStopButtonId);
  // After Stop the draw ends within a few steps and the name stays.
  ::Sleep(600);
  const std::string settled = program.LabelText();
  ::Sleep(400);
  EXPECT_EQ(program.LabelText(), settled);
  EXPECT_TRUE(names.count(settled)) << settled;

  ::PostMessageA(program.window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 390));
  DWORD code = 99;
  ASSERT_TRUE(program.WaitForExit(10000, &code));
  EXPECT_EQ(code, 0u);
}

TEST(EndToEnd, FirstStartCreatesTheSettingsFile) {
  TempClassFolder folder("e2e_first_start");
  RunningProgram program(folder.path());
  ASSERT_NE(program.window(), nullptr);
  ::PostMessageA(program.window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 390));
  DWORD code = 99;
  ASSERT_TRUE(program.WaitForExit(10000, &code));

  Ini ini = ReadIni(folder.path() + "\\pz.ini");
  EXPECT_EQ(ini.size(), 5u);
  EXPECT_EQ(ini["循环次数"]["次数"], "15");
  EXPECT_EQ(ini["循环两遍"]["第一次循环多少次"], "1");
  EXPECT_EQ(ini["循环两遍"]["第二次循环多少次"], "5");
  EXPECT_EQ(ini["一次时间"]["第一次循环间隔"], "1000");
  EXPECT_EQ(ini["两次时间"]["第二次循环间隔"], "1000");
  EXPECT_EQ(ini["说明情况:"]["说明:"], "循环次数 是两个次数加起来总数, 间隔时间是 1000=一秒");
}

TEST(EndToEnd, AnEmptyClassFolderStartsAndStartDoesNothing) {
  TempClassFolder folder("e2e_empty");  // no ming.txt, no img pictures
  RunningProgram program(folder.path());
  ASSERT_NE(program.window(), nullptr);
  program.Click(app::kStartButtonId);
  ::Sleep(300);
  EXPECT_EQ(program.LabelText(), "青禾");
  program.Click(app::kStopButtonId);
  ::PostMessageA(program.window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 390));
  DWORD code = 99;
  EXPECT_TRUE(program.WaitForExit(10000, &code));
}

// The program trims its memory when another application takes over, but not
// when it is closing: a tool started then would outlive it.
TEST(EndToEnd, LosingActivationTrimsButClosingDoesNot) {
  TempClassFolder folder("e2e_trim");
  const std::string windir = folder.path() + "\\win dir";
  const std::string tool = windir + "\\empty.exe";
  ::CreateDirectoryA(windir.c_str(), nullptr);
  char saved[MAX_PATH] = {};
  ::GetEnvironmentVariableA("windir", saved, MAX_PATH);
  ::SetEnvironmentVariableA("windir", windir.c_str());  // inherited by the program
  RunningProgram program(folder.path());
  ::SetEnvironmentVariableA("windir", saved);
  ASSERT_NE(program.window(), nullptr);

  // Another application's window comes to the front.
  HWND other = ::CreateWindowExA(WS_EX_TOPMOST, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                 50, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ::SetForegroundWindow(program.window());
  testing_support::PumpFor(300);
  ::SetForegroundWindow(other);
  bool written = false;
  for (int i = 0; i < 100 && !written; ++i) {
    testing_support::PumpFor(50);
    written = platform::FileExists(tool);
  }
  EXPECT_TRUE(written) << "no trimming tool in " << windir;

  // Active again, then closed: nothing is started any more.
  ::SetForegroundWindow(program.window());
  testing_support::PumpFor(500);
  ::DeleteFileA(tool.c_str());
  ::PostMessageA(program.window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 390));
  DWORD code = 99;
  EXPECT_TRUE(program.WaitForExit(10000, &code));
  ::Sleep(300);
  EXPECT_FALSE(platform::FileExists(tool));
  ::DestroyWindow(other);
}

}  // namespace

// One program, one shortcut per class: the folder on the command line is
// where the class files are read and written.
TEST(EndToEnd, AFolderArgumentIsTheClassFolder) {
  TempClassFolder programFolder("e2e_program");
  TempClassFolder classFolder("e2e_class 三年级");
  classFolder.WriteFile("ming.txt", std::string("何一\r\n何二\r\n"));
  classFolder.WriteFile("pz.ini",
                        "[循环次数]\r\n次数=100\r\n[循环两遍]\r\n第一次循环多少次=2\r\n"
                        "第二次循环多少次=0\r\n[一次时间]\r\n第一次循环间隔=20\r\n"
                        "[记录]\r\n保存=1\r\n");
  {
    RunningProgram program(programFolder.path(), classFolder.path() + "\\");
    ASSERT_NE(program.window(), nullptr);
    program.Click(app::kStartButtonId);
    std::string shown;
    for (int i = 0; i < 40 && shown != "何一" && shown != "何二"; ++i) {
      ::Sleep(50);
      shown = program.LabelText();
    }
    EXPECT_TRUE(shown == "何一" || shown == "何二") << shown;
    ::Sleep(300);
    CloseByDoubleClick(program);
    DWORD code = 99;
    ASSERT_TRUE(program.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
  }
  // The class folder's own settings were read (the log was switched on
  // there), and nothing was written beside the program.
  EXPECT_TRUE(platform::FileExists(classFolder.path() + "\\点名记录.csv"));
  EXPECT_FALSE(platform::FileExists(programFolder.path() + "\\pz.ini"));
  EXPECT_FALSE(platform::FileExists(programFolder.path() + "\\点名记录.csv"));
}

TEST(EndToEnd, AMissingClassFolderIsReportedAndTheProgramEnds) {
  TempClassFolder programFolder("e2e_missing");
  const std::string missing = programFolder.path() + "\\没有这个班";
  RunningProgram program(programFolder.path(), missing);
  EXPECT_EQ(program.window(), nullptr);
  ASSERT_NE(program.message(), nullptr);
  EXPECT_NE(ChildTexts(program.message()).find("找不到班级文件夹: " + missing), std::string::npos)
      << ChildTexts(program.message());
  ::PostMessageA(program.message(), WM_COMMAND, IDOK, 0);
  DWORD code = 99;
  ASSERT_TRUE(program.WaitForExit(10000, &code));
  EXPECT_EQ(code, 1u);
  EXPECT_FALSE(platform::FileExists(programFolder.path() + "\\pz.ini"));
}

TEST(EndToEnd, OneCopyPerClassFolderAndCopiesOnOtherFoldersRunBeside) {
  TempClassFolder programs[3] = {TempClassFolder("e2e_copy_1"), TempClassFolder("e2e_copy_2"),
                                 TempClassFolder("e2e_copy_3")};
  TempClassFolder classA("e2e_copies A"), classB("e2e_copies B");
  for (TempClassFolder* c : {&classA, &classB}) {
    c->WriteFile("ming.txt", std::string("何一\r\n何二\r\n何三\r\n"));
    c->WriteFile("pz.ini",
                 "[循环次数]\r\n次数=15\r\n[循环两遍]\r\n第一次循环多少次=1\r\n"
                 "第二次循环多少次=2\r\n[一次时间]\r\n第一次循环间隔=300\r\n[两次时间]\r\n"
                 "第二次循环间隔=300\r\n[记录]\r\n保存=1\r\n");
  }
  RunningProgram first(programs[0].path(), classA.path());
  ASSERT_NE(first.window(), nullptr);
  ::ShowWindow(first.window(), SW_MINIMIZE);
  first.Click(app::kStartButtonId);
  ::Sleep(200);  // the draw is under way when the second copy starts

  // The same folder written another way: other case, "..", a trailing separator.
  std::string other = classA.path();
  const size_t slash = other.find_last_of('\\');
  other = other.substr(0, slash) + "\\img\\..\\E2E_COPIES a\\";
  RunningProgram second(programs[1].path(), other);
  DWORD code = 99;
  ASSERT_TRUE(second.WaitForExit(10000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(second.window(), nullptr);
  EXPECT_FALSE(::IsIconic(first.window()));
  EXPECT_EQ(::GetForegroundWindow(), first.window());

  RunningProgram beside(programs[2].path(), classB.path());
  EXPECT_NE(beside.window(), nullptr);
  EXPECT_FALSE(beside.Ended());

  ::Sleep(1500);  // the draw lands (three steps of 300 ms) and is logged once
  const platform::Bytes log = platform::ReadWholeFile(classA.path() + "\\点名记录.csv");
  const std::string text(log.begin(), log.end());
  size_t rows = 0;
  for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++rows;
  EXPECT_EQ(rows, 2u) << text;  // the header and the one landing
  EXPECT_FALSE(first.Ended());
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 1) g_programPath = argv[1];
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);  // screenshots are saved through GDI+
  int result = RUN_ALL_TESTS();
  Gdiplus::GdiplusShutdown(token);
  return result;
}
