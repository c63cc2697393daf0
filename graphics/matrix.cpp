#include "graphics/matrix.h"

namespace graphics {
namespace detail {

using namespace Gdiplus::DllExports;

NativeMatrix::NativeMatrix(const Matrix& e) {
  GdipCreateMatrix2(e[0], e[1], e[2], e[3], e[4], e[5], &matrix_);
}

NativeMatrix::~NativeMatrix() {
  if (matrix_) GdipDeleteMatrix(matrix_);
}

Matrix NativeMatrix::Elements() const {
  Matrix elements{};
  if (!matrix_ || GdipGetMatrixElements(matrix_, elements.data()) != Gdiplus::Ok) return {};
  return elements;
}

OptionalMatrix::OptionalMatrix(const Matrix* e) {
  if (e) GdipCreateMatrix2((*e)[0], (*e)[1], (*e)[2], (*e)[3], (*e)[4], (*e)[5], &matrix_);
}

OptionalMatrix::~OptionalMatrix() {
  if (matrix_) GdipDeleteMatrix(matrix_);
}

}  // namespace detail
}  // namespace graphics
