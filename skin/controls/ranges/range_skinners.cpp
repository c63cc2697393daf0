#include "skin/controls/ranges/ranges.h"

namespace skin {

// Not built yet: track bars and up-down controls keep the platform's look.
void SkinTrackBars(int, HWND) {}
void SkinUpDowns(int, HWND) {}

}  // namespace skin
