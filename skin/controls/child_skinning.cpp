#include "skin/controls/child_skinning.h"

#include "skin/controls/buttons/buttons.h"
#include "skin/controls/edits/edits.h"
#include "skin/controls/lists/lists.h"
#include "skin/controls/ranges/ranges.h"

namespace skin {

void SkinEveryFamily(int i, HWND parent) {
  SkinPushButtons(i, parent);
  SkinCheckAndRadioButtons(i, parent);
  SkinEditsAndCombos(i, parent);
  SkinTrackBars(i, parent);
  SkinProgressBars(i, parent);
  SkinListControls(i, parent);
  SkinUpDowns(i, parent);
  SkinHeaders(i, parent);
}

}  // namespace skin
