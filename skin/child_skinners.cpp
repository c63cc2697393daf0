#include "skin/child_skinners.h"

namespace skin {

// No control family is skinned yet: the controls keep the platform's look.
void SkinPushButtons(int, HWND) {}
void SkinCheckAndRadioButtons(int, HWND) {}
void SkinEditsAndCombos(int, HWND) {}
void SkinTrackBars(int, HWND) {}
void SkinProgressBars(int, HWND) {}
void SkinListControls(int, HWND) {}
void SkinUpDowns(int, HWND) {}
void SkinHeaders(int, HWND) {}

void DispatchDrawItem(int, const DRAWITEMSTRUCT&) {}

}  // namespace skin
