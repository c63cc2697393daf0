// The paints of a transparent child: the control paints itself, and the
// pixels it paints in its key colour are replaced by what lies behind it.
#pragma once

#include <windows.h>

#include <string>

namespace skin {

enum class KeyedPaint {
  // Controls known to paint their whole client area into the DC they are
  // given: composed off-screen over the veiled background.
  IntoSurface,
  // Anything else, which may paint on screen whatever DC it is given: its
  // pixels are read back from its window and laid over the bare picture.
  OverWindow,
};

KeyedPaint KeyedPaintFor(const std::string& className);

// WM_PAINT of a transparent child with key colour `key`; the result is the
// control's own.
LRESULT PaintKeyed(HWND control, COLORREF key, LPARAM lParam);

}  // namespace skin
