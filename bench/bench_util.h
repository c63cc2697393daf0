// Small helpers shared by the benchmarks: clocks, report lines, and the
// processor time of another process read from outside.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace bench {

inline double NowMs() {
  LARGE_INTEGER f, c;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// One report line with its value as given.
inline void ReportText(const std::string& name, const std::string& value, const char* unit,
                       const std::string& note = "") {
  std::printf("%-44s %10s %-4s %s\n", name.c_str(), value.c_str(), unit, note.c_str());
  std::fflush(stdout);
}

// A negative value means nothing was measured; a value too small for the
// two decimals shown is printed as a bound, never as 0.
inline void Report(const std::string& name, double value, const char* unit,
                   const std::string& note = "") {
  if (value < 0) {
    ReportText(name, "not measured", "", note);
    return;
  }
  char text[32];
  if (value < 0.005)
    std::snprintf(text, sizeof text, "< 0.01");
  else
    std::snprintf(text, sizeof text, "%.2f", value);
  ReportText(name, text, unit, note);
}

// Mean milliseconds of `run` over `count` calls, after one warm-up call.
template <typename Run>
double TimeMs(int count, Run run) {
  run();
  const double start = NowMs();
  for (int n = 0; n < count; ++n) run();
  ::GdiFlush();
  return (NowMs() - start) / count;
}

// A cost as a multiple of a plain transfer of the same size.
inline std::string Ratio(double value, double base) {
  if (base <= 0) return "(the BitBlt was too quick to time)";
  char text[64];
  std::snprintf(text, sizeof text, "(%.1f x BitBlt)", value / base);
  return text;
}

// ---------------------------------------------------------------------------
// Processor time from outside. Under Wine every Windows process is a Linux
// process, and Linux counts its user and system time in /proc/<pid>/stat
// (fields 14 and 15, utime and stime, for all its threads, in clock ticks of
// 1/100 s: USER_HZ, the same on every Linux). Wine shows the Linux root as
// drive Z:, so a Windows program can read those counts of another process.
// The process is found by a token of our own on its command line.

constexpr double kMsPerTick = 10.0;

inline bool ReadSmallFile(const std::string& path, std::string* out) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  out->clear();
  char buffer[4096];
  DWORD got = 0;
  // /proc files report no size: read until the end.
  while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
    out->append(buffer, got);
  ::CloseHandle(file);
  return true;
}

inline bool HaveProc() {
  std::string stat;
  return ReadSmallFile("Z:\\proc\\stat", &stat) && stat.compare(0, 4, "cpu ") == 0;
}

// Linux processes whose /proc/<pid>/<file> (cmdline, environ, comm) holds `needle`.
inline std::vector<long> LinuxProcessesWith(const char* file, const std::string& needle) {
  std::vector<long> found;
  WIN32_FIND_DATAA entry;
  HANDLE search = ::FindFirstFileA("Z:\\proc\\*", &entry);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    char* end = nullptr;
    long pid = std::strtol(entry.cFileName, &end, 10);
    if (pid <= 0 || *end) continue;
    std::string content;
    if (ReadSmallFile("Z:\\proc\\" + std::to_string(pid) + "\\" + file, &content) &&
        content.find(needle) != std::string::npos)
      found.push_back(pid);
  } while (::FindNextFileA(search, &entry));
  ::FindClose(search);
  return found;
}

// utime + stime of a Linux process in clock ticks, or -1 when it is gone.
inline long long LinuxCpuTicks(long pid) {
  std::string stat;
  if (!ReadSmallFile("Z:\\proc\\" + std::to_string(pid) + "\\stat", &stat)) return -1;
  // "pid (name) state ppid ...": the name may hold spaces, so count fields
  // from its closing parenthesis; the state is field 3.
  size_t at = stat.rfind(')');
  if (at == std::string::npos) return -1;
  const char* p = stat.c_str() + at + 1;
  long long utime = -1, stime = -1;
  for (int field = 3; field <= 15 && *p; ++field) {
    while (*p == ' ') ++p;
    if (field == 14) utime = std::strtoll(p, nullptr, 10);
    if (field == 15) stime = std::strtoll(p, nullptr, 10);
    while (*p && *p != ' ') ++p;
  }
  return utime < 0 || stime < 0 ? -1 : utime + stime;
}

// Processor time one Linux process uses between Start and Stop.
class CpuInterval {
 public:
  explicit CpuInterval(long pid) : pid_(pid) {}
  bool Start() {
    start_ = LinuxCpuTicks(pid_);
    wall0_ = NowMs();
    return start_ >= 0;
  }
  bool Stop() {
    stop_ = LinuxCpuTicks(pid_);
    wall_ = NowMs() - wall0_;
    return stop_ >= start_ && start_ >= 0;
  }
  long long ticks() const { return stop_ - start_; }
  double cpuMs() const { return static_cast<double>(ticks()) * kMsPerTick; }
  double wallMs() const { return wall_; }
  double sharePercent() const { return 100.0 * cpuMs() / wall_; }

 private:
  long pid_;
  long long start_ = -1, stop_ = -1;
  double wall0_ = 0, wall_ = 0;
};

// The note for a count of no tick at all, where the figure is a bound.
inline std::string NoTick(const std::string& note) {
  std::string inner =
      note.size() >= 2 && note.front() == '(' ? note.substr(1, note.size() - 2) : note;
  return "(not one 10 ms clock tick" + (inner.empty() ? "" : "; " + inner) + ")";
}

// "12.3" or, for no tick at all, the bound "< 10" with the reason noted.
inline void ReportCpuTime(const std::string& name, const CpuInterval& c,
                          const std::string& note = "") {
  if (c.ticks() > 0) {
    Report(name, c.cpuMs(), "ms", note);
  } else {
    ReportText(name, "< " + std::to_string(static_cast<int>(kMsPerTick)), "ms", NoTick(note));
  }
}

inline void ReportCpuShare(const std::string& name, const CpuInterval& c,
                           const std::string& note = "") {
  if (c.ticks() > 0) {
    Report(name, c.sharePercent(), "%", note);
  } else {
    char bound[32];
    std::snprintf(bound, sizeof bound, "< %.2f", 100.0 * kMsPerTick / c.wallMs());
    ReportText(name, bound, "%", NoTick(note));
  }
}

}  // namespace bench
