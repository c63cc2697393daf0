// A plain top-level window for the benchmarks to skin, and a message pump.
#pragma once

#include <windows.h>

namespace bench {

inline LRESULT CALLBACK PlainWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return ::DefWindowProcA(w, m, wp, lp);
}

// A visible popup of that size at (100, 100), of a class of its own.
inline HWND MakePlainWindow(const char* className, int width, int height) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = PlainWindowProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  ::RegisterClassExA(&wc);
  return ::CreateWindowExA(0, className, "", WS_POPUP | WS_VISIBLE, 100, 100, width, height,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

inline void PumpMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
}

}  // namespace bench
