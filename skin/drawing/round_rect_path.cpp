#include "skin/drawing/round_rect_path.h"

#include <algorithm>

namespace skin {

bool RoundRectPath(graphics::Path& path, float x, float y, float w, float h, int radius) {
  const float r = float(std::clamp(radius, 1, 100));
  bool ok = path.AddPathArc(x + w - r, y, r, r, 270.0f, 90.0f);
  ok = path.AddPathArc(x + w - r - 1.0f, y + h - r - 1.0f, r + 1.0f, r + 1.0f, 0.0f, 90.0f) && ok;
  ok = path.AddPathArc(x, y + h - r, r, r, 90.0f, 90.0f) && ok;
  ok = path.AddPathArc(x, y, r, r, 180.0f, 90.0f) && ok;
  return path.ClosePathFigure() && ok;
}

}  // namespace skin
