// Shared by the tests that walk the engine's table: a scene of two skinned
// windows and the things that are not a skinned window, and a snapshot of a
// window's record and rendered frame to show that a refused call left it
// alone.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "skin/engine/skinned_window.h"
#include "tests/skin/support/frame_test_support.h"
#include "tests/support/screen.h"

namespace slot_test {

// What a window's record and frame hold, as far as any operation can change it.
struct WindowSnapshot {
  int captionButtons = 0;
  std::vector<size_t> buttonImageSizes;
  int buttonsLeft = 0, buttonsWidth = 0, buttonsHeight = 0;
  std::string titleFontName;
  int titleFontSize = 0;
  skin::Colour titleColour = 0;
  size_t backImageSize = 0;
  int statusHeight = 0;
  std::vector<std::string> panelTexts;
  int panelRects = 0;
  bool statusThemeText = false, statusGlow = false;
  skin::Colour statusTextColour = 0;
  skin::Subroutine helpHandler = nullptr, menuHandler = nullptr;
  std::vector<HWND> docked, buttons, containers, transparent;
  testing_support::Pixels frame;
};

WindowSnapshot Snapshot(int i);
// Names what differs between two snapshots; empty when nothing does.
std::string Differences(const WindowSnapshot& before, const WindowSnapshot& after);

// Number of pixels that differ between two pictures of one size (all of
// them when the sizes differ).
int ChangedPixels(const testing_support::Pixels& a, const testing_support::Pixels& b);

int CountCalls();
void ResetCalls();
// A subroutine for handlers: counts its calls.
void CountingHandler();

// The scene of every test here:
//  - window 1, the bystander: skinned, hidden, with a push button (its
//    first child record, so that the button's list position 1 looks like a
//    window number), a status bar of two panels and a docked child;
//  - window 2, the target: skinned, hidden, with minimise and maximise
//    boxes, the help and main-menu buttons and a status bar of two panels;
//  - a plain window that is never skinned, with a child of its own;
//  - the handle of a window that has been destroyed.
class SlotTest : public frame_test::FrameTest {
 protected:
  void SetUp() override;

  // Handles no window operation may take for a skinned window: the plain
  // window, the destroyed one, null, and a skinned control of the bystander.
  std::vector<HWND> NotSkinnedWindows() const;
  // Window numbers that name no window.
  static std::vector<int> BadNumbers();
  // The bystander's record and frame are as SetUp left them.
  void ExpectBystanderUntouched(const std::string& after) const;

  HWND bystander_ = nullptr, bystanderButton_ = nullptr, bystanderDocked_ = nullptr;
  HWND target_ = nullptr;
  HWND plain_ = nullptr, plainChild_ = nullptr;
  HWND gone_ = nullptr;
  int bystanderNumber_ = 0, i_ = 0;
  WindowSnapshot bystanderBefore_;
};

}  // namespace slot_test
