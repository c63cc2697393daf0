// Measures the roll-call program: start-up to the first painted window, the
// wall time of a short draw, and the processor time draws use.
//
// Processor time is read from outside the measured process (bench_util.h:
// the user and system time Linux counts for the process that runs it under
// Wine, in 10 ms ticks). The real program, rollcall.exe, runs on a class
// folder of its own; once its window is up and painted, the counts are read,
// Start gets a BM_CLICK (sent, so the call returns when the draw has ended),
// and the counts are read again. A busy-wait in a child process, measured in
// the same way, must come out near 100 %: that shows the method sees the
// processor time a process uses. A figure that cannot be read says so.
#include <windows.h>
#include <objbase.h>
#include <gdiplus.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/draw_loop.h"
#include "app/globals.h"
#include "app/main_window.h"
#include "app/paths.h"
#include "bench/bench_util.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "skin/engine/module_state.h"
#include "tests/support/processes.h"
#include "tests/support/screen.h"

namespace {

constexpr char kSpinArgument[] = "--spin";                   // a child that only spins
constexpr char kSpinMessagesArgument[] = "--spin-messages";  // spins handling messages
constexpr int kSpinChildMs = 1500;
constexpr int kSpinMeasuredMs = 1000;

std::string g_folder;

void WriteFile(const std::string& path, const std::string& text) {
  platform::WriteWholeFile(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

std::string WorkingFolder() {
  char cwd[MAX_PATH];
  ::GetCurrentDirectoryA(MAX_PATH, cwd);
  return cwd;
}

// A class folder of 30 names; with photos, every name has one and the
// window its background picture. `settings` empty: the program writes its
// defaults.
std::string MakeClassFolder(const std::string& name, bool photos, const std::string& settings) {
  const std::string folder = WorkingFolder() + "\\" + name;
  ::CreateDirectoryA(folder.c_str(), nullptr);
  ::CreateDirectoryA((folder + "\\img").c_str(), nullptr);
  std::string names;
  for (int k = 1; k <= 30; ++k) names += "学生" + std::to_string(k) + "\r\n";
  WriteFile(folder + "\\ming.txt", names);
  if (photos) {
    for (int k = 1; k <= 30; ++k) {
      std::vector<uint8_t> jpeg =
          testing_support::SolidJpeg(186, 279, RGB(8 * k, 200 - 5 * k, 120));
      platform::WriteWholeFile(folder + "\\img\\" + std::to_string(k) + ".jpg", jpeg.data(),
                               jpeg.size());
    }
    std::vector<uint8_t> background = testing_support::SolidJpeg(512, 394, RGB(40, 120, 200));
    platform::WriteWholeFile(folder + "\\img\\背景.jpg", background.data(), background.size());
  }
  ::DeleteFileA((folder + "\\pz.ini").c_str());
  if (!settings.empty()) WriteFile(folder + "\\pz.ini", settings);
  return folder;
}

// A token no other process has on its command line: this run's own.
std::string UniqueToken(const char* what) {
  static int count = 0;
  return std::string("rollcall-bench-") + what + "-" + std::to_string(::GetCurrentProcessId()) +
         "-" + std::to_string(++count);
}

// The one Linux process with `token` on its command line, or 0 (why in *why).
long FindByToken(const std::string& token, std::string* why) {
  std::vector<long> found;
  for (int i = 0; i < 100; ++i) {
    found = bench::LinuxProcessesWith("cmdline", token);
    if (!found.empty()) break;
    ::Sleep(50);
  }
  if (found.size() == 1) return found[0];
  *why = found.empty() ? "(its Linux process was not found)"
                       : "(" + std::to_string(found.size()) + " Linux processes match)";
  return 0;
}

// The wine server of this prefix: it does the message and handle work of
// every Windows process, so some of their processor time shows there.
long FindWineServer() {
  char prefix[MAX_PATH] = {};
  if (!::GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH)) return 0;
  long server = 0;
  for (long pid :
       bench::LinuxProcessesWith("environ", std::string("WINEPREFIX=") + prefix + '\0')) {
    std::string name;
    if (!bench::ReadSmallFile("Z:\\proc\\" + std::to_string(pid) + "\\comm", &name) ||
        name.find("wineserver") == std::string::npos)
      continue;
    if (server) return 0;  // more than one: none is known to be ours
    server = pid;
  }
  return server;
}

// Other work on the machine takes processor time from a busy-wait too.
std::string MachineLoad() {
  std::string load;
  SYSTEM_INFO info{};
  ::GetSystemInfo(&info);
  const std::string processors = std::to_string(info.dwNumberOfProcessors) + " processors";
  if (!bench::ReadSmallFile("Z:\\proc\\loadavg", &load)) return processors;
  return "load " + load.substr(0, load.find(' ')) + " on " + processors;
}

void ReportServerShare(long server, const bench::CpuInterval& interval) {
  if (!server)
    bench::ReportText("  wine server meanwhile", "not measured", "",
                      "(no one server of this prefix)");
  else
    bench::ReportCpuShare("  wine server meanwhile", interval, "(all Windows processes)");
}

class RunningProgram {
 public:
  RunningProgram(const std::string& exe, const std::string& folder, const std::string& token) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    // The program takes its first argument for its class folder: the folder
    // it runs in comes first, the token after it, which it ignores.
    std::string command = "\"" + exe + "\" \"" + folder + "\" " + token;
    if (::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         folder.c_str(), &si, &pi_)) {
      process_ = platform::UniqueHandle(pi_.hProcess);
      thread_ = platform::UniqueHandle(pi_.hThread);
    }
  }
  ~RunningProgram() {
    if (!process_) return;
    if (window_) ::PostMessageA(window_, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process_.get(), 10000) != WAIT_OBJECT_0)
      ::TerminateProcess(process_.get(), 1);
  }
  bool started() const { return static_cast<bool>(process_); }
  HWND window() const { return window_; }

  // Waits for the visible main window with nothing left to paint; returns
  // the milliseconds from `start`, or -1.
  double WaitUntilPainted(double start) {
    while (bench::NowMs() - start < 20000) {
      if (!window_)
        window_ = testing_support::FindTopWindow(pi_.dwProcessId, app::kMainWindowClass, true);
      if (window_) {
        DWORD_PTR r;
        ::SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &r);
        if (!::GetUpdateRect(window_, nullptr, FALSE)) return bench::NowMs() - start;
      }
      ::Sleep(1);
    }
    return -1;
  }

  std::string LabelText() const {
    char text[256] = {};
    DWORD_PTR n = 0;
    HWND label = ::GetDlgItem(::GetDlgItem(window_, app::kGroupBoxId), app::kLabelId);
    ::SendMessageTimeoutA(label, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 2000, &n);
    return text;
  }

 private:
  PROCESS_INFORMATION pi_{};
  platform::UniqueHandle process_, thread_;
  HWND window_ = nullptr;
};

