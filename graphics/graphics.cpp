#include "graphics/graphics.h"

#include <utility>

#include "graphics/stubbed_functions.h"
#include "graphics/text.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

namespace {
GpStringFormat* NativeOf(const StringFormat* format) {
  return format ? format->GetNative() : nullptr;
}
GpMetafile* MetafileOf(const Image& image) { return static_cast<GpMetafile*>(image.GetNative()); }

bool Answer(Status status, BOOL result, bool& out) {
  bool ok = Record(status);
  if (ok) out = result != FALSE;
  return ok;
}
}  // namespace

Graphics::~Graphics() { DeleteGraphics(); }

Graphics::Graphics(Graphics&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}

Graphics& Graphics::operator=(Graphics&& other) noexcept {
  if (this != &other) {
    DeleteGraphics();
    native_ = std::exchange(other.native_, nullptr);
  }
  return *this;
}

void Graphics::SetNative(GpGraphics* native) {
  detail::Adopt(native_, native, &GdipDeleteGraphics);
}

bool Graphics::DeleteGraphics() { return detail::DeleteNative(native_, &GdipDeleteGraphics); }

bool Graphics::Flush(FlushIntention intention) { return Record(GdipFlush(native_, intention)); }

bool Graphics::CreateFromHWND(HWND window, bool icm) {
  GpGraphics* graphics = nullptr;
  Status status =
      icm ? GdipCreateFromHWNDICM(window, &graphics) : GdipCreateFromHWND(window, &graphics);
  SetNative(status == Ok ? graphics : nullptr);
  return Record(status);
}

bool Graphics::CreateFromHDC(HDC dc, std::optional<HANDLE> device) {
  GpGraphics* graphics = nullptr;
  Status status =
      device ? GdipCreateFromHDC2(dc, *device, &graphics) : GdipCreateFromHDC(dc, &graphics);
  SetNative(status == Ok ? graphics : nullptr);
  return Record(status);
}

bool Graphics::GetImageGraphicsContext(const Image& image) {
  GpGraphics* graphics = nullptr;
  Status status = GdipGetImageGraphicsContext(image.GetNative(), &graphics);
  SetNative(status == Ok ? graphics : nullptr);
  return Record(status);
}

HDC Graphics::GetDC() {
  HDC dc = nullptr;
  return Record(GdipGetDC(native_, &dc)) ? dc : nullptr;
}

bool Graphics::ReleaseDC(HDC dc) { return Record(GdipReleaseDC(native_, dc)); }

Point Graphics::GetRenderingOrigin() const {
  Point origin;
  return Record(GdipGetRenderingOrigin(native_, &origin.X, &origin.Y)) ? origin : Point();
}

bool Graphics::SetRenderingOrigin(int x, int y) {
  return Record(GdipSetRenderingOrigin(native_, x, y));
}

CompositingMode Graphics::GetCompositingMode() const {
  CompositingMode mode = CompositingModeSourceOver;
  return Record(GdipGetCompositingMode(native_, &mode)) ? mode : CompositingModeSourceOver;
}

bool Graphics::SetCompositingMode(CompositingMode mode) {
  return Record(GdipSetCompositingMode(native_, mode));
}

CompositingQuality Graphics::GetCompositingQuality() const {
  CompositingQuality quality = CompositingQualityDefault;
  return Record(GdipGetCompositingQuality(native_, &quality)) ? quality : CompositingQualityDefault;
}

bool Graphics::SetCompositingQuality(CompositingQuality quality) {
  return Record(GdipSetCompositingQuality(native_, quality));
}

bool Graphics::SetTextRenderingHint(TextRenderingHint hint) {
  return Record(GdipSetTextRenderingHint(native_, hint));
}

TextRenderingHint Graphics::GetTextRenderingHint() const {
  TextRenderingHint hint = TextRenderingHintSystemDefault;
  return Record(GdipGetTextRenderingHint(native_, &hint)) ? hint : TextRenderingHintSystemDefault;
}

bool Graphics::SetTextContrast(UINT contrast) {
  return Record(GdipSetTextContrast(native_, contrast));
}

UINT Graphics::GetTextContrast() const {
  UINT contrast = 0;
  return Record(GdipGetTextContrast(native_, &contrast)) ? contrast : 0;
}

bool Graphics::SetInterpolationMode(InterpolationMode mode) {
  return Record(GdipSetInterpolationMode(native_, mode));
}

