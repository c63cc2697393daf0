// The working-set trimmer with stand-in Windows directories, and the real
// empty.exe run against live and missing processes.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/startup.h"
#include "app/trimmer.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "skin/engine/module_state.h"

namespace {

// Both copied beside the test by the build.
constexpr char kBuiltTool[] = "built_empty.exe";
constexpr char kStandIn[] = "stand_in.exe";

std::string WorkFolder() {
  char buffer[MAX_PATH * 2] = {};
  DWORD n = ::GetCurrentDirectoryA(sizeof buffer, buffer);
  return std::string(buffer, n);
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (::FindNextFileA(find, &found));
  ::FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

// An empty folder of that name in the test's working folder.
std::string FreshFolder(const std::string& name) {
  const std::string folder = WorkFolder() + "\\" + name;
  for (const std::string& file : FilesIn(folder)) ::DeleteFileA((folder + "\\" + file).c_str());
  ::CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::vector<std::string> Lines(const std::string& file) {
  const platform::Bytes bytes = platform::ReadWholeFile(file);
  std::vector<std::string> lines;
  std::string line;
  for (uint8_t b : bytes) {
    if (b == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (b != '\r') {
      line += char(b);
    }
  }
  return lines;
}

// What the stand-in wrote about one start.
struct StartRecord {
  std::string commandLine;
  DWORD flags = 0;
  int show = -1;
};
StartRecord ParseStart(const std::string& line) {
  StartRecord record;
  const size_t a = line.find('|'), c = line.rfind('|');
  const size_t b = line.rfind('|', c - 1);
  if (line.compare(0, a, "start") != 0 || b == std::string::npos || b <= a) return record;
  record.commandLine = line.substr(a + 1, b - a - 1);
  record.flags = std::stoul(line.substr(b + 1, c - b - 1));
  record.show = std::stoi(line.substr(c + 1));
  return record;
}

// Waits for something another process or thread does; the limit only keeps
// a broken run from hanging.
bool WaitUntil(const std::function<bool()>& done) {
  for (int i = 0; i < 1500; ++i) {
    if (done()) return true;
    ::Sleep(20);
  }
  return done();
}

bool Copy(const std::string& from, const std::string& to) {
  return ::CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

// Runs a program to its end; its exit code, with what it printed.
DWORD RunProgram(const std::string& command, std::string* output) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!::CreatePipe(&read, &write, &inherit, 0)) return DWORD(-1);
  platform::UniqueHandle reader(read), writer(write);
  ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  startup.hStdError = write;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION started{};
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &started))
    return DWORD(-1);
  platform::UniqueHandle process(started.hProcess), thread(started.hThread);
  writer.reset();
  char buffer[512];
  DWORD got = 0;
  while (::ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0)
    output->append(buffer, got);
  ::WaitForSingleObject(process.get(), INFINITE);
  DWORD code = 0;
  ::GetExitCodeProcess(process.get(), &code);
  return code;
}

std::set<DWORD> ThreadsOfThisProcess() {
  std::set<DWORD> ids;
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Thread32First(snapshot, &entry); more; more = ::Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == ::GetCurrentProcessId()) ids.insert(entry.th32ThreadID);
  ::CloseHandle(snapshot);
  return ids;
}

// Sets "windir" for one test and puts the old value back.
class WindirScope {
 public:
  explicit WindirScope(const char* value) : old_(platform::EnvironmentVariable("windir")) {
    ::SetEnvironmentVariableA("windir", value);
  }
  ~WindirScope() { ::SetEnvironmentVariableA("windir", old_.empty() ? nullptr : old_.c_str()); }

 private:
  std::string old_;
};

FILETIME LastWrite(const std::string& file) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ::GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

TEST(Trimmer, WritesItsOwnToolOnceAndRunsIt) {
  const platform::Bytes built = platform::ReadWholeFile(kBuiltTool);
  ASSERT_FALSE(built.empty());
  const std::string windir = FreshFolder("windir_fresh");
  const std::string tool = windir + "\\empty.exe";

  ASSERT_TRUE(app::TrimWorkingSetWith(windir, ::GetCurrentProcessId(), true));
  EXPECT_TRUE(platform::ReadWholeFile(tool) == built);  // the built tool, byte for byte
  EXPECT_EQ(std::vector<std::string>{"empty.exe"}, FilesIn(windir));  // no temporaries left

  // Present now: run again, not written again.
  const FILETIME written = LastWrite(tool);
  ::Sleep(50);
  ASSERT_TRUE(app::TrimWorkingSetWith(windir, ::GetCurrentProcessId(), true));
  const FILETIME again = LastWrite(tool);
  EXPECT_EQ(0, ::CompareFileTime(&written, &again));
  EXPECT_TRUE(platform::ReadWholeFile(tool) == built);
}

