// The per-family child skinners a skinned window (and a container) runs on
// its direct children, and the owner-draw dispatch of skinned buttons. Each
// takes the window number and the parent whose children it skins.
#pragma once

#include <windows.h>

namespace skin {

void SkinPushButtons(int i, HWND parent);
void SkinCheckAndRadioButtons(int i, HWND parent);
void SkinEditsAndCombos(int i, HWND parent);
void SkinTrackBars(int i, HWND parent);
void SkinProgressBars(int i, HWND parent);
void SkinListControls(int i, HWND parent);
void SkinUpDowns(int i, HWND parent);
void SkinHeaders(int i, HWND parent);

void DispatchDrawItem(int i, const DRAWITEMSTRUCT& item);

}  // namespace skin
