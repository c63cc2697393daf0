// The gallery's range controls: track bars lying and standing, progress
// bars (one filling and emptying on a timer) and up-down controls.
#pragma once

#include <windows.h>

#include <vector>

namespace gallery {

struct RangeControls {
  HWND volume = nullptr;        // ticks on both sides
  HWND speed = nullptr;         // no ticks
  HWND span = nullptr;          // a selection range
  HWND level = nullptr;         // standing, ticks on the left
  HWND progress = nullptr;      // lying, at a fixed position
  HWND pulse = nullptr;         // lying, driven by the timer
  HWND tower = nullptr;         // standing
  HWND count = nullptr;         // the buddy edit of `spin`
  HWND spin = nullptr;          // standing up-down
  HWND sideways = nullptr;      // lying up-down
  HWND sidewaysText = nullptr;  // what the lying one counts
  int pulsePhase = 0;           // 0..199: filling, then emptying

  std::vector<HWND> All() const;
};

// The timer that moves `pulse`, and how often it fires.
constexpr UINT_PTR kPulseTimer = 7;
constexpr UINT kPulseMs = 60;

// Creates the controls on `window` in a band `width` wide from (x, y),
// about 130 high, and starts the pulse timer on the window.
RangeControls CreateRangeControls(HWND window, HFONT font, int x, int y, int width);

// One step of the pulse: from empty to full and back again.
void StepPulse(RangeControls& r);

// Shows the lying up-down's position in its label.
void ShowSideways(const RangeControls& r);

}  // namespace gallery
