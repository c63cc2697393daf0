// How push buttons, radio buttons and check boxes look, drawn on any
// graphics context from the facts of one paint: nothing here touches a
// window, so each look can be drawn on a bitmap and read back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "graphics/graphics.h"
#include "skin/drawing/colours.h"

namespace skin {

struct ButtonLook {
  std::string caption;
  std::string fontName;  // empty or size 0: the default GUI font
  int32_t fontSize = 0;
  int32_t fontStyle = 0;
  Colour textColour = 0;
  Colour accent = 0xDDCA22;
  UINT state = 0;        // owner-draw state bits (buttons.h)
  bool checked = false;  // radio buttons and check boxes
};

// The box the look fills: x, y, width, height.
struct LookBox {
  int x = 0, y = 0, w = 0, h = 0;
};

// A translucent white face with a grey gradient and gloss; hot: accent
// gradient and outline; focused: a fixed cyan glow; pressed: an accent
// overlay; disabled: a grey face replacing all of them. Caption centred.
void DrawPushButtonLook(graphics::Graphics& g, const ButtonLook& look, const LookBox& box);
// A 12-pixel ring with a white well, a teal dot when checked, the caption
// left-aligned after it. Anti-aliased.
void DrawRadioButtonLook(graphics::Graphics& g, const ButtonLook& look, const LookBox& box);
// The built-in 13 x 13 box, checked or not, the caption after it.
void DrawCheckBoxLook(graphics::Graphics& g, const ButtonLook& look, const LookBox& box);

// The glow of the engine's controls: #22CADD whatever the accent.
inline constexpr Colour kGlowColour = 0xDDCA22;

}  // namespace skin
