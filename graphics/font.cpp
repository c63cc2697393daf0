#include "graphics/font.h"

#include <utility>

#include "graphics/graphics.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

Font::~Font() { DeleteFont(); }

Font::Font(Font&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}

Font& Font::operator=(Font&& other) noexcept {
  if (this != &other) {
    DeleteFont();
    native_ = std::exchange(other.native_, nullptr);
  }
  return *this;
}

void Font::SetNative(GpFont* native) { detail::Adopt(native_, native, &GdipDeleteFont); }

bool Font::DeleteFont() { return detail::DeleteNative(native_, &GdipDeleteFont); }

bool Font::CreateFont(const FontFamily& family, float size, int style, Unit unit) {
  GpFont* font = nullptr;
  Status status = GdipCreateFont(family.GetNative(), size, style, unit, &font);
  SetNative(status == Ok ? font : nullptr);
  return Record(status);
}

bool Font::CreateDefaultGuiFont() {
  LOGFONTA logfont{};
  if (::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof logfont, &logfont) == 0) {
    return Record(Win32Error);
  }
  HDC screen = ::GetDC(nullptr);
  GpFont* font = nullptr;
  Status status = GdipCreateFontFromLogfontA(screen, &logfont, &font);
  ::ReleaseDC(nullptr, screen);
  SetNative(status == Ok ? font : nullptr);
  return Record(status);
}

bool Font::CreateFont(const std::string& family_name, float size, int style, Unit unit) {
  FontFamily family;
  if (!family.CreateFontFamilyFromName(family_name)) {
    SetNative(nullptr);
    return false;
  }
  return CreateFont(family, size, style, unit);
}

bool Font::CreateFont(const std::wstring& family_name, float size, int style, Unit unit) {
  FontFamily family;
  if (!family.CreateFontFamilyFromName(family_name)) {
    SetNative(nullptr);
    return false;
  }
  return CreateFont(family, size, style, unit);
}

bool Font::CreateFontFromDC(HDC dc) {
  GpFont* font = nullptr;
  Status status = GdipCreateFontFromDC(dc, &font);
  SetNative(status == Ok ? font : nullptr);
  return Record(status);
}

bool Font::CreateFontFromDeviceContext(HDC dc, HFONT handle) {
  LOGFONTA logfont{};
  if (handle && ::GetObjectA(handle, sizeof logfont, &logfont) != 0) {
    return CreateFontFromLogfontA(dc, logfont);
  }
  return CreateFontFromDC(dc);
}

bool Font::CreateFontFromLogfontA(HDC dc, const LOGFONTA& logfont) {
  GpFont* font = nullptr;
  Status status = GdipCreateFontFromLogfontA(dc, const_cast<LOGFONTA*>(&logfont), &font);
  SetNative(status == Ok ? font : nullptr);
  return Record(status);
}

bool Font::CreateFontFromLogfontW(HDC dc, const LOGFONTW& logfont) {
  GpFont* font = nullptr;
  Status status = GdipCreateFontFromLogfontW(dc, const_cast<LOGFONTW*>(&logfont), &font);
  SetNative(status == Ok ? font : nullptr);
  return Record(status);
}

bool Font::CloneFont(Font& clone) const {
  GpFont* copy = nullptr;
  Status status = GdipCloneFont(native_, &copy);
  clone.SetNative(status == Ok ? copy : nullptr);
  return Record(status);
}

LOGFONTA Font::GetLogFontA(const Graphics& graphics) const {
  LOGFONTA logfont{};
  return Record(GdipGetLogFontA(native_, graphics.GetNative(), &logfont)) ? logfont : LOGFONTA{};
}

LOGFONTW Font::GetLogFontW(const Graphics& graphics) const {
  LOGFONTW logfont{};
  return Record(GdipGetLogFontW(native_, graphics.GetNative(), &logfont)) ? logfont : LOGFONTW{};
}

FontFamily Font::GetFamily() const {
  FontFamily family;
  GpFontFamily* native = nullptr;
  Status status = GdipGetFamily(native_, &native);
  family.SetNative(status == Ok ? native : nullptr);
  Record(status);
  return family;
}

int Font::GetFontStyle() const {
  INT style = 0;
  return Record(GdipGetFontStyle(native_, &style)) ? style : 0;
}

float Font::GetFontSize() const {
  REAL size = 0;
  return Record(GdipGetFontSize(native_, &size)) ? size : 0;
}

Unit Font::GetFontUnit() const {
  Unit unit = UnitWorld;
  return Record(GdipGetFontUnit(native_, &unit)) ? unit : UnitWorld;
}

float Font::GetFontHeight(const Graphics& graphics) const {
  REAL height = 0;
  return Record(GdipGetFontHeight(native_, graphics.GetNative(), &height)) ? height : 0;
}

float Font::GetFontHeightGivenDPI(float dpi) const {
  REAL height = 0;
  return Record(GdipGetFontHeightGivenDPI(native_, dpi, &height)) ? height : 0;
}

}  // namespace graphics
