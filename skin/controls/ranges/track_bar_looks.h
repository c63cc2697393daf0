// How a skinned track bar looks: an optional rounded frame, the channel (or
// a thin strip when a selection range is shown), the thumb as a dot or, while
// hovered, a circle, the selection line and the filled part up to the thumb.
#pragma once

#include <windows.h>

#include <cstdint>

#include "graphics/graphics.h"

namespace skin {

struct TrackBarLook {
  int width = 0, height = 0;
  bool vertical = false;
  int tickSide = 1;  // 0 top/left, 1 bottom/right, 2 both, 3 none
  bool hover = false;
  bool selRange = false;
  bool frame = true;  // the rounded frame and its gradient
  int position = 0, max = 100;
  int selStart = 0, selEnd = 0;
  // As the control reports them: the channel in horizontal orientation even
  // for a vertical control, the thumb in the control's own.
  RECT channel{};
  RECT thumb{};
  uint32_t accent = 0;
};

// The channel as drawn, in the control's orientation: the 4-pixel strip
// centred in the reported channel when a selection range is shown.
graphics::RectF ChannelShape(const TrackBarLook& look);
// Where the thumb's ellipse lies: the circle while hovered, else the dot.
graphics::RectF ThumbShape(const TrackBarLook& look);

void DrawTrackBarLook(graphics::Graphics& g, const TrackBarLook& look);

}  // namespace skin
