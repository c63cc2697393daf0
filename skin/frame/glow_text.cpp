// Glowing text: a blurred copy of the text in the glow colour under the text.
#include <windows.h>

#include <deque>
#include <memory>
#include <mutex>
#include <utility>

#include "graphics/bitmap.h"
#include "graphics/font.h"
#include "graphics/font_family.h"
#include "graphics/graphics.h"
#include "graphics/solid_fill.h"
#include "graphics/string_format.h"
#include "skin/drawing/decoded_pictures.h"
#include "skin/frame/status_bar.h"

namespace skin {
namespace {

constexpr char kDefaultFace[] = "宋体";
constexpr int kHaloAlpha = 60;
// Each panel of a strip or two, at a style or two.
constexpr size_t kKeptGlows = 16;

bool CanvasOn(graphics::Graphics& g, const graphics::Bitmap& bitmap) {
  return bitmap.GetNative() && g.GetImageGraphicsContext(bitmap);
}

// Everything a glow is drawn from.
struct GlowKey {
  std::string text, fontName;
  int style = 0;
  float size = 0;
  Colour glowColour = 0;
  float scale = 0;
  int width = 0, height = 0;
  Gdiplus::StringAlignment alignment{}, lineAlignment{};

  bool operator==(const GlowKey& o) const {
    return text == o.text && fontName == o.fontName && style == o.style && size == o.size &&
           glowColour == o.glowColour && scale == o.scale && width == o.width &&
           height == o.height && alignment == o.alignment && lineAlignment == o.lineAlignment;
  }
};

// The glow of `key`: the text drawn sharp in the glow colour, shrunk and
// stretched back, outlined four times faintly; empty when it cannot be made.
DecodedPicture MakeGlow(const GlowKey& key, const graphics::Font& font,
                        const graphics::StringFormat& format) {
  DecodedPicture none;
  const float d = key.scale, u = d / 2;
  const int W = key.width, H = key.height;
  const std::string& text = key.text;
  graphics::SolidFill glow, halo;
  glow.CreateSolidFill(MakeArgb(key.glowColour));
  halo.CreateSolidFill(MakeArgb(key.glowColour, kHaloAlpha));

  graphics::Bitmap sharp, small, blurred;
  const int sw = static_cast<int>(W / d), sh = static_cast<int>(H / d);
  if (sw <= 0 || sh <= 0 || !sharp.CreateBitmap(W, H, PixelFormat32bppARGB) ||
      !small.CreateBitmap(sw, sh, PixelFormat32bppARGB) ||
      !blurred.CreateBitmap(W, H, PixelFormat32bppARGB))
    return none;
  {
    graphics::Graphics sg;
    if (!CanvasOn(sg, sharp)) return none;
    sg.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    sg.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
    sg.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    sg.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
    sg.DrawString(text, font, Gdiplus::RectF(u, u, W + u, H + u), &format, glow);
  }
  {
    graphics::Graphics smallG;
    if (!CanvasOn(smallG, small)) return none;
    smallG.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    smallG.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
    smallG.DrawImageRectRectI(sharp, 0, 0, sw, sh, 0, 0, W, H);
  }
  {
    graphics::Graphics bg;
    if (!CanvasOn(bg, blurred)) return none;
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
  return PixelsOfBitmap(blurred);
}

// The glow of `key`, made at its first draw; the last few are kept (a
// status strip redraws the same panels over and over).
std::shared_ptr<const DecodedPicture> KeptGlow(const GlowKey& key, const graphics::Font& font,
                                               const graphics::StringFormat& format) {
  static std::deque<std::pair<GlowKey, std::shared_ptr<const DecodedPicture>>> kept;
  static std::mutex lock;
  std::lock_guard<std::mutex> hold(lock);
  for (auto it = kept.begin(); it != kept.end(); ++it) {
    if (!(it->first == key)) continue;
    auto found = std::move(*it);
    kept.erase(it);
    kept.push_front(std::move(found));
    return kept.front().second;
  }
  auto glow = std::make_shared<DecodedPicture>(MakeGlow(key, font, format));
  if (glow->empty()) return nullptr;
  kept.emplace_front(key, glow);
  if (kept.size() > kKeptGlows) kept.pop_back();
  return glow;
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
  graphics::SolidFill ink;
  ink.CreateSolidFill(MakeArgb(textColour));

  const GlowKey key{text, fontName, style, size, glowColour, d, W, H, alignment, lineAlignment};
  const std::shared_ptr<const DecodedPicture> glow = KeptGlow(key, font, format);

  Gdiplus::GraphicsState state = 0;
  const bool saved = g.SaveGraphics(state);
  g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  if (glow) DrawPictureRect(g, *glow, layout.X - u, layout.Y - 0.6f * d, float(W), float(H));
  g.DrawString(text, font, Gdiplus::RectF(layout.X, layout.Y, float(W), float(H)), &format, ink);
  if (saved) g.RestoreGraphics(state);
}

}  // namespace skin
