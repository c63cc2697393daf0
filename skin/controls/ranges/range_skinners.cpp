#include "skin/controls/ranges/ranges.h"

namespace skin {

// Not built yet: these controls keep the platform's look.
void SkinTrackBars(int, HWND) {}
void SkinProgressBars(int, HWND) {}
void SkinUpDowns(int, HWND) {}

}  // namespace skin
