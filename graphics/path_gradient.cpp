#include "graphics/path_gradient.h"

#include "graphics/path.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

bool PathGradient::CreatePathGradient(const std::vector<PointF>& points, WrapMode wrap) {
  GpPathGradient* brush = nullptr;
  Status status = GdipCreatePathGradient(points.data(), int(points.size()), wrap, &brush);
  SetNative(status == Ok ? brush : nullptr);
  return Record(status);
}

bool PathGradient::CreatePathGradientI(const std::vector<Point>& points, WrapMode wrap) {
  GpPathGradient* brush = nullptr;
  Status status = GdipCreatePathGradientI(points.data(), int(points.size()), wrap, &brush);
  SetNative(status == Ok ? brush : nullptr);
  return Record(status);
}

bool PathGradient::CreatePathGradientFromPath(const Path& path) {
  GpPathGradient* brush = nullptr;
  Status status = GdipCreatePathGradientFromPath(path.GetNative(), &brush);
  SetNative(status == Ok ? brush : nullptr);
  return Record(status);
}

ARGB PathGradient::GetPathGradientCenterColor() const {
  ARGB colour = 0;
  return Record(GdipGetPathGradientCenterColor(GetNative(), &colour)) ? colour : 0;
}

bool PathGradient::SetPathGradientCenterColor(ARGB colour) {
  return Record(GdipSetPathGradientCenterColor(GetNative(), colour));
}

int PathGradient::GetPathGradientPointCount() const {
  INT count = 0;
  return Record(GdipGetPathGradientPointCount(GetNative(), &count)) ? count : 0;
}

int PathGradient::GetPathGradientSurroundColorCount() const {
  INT count = 0;
  return Record(GdipGetPathGradientSurroundColorCount(GetNative(), &count)) ? count : 0;
}

std::vector<ARGB> PathGradient::GetPathGradientSurroundColorsWithCount() const {
  INT count = GetPathGradientSurroundColorCount();
  if (LastStatus() != Ok || count <= 0) return {};
  std::vector<ARGB> colours(static_cast<size_t>(count));
  if (!Record(GdipGetPathGradientSurroundColorsWithCount(GetNative(), colours.data(), &count)))
    return {};
  colours.resize(size_t(count));
  return colours;
}

bool PathGradient::SetPathGradientSurroundColorsWithCount(const std::vector<ARGB>& colours) {
  INT count = INT(colours.size());
  return Record(GdipSetPathGradientSurroundColorsWithCount(GetNative(), colours.data(), &count));
}

Path PathGradient::GetPathGradientPath() const {
  Path path;
  if (!path.CreatePath()) return path;
  Status status = GdipGetPathGradientPath(GetNative(), path.GetNative());
  if (status != Ok) path.DeletePath();
  Record(status);
  return path;
}

bool PathGradient::SetPathGradientPath(const Path& path) {
  return Record(GdipSetPathGradientPath(GetNative(), path.GetNative()));
}

PointF PathGradient::GetPathGradientCenterPoint() const {
  PointF point;
  return Record(GdipGetPathGradientCenterPoint(GetNative(), &point)) ? point : PointF();
}

Point PathGradient::GetPathGradientCenterPointI() const {
  Point point;
  return Record(GdipGetPathGradientCenterPointI(GetNative(), &point)) ? point : Point();
}

bool PathGradient::SetPathGradientCenterPoint(const PointF& centre) {
  return Record(GdipSetPathGradientCenterPoint(GetNative(), &centre));
}

bool PathGradient::SetPathGradientCenterPoint(const Point& centre) {
  PointF point(REAL(centre.X), REAL(centre.Y));
  return Record(GdipSetPathGradientCenterPoint(GetNative(), &point));
}

RectF PathGradient::GetPathGradientRect() const {
  RectF rect;
  return Record(GdipGetPathGradientRect(GetNative(), &rect)) ? rect : RectF();
}

Rect PathGradient::GetPathGradientRectI() const {
  Rect rect;
  return Record(GdipGetPathGradientRectI(GetNative(), &rect)) ? rect : Rect();
}

bool PathGradient::SetPathGradientGammaCorrection(bool use_gamma) {
  return Record(GdipSetPathGradientGammaCorrection(GetNative(), use_gamma));
}

bool PathGradient::GetPathGradientGammaCorrection() const {
  BOOL value = FALSE;
  return Record(GdipGetPathGradientGammaCorrection(GetNative(), &value)) && value;
}

int PathGradient::GetPathGradientBlendCount() const {
  INT count = 0;
  return Record(GdipGetPathGradientBlendCount(GetNative(), &count)) ? count : 0;
}

bool PathGradient::SetPathGradientBlend(const std::vector<float>& factors,
                                        const std::vector<float>& positions) {
  if (factors.size() != positions.size()) return Record(InvalidParameter);
  return Record(
      GdipSetPathGradientBlend(GetNative(), factors.data(), positions.data(), int(factors.size())));
}

