// Shared by the transparent-child tests: a shown skinned window over a
// picture of one colour, translucency 150, controls made in it, their
// paints forced and read back, and two classes of the tests' own that paint
// a key-coloured ground with a black square (one on screen whatever DC it is
// given, one into the DC it is given), and one that paints nothing into a DC
// it is given.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/skin/support/frame_test_support.h"

namespace transparent_test {

using testing_support::Pixels;

constexpr COLORREF kPicture = RGB(40, 80, 160);
constexpr int kTranslucency = 150;
// White at alpha 150 over the picture.
COLORREF Veiled(COLORREF under = kPicture);
// The platform's button-face colour: the default key.
COLORREF ButtonFace();

// The square the tests' classes paint black, in client coordinates.
constexpr RECT kInk{10, 10, 30, 30};
extern const char kScreenPainter[];  // paints on screen (BeginPaint) whatever wParam is
extern const char kDCPainter[];      // paints into wParam's DC when given, validating nothing then
extern const char kSilentPainter[];  // paints nothing into wParam's DC, validating nothing then
// WM_PAINT messages the tests' classes have received.
int& PaintsSeen();

class TransparentTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A visible child of the window (or of `parent`).
  HWND Child(const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
             HWND parent = nullptr, DWORD exStyle = 0);
  // A tab control with two tabs; classic: drawn without the visual theme,
  // its page erased in the button-face colour.
  HWND Tab(int x, int y, int w, int h, bool classic = true);
  // A toolbar with two text buttons, filled with the button face (classic)
  // or, themed, with its parent's background.
  HWND Toolbar(int x, int y, int w, int h, bool classic = true);
  // Invalidates the control with its children, erasing, and paints it now.
  void Repaint(HWND control);
  Pixels Shown(HWND control);

  HWND window = nullptr;
  int i = 0;
};

bool Near(COLORREF a, COLORREF b, int tolerance = 3);
std::string Rgb(COLORREF c);

// Every pixel of `keyed` against its twin `plain` (an untouched control of
// the same class, size and state): where the twin shows `key`, `keyed` shows
// `through`; everywhere else the two are equal. Returns how many pixels were
// keyed; mismatches are reported (at most a few).
int ExpectKeyedTwin(const Pixels& keyed, const Pixels& plain, COLORREF key, COLORREF through,
                    const RECT& area);

}  // namespace transparent_test
