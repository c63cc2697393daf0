// A path-gradient brush: colours run from a centre point out to a boundary.
#pragma once

#include <vector>

#include "graphics/brush.h"
#include "graphics/matrix.h"

namespace graphics {

class Path;

// Scale factors of the gradient's inner focus.
struct FocusScales {
  float x = 0;
  float y = 0;
};

class PathGradient : public Brush {
 public:
  PathGradient() = default;
  Gdiplus::GpPathGradient* GetNative() const {  // 2
    return static_cast<Gdiplus::GpPathGradient*>(native_);
  }
  void SetNative(Gdiplus::GpPathGradient* native) { Brush::SetNative(native); }  // 3
  // 8 to 10: see Brush.
  bool CreatePathGradient(const std::vector<PointF>& points,
                          Gdiplus::WrapMode wrap = Gdiplus::WrapModeClamp);  // 11
  bool CreatePathGradientI(const std::vector<Point>& points,
                           Gdiplus::WrapMode wrap = Gdiplus::WrapModeClamp);      // 12
  bool CreatePathGradientFromPath(const Path& path);                              // 13
  ARGB GetPathGradientCenterColor() const;                                        // 14
  bool SetPathGradientCenterColor(ARGB colour);                                   // 15
  int GetPathGradientPointCount() const;                                          // 16
  int GetPathGradientSurroundColorCount() const;                                  // 17
  std::vector<ARGB> GetPathGradientSurroundColorsWithCount() const;               // 18
  bool SetPathGradientSurroundColorsWithCount(const std::vector<ARGB>& colours);  // 19
  Path GetPathGradientPath() const;                                               // 20
  bool SetPathGradientPath(const Path& path);                                     // 21
  PointF GetPathGradientCenterPoint() const;                                      // 22
  Point GetPathGradientCenterPointI() const;                                      // 23
  bool SetPathGradientCenterPoint(const PointF& centre);                          // 24
  bool SetPathGradientCenterPoint(const Point& centre);                           // 25
  RectF GetPathGradientRect() const;                                              // 26
  Rect GetPathGradientRectI() const;                                              // 27
  bool SetPathGradientGammaCorrection(bool use_gamma);                            // 28
  bool GetPathGradientGammaCorrection() const;                                    // 29
  int GetPathGradientBlendCount() const;                                          // 30
  bool SetPathGradientBlend(const std::vector<float>& factors,
                            const std::vector<float>& positions);  // 31
  Blend GetPathGradientBlend() const;                              // 32
  int GetPathGradientPresetBlendCount() const;                     // 33
  bool SetPathGradientPresetBlend(const std::vector<ARGB>& colours,
                                  const std::vector<float>& positions);  // 34
  PresetBlend GetPathGradientPresetBlend() const;                        // 35
  bool SetPathGradientSigmaBlend(float focus, float scale);              // 36
  bool SetPathGradientLinearBlend(float focus, float scale);             // 37
  FocusScales GetPathGradientFocusScales() const;                        // 38
  bool SetPathGradientFocusScales(float x, float y);                     // 39
  Gdiplus::WrapMode GetPathGradientWrapMode() const;                     // 40
  bool SetPathGradientWrapMode(Gdiplus::WrapMode wrap);                  // 41
  Matrix GetPathGradientTransform() const;                               // 42
  bool SetPathGradientTransform(const Matrix& matrix);                   // 43
  bool ResetPathGradientTransform();                                     // 44
  bool MultiplyPathGradientTransform(
      const Matrix& matrix, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 45
  bool TranslatePathGradientTransform(
      float dx, float dy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 46
  bool ScalePathGradientTransform(float sx, float sy,
                                  Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 47
  bool ScalePathGradientTransformAt(
      float sx, float sy, const PointF& centre,
      Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 48
  bool RotatePathGradientTransform(float angle,
                                   Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 49
  bool RotatePathGradientTransformAt(
      float angle, const PointF& centre,
      Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);  // 50
};

}  // namespace graphics