InterpolationMode Graphics::GetInterpolationMode() const {
  InterpolationMode mode = InterpolationModeDefault;
  return Record(GdipGetInterpolationMode(native_, &mode)) ? mode : InterpolationModeDefault;
}

bool Graphics::SetSmoothingMode(SmoothingMode mode) {
  return Record(GdipSetSmoothingMode(native_, mode));
}

SmoothingMode Graphics::GetSmoothingMode() const {
  SmoothingMode mode = SmoothingModeDefault;
  return Record(GdipGetSmoothingMode(native_, &mode)) ? mode : SmoothingModeDefault;
}

bool Graphics::SetPixelOffsetMode(PixelOffsetMode mode) {
  return Record(GdipSetPixelOffsetMode(native_, mode));
}

PixelOffsetMode Graphics::GetPixelOffsetMode() const {
  PixelOffsetMode mode = PixelOffsetModeDefault;
  return Record(GdipGetPixelOffsetMode(native_, &mode)) ? mode : PixelOffsetModeDefault;
}

bool Graphics::SetWorldTransform(const Matrix& elements) {
  detail::NativeMatrix matrix(elements);
  return Record(GdipSetWorldTransform(native_, matrix.get()));
}

Matrix Graphics::GetWorldTransform() const {
  detail::NativeMatrix matrix;
  return Record(GdipGetWorldTransform(native_, matrix.get())) ? matrix.Elements() : Matrix{};
}

bool Graphics::ResetWorldTransform() { return Record(GdipResetWorldTransform(native_)); }

bool Graphics::MultiplyWorldTransform(const Matrix& elements, Order order) {
  detail::NativeMatrix matrix(elements);
  return Record(GdipMultiplyWorldTransform(native_, matrix.get(), order));
}

bool Graphics::TranslateWorldTransform(float dx, float dy, Order order) {
  return Record(GdipTranslateWorldTransform(native_, dx, dy, order));
}

bool Graphics::ScaleWorldTransform(float sx, float sy, Order order) {
  return Record(GdipScaleWorldTransform(native_, sx, sy, order));
}

bool Graphics::ScaleWorldTransformAt(float sx, float sy, const PointF& centre, Order order) {
  return detail::TransformAbout(
      centre, order,
      [this](float dx, float dy, Order o) { return TranslateWorldTransform(dx, dy, o); },
      [&](Order o) { return ScaleWorldTransform(sx, sy, o); });
}

bool Graphics::RotateWorldTransform(float angle, Order order) {
  return Record(GdipRotateWorldTransform(native_, angle, order));
}

bool Graphics::RotateWorldTransformAt(float angle, const PointF& centre, Order order) {
  return detail::TransformAbout(
      centre, order,
      [this](float dx, float dy, Order o) { return TranslateWorldTransform(dx, dy, o); },
      [&](Order o) { return RotateWorldTransform(angle, o); });
}

bool Graphics::SetPageUnit(Unit unit) { return Record(GdipSetPageUnit(native_, unit)); }

Unit Graphics::GetPageUnit() const {
  Unit unit = UnitWorld;
  return Record(GdipGetPageUnit(native_, &unit)) ? unit : UnitWorld;
}

bool Graphics::SetPageScale(float scale) { return Record(GdipSetPageScale(native_, scale)); }

float Graphics::GetPageScale() const {
  REAL scale = 0;
  return Record(GdipGetPageScale(native_, &scale)) ? scale : 0;
}

float Graphics::GetDpiX() const {
  REAL dpi = 0;
  return Record(GdipGetDpiX(native_, &dpi)) ? dpi : 0;
}

float Graphics::GetDpiY() const {
  REAL dpi = 0;
  return Record(GdipGetDpiY(native_, &dpi)) ? dpi : 0;
}

bool Graphics::TransformPoints(CoordinateSpace to, CoordinateSpace from,
                               std::vector<PointF>& points) const {
  return Record(GdipTransformPoints(native_, to, from, points.data(), int(points.size())));
}

bool Graphics::TransformPointsI(CoordinateSpace to, CoordinateSpace from,
                                std::vector<Point>& points) const {
  return Record(GdipTransformPointsI(native_, to, from, points.data(), int(points.size())));
}

ARGB Graphics::GetNearestColor(ARGB colour) const {
  ARGB nearest = colour;
  return Record(GdipGetNearestColor(native_, &nearest)) ? nearest : 0;
}

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

bool Graphics::DrawString(const std::string& text, const Font& font, const RectF& layout,
                          const StringFormat* format, const Brush& brush) {
  return DrawString(Utf16FromCodePage(text), font, layout, format, brush);
}

