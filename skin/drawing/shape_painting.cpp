#include "skin/drawing/shape_painting.h"

#include "graphics/line_brush.h"
#include "graphics/pen.h"
#include "graphics/solid_fill.h"
#include "skin/drawing/round_rect_path.h"

namespace skin {

graphics::Path RoundRectShape(float x, float y, float w, float h, int radius) {
  graphics::Path path;
  if (path.CreatePath()) RoundRectPath(path, x, y, w, h, radius);
  return path;
}

void FillSolid(graphics::Graphics& g, const graphics::Path& shape, Gdiplus::ARGB colour) {
  graphics::SolidFill brush;
  if (brush.CreateSolidFill(colour)) g.FillPath(brush, shape);
}

void FillGradient(graphics::Graphics& g, const graphics::Path& shape, graphics::PointF from,
                  graphics::PointF to, Gdiplus::ARGB first, Gdiplus::ARGB second) {
  graphics::LineBrush brush;
  if (brush.CreateLineBrush(from, to, first, second)) g.FillPath(brush, shape);
}

void Outline(graphics::Graphics& g, const graphics::Path& shape, Gdiplus::ARGB colour,
             float width) {
  graphics::Pen pen;
  if (pen.CreatePen1(colour, width)) g.DrawPath(pen, shape);
}

}  // namespace skin
