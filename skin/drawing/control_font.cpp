#include "skin/drawing/control_font.h"

#include "graphics/font_family.h"
#include "platform/handles.h"

namespace skin {

ControlFont ReadControlFont(HWND control) {
  ControlFont read;
  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0));
  // Without a font of its own the control's DC holds the system font: a
  // raster font GDI+ cannot use on Windows, so nothing is read there; Wine
  // maps it to an outline face, which would give captions another face and
  // size. Nothing is read on either.
  if (!font) return read;
  platform::WindowDC dc(control);
  graphics::Font gdiplus;
  if (!dc || !gdiplus.CreateFontFromDeviceContext(dc.get(), font)) return read;
  read.face = gdiplus.GetFamily().GetFamilyName();
  read.size = static_cast<int32_t>(gdiplus.GetFontSize());
  read.style = gdiplus.GetFontStyle();
  return read;
}

bool CreateCaptionFont(graphics::Font& font, const std::string& face, int size, int style) {
  if (!face.empty() && size > 0 &&
      font.CreateFont(face, static_cast<float>(size), style, Gdiplus::UnitWorld))
    return true;
  return font.CreateDefaultGuiFont();
}

}  // namespace skin
