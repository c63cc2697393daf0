// How containers look, drawn on any graphics context: the group-box frame
// with its caption, and the double rounded border of other containers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "graphics/graphics.h"
#include "skin/drawing/colours.h"

namespace skin {

// Two rounded frames from 5 pixels below the top: black over white.
void DrawGroupBoxFrame(graphics::Graphics& g, int width, int height);
// The same two frames over the whole container.
void DrawContainerBorder(graphics::Graphics& g, int width, int height);

struct GroupBoxCaption {
  std::string text;
  std::string fontName;  // empty or size 0: the default GUI font
  int32_t fontSize = 0;
  int32_t fontStyle = 0;
  Colour textColour = 0;
  LONG style = 0;  // the alignment bits BS_LEFT / BS_CENTER
};

// Width the caption takes: its measured width, truncated, plus one.
int MeasureCaption(const GroupBoxCaption& caption);
// Where the caption goes in a group box `width` wide: at x 10 for BS_LEFT,
// centred for BS_CENTER, else ending 10 pixels from the right; one pixel
// below the top, as high as the font plus 3.
graphics::RectF PlaceCaption(const GroupBoxCaption& caption, int width, int captionWidth);
// The caption text, centred in `place`.
void DrawCaptionText(graphics::Graphics& g, const GroupBoxCaption& caption,
                     const graphics::RectF& place);

}  // namespace skin
