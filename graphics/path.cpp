#include "graphics/path.h"

#include <algorithm>
#include <utility>

#include "graphics/font_family.h"
#include "graphics/graphics.h"
#include "graphics/pen.h"
#include "graphics/string_format.h"
#include "graphics/text.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

namespace {
GpStringFormat* NativeOf(const StringFormat* format) {
  return format ? format->GetNative() : nullptr;
}
GpGraphics* NativeOf(const Graphics* graphics) {
  return graphics ? graphics->GetNative() : nullptr;
}
GpPen* NativeOf(const Pen* pen) { return pen ? pen->GetNative() : nullptr; }
}  // namespace

Path::~Path() { DeletePath(); }

Path::Path(Path&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}

Path& Path::operator=(Path&& other) noexcept {
  if (this != &other) {
    DeletePath();
    native_ = std::exchange(other.native_, nullptr);
  }
  return *this;
}

void Path::SetNative(GpPath* native) { detail::Adopt(native_, native, &GdipDeletePath); }

bool Path::DeletePath() { return detail::DeleteNative(native_, &GdipDeletePath); }

bool Path::CreatePath(FillMode mode) {
  GpPath* path = nullptr;
  Status status = GdipCreatePath(mode, &path);
  SetNative(status == Ok ? path : nullptr);
  return Record(status);
}

bool Path::CreatePath2(const std::vector<PointF>& points, const std::vector<BYTE>& types,
                       FillMode mode) {
  if (points.size() != types.size()) return Record(InvalidParameter);
  GpPath* path = nullptr;
  Status status = GdipCreatePath2(points.data(), types.data(), int(points.size()), mode, &path);
  SetNative(status == Ok ? path : nullptr);
  return Record(status);
}

bool Path::CreatePath2I(const std::vector<Point>& points, const std::vector<BYTE>& types,
                        FillMode mode) {
  if (points.size() != types.size()) return Record(InvalidParameter);
  GpPath* path = nullptr;
  Status status = GdipCreatePath2I(points.data(), types.data(), int(points.size()), mode, &path);
  SetNative(status == Ok ? path : nullptr);
  return Record(status);
}

bool Path::ClonePath(Path& clone) const {
  GpPath* copy = nullptr;
  Status status = GdipClonePath(native_, &copy);
  clone.SetNative(status == Ok ? copy : nullptr);
  return Record(status);
}

bool Path::ResetPath() { return Record(GdipResetPath(native_)); }

FillMode Path::GetPathFillMode() const {
  FillMode mode = FillModeAlternate;
  return Record(GdipGetPathFillMode(native_, &mode)) ? mode : FillModeAlternate;
}

bool Path::SetPathFillMode(FillMode mode) { return Record(GdipSetPathFillMode(native_, mode)); }

PathData Path::GetPathData() const {
  int count = GetPointCount();
  if (LastStatus() != Ok || count <= 0) return {};
  PathData data{std::vector<PointF>(size_t(count)), std::vector<BYTE>(size_t(count))};
  // GDI+'s PathData record: the count the caller has room for, then the arrays.
  struct {
    INT Count;
    PointF* Points;
    BYTE* Types;
  } block{count, data.points.data(), data.types.data()};
  if (!Record(GdipGetPathData(native_, reinterpret_cast<GpPathData*>(&block)))) return {};
  return data;
}

std::vector<BYTE> Path::GetPathTypes() const {
  int count = GetPointCount();
  if (LastStatus() != Ok || count <= 0) return {};
  std::vector<BYTE> types(static_cast<size_t>(count));
  return Record(GdipGetPathTypes(native_, types.data(), count)) ? types : std::vector<BYTE>();
}

std::vector<PointF> Path::GetPathPoints() const {
  int count = GetPointCount();
  if (LastStatus() != Ok || count <= 0) return {};
  std::vector<PointF> points(static_cast<size_t>(count));
  return Record(GdipGetPathPoints(native_, points.data(), count)) ? points : std::vector<PointF>();
}

