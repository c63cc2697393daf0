// Shared by the edit and combo tests: a skinned window over one known
// colour, translucency on, and the pixels of a control's whole window
// rectangle (its ring lies outside the client area).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "skin/drawing/colours.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"
#include "tests/support/screen.h"

namespace edit_test {

inline constexpr COLORREF kGround = RGB(40, 90, 160);
inline constexpr skin::Colour kAccent = 0xDDCA22;  // #22CADD
inline constexpr COLORREF kAccentRgb = RGB(0x22, 0xCA, 0xDD);
inline constexpr int kVeil = 150;

// Engine defaults, child skinning with a veil of kVeil, a theme picture of
// kGround and the accent above; the pointer out of the way.
class EditTest : public frame_test::FrameTest {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// A visible edit with a client edge: the platform gives it a two-pixel
// non-client ring (a plain WS_BORDER edit draws its line inside its client
// area and has no ring at all).
HWND MakeEdit(HWND parent, const char* text, DWORD style, int x, int y, int width, int height,
              int id = 0);

// The control's window rectangle as its window DC holds it.
using control_test::WindowPixels;
// `top` at `alpha` over `under`.
COLORREF Over(COLORREF under, COLORREF top, int alpha);
// What the frame of window i shows under point (x, y) of the control's window.
COLORREF Behind(int i, HWND control, int x, int y);
// Pixels of two pictures that differ by more than `tolerance` inside r.
int Differing(const testing_support::Pixels& a, const testing_support::Pixels& b, const RECT& r,
              int tolerance = 0);

}  // namespace edit_test