bool Graphics::DrawString(const std::wstring& text, const Font& font, const RectF& layout,
                          const StringFormat* format, const Brush& brush) {
  const int length = detail::Utf16Length(text);
  if (length == 0) return Record(InvalidParameter);
  return Record(GdipDrawString(native_, text.c_str(), length, font.GetNative(), &layout,
                               NativeOf(format), brush.GetNative()));
}

TextMeasure Graphics::MeasureString(const std::string& text, const Font& font, const RectF& layout,
                                    const StringFormat* format) const {
  return MeasureString(Utf16FromCodePage(text), font, layout, format);
}

TextMeasure Graphics::MeasureString(const std::wstring& text, const Font& font, const RectF& layout,
                                    const StringFormat* format) const {
  const int length = detail::Utf16Length(text);
  if (length == 0) {
    Record(InvalidParameter);
    return {};
  }
  TextMeasure measure;
  if (!Record(GdipMeasureString(native_, text.c_str(), length, font.GetNative(), &layout,
                                NativeOf(format), &measure.bounds, &measure.codepoints_fitted,
                                &measure.lines_filled))) {
    return {};
  }
  return measure;
}

bool Graphics::MeasureCharacterRanges(const std::string& text, const Font& font,
                                      const RectF& layout, const StringFormat& format,
                                      std::vector<Region>& regions) const {
  return MeasureCharacterRanges(Utf16FromCodePage(text), font, layout, format, regions);
}

bool Graphics::MeasureCharacterRanges(const std::wstring& text, const Font& font,
                                      const RectF& layout, const StringFormat& format,
                                      std::vector<Region>& regions) const {
  const int length = detail::Utf16Length(text);
  if (length == 0) return Record(InvalidParameter);
  const int count = format.GetStringFormatMeasurableCharacterRangeCount();
  if (LastStatus() != Ok) return false;
  if (count <= 0) return Record(InvalidParameter);
  std::vector<Region> result(static_cast<size_t>(count));
  std::vector<GpRegion*> natives;
  for (Region& region : result) {
    if (!region.CreateRegion()) return false;
    natives.push_back(region.GetNative());
  }
  if (!Record(GdipMeasureCharacterRanges(native_, text.c_str(), length, font.GetNative(), layout,
                                         format.GetNative(), count, natives.data()))) {
    return false;
  }
  regions = std::move(result);
  return true;
}

bool Graphics::DrawDriverString(const std::string& text, const Font& font, const Brush& brush,
                                const std::vector<PointF>& positions, int flags,
                                const Matrix* matrix) {
  return DrawDriverString(Utf16FromCodePage(text), font, brush, positions, flags, matrix);
}

bool Graphics::DrawDriverString(const std::wstring& text, const Font& font, const Brush& brush,
                                const std::vector<PointF>& positions, int flags,
                                const Matrix* elements) {
  const int length = detail::Utf16Length(text);
  if (length == 0) return Record(InvalidParameter);
  // GDI+ reads one position per character unless told that advances are realised.
  const size_t needed = (flags & DriverStringOptionsRealizedAdvance) ? 1 : size_t(length);
  if (positions.size() < needed) return Record(InvalidParameter);
  detail::OptionalMatrix matrix(elements);
  return Record(GdipDrawDriverString(native_, reinterpret_cast<const UINT16*>(text.c_str()), length,
                                     font.GetNative(), brush.GetNative(), positions.data(), flags,
                                     matrix.get()));
}

bool Graphics::DrawImage(const Image& image, float x, float y) {
  return Record(GdipDrawImage(native_, image.GetNative(), x, y));
}

bool Graphics::DrawImageI(const Image& image, int x, int y) {
  return Record(GdipDrawImageI(native_, image.GetNative(), x, y));
}

bool Graphics::DrawCachedBitmap(GpCachedBitmap* cached, int x, int y) {
  return Record(GdipDrawCachedBitmap(native_, cached, x, y));
}

bool Graphics::DrawImageRectRect(const Image& image, float x, float y, float width, float height,
                                 Unit source_unit) {
  const UINT image_width = image.GetImageWidth();
  if (LastStatus() != Ok) return false;
  const UINT image_height = image.GetImageHeight();
  if (LastStatus() != Ok) return false;
  return DrawImageRectRect(image, x, y, width, height, 0, 0, REAL(image_width), REAL(image_height),
                           source_unit);
}

