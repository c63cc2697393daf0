// Affine transforms as plain values. Operations that take or return a GDI+
// matrix use this record and make the native matrix only for the call.
#pragma once

#include <array>

#include "graphics/status.h"

namespace graphics {

// The six elements m11, m12, m21, m22, dx, dy.
using Matrix = std::array<float, 6>;

constexpr Matrix kIdentityMatrix{1, 0, 0, 1, 0, 0};

namespace detail {

// A native matrix living for the length of one wrapped call.
class NativeMatrix {
 public:
  explicit NativeMatrix(const Matrix& elements = kIdentityMatrix);
  ~NativeMatrix();
  NativeMatrix(const NativeMatrix&) = delete;
  NativeMatrix& operator=(const NativeMatrix&) = delete;

  Gdiplus::GpMatrix* get() const { return matrix_; }
  Matrix Elements() const;

 private:
  Gdiplus::GpMatrix* matrix_ = nullptr;
};

// The native matrix for an optional record: null when none is given.
class OptionalMatrix {
 public:
  explicit OptionalMatrix(const Matrix* elements);
  ~OptionalMatrix();
  OptionalMatrix(const OptionalMatrix&) = delete;
  OptionalMatrix& operator=(const OptionalMatrix&) = delete;
  Gdiplus::GpMatrix* get() const { return matrix_; }

 private:
  Gdiplus::GpMatrix* matrix_ = nullptr;
};

}  // namespace detail
}  // namespace graphics

namespace graphics {
namespace detail {

// Scales or rotates about the point (cx, cy) with three calls: with the append
// order translate to the origin, apply, translate back, all appended; with the
// prepend order the same steps mirrored and prepended. Stops at the first call
// that fails and returns its result.
template <typename Translate, typename Apply>
bool TransformAbout(const PointF& centre, Gdiplus::MatrixOrder order, Translate translate,
                    Apply apply) {
  float sign = order == Gdiplus::MatrixOrderAppend ? -1.0f : 1.0f;
  if (!translate(sign * centre.X, sign * centre.Y, order)) return false;
  if (!apply(order)) return false;
  return translate(-sign * centre.X, -sign * centre.Y, order);
}

}  // namespace detail
}  // namespace graphics
