// The unzipped release started as a teacher would, by double-clicking
// rollcall.exe in its folder: the window comes up, a draw lands on a name of
// the sample class, and a double-click ends it.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/support/processes.h"
#include "tests/support/screen.h"

namespace {

std::string g_release;  // the unzipped folder, from the command line

constexpr char kMainWindowClass[] = "RollCallMainWindow";
constexpr int kGroupBoxId = 1, kLabelId = 3, kStartButtonId = 4;

std::string ReadFile(const std::string& path) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text(1 << 16, '\0');
  DWORD got = 0;
  ::ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &got, nullptr);
  ::CloseHandle(file);
  text.resize(got);
  return text;
}

std::set<std::string> SampleNames(const std::string& folder) {
  const std::string text = ReadFile(folder + "\\ming.txt");
  std::set<std::string> names;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    names.insert(text.substr(start, end - start));
  return names;
}

std::string LabelText(HWND window) {
  HWND label = ::GetDlgItem(::GetDlgItem(window, kGroupBoxId), kLabelId);
  char buffer[256] = {};
  DWORD_PTR n = 0;
  ::SendMessageTimeoutA(label, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 2000, &n);
  return buffer;
}

TEST(Release, StartsFromItsFolderDrawsANameAndEndsOnADoubleClick) {
  const std::string folder = testing_support::WindowsPath(g_release);
  const std::set<std::string> names = SampleNames(folder);
  ASSERT_GE(names.size(), 10u) << folder;

  const std::string exe = folder + "\\rollcall.exe";
  std::string command = "\"" + exe + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &si, &pi))
      << exe;
  ::WaitForInputIdle(pi.hProcess, 10000);
  HWND window = nullptr;
  for (int i = 0; i < 200 && !window; ++i) {
    window = testing_support::FindTopWindow(pi.dwProcessId, kMainWindowClass, true);
    if (!window) ::Sleep(50);
  }
  ASSERT_NE(window, nullptr);

  ::PostMessageA(::GetDlgItem(window, kStartButtonId), BM_CLICK, 0, 0);
  std::string shown;
  for (int i = 0; i < 100 && !names.count(shown); ++i) {
    ::Sleep(50);
    shown = LabelText(window);
  }
  EXPECT_TRUE(names.count(shown)) << shown;
  ::Sleep(300);  // the step's photo and name reach the display
  testing_support::CaptureWindowFromScreen(window).SavePng(
      testing_support::OutputPath("release_window.png"));

  ::PostMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 390));
  DWORD code = 99;
  if (::WaitForSingleObject(pi.hProcess, 15000) == WAIT_OBJECT_0)
    ::GetExitCodeProcess(pi.hProcess, &code);
  else
    ::TerminateProcess(pi.hProcess, 1);
  EXPECT_EQ(code, 0u);
  ::CloseHandle(pi.hProcess);
  ::CloseHandle(pi.hThread);
  // The program wrote its settings into its own folder, nowhere else.
  EXPECT_FALSE(ReadFile(folder + "\\pz.ini").empty());
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 1) g_release = argv[1];
  return RUN_ALL_TESTS();
}
