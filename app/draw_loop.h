// The draw: names flash in two timed phases and the last one stays on show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace app {

// What a draw step changes on the screen. The main window provides the real
// one; tests record the steps.
class DrawView {
 public:
  virtual ~DrawView() = default;
  virtual void ShowName(const std::string& name) = 0;
  virtual void SetNameColour(uint32_t colour) = 0;  // red | green << 8 | blue << 16
  virtual void ShowPicture(const std::vector<uint8_t>& bytes) = 0;
  // False once the window is gone: the draw then ends.
  virtual bool IsAlive() const = 0;
};

// The view draws go to (not owned); null means draws show nothing.
void SetDrawView(DrawView* view);

void OnStartClick();  // runs a whole draw before returning
void OnStopClick();   // only asks the running draw to stop after its step

void RunDraw();

// True while a draw runs (its steps and waits included).
bool DrawRunning();

// Waits `ms` milliseconds, handling every window message meanwhile; ms <= 0
// returns at once. Sleeps while no message is pending. Returns early when the
// program is quitting.
void WaitPumping(int32_t ms);

}  // namespace app