bool Graphics::DrawImageRectRectI(const Image& image, int x, int y, int width, int height,
                                  Unit source_unit) {
  const UINT image_width = image.GetImageWidth();
  if (LastStatus() != Ok) return false;
  const UINT image_height = image.GetImageHeight();
  if (LastStatus() != Ok) return false;
  return DrawImageRectRectI(image, x, y, width, height, 0, 0, INT(image_width), INT(image_height),
                            source_unit);
}

bool Graphics::DrawImagePoints(const Image& image, const std::vector<PointF>& points) {
  return Record(GdipDrawImagePoints(native_, image.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawImagePointsI(const Image& image, const std::vector<Point>& points) {
  return Record(
      GdipDrawImagePointsI(native_, image.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawImagePointRect(const Image& image, float x, float y, float src_x, float src_y,
                                  float src_width, float src_height, Unit source_unit) {
  return Record(GdipDrawImagePointRect(native_, image.GetNative(), x, y, src_x, src_y, src_width,
                                       src_height, source_unit));
}

bool Graphics::DrawImagePointRectI(const Image& image, int x, int y, int src_x, int src_y,
                                   int src_width, int src_height, Unit source_unit) {
  return Record(GdipDrawImagePointRectI(native_, image.GetNative(), x, y, src_x, src_y, src_width,
                                        src_height, source_unit));
}

bool Graphics::DrawImageRectRect(const Image& image, float x, float y, float width, float height,
                                 float src_x, float src_y, float src_width, float src_height,
                                 Unit source_unit, GpImageAttributes* attributes,
                                 DrawImageAbort callback, void* callback_data) {
  return Record(GdipDrawImageRectRect(native_, image.GetNative(), x, y, width, height, src_x, src_y,
                                      src_width, src_height, source_unit, attributes, callback,
                                      callback_data));
}

bool Graphics::DrawImageRectRectI(const Image& image, int x, int y, int width, int height,
                                  int src_x, int src_y, int src_width, int src_height,
                                  Unit source_unit, GpImageAttributes* attributes,
                                  DrawImageAbort callback, void* callback_data) {
  return Record(GdipDrawImageRectRectI(native_, image.GetNative(), x, y, width, height, src_x,
                                       src_y, src_width, src_height, source_unit, attributes,
                                       callback, callback_data));
}

bool Graphics::DrawImagePointsRect(const Image& image, const std::vector<PointF>& points,
                                   float src_x, float src_y, float src_width, float src_height,
                                   Unit source_unit, GpImageAttributes* attributes,
                                   DrawImageAbort callback, void* callback_data) {
  return Record(GdipDrawImagePointsRect(native_, image.GetNative(), points.data(),
                                        int(points.size()), src_x, src_y, src_width, src_height,
                                        source_unit, attributes, callback, callback_data));
}

bool Graphics::DrawImagePointsRectI(const Image& image, const std::vector<Point>& points, int src_x,
                                    int src_y, int src_width, int src_height, Unit source_unit,
                                    GpImageAttributes* attributes, DrawImageAbort callback,
                                    void* callback_data) {
  return Record(GdipDrawImagePointsRectI(native_, image.GetNative(), points.data(),
                                         int(points.size()), src_x, src_y, src_width, src_height,
                                         source_unit, attributes, callback, callback_data));
}

bool Graphics::EnumerateMetafileDestPoint(const Image& metafile, const PointF& destination,
                                          EnumerateMetafileProc callback, void* data,
                                          GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileDestPoint(native_, MetafileOf(metafile), destination, callback,
                                               data, attributes));
}

bool Graphics::EnumerateMetafileDestPointI(const Image& metafile, const Point& destination,
                                           EnumerateMetafileProc callback, void* data,
                                           GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileDestPointI(native_, MetafileOf(metafile), destination,
                                                callback, data, attributes));
}

bool Graphics::EnumerateMetafileDestPoints(const Image& metafile,
                                           const std::vector<PointF>& destination,
                                           EnumerateMetafileProc callback, void* data,
                                           GpImageAttributes* attributes) {
  if (detail::IsStubbedOut("GdipEnumerateMetafileDestPoints")) return Record(NotImplemented);
  return Record(GdipEnumerateMetafileDestPoints(native_, MetafileOf(metafile), destination.data(),
                                                int(destination.size()), callback, data,
                                                attributes));
}

bool Graphics::EnumerateMetafileDestPointsI(const Image& metafile,
                                            const std::vector<Point>& destination,
                                            EnumerateMetafileProc callback, void* data,
                                            GpImageAttributes* attributes) {
  if (detail::IsStubbedOut("GdipEnumerateMetafileDestPointsI")) return Record(NotImplemented);
  return Record(GdipEnumerateMetafileDestPointsI(native_, MetafileOf(metafile), destination.data(),
                                                 int(destination.size()), callback, data,
                                                 attributes));
}

bool Graphics::EnumerateMetafileDestRect(const Image& metafile, const RectF& destination,
                                         EnumerateMetafileProc callback, void* data,
                                         GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileDestRect(native_, MetafileOf(metafile), destination, callback,
                                              data, attributes));
}

bool Graphics::EnumerateMetafileDestRectI(const Image& metafile, const Rect& destination,
                                          EnumerateMetafileProc callback, void* data,
                                          GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileDestRectI(native_, MetafileOf(metafile), destination, callback,
                                               data, attributes));
}

bool Graphics::EnumerateMetafileSrcRectDestPoint(const Image& metafile, const PointF& destination,
                                                 const RectF& source, Unit source_unit,
                                                 EnumerateMetafileProc callback, void* data,
                                                 GpImageAttributes* attributes) {
  if (detail::IsStubbedOut("GdipEnumerateMetafileSrcRectDestPoint")) return Record(NotImplemented);
  return Record(GdipEnumerateMetafileSrcRectDestPoint(
      native_, MetafileOf(metafile), destination, source, source_unit, callback, data, attributes));
}

bool Graphics::EnumerateMetafileSrcRectDestPointI(const Image& metafile, const Point& destination,
                                                  const Rect& source, Unit source_unit,
                                                  EnumerateMetafileProc callback, void* data,
                                                  GpImageAttributes* attributes) {
  if (detail::IsStubbedOut("GdipEnumerateMetafileSrcRectDestPointI")) return Record(NotImplemented);
  return Record(GdipEnumerateMetafileSrcRectDestPointI(
      native_, MetafileOf(metafile), destination, source, source_unit, callback, data, attributes));
}

bool Graphics::EnumerateMetafileSrcRectDestPoints(const Image& metafile,
                                                  const std::vector<PointF>& destination,
                                                  const RectF& source, Unit source_unit,
                                                  EnumerateMetafileProc callback, void* data,
                                                  GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileSrcRectDestPoints(
      native_, MetafileOf(metafile), destination.data(), int(destination.size()), source,
      source_unit, callback, data, attributes));
}

bool Graphics::EnumerateMetafileSrcRectDestPointsI(const Image& metafile,
                                                   const std::vector<Point>& destination,
                                                   const Rect& source, Unit source_unit,
                                                   EnumerateMetafileProc callback, void* data,
                                                   GpImageAttributes* attributes) {
  if (detail::IsStubbedOut("GdipEnumerateMetafileSrcRectDestPointsI"))
    return Record(NotImplemented);
  return Record(GdipEnumerateMetafileSrcRectDestPointsI(
      native_, MetafileOf(metafile), destination.data(), int(destination.size()), source,
      source_unit, callback, data, attributes));
}

bool Graphics::EnumerateMetafileSrcRectDestRect(const Image& metafile, const RectF& destination,
                                                const RectF& source, Unit source_unit,
                                                EnumerateMetafileProc callback, void* data,
                                                GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileSrcRectDestRect(
      native_, MetafileOf(metafile), destination, source, source_unit, callback, data, attributes));
}

