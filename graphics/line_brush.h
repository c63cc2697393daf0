// A linear-gradient brush.
#pragma once

#include <array>

#include "graphics/brush.h"
#include "graphics/matrix.h"

namespace graphics {

class LineBrush : public Brush {
 public:
  LineBrush() = default;
  Gdiplus::GpLineGradient* GetNative() const {  // 2
    return static_cast<Gdiplus::GpLineGradient*>(native_);
  }
  void SetNative(Gdiplus::GpLineGradient* native) { Brush::SetNative(native); }  // 3
  // 8 to 10: see Brush.
  bool CreateLineBrush(const PointF& from, const PointF& to, ARGB colour1, ARGB colour2,
                       Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);  // 11
  bool CreateLineBrushI(const Point& from, const Point& to, ARGB colour1, ARGB colour2,
                        Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);  // 12
  bool CreateLineBrushFromRect(const RectF& rect, ARGB colour1, ARGB colour2,
                               Gdiplus::LinearGradientMode mode,
                               Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);  // 13
  bool CreateLineBrushFromRectI(const Rect& rect, ARGB colour1, ARGB colour2,
                                Gdiplus::LinearGradientMode mode,
                                Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);  // 14
  bool CreateLineBrushFromRectWithAngle(const RectF& rect, ARGB colour1, ARGB colour2, float angle,
                                        bool angle_scalable,
                                        Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);  // 15
  bool CreateLineBrushFromRectWithAngleI(const Rect& rect, ARGB colour1, ARGB colour2, float angle,
                                         bool angle_scalable,
                                         Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);  // 16
  std::array<ARGB, 2> GetLineColors() const;                                               // 17
  bool SetLineColors(ARGB colour1, ARGB colour2);                                          // 18
  RectF GetLineRect() const;                                                               // 19
  Rect GetLineRectI() const;                                                               // 20
  bool SetLineGammaCorrection(bool use_gamma);                                             // 21
  bool GetLineGammaCorrection() const;                                                     // 22
  bool SetLineBlend(const std::vector<float>& factors,
                    const std::vector<float>& positions);  // 23
  int GetLineBlendCount() const;                           // 24
  Blend GetLineBlend() const;                              // 25
  bool SetLinePresetBlend(const std::vector<ARGB>& colours,
                          const std::vector<float>& positions);  // 26
  int GetLinePresetBlendCount() const;                           // 27
  PresetBlend GetLinePresetBlend() const;                        // 28
  bool SetLineSigmaBlend(float focus, float scale);              // 29
  bool SetLineLinearBlend(float focus, float scale);             // 30
  Gdiplus::WrapMode GetLineWrapMode() const;                     // 31
  bool SetLineWrapMode(Gdiplus::WrapMode wrap);                  // 32
  Matrix GetLineTransform() const;                               // 33
  bool SetLineTransform(const Matrix& matrix);                   // 34
  bool ResetLineTransform();                                     // 35
  bool MultiplyLineTransform(const Matrix& matrix,
                             Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 36
  bool TranslateLineTransform(float dx, float dy,
                              Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 37
  bool ScaleLineTransform(float sx, float sy,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 38
  bool ScaleLineTransformAt(float sx, float sy, const PointF& centre,
                            Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 39
  bool RotateLineTransform(float angle,
                           Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 40
  bool RotateLineTransformAt(float angle, const PointF& centre,
                             Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 41
};

}  // namespace graphics
