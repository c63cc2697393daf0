// A GDI+ font.
#pragma once

#include <string>

#include "graphics/font_family.h"
#include "graphics/status.h"

namespace graphics {

class Graphics;

class Font {
 public:
  Font() = default;
  ~Font();                     // 0
  Font(const Font&) = delete;  // 1
  Font& operator=(const Font&) = delete;
  Font(Font&& other) noexcept;
  Font& operator=(Font&& other) noexcept;

  Gdiplus::GpFont* GetNative() const { return native_; }  // 2
  // Takes ownership of `native`, deleting the font held before.
  void SetNative(Gdiplus::GpFont* native);                           // 3
  static void* Alloc(size_t size) { return graphics::Alloc(size); }  // 5
  static void Free(void* block) { graphics::Free(block); }           // 6
  bool DeleteFont();                                                 // 7
  bool CreateFont(const FontFamily& family, float size, int style = Gdiplus::FontStyleRegular,
                  Gdiplus::Unit unit = Gdiplus::UnitPoint);  // 8
  // The system's default GUI font, as the screen shows it.
  bool CreateDefaultGuiFont();  // 9
  bool CreateFont(const std::string& family_name, float size, int style = Gdiplus::FontStyleRegular,
                  Gdiplus::Unit unit = Gdiplus::UnitPoint);  // 10
  bool CreateFont(const std::wstring& family_name, float size,
                  int style = Gdiplus::FontStyleRegular,
                  Gdiplus::Unit unit = Gdiplus::UnitPoint);  // 11
  bool CreateFontFromDC(HDC dc);                             // 12
  // The font `font` (when given and readable) or else the one selected in `dc`.
  bool CreateFontFromDeviceContext(HDC dc, HFONT font = nullptr);  // 13
  bool CreateFontFromLogfontA(HDC dc, const LOGFONTA& logfont);    // 14
  bool CreateFontFromLogfontW(HDC dc, const LOGFONTW& logfont);    // 15
  bool CloneFont(Font& clone) const;                               // 16
  LOGFONTA GetLogFontA(const Graphics& graphics) const;            // 17
  LOGFONTW GetLogFontW(const Graphics& graphics) const;            // 18
  FontFamily GetFamily() const;                                    // 19
  int GetFontStyle() const;                                        // 20
  float GetFontSize() const;                                       // 21
  Gdiplus::Unit GetFontUnit() const;                               // 22
  float GetFontHeight(const Graphics& graphics) const;             // 23
  float GetFontHeightGivenDPI(float dpi) const;                    // 24

  // Gives the native font up without deleting it.
  Gdiplus::GpFont* Detach() { return detail::Detach(native_); }

 private:
  Gdiplus::GpFont* native_ = nullptr;
};

}  // namespace graphics
