// Base of the three brushes: owns one native GDI+ brush.
#pragma once

#include <vector>

#include "graphics/status.h"

namespace graphics {

// Blend factors at relative positions along a gradient (0 to 1).
struct Blend {
  std::vector<float> factors;
  std::vector<float> positions;
};

// Colours at relative positions along a gradient.
struct PresetBlend {
  std::vector<ARGB> colours;
  std::vector<float> positions;
};

class Brush {
 public:
  Brush() = default;
  virtual ~Brush();              // 0
  Brush(const Brush&) = delete;  // 1
  Brush& operator=(const Brush&) = delete;
  Brush(Brush&& other) noexcept;
  Brush& operator=(Brush&& other) noexcept;

  Gdiplus::GpBrush* GetNative() const { return native_; }  // 2
  // Takes ownership of `native`, deleting the brush held before.
  void SetNative(Gdiplus::GpBrush* native);                          // 3
  static void* Alloc(size_t size) { return graphics::Alloc(size); }  // 5
  static void Free(void* block) { graphics::Free(block); }           // 6
  bool DeleteBrush();                                                // 8
  // A copy of the native brush, owned by `clone`.
  bool CloneBrush(Brush& clone) const;      // 9
  Gdiplus::BrushType GetBrushType() const;  // 10

  // Gives the native brush up without deleting it.
  Gdiplus::GpBrush* Detach() { return detail::Detach(native_); }

 protected:
  Gdiplus::GpBrush* native_ = nullptr;
};

}  // namespace graphics