bool Graphics::EnumerateMetafileSrcRectDestRectI(const Image& metafile, const Rect& destination,
                                                 const Rect& source, Unit source_unit,
                                                 EnumerateMetafileProc callback, void* data,
                                                 GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileSrcRectDestRectI(
      native_, MetafileOf(metafile), destination, source, source_unit, callback, data, attributes));
}

bool Graphics::SetClipGraphics(const Graphics& other, CombineMode mode) {
  return Record(GdipSetClipGraphics(native_, other.native_, mode));
}

bool Graphics::SetClipPath(const Path& path, CombineMode mode) {
  return Record(GdipSetClipPath(native_, path.GetNative(), mode));
}

bool Graphics::SetClipRect(float x, float y, float width, float height, CombineMode mode) {
  return Record(GdipSetClipRect(native_, x, y, width, height, mode));
}

bool Graphics::SetClipRectI(int x, int y, int width, int height, CombineMode mode) {
  return Record(GdipSetClipRectI(native_, x, y, width, height, mode));
}

bool Graphics::SetClipRegion(const Region& region, CombineMode mode) {
  return Record(GdipSetClipRegion(native_, region.GetNative(), mode));
}

bool Graphics::SetClipHrgn(HRGN region, CombineMode mode) {
  return Record(GdipSetClipHrgn(native_, region, mode));
}

