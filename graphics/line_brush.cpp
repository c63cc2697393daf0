#include "graphics/line_brush.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

namespace {
constexpr WrapMode kNoWrap = WrapModeTile;
}

bool LineBrush::CreateLineBrush(const PointF& from, const PointF& to, ARGB colour1, ARGB colour2,
                                WrapMode wrap) {
  GpLineGradient* brush = nullptr;
  Status status = GdipCreateLineBrush(&from, &to, colour1, colour2, wrap, &brush);
  SetNative(status == Ok ? brush : nullptr);
  return Record(status);
}

bool LineBrush::CreateLineBrushI(const Point& from, const Point& to, ARGB colour1, ARGB colour2,
                                 WrapMode wrap) {
  GpLineGradient* brush = nullptr;
  Status status = GdipCreateLineBrushI(&from, &to, colour1, colour2, wrap, &brush);
  SetNative(status == Ok ? brush : nullptr);
  return Record(status);
}

bool LineBrush::CreateLineBrushFromRect(const RectF& rect, ARGB colour1, ARGB colour2,
                                        LinearGradientMode mode, WrapMode wrap) {
  GpLineGradient* brush = nullptr;
  Status status = GdipCreateLineBrushFromRect(&rect, colour1, colour2, mode, wrap, &brush);
  SetNative(status == Ok ? brush : nullptr);
  return Record(status);
}

bool LineBrush::CreateLineBrushFromRectI(const Rect& rect, ARGB colour1, ARGB colour2,
                                         LinearGradientMode mode, WrapMode wrap) {
  GpLineGradient* brush = nullptr;
  Status status = GdipCreateLineBrushFromRectI(&rect, colour1, colour2, mode, wrap, &brush);
  SetNative(status == Ok ? brush : nullptr);
  return Record(status);
}

bool LineBrush::CreateLineBrushFromRectWithAngle(const RectF& rect, ARGB colour1, ARGB colour2,
                                                 float angle, bool angle_scalable, WrapMode wrap) {
  GpLineGradient* brush = nullptr;
  Status status = GdipCreateLineBrushFromRectWithAngle(&rect, colour1, colour2, angle,
                                                       angle_scalable, wrap, &brush);
  SetNative(status == Ok ? brush : nullptr);
  return Record(status);
}

bool LineBrush::CreateLineBrushFromRectWithAngleI(const Rect& rect, ARGB colour1, ARGB colour2,
                                                  float angle, bool angle_scalable, WrapMode wrap) {
  GpLineGradient* brush = nullptr;
  Status status = GdipCreateLineBrushFromRectWithAngleI(&rect, colour1, colour2, angle,
                                                        angle_scalable, wrap, &brush);
  SetNative(status == Ok ? brush : nullptr);
  return Record(status);
}

std::array<ARGB, 2> LineBrush::GetLineColors() const {
  std::array<ARGB, 2> colours{};
  return Record(GdipGetLineColors(GetNative(), colours.data())) ? colours : std::array<ARGB, 2>{};
}

bool LineBrush::SetLineColors(ARGB colour1, ARGB colour2) {
  return Record(GdipSetLineColors(GetNative(), colour1, colour2));
}

RectF LineBrush::GetLineRect() const {
  RectF rect;
  return Record(GdipGetLineRect(GetNative(), &rect)) ? rect : RectF();
}

Rect LineBrush::GetLineRectI() const {
  Rect rect;
  return Record(GdipGetLineRectI(GetNative(), &rect)) ? rect : Rect();
}

bool LineBrush::SetLineGammaCorrection(bool use_gamma) {
  return Record(GdipSetLineGammaCorrection(GetNative(), use_gamma));
}

bool LineBrush::GetLineGammaCorrection() const {
  BOOL value = FALSE;
  return Record(GdipGetLineGammaCorrection(GetNative(), &value)) && value;
}

bool LineBrush::SetLineBlend(const std::vector<float>& factors,
                             const std::vector<float>& positions) {
  // Both arrays are read for one count: unequal lengths would read past one.
  if (factors.size() != positions.size()) return Record(InvalidParameter);
  return Record(
      GdipSetLineBlend(GetNative(), factors.data(), positions.data(), int(factors.size())));
}

