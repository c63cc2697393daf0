// The gallery's class form: the edit, combo, list, view and header families
// filled with what a teacher keeps about a class.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

namespace gallery {

struct ClassForm {
  HWND name = nullptr;         // single-line edit
  HWND className = nullptr;    // drop-down combo
  HWND subject = nullptr;      // drop-down list
  HWND date = nullptr;         // date-time picker
  HWND computer = nullptr;     // IP-address field
  HWND group = nullptr;        // simple combo
  HWND notes = nullptr;        // multi-line edit with both scroll bars
  HWND remark = nullptr;       // multi-line edit without scroll bars
  HWND students = nullptr;     // list box
  HWND roll = nullptr;         // list view, report view, three columns
  HWND groups = nullptr;       // tree view of the groups
  HIMAGELIST icons = nullptr;  // the list view's small icons (it frees them)

  // Every control of the form, for loops over all of them.
  std::vector<HWND> All() const;
};

// Creates the form on `window` with its top-left corner at (x, y): about
// 376 x 234 of fields and, below them at `listsTop`, the lists across
// `listsWidth` pixels from `listsLeft`, 260 high.
ClassForm CreateClassForm(HWND window, HFONT font, int x, int y, int listsLeft, int listsTop,
                          int listsWidth);

}  // namespace gallery