void PrepareClassFolder() {
  g_folder = MakeClassFolder("bench_class", false, "");
  app::SetDataDirectory(g_folder);
}

// From CreateProcess to a visible main window with nothing left to paint.
void BenchStartup(const std::string& program) {
  std::string exe = g_folder + "\\rollcall.exe";
  if (!::CopyFileA(program.c_str(), exe.c_str(), FALSE)) {
    bench::Report("start-up to first painted window", -1, "ms", "(program not found)");
    return;
  }
  for (int run = 0; run < 3; ++run) {
    double start = bench::NowMs();
    RunningProgram p(exe, g_folder, "");
    if (!p.started()) return;
    bench::Report("start-up to first painted window", p.WaitUntilPainted(start), "ms",
                  "run " + std::to_string(run + 1));
  }
}

void SetDraw(int total, int p1, int p2, int ms1, int ms2) {
  app::TotalCount = total;
  app::Phase1Count = p1;
  app::Phase2Count = p2;
  app::Phase1IntervalMs = ms1;
  app::Phase2IntervalMs = ms2;
}

// A draw of six steps at 50 ms in this process: the waits take 300 ms, the
// rest is overhead.
void BenchShortDraw() {
  SetDraw(15, 1, 5, 50, 50);
  double start = bench::NowMs();
  app::RunDraw();
  bench::Report("one draw, 6 steps x 50 ms", bench::NowMs() - start, "ms", "(waits: 300 ms)");
}

// One draw of the real program on its finished window: wall time, processor
// time and share, and the wine server's share meanwhile.
void BenchProgramDraw(const std::string& program, const std::string& title,
                      const std::string& folderName, const std::string& settings,
                      const std::string& target) {
  if (!bench::HaveProc()) {
    bench::ReportText(title + ": processor time", "not measured", "",
                      "(no Linux /proc on drive Z:, so not under Wine on Linux)");
    return;
  }
  const std::string folder = MakeClassFolder(folderName, true, settings);
  const std::string exe = folder + "\\rollcall.exe";
  if (!::CopyFileA(program.c_str(), exe.c_str(), FALSE)) {
    bench::ReportText(title + ": processor time", "not measured", "", "(program not found)");
    return;
  }
  const std::string token = UniqueToken("draw");
  RunningProgram p(exe, folder, token);
  std::string why = "(the program did not start)";
  long pid = 0;
  if (p.started() && p.WaitUntilPainted(bench::NowMs()) >= 0) {
    ::Sleep(500);  // start-up work done: only the draw is measured
    pid = FindByToken(token, &why);
  } else if (p.started()) {
    why = "(no painted window)";
  }
  if (!pid) {
    bench::ReportText(title + ": processor time", "not measured", "", why);
    return;
  }
  const long server = FindWineServer();
  bench::CpuInterval cpu(pid), serverCpu(server);
  serverCpu.Start();
  cpu.Start();
  DWORD_PTR result = 0;
  const bool answered = ::SendMessageTimeoutA(::GetDlgItem(p.window(), app::kStartButtonId),
                                              BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &result) != 0;
  const bool read = cpu.Stop();
  serverCpu.Stop();
  if (!answered || !read || p.LabelText() == "青禾") {
    bench::ReportText(title + ": processor time", "not measured", "",
                      !answered ? "(the click was not answered)"
                      : !read   ? "(the process's counts could not be read)"
                                : "(no name was drawn)");
    return;
  }
  bench::Report(title + ": wall time", cpu.wallMs(), "ms", target);
  bench::ReportCpuTime(title + ": processor time", cpu);
  bench::ReportCpuShare(title + ": processor share", cpu, "(target < 5%)");
  ReportServerShare(server, serverCpu);
}

