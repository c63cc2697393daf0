// What the display shows of a window. Under Wine the screen DC's read-back
// differs from the X display (text read back missing or in the wrong
// colour), so there the picture comes from the X server itself through
// ImageMagick's `import`; on Windows the screen DC is what is shown.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/screen.h"

namespace display_capture {

bool UnderWine();

// The window as the display shows it, also saved as `name` (PNG) in the
// test's folder; empty when no picture could be taken. The calling thread
// keeps handling messages meanwhile.
testing_support::Pixels CaptureShown(HWND window, const std::string& name);

}  // namespace display_capture
