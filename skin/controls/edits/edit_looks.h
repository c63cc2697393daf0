// How edit rings and combo boxes look, drawn on any graphics context from
// the facts of one paint: nothing here touches a window, so each look can be
// drawn on a bitmap and read back.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "graphics/graphics.h"
#include "skin/drawing/colours.h"

namespace skin {

// The key colour of areas a combo box leaves to its children (#FF00FF).
inline constexpr COLORREF kComboKey = RGB(255, 0, 255);

struct EditFrameLook {
  int width = 0, height = 0;  // the window rectangle
  RECT inner{};               // client area plus scroll bars, window coordinates
  bool translucent = false;   // a white veil of `translucency`, else opaque white
  int translucency = 0;
  bool skinned = true;  // the border is drawn for edits of skinned windows only
  bool hot = false;
  bool focused = false;
  Colour accent = 0;
};

// Only the ring outside `inner` is touched: hot, a 2-pixel accent rectangle
// one pixel in; focused, a 1-pixel accent outline; else a faint black one.
void DrawEditFrameLook(graphics::Graphics& g, const EditFrameLook& look);

struct ComboLook {
  int width = 0, height = 0;
  int type = 2;             // low two style bits: 1 simple, 2 drop-down, 3 drop-down list
  std::vector<RECT> keyed;  // areas left to the children, combo window coordinates
  bool translucent = false;
  int translucency = 0;
  bool hot = false;
  bool focused = false;
  Colour accent = 0;
  std::string text;  // drawn for drop-down lists only
  Colour textColour = 0;
};

// Width of the drop button: 17 for a drop-down list, 18 otherwise.
int DropButtonWidth(int type);

// The veiled face, the keyed areas cleared to kComboKey, the border, the
// rounded drop button with its arrow (drop-down types) and the text of a
// drop-down list.
void DrawComboLook(graphics::Graphics& g, const ComboLook& look);

}  // namespace skin