std::vector<Point> Path::GetPathPointsI() const {
  int count = GetPointCount();
  if (LastStatus() != Ok || count <= 0) return {};
  std::vector<Point> points(static_cast<size_t>(count));
  return Record(GdipGetPathPointsI(native_, points.data(), count)) ? points : std::vector<Point>();
}

bool Path::StartPathFigure() { return Record(GdipStartPathFigure(native_)); }
bool Path::ClosePathFigure() { return Record(GdipClosePathFigure(native_)); }
bool Path::ClosePathFigures() { return Record(GdipClosePathFigures(native_)); }
bool Path::SetPathMarker() { return Record(GdipSetPathMarker(native_)); }
bool Path::ClearPathMarkers() { return Record(GdipClearPathMarkers(native_)); }
bool Path::ReversePath() { return Record(GdipReversePath(native_)); }

PointF Path::GetPathLastPoint() const {
  PointF point;
  return Record(GdipGetPathLastPoint(native_, &point)) ? point : PointF();
}

bool Path::AddPathLine(float x1, float y1, float x2, float y2) {
  return Record(GdipAddPathLine(native_, x1, y1, x2, y2));
}

bool Path::AddPathLineI(int x1, int y1, int x2, int y2) {
  return Record(GdipAddPathLineI(native_, x1, y1, x2, y2));
}

bool Path::AddPathLine2(const std::vector<PointF>& points) {
  return Record(GdipAddPathLine2(native_, points.data(), int(points.size())));
}

bool Path::AddPathLine2I(const std::vector<Point>& points) {
  return Record(GdipAddPathLine2I(native_, points.data(), int(points.size())));
}

bool Path::AddPathArc(float x, float y, float width, float height, float start_angle,
                      float sweep_angle) {
  return Record(GdipAddPathArc(native_, x, y, width, height, start_angle, sweep_angle));
}

bool Path::AddPathArcI(int x, int y, int width, int height, float start_angle, float sweep_angle) {
  return Record(GdipAddPathArcI(native_, x, y, width, height, start_angle, sweep_angle));
}

bool Path::AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                         float y4) {
  return Record(GdipAddPathBezier(native_, x1, y1, x2, y2, x3, y3, x4, y4));
}

bool Path::AddPathBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  return Record(GdipAddPathBezierI(native_, x1, y1, x2, y2, x3, y3, x4, y4));
}

bool Path::AddPathBeziers(const std::vector<PointF>& points) {
  return Record(GdipAddPathBeziers(native_, points.data(), int(points.size())));
}

bool Path::AddPathBeziersI(const std::vector<Point>& points) {
  return Record(GdipAddPathBeziersI(native_, points.data(), int(points.size())));
}

bool Path::AddPathCurve(const std::vector<PointF>& points) {
  return Record(GdipAddPathCurve(native_, points.data(), int(points.size())));
}

bool Path::AddPathCurve2(const std::vector<PointF>& points, float tension) {
  return Record(GdipAddPathCurve2(native_, points.data(), int(points.size()), tension));
}

bool Path::AddPathCurve3(const std::vector<PointF>& points, int offset, int segments,
                         float tension) {
  return Record(
      GdipAddPathCurve3(native_, points.data(), int(points.size()), offset, segments, tension));
}

bool Path::AddPathCurveI(const std::vector<Point>& points) {
  return Record(GdipAddPathCurveI(native_, points.data(), int(points.size())));
}

bool Path::AddPathCurve2I(const std::vector<Point>& points, float tension) {
  return Record(GdipAddPathCurve2I(native_, points.data(), int(points.size()), tension));
}

bool Path::AddPathCurve3I(const std::vector<Point>& points, int offset, int segments,
                          float tension) {
  return Record(
      GdipAddPathCurve3I(native_, points.data(), int(points.size()), offset, segments, tension));
}

bool Path::AddPathClosedCurve(const std::vector<PointF>& points) {
  return Record(GdipAddPathClosedCurve(native_, points.data(), int(points.size())));
}

