// Shared by the list tests: a skinned window over a plain grey picture with
// a red accent, list-type controls and headers taken into it, and pixels
// read back from the controls' own device contexts.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "skin/engine/skinned_window.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"
#include "tests/support/screen.h"

namespace list_test {

using testing_support::Pixels;

constexpr COLORREF kGrey = RGB(128, 128, 128);  // the picture
constexpr skin::Colour kAccent = 0x0000FF;      // red
constexpr int kTranslucency = 150;

// `ink` at alpha over `ground`; the picture under a white veil of alpha.
COLORREF Over(COLORREF ground, COLORREF ink, int alpha);
inline COLORREF Veiled(int alpha) { return Over(kGrey, RGB(255, 255, 255), alpha); }

// Fixture: a 460 x 340 skinned window without caption, translucency 150
// given unless Options says otherwise, over a grey picture unless Picture
// gives one.
class ListTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void Options(std::optional<int> translucency) { translucency_ = translucency; }
  void Picture(std::vector<uint8_t> png) { picture_ = std::move(png); }
  void MakeSkinned(bool shown);
  HWND Child(const char* cls, DWORD style, int x, int y, int w, int h, DWORD exStyle = 0);
  // Runs both skinners over the window's direct children.
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

// The whole window of a control through its window DC; the client area
// through its own DC.
using control_test::WindowPixels;
Pixels ClientPixels(HWND control);
// Repaints frame and client area now, with erasing.
void RepaintNow(HWND control);

bool Near(COLORREF a, COLORREF b, int tolerance = 3);
std::string Rgb(COLORREF c);
// Pixels of `area` darker than 90 in every channel.
int DarkPixels(const Pixels& p, const RECT& area);
// Pixels of `area` that differ by more than 3.
int Differing(const Pixels& a, const Pixels& b, const RECT& area = {0, 0, INT_MAX, INT_MAX});

// Numbered rows of text; report-view columns of these widths.
void FillListBox(HWND list, int rows);
void AddColumns(HWND view, std::vector<int> widths);
void FillListView(HWND view, int rows, int columns);

}  // namespace list_test
