// A brush of one colour.
#pragma once

#include "graphics/brush.h"

namespace graphics {

class SolidFill : public Brush {
 public:
  SolidFill() = default;
  Gdiplus::GpSolidFill* GetNative() const {  // 2
    return static_cast<Gdiplus::GpSolidFill*>(native_);
  }
  void SetNative(Gdiplus::GpSolidFill* native) { Brush::SetNative(native); }  // 3
  // 8 to 10: see Brush.
  bool CreateSolidFill(Gdiplus::ARGB colour);    // 11
  bool SetSolidFillColor(Gdiplus::ARGB colour);  // 12
  Gdiplus::ARGB GetSolidFillColor() const;       // 13
};

}  // namespace graphics
