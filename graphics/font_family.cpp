#include "graphics/font_family.h"

#include <utility>

#include "graphics/font_collection.h"
#include "graphics/text.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

FontFamily::~FontFamily() { DeleteFontFamily(); }

FontFamily::FontFamily(FontFamily&& other) noexcept
    : native_(std::exchange(other.native_, nullptr)) {}

FontFamily& FontFamily::operator=(FontFamily&& other) noexcept {
  if (this != &other) {
    DeleteFontFamily();
    native_ = std::exchange(other.native_, nullptr);
  }
  return *this;
}

void FontFamily::SetNative(GpFontFamily* native) {
  detail::Adopt(native_, native, &GdipDeleteFontFamily);
}

bool FontFamily::DeleteFontFamily() { return detail::DeleteNative(native_, &GdipDeleteFontFamily); }

bool FontFamily::CreateFontFamilyFromName(const std::string& name,
                                          const FontCollection* collection) {
  return CreateFontFamilyFromName(Utf16FromCodePage(name), collection);
}

bool FontFamily::CreateFontFamilyFromName(const std::wstring& name,
                                          const FontCollection* collection) {
  GpFontFamily* family = nullptr;
  Status status = GdipCreateFontFamilyFromName(
      name.c_str(), collection ? collection->GetNative() : nullptr, &family);
  SetNative(status == Ok ? family : nullptr);
  return Record(status);
}

namespace {
using GenericFamily = GpStatus(WINGDIPAPI*)(GpFontFamily**);
}

// The generic families belong to GDI+; the object keeps a copy of its own so
// that deleting it is always right.
static bool TakeGenericCopy(FontFamily& self, GenericFamily generic) {
  GpFontFamily* shared = nullptr;
  Status status = generic(&shared);
  GpFontFamily* copy = nullptr;
  if (status == Ok) status = GdipCloneFontFamily(shared, &copy);
  self.SetNative(status == Ok ? copy : nullptr);
  return Record(status);
}

bool FontFamily::GetGenericFontFamilySansSerif() {
  return TakeGenericCopy(*this, &GdipGetGenericFontFamilySansSerif);
}

bool FontFamily::GetGenericFontFamilySerif() {
  return TakeGenericCopy(*this, &GdipGetGenericFontFamilySerif);
}

bool FontFamily::GetGenericFontFamilyMonospace() {
  return TakeGenericCopy(*this, &GdipGetGenericFontFamilyMonospace);
}

bool FontFamily::CloneFontFamily(FontFamily& clone) const {
  GpFontFamily* copy = nullptr;
  Status status = GdipCloneFontFamily(native_, &copy);
  clone.SetNative(status == Ok ? copy : nullptr);
  return Record(status);
}

std::string FontFamily::GetFamilyName(LANGID language) const {
  return CodePageFromUtf16(GetFamilyNameW(language));
}

std::wstring FontFamily::GetFamilyNameW(LANGID language) const {
  WCHAR name[LF_FACESIZE] = {};
  if (!Record(GdipGetFamilyName(native_, name, language))) return {};
  name[LF_FACESIZE - 1] = 0;
  return name;
}

bool FontFamily::IsStyleAvailable(int style, bool& available) const {
  BOOL result = FALSE;
  bool ok = Record(GdipIsStyleAvailable(native_, style, &result));
  if (ok) available = result != FALSE;
  return ok;
}

UINT16 FontFamily::GetEmHeight(int style) const {
  UINT16 value = 0;
  return Record(GdipGetEmHeight(native_, style, &value)) ? value : 0;
}

UINT16 FontFamily::GetCellAscent(int style) const {
  UINT16 value = 0;
  return Record(GdipGetCellAscent(native_, style, &value)) ? value : 0;
}

UINT16 FontFamily::GetCellDescent(int style) const {
  UINT16 value = 0;
  return Record(GdipGetCellDescent(native_, style, &value)) ? value : 0;
}

UINT16 FontFamily::GetLineSpacing(int style) const {
  UINT16 value = 0;
  return Record(GdipGetLineSpacing(native_, style, &value)) ? value : 0;
}

}  // namespace graphics
