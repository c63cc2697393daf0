#include "app/main_layout.h"

#include <algorithm>
#include <cmath>

#include "app/main_window.h"

namespace app {
namespace {

// The form's layout. The group box starts above the window's top edge and
// is wider than it, so its top frame line and right edge lie outside; the
// photo box and the label sit in the group box.
constexpr MainLayout kForm = {{0, -7, 0 + 514, -7 + 343},       // group box
                              {32, 17, 32 + 440, 17 + 272},     // photo box
                              {144, 288, 144 + 216, 288 + 48},  // label
                              {64, 344, 64 + 176, 344 + 40},    // Start
                              {272, 344, 272 + 176, 344 + 40},  // Stop
                              -48,
                              {50, 75}};

int Scaled(int v, double scale) { return static_cast<int>(std::lround(v * scale)); }

RECT Scaled(const RECT& r, double sx, double sy) {
  return {Scaled(r.left, sx), Scaled(r.top, sy), Scaled(r.right, sx), Scaled(r.bottom, sy)};
}

}  // namespace

MainLayout MainLayoutFor(int width, int height) {
  if (width == kMainWindowWidth && height == kMainWindowHeight) return kForm;
  const double sx = double(width) / kMainWindowWidth, sy = double(height) / kMainWindowHeight;
  const double s = std::min(sx, sy);
  MainLayout l;
  l.groupBox = Scaled(kForm.groupBox, sx, sy);
  // Children of the group box: placed in it as the group box is in the window.
  l.pictureBox = Scaled(kForm.pictureBox, sx, sy);
  l.label = Scaled(kForm.label, sx, sy);
  l.startButton = Scaled(kForm.startButton, sx, sy);
  l.stopButton = Scaled(kForm.stopButton, sx, sy);
  l.labelFontHeight = Scaled(kForm.labelFontHeight, s);
  l.photoCorner = {Scaled(kForm.photoCorner.cx, s), Scaled(kForm.photoCorner.cy, s)};
  return l;
}

}  // namespace app
