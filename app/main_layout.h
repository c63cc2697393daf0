// Where the main window's controls go for a given client size: the form's
// own layout at 512 x 394, scaled with the window (full screen on a
// projector), the name's font growing with it.
#pragma once

#include <windows.h>

namespace app {

struct MainLayout {
  RECT groupBox, pictureBox, label, startButton, stopButton;  // in their parents
  int labelFontHeight;                                        // negative: character height
  SIZE photoCorner;                                           // the rounded corners' ellipse
};

// The form's layout scaled by width / 512 across and height / 394 down; the
// font and the corners by the smaller of the two, so the name never grows
// taller than its line. At 512 x 394 it is the form's exactly.
MainLayout MainLayoutFor(int width, int height);

}  // namespace app