// A child process that spins for a while, measured from outside as the
// program is: the method's check (a busy-wait is near 100 %) and the cost of
// a wait that spins handling messages.
void BenchSpinningChild(const char* argument, const std::string& name, const std::string& note) {
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string token = UniqueToken("spin");
  platform::UniqueHandle started(::CreateEventA(nullptr, TRUE, FALSE, token.c_str()));
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string command = std::string("\"") + self + "\" " + argument + " " +
                        std::to_string(kSpinChildMs) + " " + token;
  if (!started || !::CreateProcessA(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    nullptr, &si, &pi)) {
    bench::ReportText(name, "not measured", "", "(no child process)");
    return;
  }
  platform::UniqueHandle process(pi.hProcess), thread(pi.hThread);
  std::string why = "(the child never started spinning)";
  long pid = 0;
  if (::WaitForSingleObject(started.get(), 10000) == WAIT_OBJECT_0) pid = FindByToken(token, &why);
  if (!pid) {
    bench::ReportText(name, "not measured", "", why);
    ::WaitForSingleObject(process.get(), 10000);
    return;
  }
  const long server = FindWineServer();
  bench::CpuInterval cpu(pid), serverCpu(server);
  serverCpu.Start();
  cpu.Start();
  ::Sleep(kSpinMeasuredMs);
  const bool read = cpu.Stop();
  serverCpu.Stop();
  ::WaitForSingleObject(process.get(), 10000);
  if (!read) {
    bench::ReportText(name, "not measured", "", "(the child's counts could not be read)");
    return;
  }
  bench::ReportCpuShare(name, cpu, note);
  ReportServerShare(server, serverCpu);
}

// The child side of BenchSpinningChild: spins for `ms`, signalling `event`
// once it has begun.
int Spin(bool handleMessages, int ms, const char* event) {
  platform::UniqueHandle started(::OpenEventA(EVENT_MODIFY_STATE, FALSE, event));
  const double start = bench::NowMs();
  bool signalled = false;
  while (bench::NowMs() - start < ms) {
    if (handleMessages) {
      MSG msg;
      while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
    if (!signalled && started) signalled = ::SetEvent(started.get()) != FALSE;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == kSpinArgument)
    return Spin(false, std::atoi(argv[2]), argv[3]);
  if (argc == 4 && std::string(argv[1]) == kSpinMessagesArgument)
    return Spin(true, std::atoi(argv[2]), argv[3]);

  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  skin::SetModuleDefaults();
  PrepareClassFolder();
  const std::string program = argc > 1 ? testing_support::WindowsPath(argv[1]) : "";

  if (!program.empty()) BenchStartup(program);

  if (HWND window = app::CreateMainWindow()) {
    BenchShortDraw();
    ::DestroyWindow(window);
  }

  if (program.empty()) {
    bench::ReportText("3-second draw: processor time", "not measured", "",
                      "(no program given to run)");
  } else {
    // Phase 1: one step, phase 2: five, 500 ms each.
    BenchProgramDraw(program, "3-second draw", "bench_cpu_3s",
                     "[循环次数]\r\n次数=15\r\n[循环两遍]\r\n第一次循环多少次=1\r\n"
                     "第二次循环多少次=5\r\n[一次时间]\r\n第一次循环间隔=500\r\n"
                     "[两次时间]\r\n第二次循环间隔=500\r\n",
                     "(waits: 3000 ms)");
  }
  BenchSpinningChild(kSpinArgument, "busy-wait, for comparison",
                     "(method check: ~100% with a processor free; " + MachineLoad() + ")");
  BenchSpinningChild(kSpinMessagesArgument, "wait spinning on messages, for comparison", "");
  if (!program.empty()) {
    BenchProgramDraw(program, "default draw (6 steps x 1 s)", "bench_cpu_default", "",
                     "(waits: 6000 ms)");
  }
  Gdiplus::GdiplusShutdown(token);
  return 0;
}