int LineBrush::GetLineBlendCount() const {
  INT count = 0;
  return Record(GdipGetLineBlendCount(GetNative(), &count)) ? count : 0;
}

Blend LineBrush::GetLineBlend() const {
  int count = GetLineBlendCount();
  if (LastStatus() != Ok || count <= 0) return {};
  Blend blend{std::vector<float>(size_t(count)), std::vector<float>(size_t(count))};
  if (!Record(GdipGetLineBlend(GetNative(), blend.factors.data(), blend.positions.data(), count)))
    return {};
  return blend;
}

bool LineBrush::SetLinePresetBlend(const std::vector<ARGB>& colours,
                                   const std::vector<float>& positions) {
  if (colours.size() != positions.size()) return Record(InvalidParameter);
  return Record(
      GdipSetLinePresetBlend(GetNative(), colours.data(), positions.data(), int(colours.size())));
}

int LineBrush::GetLinePresetBlendCount() const {
  INT count = 0;
  return Record(GdipGetLinePresetBlendCount(GetNative(), &count)) ? count : 0;
}

PresetBlend LineBrush::GetLinePresetBlend() const {
  int count = GetLinePresetBlendCount();
  if (LastStatus() != Ok || count <= 0) return {};
  PresetBlend blend{std::vector<ARGB>(size_t(count)), std::vector<float>(size_t(count))};
  if (!Record(
          GdipGetLinePresetBlend(GetNative(), blend.colours.data(), blend.positions.data(), count)))
    return {};
  return blend;
}

bool LineBrush::SetLineSigmaBlend(float focus, float scale) {
  return Record(GdipSetLineSigmaBlend(GetNative(), focus, scale));
}

bool LineBrush::SetLineLinearBlend(float focus, float scale) {
  return Record(GdipSetLineLinearBlend(GetNative(), focus, scale));
}

WrapMode LineBrush::GetLineWrapMode() const {
  WrapMode wrap = kNoWrap;
  return Record(GdipGetLineWrapMode(GetNative(), &wrap)) ? wrap : kNoWrap;
}

bool LineBrush::SetLineWrapMode(WrapMode wrap) {
  return Record(GdipSetLineWrapMode(GetNative(), wrap));
}

Matrix LineBrush::GetLineTransform() const {
  detail::NativeMatrix matrix;
  return Record(GdipGetLineTransform(GetNative(), matrix.get())) ? matrix.Elements() : Matrix{};
}

bool LineBrush::SetLineTransform(const Matrix& elements) {
  detail::NativeMatrix matrix(elements);
  return Record(GdipSetLineTransform(GetNative(), matrix.get()));
}

bool LineBrush::ResetLineTransform() { return Record(GdipResetLineTransform(GetNative())); }

bool LineBrush::MultiplyLineTransform(const Matrix& elements, MatrixOrder order) {
  detail::NativeMatrix matrix(elements);
  return Record(GdipMultiplyLineTransform(GetNative(), matrix.get(), order));
}

bool LineBrush::TranslateLineTransform(float dx, float dy, MatrixOrder order) {
  return Record(GdipTranslateLineTransform(GetNative(), dx, dy, order));
}

bool LineBrush::ScaleLineTransform(float sx, float sy, MatrixOrder order) {
  return Record(GdipScaleLineTransform(GetNative(), sx, sy, order));
}

bool LineBrush::ScaleLineTransformAt(float sx, float sy, const PointF& centre, MatrixOrder order) {
  return detail::TransformAbout(
      centre, order,
      [this](float dx, float dy, MatrixOrder o) { return TranslateLineTransform(dx, dy, o); },
      [&](MatrixOrder o) { return ScaleLineTransform(sx, sy, o); });
}

bool LineBrush::RotateLineTransform(float angle, MatrixOrder order) {
  return Record(GdipRotateLineTransform(GetNative(), angle, order));
}

bool LineBrush::RotateLineTransformAt(float angle, const PointF& centre, MatrixOrder order) {
  return detail::TransformAbout(
      centre, order,
      [this](float dx, float dy, MatrixOrder o) { return TranslateLineTransform(dx, dy, o); },
      [&](MatrixOrder o) { return RotateLineTransform(angle, o); });
}

}  // namespace graphics