bool Path::AddPathClosedCurve2(const std::vector<PointF>& points, float tension) {
  return Record(GdipAddPathClosedCurve2(native_, points.data(), int(points.size()), tension));
}

bool Path::AddPathClosedCurveI(const std::vector<Point>& points) {
  return Record(GdipAddPathClosedCurveI(native_, points.data(), int(points.size())));
}

bool Path::AddPathClosedCurve2I(const std::vector<Point>& points, float tension) {
  return Record(GdipAddPathClosedCurve2I(native_, points.data(), int(points.size()), tension));
}

bool Path::AddPathRectangle(float x, float y, float width, float height) {
  return Record(GdipAddPathRectangle(native_, x, y, width, height));
}

bool Path::AddRoundedRectangle(float x, float y, float width, float height, int percent) {
  percent = std::clamp(percent, 1, 100);
  // The corner sizes are whole numbers, truncated toward zero.
  const float rx = float(int(width * float(percent) / 100.0f));
  const float ry = float(int(height * float(percent) / 100.0f));
  // A failing arc fails the whole shape rather than hiding behind the close.
  return AddPathArc(x + width - rx, y, rx, ry, 270, 90) &&
         AddPathArc(x + width - rx, y + height - ry, rx, ry, 0, 90) &&
         AddPathArc(x, y + height - ry, rx, ry, 90, 90) && AddPathArc(x, y, rx, ry, 180, 90) &&
         ClosePathFigure();
}

bool Path::AddPathRectangles(const std::vector<RectF>& rects) {
  return Record(GdipAddPathRectangles(native_, rects.data(), int(rects.size())));
}

bool Path::AddPathRectangleI(int x, int y, int width, int height) {
  return Record(GdipAddPathRectangleI(native_, x, y, width, height));
}

bool Path::AddPathRectanglesI(const std::vector<Rect>& rects) {
  return Record(GdipAddPathRectanglesI(native_, rects.data(), int(rects.size())));
}

bool Path::AddPathEllipse(float x, float y, float width, float height) {
  return Record(GdipAddPathEllipse(native_, x, y, width, height));
}

bool Path::AddPathEllipseI(int x, int y, int width, int height) {
  return Record(GdipAddPathEllipseI(native_, x, y, width, height));
}

bool Path::AddPathPie(float x, float y, float width, float height, float start_angle,
                      float sweep_angle) {
  return Record(GdipAddPathPie(native_, x, y, width, height, start_angle, sweep_angle));
}

bool Path::AddPathPieI(int x, int y, int width, int height, float start_angle, float sweep_angle) {
  return Record(GdipAddPathPieI(native_, x, y, width, height, start_angle, sweep_angle));
}

bool Path::AddPathPolygon(const std::vector<PointF>& points) {
  return Record(GdipAddPathPolygon(native_, points.data(), int(points.size())));
}

bool Path::AddPathPolygonI(const std::vector<Point>& points) {
  return Record(GdipAddPathPolygonI(native_, points.data(), int(points.size())));
}

bool Path::AddPathPath(const Path& other, bool connect) {
  return Record(GdipAddPathPath(native_, other.native_, connect));
}

bool Path::AddPathString(const std::string& text, const FontFamily& family, int style,
                         float em_size, const RectF& layout, const StringFormat* format) {
  return AddPathString(Utf16FromCodePage(text), family, style, em_size, layout, format);
}

bool Path::AddPathString(const std::wstring& text, const FontFamily& family, int style,
                         float em_size, const RectF& layout, const StringFormat* format) {
  const int length = detail::Utf16Length(text);
  if (length == 0) return Record(InvalidParameter);
  return Record(GdipAddPathString(native_, text.c_str(), length, family.GetNative(), style, em_size,
                                  &layout, NativeOf(format)));
}

bool Path::AddPathStringI(const std::string& text, const FontFamily& family, int style,
                          float em_size, const Rect& layout, const StringFormat* format) {
  return AddPathStringI(Utf16FromCodePage(text), family, style, em_size, layout, format);
}

