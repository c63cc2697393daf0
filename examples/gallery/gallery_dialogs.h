// The gallery's row of buttons opening the platform's own dialogs (open
// file, colour, font, a message box, a property sheet of two pages), which
// the engine skins as they activate (SkinThreadDialogs).
#pragma once

#include <windows.h>

namespace gallery {

enum DialogButtonId : int {
  kOpenFileId = 201,
  kColourId,
  kFontId,
  kMessageBoxId,
  kPropertySheetId,
};

// Five buttons in a row from (x, y), each `width` wide with a gap of 6.
void CreateDialogButtons(HWND window, HFONT font, int x, int y, int width);
// Opens the dialog of button `id` (modal, owned by `owner`); false for
// another id.
bool OpenDialogOf(int id, HWND owner);

}  // namespace gallery
