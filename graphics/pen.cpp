#include "graphics/pen.h"

#include <utility>

#include "graphics/stubbed_functions.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

Pen::~Pen() { DeletePen(); }

Pen::Pen(Pen&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}

Pen& Pen::operator=(Pen&& other) noexcept {
  if (this != &other) {
    DeletePen();
    native_ = std::exchange(other.native_, nullptr);
  }
  return *this;
}

void Pen::SetNative(GpPen* native) { detail::Adopt(native_, native, &GdipDeletePen); }

bool Pen::DeletePen() { return detail::DeleteNative(native_, &GdipDeletePen); }

bool Pen::CreatePen1(ARGB colour, float width, Unit unit) {
  GpPen* pen = nullptr;
  Status status = GdipCreatePen1(colour, width, unit, &pen);
  SetNative(status == Ok ? pen : nullptr);
  return Record(status);
}

bool Pen::CreatePen2(const Brush& brush, float width, Unit unit) {
  GpPen* pen = nullptr;
  Status status = GdipCreatePen2(brush.GetNative(), width, unit, &pen);
  SetNative(status == Ok ? pen : nullptr);
  return Record(status);
}

bool Pen::ClonePen(Pen& clone) const {
  GpPen* copy = nullptr;
  Status status = GdipClonePen(native_, &copy);
  clone.SetNative(status == Ok ? copy : nullptr);
  return Record(status);
}

float Pen::GetPenWidth() const {
  REAL width = 0;
  return Record(GdipGetPenWidth(native_, &width)) ? width : 0;
}

bool Pen::SetPenWidth(float width) { return Record(GdipSetPenWidth(native_, width)); }

Unit Pen::GetPenUnit() const {
  Unit unit = UnitWorld;
  return Record(GdipGetPenUnit(native_, &unit)) ? unit : UnitWorld;
}

bool Pen::SetPenUnit(Unit unit) {
  if (detail::IsStubbedOut("GdipSetPenUnit")) return Record(NotImplemented);
  return Record(GdipSetPenUnit(native_, unit));
}

bool Pen::SetPenLineCap197819(LineCap start, LineCap end, DashCap dash) {
  return Record(GdipSetPenLineCap197819(native_, start, end, dash));
}

bool Pen::SetPenLineCap197819(const LineCaps& caps) {
  return SetPenLineCap197819(caps.start, caps.end, caps.dash);
}

bool Pen::SetPenStartCap(LineCap cap) { return Record(GdipSetPenStartCap(native_, cap)); }

bool Pen::SetPenEndCap(LineCap cap) { return Record(GdipSetPenEndCap(native_, cap)); }

bool Pen::SetPenDashCap197819(DashCap cap) { return Record(GdipSetPenDashCap197819(native_, cap)); }

LineCap Pen::GetPenStartCap() const {
  LineCap cap = LineCapFlat;
  return Record(GdipGetPenStartCap(native_, &cap)) ? cap : LineCapFlat;
}

LineCap Pen::GetPenEndCap() const {
  LineCap cap = LineCapFlat;
  return Record(GdipGetPenEndCap(native_, &cap)) ? cap : LineCapFlat;
}

DashCap Pen::GetPenDashCap197819() const {
  DashCap cap = DashCapFlat;
  return GetPenDashCap197819(cap) ? cap : DashCapFlat;
}

bool Pen::GetPenDashCap197819(DashCap& cap) const {
  DashCap value = DashCapFlat;
  bool ok = Record(GdipGetPenDashCap197819(native_, &value));
  if (ok) cap = value;
  return ok;
}

bool Pen::SetPenLineJoin(LineJoin join) { return Record(GdipSetPenLineJoin(native_, join)); }

LineJoin Pen::GetPenLineJoin() const {
  LineJoin join = LineJoinMiter;
  return Record(GdipGetPenLineJoin(native_, &join)) ? join : LineJoinMiter;
}

bool Pen::SetPenCustomStartCap(GpCustomLineCap* cap) {
  if (detail::Missing(native_)) return false;
  return Record(GdipSetPenCustomStartCap(native_, cap));
}

GpCustomLineCap* Pen::GetPenCustomStartCap() const {
  if (detail::Missing(native_)) return {};
  GpCustomLineCap* cap = nullptr;
  return Record(GdipGetPenCustomStartCap(native_, &cap)) ? cap : nullptr;
}

bool Pen::SetPenCustomEndCap(GpCustomLineCap* cap) {
  if (detail::Missing(native_)) return false;
  return Record(GdipSetPenCustomEndCap(native_, cap));
}

GpCustomLineCap* Pen::GetPenCustomEndCap() const {
  if (detail::Missing(native_)) return {};
  GpCustomLineCap* cap = nullptr;
  return Record(GdipGetPenCustomEndCap(native_, &cap)) ? cap : nullptr;
}

bool Pen::SetPenMiterLimit(float limit) { return Record(GdipSetPenMiterLimit(native_, limit)); }

