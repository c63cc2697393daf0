// Memory surfaces for the benchmarks to paint into, and the plain BitBlt
// every figure is set against.
#pragma once

#include <windows.h>

#include <string>

#include "bench/bench_util.h"
#include "platform/handles.h"

namespace bench {

// A memory surface of that size, compatible with the screen.
inline platform::MemorySurface SurfaceOf(int width, int height) {
  platform::WindowDC screen(nullptr);
  return platform::MemorySurface(
      screen.get(), platform::UniqueBitmap(::CreateCompatibleBitmap(screen.get(), width, height)));
}
inline platform::MemorySurface SurfaceOf(const RECT& r) {
  return SurfaceOf(r.right - r.left, r.bottom - r.top);
}

inline SIZE WindowSize(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// Mean milliseconds of a BitBlt of that size between two memory surfaces,
// reported.
inline double BlitOf(SIZE size) {
  platform::MemorySurface target = SurfaceOf(size.cx, size.cy);
  platform::MemorySurface source = SurfaceOf(size.cx, size.cy);
  const double ms = TimeMs(
      2000, [&] { ::BitBlt(target.dc(), 0, 0, size.cx, size.cy, source.dc(), 0, 0, SRCCOPY); });
  Report("BitBlt " + std::to_string(size.cx) + " x " + std::to_string(size.cy), ms, "ms");
  return ms;
}

}  // namespace bench
