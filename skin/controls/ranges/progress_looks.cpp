#include "skin/controls/ranges/progress_looks.h"

#include <algorithm>

#include "skin/drawing/colours.h"
#include "skin/drawing/shape_painting.h"

namespace skin {

double ScaledPosition(const ProgressLook& look, int length) {
  // In 64 bits: a range as wide as INT_MIN..INT_MAX overflows an int.
  const long long span = static_cast<long long>(look.high) - look.low;
  // An empty (or inverted) range has no proportion to draw.
  if (span <= 0) return 0;
  const double scaled = static_cast<double>(length) / static_cast<double>(span) * look.position;
  // A position beyond the range stays inside the control.
  return std::clamp(scaled, 0.0, static_cast<double>(std::max(length, 0)));
}

void DrawProgressLook(graphics::Graphics& g, const ProgressLook& look) {
  const float w = static_cast<float>(look.width), h = static_cast<float>(look.height);
  Outline(g, RoundRectShape(0, 0, w - 1, h - 1, 5), MakeArgb(0x000000, 50));
  const graphics::PointF across =
      look.vertical ? graphics::PointF(w - 1, 0) : graphics::PointF(0, h - 1);
  FillGradient(g, RoundRectShape(1, 1, w - 2, h - 2, 1), graphics::PointF(0, 0), across,
               MakeArgb(0xFFFFFF, 160), MakeArgb(0x000000, 30));

  float x0 = 0, y0 = 0, fw = w, fh = h;
  graphics::PointF from(0, 0), to(0, h - 1);
  int filled = 0;
  if (look.vertical) {
    const double scaled = ScaledPosition(look, look.height);
    filled = static_cast<int>(scaled);
    y0 = static_cast<float>(static_cast<int>(look.height - scaled));
    fh = static_cast<float>(filled);
    from = graphics::PointF(0, y0);
    to = graphics::PointF(w - 1, y0);
  } else {
    filled = static_cast<int>(ScaledPosition(look, look.width));
    fw = static_cast<float>(filled);
  }
  if (filled <= 0) return;
  const graphics::Path bar = RoundRectShape(x0 + 1, y0 + 1, fw - 3, fh - 3, 3);
  FillGradient(g, bar, from, to, MakeArgb(0xFFFFFF, 90), MakeArgb(look.accent, 255));
  Outline(g, bar, MakeArgb(look.accent, 150));
}

}  // namespace skin