float Pen::GetPenMiterLimit() const {
  REAL limit = 0;
  return Record(GdipGetPenMiterLimit(native_, &limit)) ? limit : 0;
}

bool Pen::SetPenMode(PenAlignment alignment) { return Record(GdipSetPenMode(native_, alignment)); }

PenAlignment Pen::GetPenMode() const {
  PenAlignment alignment = PenAlignmentCenter;
  return Record(GdipGetPenMode(native_, &alignment)) ? alignment : PenAlignmentCenter;
}

bool Pen::SetPenTransform(const Matrix& elements) {
  detail::NativeMatrix matrix(elements);
  return Record(GdipSetPenTransform(native_, matrix.get()));
}

Matrix Pen::GetPenTransform() const {
  detail::NativeMatrix matrix;
  return Record(GdipGetPenTransform(native_, matrix.get())) ? matrix.Elements() : Matrix{};
}

bool Pen::ResetPenTransform() { return Record(GdipResetPenTransform(native_)); }

bool Pen::MultiplyPenTransform(const Matrix& elements, MatrixOrder order) {
  detail::NativeMatrix matrix(elements);
  return Record(GdipMultiplyPenTransform(native_, matrix.get(), order));
}

bool Pen::RotatePenTransform(float angle, MatrixOrder order) {
  return Record(GdipRotatePenTransform(native_, angle, order));
}

bool Pen::RotatePenTransformAt(float angle, const PointF& centre, MatrixOrder order) {
  return detail::TransformAbout(
      centre, order,
      [this](float dx, float dy, MatrixOrder o) { return TranslatePenTransform(dx, dy, o); },
      [&](MatrixOrder o) { return RotatePenTransform(angle, o); });
}

bool Pen::ScalePenTransform(float sx, float sy, MatrixOrder order) {
  return Record(GdipScalePenTransform(native_, sx, sy, order));
}

bool Pen::ScalePenTransformAt(float sx, float sy, const PointF& centre, MatrixOrder order) {
  return detail::TransformAbout(
      centre, order,
      [this](float dx, float dy, MatrixOrder o) { return TranslatePenTransform(dx, dy, o); },
      [&](MatrixOrder o) { return ScalePenTransform(sx, sy, o); });
}

bool Pen::TranslatePenTransform(float dx, float dy, MatrixOrder order) {
  return Record(GdipTranslatePenTransform(native_, dx, dy, order));
}

ARGB Pen::GetPenColor() const {
  ARGB colour = 0;
  return Record(GdipGetPenColor(native_, &colour)) ? colour : 0;
}

bool Pen::SetPenColor(ARGB colour) { return Record(GdipSetPenColor(native_, colour)); }

bool Pen::SetPenBrushFill(const Brush& brush) {
  return Record(GdipSetPenBrushFill(native_, brush.GetNative()));
}

Brush Pen::GetPenBrushFill() const {
  Brush brush;
  GpBrush* native = nullptr;
  Status status = GdipGetPenBrushFill(native_, &native);
  brush.SetNative(status == Ok ? native : nullptr);
  Record(status);
  return brush;
}

PenType Pen::GetPenFillType() const {
  PenType type = PenTypeSolidColor;
  return Record(GdipGetPenFillType(native_, &type)) ? type : PenTypeUnknown;
}

bool Pen::SetPenDashStyle(DashStyle style) { return Record(GdipSetPenDashStyle(native_, style)); }

DashStyle Pen::GetPenDashStyle() const {
  DashStyle style = DashStyleSolid;
  return Record(GdipGetPenDashStyle(native_, &style)) ? style : DashStyleSolid;
}

float Pen::GetPenDashOffset() const {
  REAL offset = 0;
  return Record(GdipGetPenDashOffset(native_, &offset)) ? offset : 0;
}

bool Pen::SetPenDashOffset(float offset) { return Record(GdipSetPenDashOffset(native_, offset)); }

std::vector<float> Pen::GetPenDashArray() const {
  INT count = 0;
  if (!Record(GdipGetPenDashCount(native_, &count)) || count <= 0) return {};
  std::vector<float> dashes(static_cast<size_t>(count));
  return Record(GdipGetPenDashArray(native_, dashes.data(), count)) ? dashes : std::vector<float>();
}

bool Pen::SetPenDashArray(const std::vector<float>& dashes) {
  return Record(GdipSetPenDashArray(native_, dashes.data(), int(dashes.size())));
}

bool Pen::SetPenCompoundArray(const std::vector<float>& compounds) {
  return Record(GdipSetPenCompoundArray(native_, compounds.data(), int(compounds.size())));
}

std::vector<float> Pen::GetPenCompoundArray() const {
  INT count = 0;
  if (!Record(GdipGetPenCompoundCount(native_, &count)) || count <= 0) return {};
  std::vector<float> compounds(static_cast<size_t>(count));
  return Record(GdipGetPenCompoundArray(native_, compounds.data(), count)) ? compounds
                                                                           : std::vector<float>();
}

}  // namespace graphics
