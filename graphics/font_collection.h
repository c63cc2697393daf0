// A GDI+ font collection. The object does not own the collection: the
// installed collection belongs to GDI+ for the whole run.
#pragma once

#include <vector>

#include "graphics/font_family.h"
#include "graphics/status.h"

namespace graphics {

class FontCollection {
 public:
  FontCollection() = default;

  Gdiplus::GpFontCollection* GetNative() const { return native_; }         // 2
  void SetNative(Gdiplus::GpFontCollection* native) { native_ = native; }  // 3
  static void* Alloc(size_t size) { return graphics::Alloc(size); }        // 5
  static void Free(void* block) { graphics::Free(block); }                 // 6
  int GetFontCollectionFamilyCount() const;                                // 8
  // Copies of the families, each owned by its object.
  std::vector<FontFamily> GetFontCollectionFamilyList() const;  // 9

  // Takes the collection of the fonts installed on the system.
  bool NewInstalledFontCollection();

 private:
  Gdiplus::GpFontCollection* native_ = nullptr;
};

}  // namespace graphics