TEST(Trimmer, RunsAToolAlreadyThereUnchangedHiddenAndWaitsForIt) {
  const std::string windir = FreshFolder("windir_present");
  const std::string tool = windir + "\\empty.exe";
  ASSERT_TRUE(Copy(kStandIn, tool));
  const platform::Bytes standIn = platform::ReadWholeFile(tool);

  ASSERT_TRUE(app::TrimWorkingSetWith(windir, 4242, true));
  std::vector<std::string> log = Lines(tool + ".log");
  ASSERT_EQ(2u, log.size());  // it has ended by the time the call returns
  const StartRecord record = ParseStart(log[0]);
  EXPECT_EQ("\"" + tool + "\" 4242", record.commandLine);  // the process id is the only argument
  EXPECT_NE(0u, record.flags & STARTF_USESHOWWINDOW);
  EXPECT_EQ(SW_HIDE, record.show);
  EXPECT_EQ("end", log[1]);
  EXPECT_TRUE(platform::ReadWholeFile(tool) == standIn);

  // Every call runs it again; nothing rewrites it.
  ASSERT_TRUE(app::TrimWorkingSetWith(windir, 7, true));
  log = Lines(tool + ".log");
  ASSERT_EQ(4u, log.size());
  EXPECT_EQ("\"" + tool + "\" 7", ParseStart(log[2]).commandLine);
  EXPECT_TRUE(platform::ReadWholeFile(tool) == standIn);

  // Without waiting, the call comes back while the tool still runs.
  platform::WriteWholeFile(tool + ".hold", nullptr, 0);
  ASSERT_TRUE(app::TrimWorkingSetWith(windir, 8, false));
  EXPECT_TRUE(WaitUntil([&] { return Lines(tool + ".log").size() == 5; }));
  EXPECT_EQ(5u, Lines(tool + ".log").size());
  ::DeleteFileA((tool + ".hold").c_str());
  EXPECT_TRUE(WaitUntil([&] { return Lines(tool + ".log").size() == 6; }));
}

TEST(Trimmer, DoesNothingWithoutAWindowsDirectory) {
  // The path would be "\empty.exe", at the root of the current drive.
  const bool rootToolBefore = platform::FileExists("\\empty.exe");
  EXPECT_FALSE(app::TrimWorkingSetWith("", ::GetCurrentProcessId(), true));
  {
    WindirScope unset(nullptr);
    EXPECT_EQ("", platform::EnvironmentVariable("windir"));
    app::TrimWorkingSet(nullptr);
  }
  {
    WindirScope empty("");
    app::TrimWorkingSet(nullptr);
  }
  if (!rootToolBefore) {
    EXPECT_FALSE(platform::FileExists("\\empty.exe"));
  }

  // A Windows directory that does not exist: nothing written, nothing run.
  const std::string missing = WorkFolder() + "\\no such windir";
  EXPECT_FALSE(app::TrimWorkingSetWith(missing, ::GetCurrentProcessId(), true));
  EXPECT_FALSE(platform::FileExists(missing + "\\empty.exe"));
}

TEST(Trimmer, WindowsDirectoryWithSpaces) {
  // "<base>\win dir\empty.exe 77", unquoted and without a program name, would
  // start "<base>\win.exe" first.
  const std::string base = FreshFolder("spaces");
  const std::string windir = base + "\\win dir";
  FreshFolder("spaces\\win dir");
  ASSERT_TRUE(Copy(kStandIn, windir + "\\empty.exe"));
  ASSERT_TRUE(Copy(kStandIn, base + "\\win.exe"));

  ASSERT_TRUE(app::TrimWorkingSetWith(windir, 77, true));
  const std::vector<std::string> log = Lines(windir + "\\empty.exe.log");
  ASSERT_EQ(2u, log.size());
  EXPECT_EQ("\"" + windir + "\\empty.exe\" 77", ParseStart(log[0]).commandLine);
  EXPECT_FALSE(platform::FileExists(base + "\\win.exe.log"));

  // The real tool, written into such a folder, runs there too.
  const std::string fresh = base + "\\fresh dir";
  FreshFolder("spaces\\fresh dir");
  EXPECT_TRUE(app::TrimWorkingSetWith(fresh, ::GetCurrentProcessId(), true));
  EXPECT_TRUE(platform::FileExists(fresh + "\\empty.exe"));
}

