// Where the status strip and its panels lie, after skinning and after the
// window changes size, and that stray numbers and widths never paint outside
// the strip.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;

class StatusLayout : public FrameTest {};

skin::StatusPanel Panel(int width, const char* text = "") {
  skin::StatusPanel p;
  p.width = width;
  p.text = text;
  p.colour = 0x0000FF;
  return p;
}

skin::SkinWindowOptions WithStatus(int height, std::vector<skin::StatusPanel> panels) {
  skin::SkinWindowOptions o;
  o.statusHeight = height;
  o.statusPanels = std::move(panels);
  return o;
}

void ExpectRect(const skin::IntRect& r, int x, int y, int width, int height, const char* what) {
  EXPECT_EQ(r.x, x) << what;
  EXPECT_EQ(r.y, y) << what;
  EXPECT_EQ(r.width, width) << what;
  EXPECT_EQ(r.height, height) << what;
}

// Every pixel of `a` and `b` outside `strip` is the same.
int DifferencesOutside(const testing_support::Pixels& a, const testing_support::Pixels& b,
                       const skin::IntRect& strip) {
  int differences = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const bool inside =
          x >= strip.x && x < strip.x + strip.width && y >= strip.y && y < strip.y + strip.height;
      if (!inside && a.at(x, y) != b.at(x, y)) ++differences;
    }
  return differences;
}

TEST_F(StatusLayout, PanelsFromTheMarginAndTheRestPanelRecomputedOnEveryResize) {
  HWND window = MakeWindow(400, 300);
  const int i = Skin(window, WithStatus(20, {Panel(100), Panel(-1), Panel(80)}));
  skin::SkinnedWindow& w = Record(i);
  EXPECT_EQ(w.StatusHeight, 20);
  ExpectRect(w.StatusRect, 3, 300 - 3 - 20 - 1, 394, 20, "strip");
  ASSERT_EQ(w.StatusPanelRects.count(), 3);
  ExpectRect(w.StatusPanelRects.at(1), 3, 276, 100, 20, "fixed panel");
  // The rest panel takes the client width less both margins and what lies
  // before it; the panel after it starts at the strip's end.
  ExpectRect(w.StatusPanelRects.at(2), 103, 276, 294, 20, "rest panel");
  ExpectRect(w.StatusPanelRects.at(3), 397, 276, 80, 20, "after the rest");

  ::SetWindowPos(window, nullptr, 0, 0, 520, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ExpectRect(Record(i).StatusRect, 3, 260 - 24, 514, 20, "strip after resize");
  ExpectRect(Record(i).StatusPanelRects.at(1), 3, 236, 100, 20, "fixed after resize");
  ExpectRect(Record(i).StatusPanelRects.at(2), 103, 236, 520 - 100 - 6, 20, "rest after resize");
  ExpectRect(Record(i).StatusPanelRects.at(3), 517, 236, 80, 20, "last after resize");

  // Narrower than the fixed panels: the rest panel is empty, not negative.
  ::SetWindowPos(window, nullptr, 0, 0, 90, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client;
  ::GetClientRect(window, &client);
  if (client.right < 106) {
    EXPECT_EQ(Record(i).StatusPanelRects.at(2).width, 0);
  }
  EXPECT_GE(Record(i).StatusPanelRects.at(2).width, 0);
}

TEST_F(StatusLayout, WithoutPanelsOneEmptyPanelSpansTheStrip) {
  HWND window = MakeWindow(300, 200);
  skin::SkinWindowOptions o;
  o.statusHeight = 22;
  const int i = Skin(window, o);
  skin::SkinnedWindow& w = Record(i);
  ASSERT_EQ(w.StatusPanels.count(), 1);
  EXPECT_EQ(w.StatusPanels.at(1).width, -1);
  EXPECT_TRUE(w.StatusPanels.at(1).text.empty());
  EXPECT_TRUE(w.StatusPanels.at(1).image.empty());
  ASSERT_EQ(w.StatusPanelRects.count(), 1);
  ExpectRect(w.StatusPanelRects.at(1), 3, 200 - 3 - 22 - 1, 294, 22, "the one panel");
  // The strip's gradient shows over the grey theme.
  const testing_support::Pixels frame = FramePixels(i);
  EXPECT_GT(GetRValue(frame.at(150, 175)), GetRValue(frame.at(150, 100)));
}

TEST_F(StatusLayout, StrayNumbersAndARestPanelInTheMiddleNeverPaintOutsideTheStrip) {
  // Same size and theme: outside the strip both frames must agree.
  HWND plain = MakeWindow(400, 300, 0, 60, 60);
  const int p = Skin(plain);
  HWND window = MakeWindow(400, 300, 0, 60, 60);
  // The first panel's long text overflows its width, the second crosses the
  // strip's end, the rest panel after them is left no room and the last one
  // lies wholly beyond the strip.
  const char* kLong = "很长很长很长很长很长很长很长很长很长很长很长的文字";
  const int i = Skin(window, WithStatus(20, {Panel(300, kLong), Panel(150, "横跨"),
                                             Panel(-1, "剩下"), Panel(90, "看不见")}));
  ASSERT_GT(i, 0);
  EXPECT_EQ(Record(i).StatusPanelRects.at(3).width, 0);
  const skin::IntRect strip = Record(i).StatusRect;
  const testing_support::Pixels reference = FramePixels(p);
  EXPECT_EQ(DifferencesOutside(FramePixels(i), reference, strip), 0) << "after the render";

  ::ShowWindow(window, SW_SHOWNOACTIVATE);
  testing_support::PumpFor(30);
  for (int k : {-1, 0, 1, 2, 3, 4, 99}) {
    Engine().DrawStatusBar(i, nullptr, k);
    EXPECT_EQ(Engine().SetStatusPanelText(window, k, "换了"), k >= 1 && k <= 4) << k;
  }
  ASSERT_TRUE(Engine().SetStatusPanelText(window, 1, kLong));
  Engine().DrawStatusBar(i, nullptr);
  for (int stray : {-5, 0, 99}) {
    Engine().DrawStatusBar(stray, nullptr, 1);
    Engine().SetStatusBar(stray, 20);
    Engine().LayoutStatusBar(stray);
  }
  EXPECT_EQ(DifferencesOutside(FramePixels(i), reference, strip), 0) << "after the redraws";

  // Text stays inside its panel: with panel 1 empty, panel 2 looks the same.
  const testing_support::Pixels long_text = FramePixels(i);
  ASSERT_TRUE(Engine().SetStatusPanelText(window, 1, ""));
  const testing_support::Pixels no_text = FramePixels(i);
  const skin::IntRect second = Record(i).StatusPanelRects.at(2);
  int differences = 0;
  for (int x = second.x; x < strip.x + strip.width; ++x)
    for (int y = second.y; y < second.y + second.height; ++y)
      if (long_text.at(x, y) != no_text.at(x, y)) ++differences;
  EXPECT_EQ(differences, 0);
}

}  // namespace