bool Graphics::ResetClip() { return Record(GdipResetClip(native_)); }

bool Graphics::TranslateClip(float dx, float dy) {
  return Record(GdipTranslateClip(native_, dx, dy));
}

bool Graphics::TranslateClipI(int dx, int dy) {
  return Record(GdipTranslateClipI(native_, dx, dy));
}

Region Graphics::GetClip() const {
  Region region;
  if (!region.CreateRegion()) return region;
  Status status = GdipGetClip(native_, region.GetNative());
  if (status != Ok) region.DeleteRegion();
  Record(status);
  return region;
}

RectF Graphics::GetClipBounds() const {
  RectF bounds;
  return Record(GdipGetClipBounds(native_, &bounds)) ? bounds : RectF();
}

Rect Graphics::GetClipBoundsI() const {
  Rect bounds;
  return Record(GdipGetClipBoundsI(native_, &bounds)) ? bounds : Rect();
}

RectF Graphics::GetVisibleClipBounds() const {
  RectF bounds;
  return Record(GdipGetVisibleClipBounds(native_, &bounds)) ? bounds : RectF();
}

Rect Graphics::GetVisibleClipBoundsI() const {
  Rect bounds;
  return Record(GdipGetVisibleClipBoundsI(native_, &bounds)) ? bounds : Rect();
}

bool Graphics::IsClipEmpty(bool& empty) const {
  BOOL result = FALSE;
  return Answer(GdipIsClipEmpty(native_, &result), result, empty);
}

bool Graphics::IsVisibleClipEmpty(bool& empty) const {
  if (detail::Missing(native_)) return false;
  BOOL result = FALSE;
  return Answer(GdipIsVisibleClipEmpty(native_, &result), result, empty);
}

bool Graphics::IsVisiblePoint(float x, float y, bool& visible) const {
  BOOL result = FALSE;
  return Answer(GdipIsVisiblePoint(native_, x, y, &result), result, visible);
}

bool Graphics::IsVisiblePointI(int x, int y, bool& visible) const {
  BOOL result = FALSE;
  return Answer(GdipIsVisiblePointI(native_, x, y, &result), result, visible);
}

bool Graphics::IsVisibleRect(float x, float y, float width, float height, bool& visible) const {
  BOOL result = FALSE;
  return Answer(GdipIsVisibleRect(native_, x, y, width, height, &result), result, visible);
}

bool Graphics::IsVisibleRectI(int x, int y, int width, int height, bool& visible) const {
  BOOL result = FALSE;
  return Answer(GdipIsVisibleRectI(native_, x, y, width, height, &result), result, visible);
}

bool Graphics::SaveGraphics(GraphicsState& state) {
  GraphicsState saved = 0;
  bool ok = Record(GdipSaveGraphics(native_, &saved));
  if (ok) state = saved;
  return ok;
}

bool Graphics::RestoreGraphics(GraphicsState state) {
  return Record(GdipRestoreGraphics(native_, state));
}

bool Graphics::BeginContainer(const RectF& destination, const RectF& source, Unit unit,
                              GraphicsContainer& state) {
  GraphicsContainer container = 0;
  bool ok = Record(GdipBeginContainer(native_, &destination, &source, unit, &container));
  if (ok) state = container;
  return ok;
}

bool Graphics::BeginContainerI(const Rect& destination, const Rect& source, Unit unit,
                               GraphicsContainer& state) {
  GraphicsContainer container = 0;
  bool ok = Record(GdipBeginContainerI(native_, &destination, &source, unit, &container));
  if (ok) state = container;
  return ok;
}

bool Graphics::BeginContainer2(GraphicsContainer& state) {
  GraphicsContainer container = 0;
  bool ok = Record(GdipBeginContainer2(native_, &container));
  if (ok) state = container;
  return ok;
}

bool Graphics::EndContainer(GraphicsContainer state) {
  return Record(GdipEndContainer(native_, state));
}

bool Graphics::Comment(const std::vector<uint8_t>& data) {
  return Record(GdipComment(native_, UINT(data.size()), data.data()));
}

}  // namespace graphics
