#include "app/full_screen.h"

#include <windows.h>

#include "app/main_window.h"
#include "platform/messages.h"

namespace app {
namespace {

constexpr UINT_PTR kPointerTimerId = 0x5046;
constexpr UINT kPointerTimerMs = 250;

struct FullScreenState {
  bool on = false;
  RECT before{};  // the window's rectangle before it filled the monitor
  uint32_t restMs = 3000;
  uint64_t lastMove = 0;
  POINT lastPointer{};
  bool pointerHidden = false;
};

FullScreenState g_state;

void ShowPointer(bool show) {
  if (show == !g_state.pointerHidden) return;
  ::ShowCursor(show ? TRUE : FALSE);
  g_state.pointerHidden = !show;
}

void CALLBACK OnPointerTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_state.on && platform::TickCount64() - g_state.lastMove >= g_state.restMs)
    ShowPointer(false);
}

void Place(HWND window, const RECT& r) {
  ::SetWindowPos(window, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE);
}

}  // namespace

bool IsFullScreen() { return g_state.on && MainWindow().window; }

void EnterFullScreen() {
  HWND window = MainWindow().window;
  if (!window || IsFullScreen()) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!::GetMonitorInfoA(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  ::GetWindowRect(window, &g_state.before);
  g_state.on = true;
  Place(window, monitor.rcMonitor);
  ApplyMainLayout(monitor.rcMonitor.right - monitor.rcMonitor.left,
                  monitor.rcMonitor.bottom - monitor.rcMonitor.top);
  NotePointerMoved();
  ::SetTimer(window, kPointerTimerId, kPointerTimerMs, OnPointerTimer);
}

void LeaveFullScreen() {
  HWND window = MainWindow().window;
  if (!g_state.on) return;
  g_state.on = false;
  ShowPointer(true);
  if (!window) return;
  ::KillTimer(window, kPointerTimerId);
  Place(window, g_state.before);
  // The form's own layout, whatever size the window had been given by hand.
  ApplyMainLayout(kMainWindowWidth, kMainWindowHeight);
}

void ToggleFullScreen() {
  if (IsFullScreen())
    LeaveFullScreen();
  else
    EnterFullScreen();
}

void NotePointerMoved() {
  POINT p{};
  ::GetCursorPos(&p);
  // Only a real move counts: showing or hiding the pointer may bring a
  // WM_MOUSEMOVE of its own without any movement.
  if (g_state.lastMove != 0 && p.x == g_state.lastPointer.x && p.y == g_state.lastPointer.y &&
      g_state.pointerHidden)
    return;
  g_state.lastPointer = p;
  g_state.lastMove = platform::TickCount64();
  ShowPointer(true);
}

void SetPointerRestMs(uint32_t ms) { g_state.restMs = ms; }

bool PointerHidden() { return g_state.pointerHidden; }

}  // namespace app
