#include "skin/controls/edits/edits.h"

namespace skin {

// Not built yet: edits and combo boxes keep the platform's look.
void SkinEditsAndCombos(int, HWND) {}

}  // namespace skin
