// Shared by the list tests: a skinned window over a plain grey picture with
// a red accent, list-type controls and headers taken into it, and pixels
// read back from the controls' own device contexts.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "skin/engine/skinned_window.h"
#include "tests/skin/support/frame_test_support.h"
#include "tests/support/screen.h"

namespace list_test {

using testing_support::Pixels;

constexpr COLORREF kGrey = RGB(128, 128, 128);  // the picture
constexpr skin::Colour kAccent = 0x0000FF;      // red
constexpr int kTranslucency = 150;

// White at alpha a over grey, and what the outlines make of a colour.
COLORREF Veiled(int alpha);
COLORREF Over(COLORREF ground, COLORREF ink, int alpha);

// Fixture: a 460 x 340 skinned window without caption over the grey
// picture, translucency given (150) unless the test asks otherwise.
class ListTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Engine options to use before MakeSkinned (translucency: none = not given).
  void Options(std::optional<int> translucency);
  // The window's picture (a grey one unless given) before MakeSkinned.
  void Picture(std::vector<uint8_t> png) { picture_ = std::move(png); }
  // Makes and skins the window, shown or hidden.
  void MakeSkinned(bool shown);
  HWND Child(const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
             DWORD exStyle = 0, HWND parent = nullptr);
  // Runs the two skinners over the window's direct children.
  void SkinLists();
  skin::ListRecord* List(HWND control);
  skin::HeaderRecord* Header(HWND header);
  int ListIndex(HWND control);
  int HeaderIndex(HWND header);

  HWND window = nullptr;
  int i = 0;

 private:
  std::optional<int> translucency_ = kTranslucency;
  std::vector<uint8_t> picture_;
};

// The whole window of a control, read through its window DC.
Pixels WindowPixels(HWND control);
// The client area, read through its own DC.
Pixels ClientPixels(HWND control);
// Repaints the control now, its frame and client area, with erasing.
void RepaintNow(HWND control);

bool Near(COLORREF a, COLORREF b, int tolerance = 3);
std::string Rgb(COLORREF c);
// How many pixels of the rectangle are darker than `limit` in every channel.
int DarkPixels(const Pixels& p, const RECT& area, int limit = 90);
// How many pixels differ by more than `tolerance`.
int Differing(const Pixels& a, const Pixels& b, int tolerance = 3);
// The same within a rectangle of both.
int DifferingIn(const Pixels& a, const Pixels& b, const RECT& area, int tolerance = 3);

// A list box (or list view) filled with numbered rows of text.
void FillListBox(HWND list, int rows);
void AddColumns(HWND view, const int* widths, int count);
void FillListView(HWND view, int rows, int columns);

}  // namespace list_test
