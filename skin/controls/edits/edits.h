// Edit boxes and combo boxes of a skinned window. Edits keep their own text
// painting; the engine draws the ring between their window rectangle and
// their client area (scroll bars left to the platform) and, when translucency
// is on, the veiled background behind their text. Combo boxes are painted by
// the engine except where their child windows paint themselves.
#pragma once

#include <windows.h>

#include <optional>

#include "skin/controls/edits/edit_looks.h"

namespace skin {

// Registers and subclasses the direct "Edit" children of `parent`, then its
// direct "ComboBox" children (and, with translucency on, each combo's own
// edit), for window number i. Nothing while SkinChildControls is off; a
// control registered before is left as it is.
void SkinEditsAndCombos(int i, HWND parent);

// Index of the record of the control in window i's edit (combo) list, 0 if
// none.
int FindEdit(int i, HWND edit);
int FindCombo(int i, HWND combo);

LRESULT CALLBACK EditWndProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboWndProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the edit's border ring at once on its window DC. Not given,
// `focused` comes from the record and `hot` is false.
void PaintEditFrame(HWND edit, std::optional<bool> focused = {}, std::optional<bool> hot = {});

// Paints combo `index` of window i at once on its window DC, leaving the
// areas of its child windows as they painted them. Not given, `focused`
// comes from the record.
void PaintComboBox(int i, int index, bool hot, std::optional<bool> focused = {});

// The facts of one paint, as the painters above gather them.
EditFrameLook EditFrameLookOf(HWND edit, bool focused, bool hot);
ComboLook ComboLookOf(HWND combo, bool hot, bool focused);

// The child's window rectangle relative to its parent's window rectangle.
RECT ChildRectInParent(HWND child);

}  // namespace skin
