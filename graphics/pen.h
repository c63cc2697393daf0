// A GDI+ pen: colour or brush, width, caps, joins, dashes and transform.
#pragma once

#include <vector>

#include "graphics/brush.h"
#include "graphics/matrix.h"
#include "graphics/status.h"

namespace graphics {

// The three caps of a pen set in one call.
struct LineCaps {
  Gdiplus::LineCap start = Gdiplus::LineCapFlat;
  Gdiplus::LineCap end = Gdiplus::LineCapFlat;
  Gdiplus::DashCap dash = Gdiplus::DashCapFlat;
};

class Pen {
 public:
  Pen() = default;
  ~Pen();                    // 0
  Pen(const Pen&) = delete;  // 1
  Pen& operator=(const Pen&) = delete;
  Pen(Pen&& other) noexcept;
  Pen& operator=(Pen&& other) noexcept;

  Gdiplus::GpPen* GetNative() const { return native_; }  // 2
  // Takes ownership of `native`, deleting the pen held before.
  void SetNative(Gdiplus::GpPen* native);                                              // 3
  static void* Alloc(size_t size) { return graphics::Alloc(size); }                    // 5
  static void Free(void* block) { graphics::Free(block); }                             // 6
  bool DeletePen();                                                                    // 7
  bool CreatePen1(ARGB colour, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld);  // 8
  bool CreatePen2(const Brush& brush, float width,
                  Gdiplus::Unit unit = Gdiplus::UnitWorld);  // 9
  bool ClonePen(Pen& clone) const;                           // 10
  float GetPenWidth() const;                                 // 11
  bool SetPenWidth(float width);                             // 12
  Gdiplus::Unit GetPenUnit() const;                          // 13
  bool SetPenUnit(Gdiplus::Unit unit);                       // 14
  bool SetPenLineCap197819(Gdiplus::LineCap start, Gdiplus::LineCap end,
                           Gdiplus::DashCap dash);           // 15
  bool SetPenLineCap197819(const LineCaps& caps);            // 16
  bool SetPenStartCap(Gdiplus::LineCap cap);                 // 17
  bool SetPenEndCap(Gdiplus::LineCap cap);                   // 18
  bool SetPenDashCap197819(Gdiplus::DashCap cap);            // 19
  Gdiplus::LineCap GetPenStartCap() const;                   // 20
  Gdiplus::LineCap GetPenEndCap() const;                     // 21
  Gdiplus::DashCap GetPenDashCap197819() const;              // 22
  bool GetPenDashCap197819(Gdiplus::DashCap& cap) const;     // 23
  bool SetPenLineJoin(Gdiplus::LineJoin join);               // 24
  Gdiplus::LineJoin GetPenLineJoin() const;                  // 25
  bool SetPenCustomStartCap(Gdiplus::GpCustomLineCap* cap);  // 26
  // The caller owns the returned cap (GdipDeleteCustomLineCap).
  Gdiplus::GpCustomLineCap* GetPenCustomStartCap() const;  // 27
  bool SetPenCustomEndCap(Gdiplus::GpCustomLineCap* cap);  // 28
  Gdiplus::GpCustomLineCap* GetPenCustomEndCap() const;    // 29
  bool SetPenMiterLimit(float limit);                      // 30
  float GetPenMiterLimit() const;                          // 31
  bool SetPenMode(Gdiplus::PenAlignment alignment);        // 32
  Gdiplus::PenAlignment GetPenMode() const;                // 33
  bool SetPenTransform(const Matrix& matrix);              // 34
  Matrix GetPenTransform() const;                          // 35
  bool ResetPenTransform();                                // 36
  bool MultiplyPenTransform(const Matrix& matrix,
                            Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 37
  bool RotatePenTransform(float angle,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 38
  bool RotatePenTransformAt(float angle, const PointF& centre,
                            Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 39
  bool ScalePenTransform(float sx, float sy,
                         Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 40
  bool ScalePenTransformAt(float sx, float sy, const PointF& centre,
                           Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 41
  bool TranslatePenTransform(float dx, float dy,
                             Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 42
  ARGB GetPenColor() const;                                                              // 43
  bool SetPenColor(ARGB colour);                                                         // 44
  bool SetPenBrushFill(const Brush& brush);                                              // 45
  // A copy of the pen's brush.
  Brush GetPenBrushFill() const;                                  // 46
  Gdiplus::PenType GetPenFillType() const;                        // 47
  bool SetPenDashStyle(Gdiplus::DashStyle style);                 // 48
  Gdiplus::DashStyle GetPenDashStyle() const;                     // 49
  float GetPenDashOffset() const;                                 // 50
  bool SetPenDashOffset(float offset);                            // 51
  std::vector<float> GetPenDashArray() const;                     // 52
  bool SetPenDashArray(const std::vector<float>& dashes);         // 53
  bool SetPenCompoundArray(const std::vector<float>& compounds);  // 54
  std::vector<float> GetPenCompoundArray() const;                 // 55

  // Gives the native pen up without deleting it.
  Gdiplus::GpPen* Detach() { return detail::Detach(native_); }

 private:
  Gdiplus::GpPen* native_ = nullptr;
};

}  // namespace graphics
