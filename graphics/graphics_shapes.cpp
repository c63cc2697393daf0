// The graphics context's lines, curves, shapes and fills.
#include "graphics/graphics.h"

#include "graphics/stubbed_functions.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

bool Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
  return Record(GdipDrawLine(native_, pen.GetNative(), x1, y1, x2, y2));
}

bool Graphics::DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2) {
  return Record(GdipDrawLineI(native_, pen.GetNative(), x1, y1, x2, y2));
}

bool Graphics::DrawLines(const Pen& pen, const std::vector<PointF>& points) {
  return Record(GdipDrawLines(native_, pen.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawLinesI(const Pen& pen, const std::vector<Point>& points) {
  return Record(GdipDrawLinesI(native_, pen.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawArc(const Pen& pen, float x, float y, float width, float height,
                       float start_angle, float sweep_angle) {
  return Record(
      GdipDrawArc(native_, pen.GetNative(), x, y, width, height, start_angle, sweep_angle));
}

bool Graphics::DrawArcI(const Pen& pen, int x, int y, int width, int height, float start_angle,
                        float sweep_angle) {
  return Record(
      GdipDrawArcI(native_, pen.GetNative(), x, y, width, height, start_angle, sweep_angle));
}

bool Graphics::DrawBezier(const Pen& pen, float x1, float y1, float x2, float y2, float x3,
                          float y3, float x4, float y4) {
  return Record(GdipDrawBezier(native_, pen.GetNative(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool Graphics::DrawBezierI(const Pen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                           int y4) {
  return Record(GdipDrawBezierI(native_, pen.GetNative(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool Graphics::DrawBeziers(const Pen& pen, const std::vector<PointF>& points) {
  return Record(GdipDrawBeziers(native_, pen.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawBeziersI(const Pen& pen, const std::vector<Point>& points) {
  return Record(GdipDrawBeziersI(native_, pen.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawRectangle(const Pen& pen, float x, float y, float width, float height) {
  return Record(GdipDrawRectangle(native_, pen.GetNative(), x, y, width, height));
}

bool Graphics::DrawRectangleI(const Pen& pen, int x, int y, int width, int height) {
  return Record(GdipDrawRectangleI(native_, pen.GetNative(), x, y, width, height));
}

bool Graphics::DrawRectangles(const Pen& pen, const std::vector<RectF>& rects) {
  return Record(GdipDrawRectangles(native_, pen.GetNative(), rects.data(), int(rects.size())));
}

bool Graphics::DrawRectanglesI(const Pen& pen, const std::vector<Rect>& rects) {
  return Record(GdipDrawRectanglesI(native_, pen.GetNative(), rects.data(), int(rects.size())));
}

bool Graphics::DrawEllipse(const Pen& pen, float x, float y, float width, float height) {
  return Record(GdipDrawEllipse(native_, pen.GetNative(), x, y, width, height));
}

bool Graphics::DrawEllipseI(const Pen& pen, int x, int y, int width, int height) {
  return Record(GdipDrawEllipseI(native_, pen.GetNative(), x, y, width, height));
}

bool Graphics::DrawPie(const Pen& pen, float x, float y, float width, float height,
                       float start_angle, float sweep_angle) {
  return Record(
      GdipDrawPie(native_, pen.GetNative(), x, y, width, height, start_angle, sweep_angle));
}

bool Graphics::DrawPieI(const Pen& pen, int x, int y, int width, int height, float start_angle,
                        float sweep_angle) {
  return Record(
      GdipDrawPieI(native_, pen.GetNative(), x, y, width, height, start_angle, sweep_angle));
}

bool Graphics::DrawPolygon(const Pen& pen, const std::vector<PointF>& points) {
  return Record(GdipDrawPolygon(native_, pen.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawPolygonI(const Pen& pen, const std::vector<Point>& points) {
  return Record(GdipDrawPolygonI(native_, pen.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawPath(const Pen& pen, const Path& path) {
  if (detail::Missing(path.GetNative())) return false;
  return Record(GdipDrawPath(native_, pen.GetNative(), path.GetNative()));
}

bool Graphics::DrawCurve(const Pen& pen, const std::vector<PointF>& points) {
  return Record(GdipDrawCurve(native_, pen.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawCurveI(const Pen& pen, const std::vector<Point>& points) {
  return Record(GdipDrawCurveI(native_, pen.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawCurve2(const Pen& pen, const std::vector<PointF>& points, float tension) {
  return Record(
      GdipDrawCurve2(native_, pen.GetNative(), points.data(), int(points.size()), tension));
}

bool Graphics::DrawCurve2I(const Pen& pen, const std::vector<Point>& points, float tension) {
  return Record(
      GdipDrawCurve2I(native_, pen.GetNative(), points.data(), int(points.size()), tension));
}

bool Graphics::DrawCurve3(const Pen& pen, const std::vector<PointF>& points, int offset,
                          int segments, float tension) {
  return Record(GdipDrawCurve3(native_, pen.GetNative(), points.data(), int(points.size()), offset,
                               segments, tension));
}

bool Graphics::DrawCurve3I(const Pen& pen, const std::vector<Point>& points, int offset,
                           int segments, float tension) {
  return Record(GdipDrawCurve3I(native_, pen.GetNative(), points.data(), int(points.size()), offset,
                                segments, tension));
}

bool Graphics::DrawClosedCurve(const Pen& pen, const std::vector<PointF>& points) {
  return Record(GdipDrawClosedCurve(native_, pen.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawClosedCurveI(const Pen& pen, const std::vector<Point>& points) {
  return Record(GdipDrawClosedCurveI(native_, pen.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawClosedCurve2(const Pen& pen, const std::vector<PointF>& points, float tension) {
  return Record(
      GdipDrawClosedCurve2(native_, pen.GetNative(), points.data(), int(points.size()), tension));
}

bool Graphics::DrawClosedCurve2I(const Pen& pen, const std::vector<Point>& points, float tension) {
  return Record(
      GdipDrawClosedCurve2I(native_, pen.GetNative(), points.data(), int(points.size()), tension));
}

bool Graphics::GraphicsClear(ARGB colour) { return Record(GdipGraphicsClear(native_, colour)); }

bool Graphics::FillRectangle(const Brush& brush, float x, float y, float width, float height) {
  return Record(GdipFillRectangle(native_, brush.GetNative(), x, y, width, height));
}

bool Graphics::FillRectangle(const Brush& brush, const RectF& rect) {
  return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

bool Graphics::FillRectangleI(const Brush& brush, int x, int y, int width, int height) {
  return Record(GdipFillRectangleI(native_, brush.GetNative(), x, y, width, height));
}

bool Graphics::FillRectangles(const Brush& brush, const std::vector<RectF>& rects) {
  return Record(GdipFillRectangles(native_, brush.GetNative(), rects.data(), int(rects.size())));
}

bool Graphics::FillRectanglesI(const Brush& brush, const std::vector<Rect>& rects) {
  return Record(GdipFillRectanglesI(native_, brush.GetNative(), rects.data(), int(rects.size())));
}

bool Graphics::FillPolygon(const Brush& brush, const std::vector<PointF>& points, FillMode mode) {
  return Record(
      GdipFillPolygon(native_, brush.GetNative(), points.data(), int(points.size()), mode));
}

bool Graphics::FillPolygonI(const Brush& brush, const std::vector<Point>& points, FillMode mode) {
  return Record(
      GdipFillPolygonI(native_, brush.GetNative(), points.data(), int(points.size()), mode));
}

bool Graphics::FillEllipse(const Brush& brush, float x, float y, float width, float height) {
  return Record(GdipFillEllipse(native_, brush.GetNative(), x, y, width, height));
}

bool Graphics::FillEllipseI(const Brush& brush, int x, int y, int width, int height) {
  return Record(GdipFillEllipseI(native_, brush.GetNative(), x, y, width, height));
}

bool Graphics::FillPie(const Brush& brush, float x, float y, float width, float height,
                       float start_angle, float sweep_angle) {
  return Record(
      GdipFillPie(native_, brush.GetNative(), x, y, width, height, start_angle, sweep_angle));
}

bool Graphics::FillPieI(const Brush& brush, int x, int y, int width, int height, float start_angle,
                        float sweep_angle) {
  return Record(
      GdipFillPieI(native_, brush.GetNative(), x, y, width, height, start_angle, sweep_angle));
}

bool Graphics::FillPath(const Brush& brush, const Path& path) {
  if (detail::Missing(path.GetNative())) return false;
  return Record(GdipFillPath(native_, brush.GetNative(), path.GetNative()));
}

bool Graphics::FillClosedCurve(const Brush& brush, const std::vector<PointF>& points) {
  return Record(GdipFillClosedCurve(native_, brush.GetNative(), points.data(), int(points.size())));
}

bool Graphics::FillClosedCurve2(const Brush& brush, const std::vector<PointF>& points,
                                float tension, FillMode mode) {
  return Record(GdipFillClosedCurve2(native_, brush.GetNative(), points.data(), int(points.size()),
                                     tension, mode));
}

bool Graphics::FillClosedCurveI(const Brush& brush, const std::vector<Point>& points) {
  return Record(
      GdipFillClosedCurveI(native_, brush.GetNative(), points.data(), int(points.size())));
}

bool Graphics::FillClosedCurve2I(const Brush& brush, const std::vector<Point>& points,
                                 float tension, FillMode mode) {
  return Record(GdipFillClosedCurve2I(native_, brush.GetNative(), points.data(), int(points.size()),
                                      tension, mode));
}

bool Graphics::FillRegion(const Brush& brush, const Region& region) {
  return Record(GdipFillRegion(native_, brush.GetNative(), region.GetNative()));
}

}  // namespace graphics
