// How list frames and header items look, drawn on any graphics context from
// the facts of one paint: nothing here touches a window, so each look can be
// drawn on a bitmap and read back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "skin/drawing/colours.h"

namespace skin {

// The colour key of transparent copies: what is left this colour is not
// copied.
inline constexpr Colour kListColourKey = 0xFF00FF;  // #FF00FF

struct ListFrameLook {
  bool drawn = true;  // false: no border to draw, the whole surface is the key
  int width = 0, height = 0;
  RECT inner{};  // the client area and scroll bars, in window coordinates
  bool translucent = false;
  int translucency = 0;
  Colour accent = 0xDDCA22;
  bool hot = false;
  bool focused = false;
};

// The ring between the window rectangle and `inner`, the white of the veil
// with an outline: 2 pixels of accent when hot, 1 pixel of accent when
// focused, else 1 pixel of faint black. `inner` is left the colour key.
void DrawListFrameLook(graphics::Graphics& g, const ListFrameLook& look);

struct HeaderItemLook {
  std::string text;
  std::string fontName;  // empty or size 0: the default GUI font
  int32_t fontSize = 0;
  int32_t fontStyle = 0;
  int format = 0;                          // HDF_* bits: the alignment of the image
  const graphics::Bitmap* icon = nullptr;  // the item's image, drawn at its natural size
  int width = 0, height = 0;
  int margin = 0;        // the header's bitmap margin
  bool buttons = false;  // HDS_BUTTONS: hot and pressed looks
  bool hot = false;
  bool pressed = false;
  bool translucent = false;
  int translucency = 0;
  Colour accent = 0xDDCA22;
};

// An item over a white veil with an accent gradient, lit when hot, darker
// when pressed; a divider at its right; its image and then its caption,
// trimmed with an ellipsis.
void DrawHeaderItemLook(graphics::Graphics& g, const HeaderItemLook& look);

// Where the item's image goes across the item, from the widths of the image
// and of the caption.
int HeaderImageX(const HeaderItemLook& look, int imageWidth, int textWidth);

}  // namespace skin
