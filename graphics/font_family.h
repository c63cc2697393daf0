// A GDI+ font family.
#pragma once

#include <string>

#include "graphics/status.h"

namespace graphics {

class FontCollection;

class FontFamily {
 public:
  FontFamily() = default;
  ~FontFamily();                           // 0
  FontFamily(const FontFamily&) = delete;  // 1
  FontFamily& operator=(const FontFamily&) = delete;
  FontFamily(FontFamily&& other) noexcept;
  FontFamily& operator=(FontFamily&& other) noexcept;

  Gdiplus::GpFontFamily* GetNative() const { return native_; }  // 2
  // Takes ownership of `native`, deleting the family held before.
  void SetNative(Gdiplus::GpFontFamily* native);                     // 3
  static void* Alloc(size_t size) { return graphics::Alloc(size); }  // 5
  static void Free(void* block) { graphics::Free(block); }           // 6
  bool DeleteFontFamily();                                           // 7
  // From the installed fonts, or from `collection` when one is given.
  bool CreateFontFamilyFromName(const std::string& name,
                                const FontCollection* collection = nullptr);  // 8
  bool CreateFontFamilyFromName(const std::wstring& name,
                                const FontCollection* collection = nullptr);  // 9
  bool GetGenericFontFamilySansSerif();                                       // 10
  bool GetGenericFontFamilySerif();                                           // 11
  bool GetGenericFontFamilyMonospace();                                       // 12
  bool CloneFontFamily(FontFamily& clone) const;                              // 13
  std::string GetFamilyName(LANGID language = 0) const;                       // 14
  std::wstring GetFamilyNameW(LANGID language = 0) const;                     // 15
  bool IsStyleAvailable(int style, bool& available) const;                    // 16
  UINT16 GetEmHeight(int style) const;                                        // 17
  UINT16 GetCellAscent(int style) const;                                      // 18
  UINT16 GetCellDescent(int style) const;                                     // 19
  UINT16 GetLineSpacing(int style) const;                                     // 20

  // Gives the native family up without deleting it.
  Gdiplus::GpFontFamily* Detach() { return detail::Detach(native_); }

 private:
  Gdiplus::GpFontFamily* native_ = nullptr;
};

}  // namespace graphics
