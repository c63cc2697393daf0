// Glowing text: a blurred copy of the text in the glow colour under the text.
#include <windows.h>

#include "graphics/bitmap.h"
#include "graphics/font.h"
#include "graphics/font_family.h"
#include "graphics/graphics.h"
#include "graphics/solid_fill.h"
#include "graphics/string_format.h"
#include "skin/frame/status_bar.h"

namespace skin {
namespace {

constexpr char kDefaultFace[] = "宋体";
constexpr int kHaloAlpha = 60;

bool CanvasOn(graphics::Graphics& g, const graphics::Bitmap& bitmap) {
  return bitmap.GetNative() && g.GetImageGraphicsContext(bitmap);
}

}  // namespace

bool CreateStatusFont(graphics::Font& font, const std::string& name, float size, int style) {
  const std::string face = name.empty() ? kDefaultFace : name;
  if (font.CreateFont(face, size, style, Gdiplus::UnitWorld)) return true;
  if (face != kDefaultFace && font.CreateFont(kDefaultFace, size, style, Gdiplus::UnitWorld))
    return true;
  graphics::FontFamily fallback;
  return fallback.GetGenericFontFamilySansSerif() &&
         font.CreateFont(fallback, size, style, Gdiplus::UnitWorld);
}

void DrawGlowText(graphics::Graphics& g, const std::string& text, const Gdiplus::RectF& layout,
                  Colour textColour, Colour glowColour, float scale, const std::string& fontName,
                  int style, float size, Gdiplus::StringAlignment alignment,
                  Gdiplus::StringAlignment lineAlignment) {
  const float d = scale > 0 ? scale : 4.0f, u = d / 2;
  const int W = static_cast<int>(layout.Width), H = static_cast<int>(layout.Height);
  if (W <= 0 || H <= 0 || text.empty()) return;
  graphics::Font font;
  if (!CreateStatusFont(font, fontName, size, style)) return;
  graphics::StringFormat format;
  format.CreateStringFormat();
  format.SetStringFormatAlign(alignment);
  format.SetStringFormatLineAlign(lineAlignment);
  graphics::SolidFill glow, halo, ink;
  glow.CreateSolidFill(MakeArgb(glowColour));
  halo.CreateSolidFill(MakeArgb(glowColour, kHaloAlpha));
  ink.CreateSolidFill(MakeArgb(textColour));

  // The glow: the text drawn sharp, then shrunk and stretched back.
  graphics::Bitmap sharp, small, blurred;
  const int sw = static_cast<int>(W / d), sh = static_cast<int>(H / d);
  bool haveGlow = sw > 0 && sh > 0 && sharp.CreateBitmap(W, H, PixelFormat32bppARGB) &&
                  small.CreateBitmap(sw, sh, PixelFormat32bppARGB) &&
                  blurred.CreateBitmap(W, H, PixelFormat32bppARGB);
  if (haveGlow) {
    graphics::Graphics sg;
    haveGlow = CanvasOn(sg, sharp);
    sg.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    sg.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
    sg.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    sg.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
    sg.DrawString(text, font, Gdiplus::RectF(u, u, W + u, H + u), &format, glow);
  }
  if (haveGlow) {
    graphics::Graphics smallG;
    haveGlow = CanvasOn(smallG, small);
    smallG.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    smallG.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
    smallG.DrawImageRectRectI(sharp, 0, 0, sw, sh, 0, 0, W, H);
  }
  if (haveGlow) {
    graphics::Graphics bg;
    haveGlow = CanvasOn(bg, blurred);
    bg.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
    bg.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    bg.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    bg.DrawImageRectRectI(small, 0, 0, W, H, 0, 0, sw, sh);
    const float top = 0.7f * d;
    const Gdiplus::RectF outline[] = {{u - 1, top, float(W), float(H)},
                                      {u + 1, top, float(W), float(H)},
                                      {u, top - 1, float(W), float(H)},
                                      {u, top + 1, float(W), float(H)}};
    for (const Gdiplus::RectF& r : outline) bg.DrawString(text, font, r, &format, halo);
  }

  Gdiplus::GraphicsState state = 0;
  const bool saved = g.SaveGraphics(state);
  g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  if (haveGlow) g.DrawImageRectRect(blurred, layout.X - u, layout.Y - 0.6f * d, float(W), float(H));
  g.DrawString(text, font, Gdiplus::RectF(layout.X, layout.Y, float(W), float(H)), &format, ink);
  if (saved) g.RestoreGraphics(state);
}

}  // namespace skin
