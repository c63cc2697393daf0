#include "skin/drawing/top_rounded_paths.h"

namespace skin {

bool TopRoundedPath(graphics::Path& path, float x, float y, float w, float h, float r) {
  bool ok = path.AddPathLine(x, y + h, x, y + r);
  ok = path.AddPathArc(x, y, r, r, 180.0f, 90.0f) && ok;
  ok = path.AddPathLine(x + r, y, x + w - r, y) && ok;
  ok = path.AddPathArc(x + w - r, y, r, r, 270.0f, 90.0f) && ok;
  return path.AddPathLine(x + w, y + r, x + w, y + h) && ok;
}

bool TopRightRoundedPath(graphics::Path& path, float x, float y, float w, float h, float r) {
  bool ok = path.AddPathLine(x, y + h, x, y);
  ok = path.AddPathLine(x, y, x + w - r, y) && ok;
  ok = path.AddPathArc(x + w - r, y, r, r, 270.0f, 90.0f) && ok;
  return path.AddPathLine(x + w, y + r, x + w, y + h) && ok;
}

}  // namespace skin
