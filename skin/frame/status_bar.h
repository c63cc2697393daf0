// The status strip's pieces that do not need a window: the panel layout rule,
// the look of one panel, and the glowing text effect.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/drawing/colours.h"
#include "skin/engine/skinned_window.h"

namespace graphics {
class Font;
class Graphics;
}  // namespace graphics

namespace skin {

// The strip of a client area `clientRight` x `clientBottom` with the given
// inset and height: (m, bottom - m - h - 1, right - 2m, h).
IntRect StatusStripRect(int clientRight, int clientBottom, int margin, int height);

// The panels' rectangles, left to right from the margin, each at the strip's
// top and height; a -1 width takes clientRight - 2m - (widths so far), never
// less than 0. Panels after such a panel start where it ends, which may be
// beyond the strip: drawing clips them.
std::vector<IntRect> StatusPanelLayout(const IntRect& strip, int clientRight, int margin,
                                       const std::vector<int32_t>& widths);

// The part of a panel's rectangle that lies inside the strip, as (left, top,
// right, bottom); empty when none does.
RECT VisiblePanelPart(const IntRect& panel, const IntRect& strip);

// Everything one panel is drawn from.
struct StatusPanelLook {
  IntRect box;  // the panel's rectangle
  RECT clip{};  // what may be drawn on: the panel inside the strip
  std::string text;
  std::vector<uint8_t> image;  // encoded picture; empty = none
  Colour textColour = 0;       // plain text
  bool glow = false;
  Colour glowTextColour = 0;
  Colour glowColour = 0xFFFFFF;
  std::string fontName;
  int fontSize = 12;
};

// Gradient, picture and text of one panel, inside `look.clip` only.
void DrawStatusPanel(graphics::Graphics& g, const StatusPanelLook& look);

// The status font: `name` (or the default face when empty or not
// installed, then the generic sans-serif one) at `size` world units.
bool CreateStatusFont(graphics::Font& font, const std::string& name, float size, int style);

// Text with a soft halo: the text is drawn in the glow colour, shrunk by
// `scale` and stretched back (a cheap blur), outlined four times faintly,
// and the sharp text goes on top in `textColour`.
void DrawGlowText(graphics::Graphics& g, const std::string& text, const Gdiplus::RectF& layout,
                  Colour textColour, Colour glowColour, float scale = 4.0f,
                  const std::string& fontName = "宋体", int style = 0, float size = 12.0f,
                  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear,
                  Gdiplus::StringAlignment lineAlignment = Gdiplus::StringAlignmentNear);

}  // namespace skin
