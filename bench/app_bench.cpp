// Measures the roll-call program: start-up to the first painted window, the
// wall time of a short draw, and the processor time a draw's waits use.
#include <windows.h>
#include <objbase.h>
#include <gdiplus.h>
#include <commctrl.h>

#include <string>

#include "app/draw_loop.h"
#include "app/globals.h"
#include "app/main_window.h"
#include "app/paths.h"
#include "bench/bench_util.h"
#include "platform/files.h"
#include "skin/engine/module_state.h"
#include "tests/support/processes.h"

namespace {

std::string g_folder;

void WriteText(const std::string& name, const std::string& text) {
  platform::WriteWholeFile(g_folder + "\\" + name, reinterpret_cast<const uint8_t*>(text.data()),
                           text.size());
}

void PrepareClassFolder() {
  char cwd[MAX_PATH];
  ::GetCurrentDirectoryA(MAX_PATH, cwd);
  g_folder = std::string(cwd) + "\\bench_class";
  ::CreateDirectoryA(g_folder.c_str(), nullptr);
  ::CreateDirectoryA((g_folder + "\\img").c_str(), nullptr);
  std::string names;
  for (int k = 1; k <= 30; ++k) names += "学生" + std::to_string(k) + "\r\n";
  WriteText("ming.txt", names);
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
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string command = "\"" + exe + "\"";
    double start = bench::NowMs();
    if (!::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          g_folder.c_str(), &si, &pi))
      return;
    HWND window = nullptr;
    double painted = -1;
    while (bench::NowMs() - start < 20000) {
      if (!window) window = testing_support::FindTopWindow(pi.dwProcessId, app::kMainWindowClass, true);
      if (window) {
        DWORD_PTR r;
        ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &r);
        if (!::GetUpdateRect(window, nullptr, FALSE)) {
          painted = bench::NowMs() - start;
          break;
        }
      }
      ::Sleep(1);
    }
    bench::Report("start-up to first painted window", painted, "ms",
                  "run " + std::to_string(run + 1));
    if (window) ::PostMessageA(window, WM_CLOSE, 0, 0);
    ::WaitForSingleObject(pi.hProcess, 10000);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
  }
}

void SetDraw(int total, int p1, int p2, int ms1, int ms2) {
  app::TotalCount = total;
  app::Phase1Count = p1;
  app::Phase2Count = p2;
  app::Phase1IntervalMs = ms1;
  app::Phase2IntervalMs = ms2;
}

// A draw of six steps at 50 ms: the waits take 300 ms, the rest is overhead.
void BenchShortDraw() {
  SetDraw(15, 1, 5, 50, 50);
  double start = bench::NowMs();
  app::RunDraw();
  bench::Report("one draw, 6 steps x 50 ms", bench::NowMs() - start, "ms", "(waits: 300 ms)");
}

// A 3-second draw: how much processor time its waits use.
void BenchDrawCpu() {
  SetDraw(15, 1, 5, 500, 500);
  double wall0 = bench::NowMs(), cpu0 = bench::ProcessCpuMs();
  app::RunDraw();
  double wall = bench::NowMs() - wall0, cpu = bench::ProcessCpuMs() - cpu0;
  bench::Report("3-second draw: wall time", wall, "ms");
  bench::Report("3-second draw: processor time", cpu, "ms");
  bench::Report("3-second draw: processor share", 100.0 * cpu / wall, "%", "(target < 5%)");

  // For comparison: a wait that spins while handling messages.
  double spin0 = bench::NowMs(), spinCpu0 = bench::ProcessCpuMs();
  while (bench::NowMs() - spin0 < 1000) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  double spinShare = 100.0 * (bench::ProcessCpuMs() - spinCpu0) / (bench::NowMs() - spin0);
  bench::Report("spinning wait, for comparison", spinShare, "%");
}

}  // namespace

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  skin::SetModuleDefaults();
  PrepareClassFolder();

  if (argc > 1) BenchStartup(testing_support::WindowsPath(argv[1]));

  HWND window = app::CreateMainWindow();
  if (!window) return 1;
  BenchShortDraw();
  BenchDrawCpu();
  ::DestroyWindow(window);
  Gdiplus::GdiplusShutdown(token);
  return 0;
}
