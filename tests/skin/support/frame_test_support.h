// Shared by the frame tests: the engine, plain top-level windows to skin,
// pictures to theme them with, and pixels read back from the frame.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "tests/support/screen.h"

namespace frame_test {

// The program's one engine object (created when there is none yet).
skin::SkinEngine& Engine();

// A hidden popup window of that size with the given extra styles, owned by
// the test window procedure below.
HWND MakeWindow(int width, int height, DWORD extraStyle = 0, int x = 60, int y = 60);
// A child window painted black by its class.
HWND MakeBlackChild(HWND parent, int x, int y, int width, int height, DWORD exStyle = 0);
// Skins the window and renders its frame, leaving it hidden; returns its number.
int Skin(HWND window, const skin::SkinWindowOptions& options = {});
// Skins the window and shows it with its first frame. (Under Wine, a window
// left to a window manager that was shown waits two seconds on its way out
// when there is none; the test prefix keeps every window with Wine.)
int SkinAndShow(HWND window, const skin::SkinWindowOptions& options = {});
skin::SkinnedWindow& Record(int i);

// What the test windows' own procedure receives from the frame; while
// `swallowFrameCommands` is on, sizing, moving and state commands stop there
// instead of starting the platform's loops.
struct Seen {
  UINT message;
  WPARAM wParam;
};
std::vector<Seen>& SeenMessages();
void SwallowFrameCommands(bool on);

// The rendered frame of window i (FrameDC).
testing_support::Pixels FramePixels(int i);

// Number of pixels that differ between two frames of the same size (all of
// them when the sizes differ).
int Differing(const testing_support::Pixels& a, const testing_support::Pixels& b);
// PNG pictures drawn here: one colour, or four quadrants.
std::vector<uint8_t> SolidPng(int width, int height, COLORREF colour);
std::vector<uint8_t> QuadrantPng(int width, int height, COLORREF topLeft, COLORREF topRight,
                                 COLORREF bottomLeft, COLORREF bottomRight);

// Handles whatever is queued, dropping a WM_QUIT.
void DrainMessages();
// Destroys every window made by MakeWindow that is still there.
void DestroyTestWindows();

// Centre of caption button k in client coordinates, as a mouse lParam.
LPARAM ButtonCentre(int i, int k);

bool Near(COLORREF a, COLORREF b, int tolerance);

// Real pointer movement: moves the pointer to `to` (screen coordinates) in
// even steps through SendInput, handling messages for `msPerStep` after each.
void GlidePointer(POINT to, int steps, unsigned msPerStep);
// Handles messages until `done` holds or `ms` milliseconds have passed.
bool PumpUntil(const std::function<bool()>& done, unsigned ms);
// How far a point near the top left of caption button k in `now` is from
// the same point at rest.
int ButtonGlow(int i, int k, const testing_support::Pixels& now,
               const testing_support::Pixels& rest);
// Glides the pointer off a lit caption button k to `to` (screen
// coordinates), the way a hand does, and expects the button back at rest
// (`rest`: the frame before the hover), `tip` hidden and the fade over well
// within a second.
void ExpectButtonRestsAfterLeaving(int i, int k, HWND tip, const testing_support::Pixels& rest,
                                   POINT to, int steps);

// Runs round(0) and round(1) to warm up, then round(n) for n below `rounds`,
// expecting the live GDI, GDI+ and captured-surface counts never to move
// from where the warm-up left them (checked every quarter and at the end).
void ExpectCountsStayFlat(int rounds, const std::function<void(int)>& round);

// Fixture of the frame tests: engine defaults, a grey theme, no windows left.
class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace frame_test
