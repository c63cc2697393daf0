#include "graphics/brush.h"

#include <utility>

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

Brush::~Brush() { DeleteBrush(); }

Brush::Brush(Brush&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}

Brush& Brush::operator=(Brush&& other) noexcept {
  if (this != &other) {
    DeleteBrush();
    native_ = std::exchange(other.native_, nullptr);
  }
  return *this;
}

void Brush::SetNative(GpBrush* native) { detail::Adopt(native_, native, &GdipDeleteBrush); }

bool Brush::DeleteBrush() { return detail::DeleteNative(native_, &GdipDeleteBrush); }

bool Brush::CloneBrush(Brush& clone) const {
  GpBrush* copy = nullptr;
  Status status = GdipCloneBrush(native_, &copy);
  clone.SetNative(status == Ok ? copy : nullptr);
  return Record(status);
}

BrushType Brush::GetBrushType() const {
  BrushType type{};
  return Record(GdipGetBrushType(native_, &type)) ? type : BrushType{};
}

}  // namespace graphics
