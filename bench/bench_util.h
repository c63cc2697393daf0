// Small helpers shared by the benchmarks: clocks and report lines.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

namespace bench {

inline double NowMs() {
  LARGE_INTEGER f, c;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// Processor time (user + kernel) this process has used, in milliseconds.
inline double ProcessCpuMs() {
  FILETIME created, exited, kernel, user;
  ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto ms = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) /
           10000.0;
  };
  return ms(kernel) + ms(user);
}

inline void Report(const char* name, double value, const char* unit, const std::string& note = "") {
  std::printf("%-44s %10.2f %-4s %s\n", name, value, unit, note.c_str());
  std::fflush(stdout);
}

}  // namespace bench