bool Path::AddPathStringI(const std::wstring& text, const FontFamily& family, int style,
                          float em_size, const Rect& layout, const StringFormat* format) {
  const int length = detail::Utf16Length(text);
  if (length == 0) return Record(InvalidParameter);
  return Record(GdipAddPathStringI(native_, text.c_str(), length, family.GetNative(), style,
                                   em_size, &layout, NativeOf(format)));
}

bool Path::TransformPath(const Matrix& elements) {
  detail::NativeMatrix matrix(elements);
  return Record(GdipTransformPath(native_, matrix.get()));
}

RectF Path::GetPathWorldBounds(const Matrix* elements, const Pen* pen) const {
  detail::OptionalMatrix matrix(elements);
  RectF bounds;
  return Record(GdipGetPathWorldBounds(native_, &bounds, matrix.get(), NativeOf(pen))) ? bounds
                                                                                       : RectF();
}

Rect Path::GetPathWorldBoundsI(const Matrix* elements, const Pen* pen) const {
  detail::OptionalMatrix matrix(elements);
  Rect bounds;
  return Record(GdipGetPathWorldBoundsI(native_, &bounds, matrix.get(), NativeOf(pen))) ? bounds
                                                                                        : Rect();
}

bool Path::FlattenPath(const Matrix* elements, float flatness) {
  detail::OptionalMatrix matrix(elements);
  return Record(GdipFlattenPath(native_, matrix.get(), flatness));
}

bool Path::WidenPath(const Pen& pen, const Matrix* elements, float flatness) {
  detail::OptionalMatrix matrix(elements);
  return Record(GdipWidenPath(native_, pen.GetNative(), matrix.get(), flatness));
}

bool Path::WindingModeOutline(const Matrix* elements, float flatness) {
  detail::OptionalMatrix matrix(elements);
  return Record(GdipWindingModeOutline(native_, matrix.get(), flatness));
}

bool Path::WarpPath(const Matrix* elements, const std::vector<PointF>& destination,
                    const RectF& source, WarpMode mode, float flatness) {
  detail::OptionalMatrix matrix(elements);
  return Record(GdipWarpPath(native_, matrix.get(), destination.data(), int(destination.size()),
                             source.X, source.Y, source.Width, source.Height, mode, flatness));
}

int Path::GetPointCount() const {
  INT count = 0;
  return Record(GdipGetPointCount(native_, &count)) ? count : 0;
}

bool Path::IsVisiblePathPoint(float x, float y, const Graphics* graphics, bool& visible) const {
  BOOL result = FALSE;
  bool ok = Record(GdipIsVisiblePathPoint(native_, x, y, NativeOf(graphics), &result));
  if (ok) visible = result != FALSE;
  return ok;
}

bool Path::IsVisiblePathPointI(int x, int y, const Graphics* graphics, bool& visible) const {
  BOOL result = FALSE;
  bool ok = Record(GdipIsVisiblePathPointI(native_, x, y, NativeOf(graphics), &result));
  if (ok) visible = result != FALSE;
  return ok;
}

bool Path::IsOutlineVisiblePathPoint(float x, float y, const Pen& pen, const Graphics* graphics,
                                     bool& visible) const {
  BOOL result = FALSE;
  bool ok = Record(
      GdipIsOutlineVisiblePathPoint(native_, x, y, pen.GetNative(), NativeOf(graphics), &result));
  if (ok) visible = result != FALSE;
  return ok;
}

bool Path::IsOutlineVisiblePathPointI(int x, int y, const Pen& pen, const Graphics* graphics,
                                      bool& visible) const {
  BOOL result = FALSE;
  bool ok = Record(
      GdipIsOutlineVisiblePathPointI(native_, x, y, pen.GetNative(), NativeOf(graphics), &result));
  if (ok) visible = result != FALSE;
  return ok;
}

}  // namespace graphics
