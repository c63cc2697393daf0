// Pictures of what the display shows. Under Wine the screen DC's read-back
// differs from the X display (text read back missing or in the wrong
// colour), so there the picture comes from the X server itself through
// ImageMagick's `import`; on Windows the screen DC is what is shown.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/screen.h"

namespace testing_support {

bool UnderWine();

// The area of the screen as the display shows it, also saved as `name`
// (PNG) in the test's folder. This thread keeps handling messages meanwhile.
Pixels CaptureScreenArea(const RECT& area, const std::string& name);
// The window's rectangle, once what is pending has been painted.
Pixels CaptureShown(HWND window, const std::string& name);

// A PNG (or any picture GDI+ reads) as pixels; empty when unreadable.
Pixels LoadPicture(const std::string& path);

}  // namespace testing_support
