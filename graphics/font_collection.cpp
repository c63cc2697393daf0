#include "graphics/font_collection.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

int FontCollection::GetFontCollectionFamilyCount() const {
  INT count = 0;
  return Record(GdipGetFontCollectionFamilyCount(native_, &count)) ? count : 0;
}

std::vector<FontFamily> FontCollection::GetFontCollectionFamilyList() const {
  int count = GetFontCollectionFamilyCount();
  if (LastStatus() != Ok || count <= 0) return {};
  std::vector<GpFontFamily*> natives(size_t(count), nullptr);
  INT found = 0;
  if (!Record(GdipGetFontCollectionFamilyList(native_, count, natives.data(), &found))) return {};
  // The listed families are not ours to delete: keep a copy of each.
  std::vector<FontFamily> families;
  families.reserve(size_t(found));
  for (INT i = 0; i < found && i < count; ++i) {
    GpFontFamily* copy = nullptr;
    if (GdipCloneFontFamily(natives[size_t(i)], &copy) != Ok) continue;
    families.emplace_back();
    families.back().SetNative(copy);
  }
  return families;
}

bool FontCollection::NewInstalledFontCollection() {
  GpFontCollection* collection = nullptr;
  Status status = GdipNewInstalledFontCollection(&collection);
  native_ = status == Ok ? collection : nullptr;
  return Record(status);
}

}  // namespace graphics