Blend PathGradient::GetPathGradientBlend() const {
  int count = GetPathGradientBlendCount();
  if (LastStatus() != Ok || count <= 0) return {};
  Blend blend{std::vector<float>(size_t(count)), std::vector<float>(size_t(count))};
  if (!Record(GdipGetPathGradientBlend(GetNative(), blend.factors.data(), blend.positions.data(),
                                       count)))
    return {};
  return blend;
}

int PathGradient::GetPathGradientPresetBlendCount() const {
  INT count = 0;
  return Record(GdipGetPathGradientPresetBlendCount(GetNative(), &count)) ? count : 0;
}

bool PathGradient::SetPathGradientPresetBlend(const std::vector<ARGB>& colours,
                                              const std::vector<float>& positions) {
  if (colours.size() != positions.size()) return Record(InvalidParameter);
  return Record(GdipSetPathGradientPresetBlend(GetNative(), colours.data(), positions.data(),
                                               int(colours.size())));
}

PresetBlend PathGradient::GetPathGradientPresetBlend() const {
  int count = GetPathGradientPresetBlendCount();
  if (LastStatus() != Ok || count <= 0) return {};
  PresetBlend blend{std::vector<ARGB>(size_t(count)), std::vector<float>(size_t(count))};
  if (!Record(GdipGetPathGradientPresetBlend(GetNative(), blend.colours.data(),
                                             blend.positions.data(), count)))
    return {};
  return blend;
}

bool PathGradient::SetPathGradientSigmaBlend(float focus, float scale) {
  return Record(GdipSetPathGradientSigmaBlend(GetNative(), focus, scale));
}

bool PathGradient::SetPathGradientLinearBlend(float focus, float scale) {
  return Record(GdipSetPathGradientLinearBlend(GetNative(), focus, scale));
}

FocusScales PathGradient::GetPathGradientFocusScales() const {
  FocusScales scales;
  return Record(GdipGetPathGradientFocusScales(GetNative(), &scales.x, &scales.y)) ? scales
                                                                                   : FocusScales();
}

bool PathGradient::SetPathGradientFocusScales(float x, float y) {
  return Record(GdipSetPathGradientFocusScales(GetNative(), x, y));
}

WrapMode PathGradient::GetPathGradientWrapMode() const {
  WrapMode wrap = WrapModeTile;
  return Record(GdipGetPathGradientWrapMode(GetNative(), &wrap)) ? wrap : WrapModeTile;
}

bool PathGradient::SetPathGradientWrapMode(WrapMode wrap) {
  return Record(GdipSetPathGradientWrapMode(GetNative(), wrap));
}

Matrix PathGradient::GetPathGradientTransform() const {
  detail::NativeMatrix matrix;
  return Record(GdipGetPathGradientTransform(GetNative(), matrix.get())) ? matrix.Elements()
                                                                         : Matrix{};
}

bool PathGradient::SetPathGradientTransform(const Matrix& elements) {
  detail::NativeMatrix matrix(elements);
  return Record(GdipSetPathGradientTransform(GetNative(), matrix.get()));
}

bool PathGradient::ResetPathGradientTransform() {
  return Record(GdipResetPathGradientTransform(GetNative()));
}

bool PathGradient::MultiplyPathGradientTransform(const Matrix& elements, MatrixOrder order) {
  detail::NativeMatrix matrix(elements);
  return Record(GdipMultiplyPathGradientTransform(GetNative(), matrix.get(), order));
}

bool PathGradient::TranslatePathGradientTransform(float dx, float dy, MatrixOrder order) {
  return Record(GdipTranslatePathGradientTransform(GetNative(), dx, dy, order));
}

bool PathGradient::ScalePathGradientTransform(float sx, float sy, MatrixOrder order) {
  return Record(GdipScalePathGradientTransform(GetNative(), sx, sy, order));
}

bool PathGradient::ScalePathGradientTransformAt(float sx, float sy, const PointF& centre,
                                                MatrixOrder order) {
  return detail::TransformAbout(
      centre, order,
      [this](float dx, float dy, MatrixOrder o) {
        return TranslatePathGradientTransform(dx, dy, o);
      },
      [&](MatrixOrder o) { return ScalePathGradientTransform(sx, sy, o); });
}

bool PathGradient::RotatePathGradientTransform(float angle, MatrixOrder order) {
  return Record(GdipRotatePathGradientTransform(GetNative(), angle, order));
}

bool PathGradient::RotatePathGradientTransformAt(float angle, const PointF& centre,
                                                 MatrixOrder order) {
  return detail::TransformAbout(
      centre, order,
      [this](float dx, float dy, MatrixOrder o) {
        return TranslatePathGradientTransform(dx, dy, o);
      },
      [&](MatrixOrder o) { return RotatePathGradientTransform(angle, o); });
}

}  // namespace graphics