TEST(Trimmer, StartTrimmerReturnsAtOnceAndItsThreadFinishes) {
  const std::string windir = FreshFolder("windir_thread");
  const std::string tool = windir + "\\empty.exe";
  ASSERT_TRUE(Copy(kStandIn, tool));
  platform::WriteWholeFile(tool + ".hold", nullptr, 0);
  WindirScope scope(windir.c_str());
  const std::set<DWORD> before = ThreadsOfThisProcess();

  app::StartTrimmer();
  // Back here while the tool is still held: it runs on another thread.
  ASSERT_TRUE(WaitUntil([&] { return Lines(tool + ".log").size() == 1; }));
  EXPECT_EQ("\"" + tool + "\" " + std::to_string(::GetCurrentProcessId()),
            ParseStart(Lines(tool + ".log")[0]).commandLine);
  std::vector<platform::UniqueHandle> added;
  for (DWORD id : ThreadsOfThisProcess())
    if (!before.count(id)) added.emplace_back(::OpenThread(SYNCHRONIZE, FALSE, id));
  ASSERT_FALSE(added.empty());
  std::vector<HANDLE> waitable;
  for (const platform::UniqueHandle& h : added)
    if (h) waitable.push_back(h.get());
  ASSERT_FALSE(waitable.empty());
  EXPECT_EQ(DWORD(WAIT_TIMEOUT),
            ::WaitForMultipleObjects(DWORD(waitable.size()), waitable.data(), FALSE, 0));

  // Released, the tool ends and so does the thread that waited for it.
  ::DeleteFileA((tool + ".hold").c_str());
  EXPECT_TRUE(WaitUntil([&] { return Lines(tool + ".log").size() == 2; }));
  const DWORD ended =
      ::WaitForMultipleObjects(DWORD(waitable.size()), waitable.data(), FALSE, 30000);
  EXPECT_LT(ended, DWORD(WAIT_OBJECT_0 + waitable.size()));
}

TEST(Trimmer, InstalledAsTheDeactivationHandlerAtStartUp) {
  skin::SetDeactivationHandler(nullptr);
  app::StartApplication();
  // The handler trims unless the window is closing (the end-to-end test
  // shows both cases on the real program).
  EXPECT_NE(nullptr, skin::GetDeactivationHandler());
}

TEST(EmptyTool, EmptiesALiveProcessAndReportsFailures) {
  std::string output;
  EXPECT_EQ(0u, RunProgram(std::string(kBuiltTool) + " " + std::to_string(::GetCurrentProcessId()),
                           &output));
  EXPECT_EQ("", output);

  output.clear();
  EXPECT_NE(0u, RunProgram(kBuiltTool, &output));
  EXPECT_NE(std::string::npos, output.find("missing pid or task name")) << output;
  EXPECT_NE(std::string::npos, output.find("USAGE: empty.exe {pid | task-name}")) << output;

  output.clear();
  EXPECT_NE(0u, RunProgram(std::string(kBuiltTool) + " 4000000000", &output));
  EXPECT_NE(std::string::npos, output.find("could not empty working set for process #4000000000"))
      << output;

  // By task name, with or without the extension.
  output.clear();
  EXPECT_EQ(0u, RunProgram(std::string(kBuiltTool) + " trimmer_tests.exe", &output)) << output;
  EXPECT_EQ(0u, RunProgram(std::string(kBuiltTool) + " TRIMMER_TESTS", &output)) << output;
  output.clear();
  EXPECT_NE(0u, RunProgram(std::string(kBuiltTool) + " no_such_task_anywhere", &output));
  EXPECT_NE(std::string::npos, output.find("[no_such_task_anywhere]")) << output;
}

}  // namespace
