#include "skin/drawing/fade_image.h"

#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "graphics/image_codecs.h"
#include "graphics/line_brush.h"

namespace skin {
namespace {

constexpr Colour kWhite = 0xFFFFFF;

// Fills `band` with a gradient running from `from` to `to`.
bool FillBand(graphics::Graphics& g, const Gdiplus::RectF& band, const Gdiplus::PointF& from,
              const Gdiplus::PointF& to, Gdiplus::ARGB first, Gdiplus::ARGB last) {
  graphics::LineBrush brush;
  return brush.CreateLineBrush(from, to, first, last) && g.FillRectangle(brush, band);
}

std::vector<uint8_t> Fade(const graphics::Bitmap& source, Colour colour, FadeVariant variant) {
  const int w = static_cast<int>(source.GetImageWidth());
  const int h = static_cast<int>(source.GetImageHeight());
  if (w <= 0 || h <= 0) return {};

  graphics::Bitmap faded;
  if (!faded.CreateBitmap(w, h, PixelFormat32bppARGB)) return {};
  {
    graphics::Graphics g;
    if (!g.GetImageGraphicsContext(faded)) return {};
    if (!g.DrawImageRectRect(source, 0.0f, 0.0f, float(w), float(h))) return {};

    // The band is 30% of the width on every edge, the bottom one included.
    const int q = 3 * w / 10;
    const float fw = float(w), fh = float(h), fq = float(q);
    bool ok;
    if (variant == FadeVariant::LeftAndBottom) {
      ok = FillBand(g, {0.0f, 0.0f, fq, fh}, {0.0f, 0.0f}, {fq, 0.0f}, MakeArgb(colour, 255),
                    MakeArgb(kWhite, 0));
    } else {
      ok = FillBand(g, {fw - fq + 1.0f, 0.0f, fq, fh}, {fw - fq, 0.0f}, {fw, 0.0f},
                    MakeArgb(kWhite, 0), MakeArgb(colour, 255));
    }
    ok = ok && FillBand(g, {0.0f, fh - fq + 1.0f, fw, fq}, {0.0f, fh - fq}, {0.0f, fh},
                        MakeArgb(colour, 0), MakeArgb(colour, 255));
    if (!ok) return {};
  }
  std::vector<uint8_t> png = faded.SaveToStream(std::string(graphics::kImageFormatPng));
  if (graphics::LastStatus() != Gdiplus::Ok) return {};
  return png;
}

}  // namespace

std::vector<uint8_t> FadeImage(const std::vector<uint8_t>& image, Colour colour,
                               FadeVariant variant) {
  graphics::Bitmap source;
  if (!source.CreateBitmapFromStream(image)) return {};
  return Fade(source, colour, variant);
}

std::vector<uint8_t> FadeImageFile(const std::string& fileName, Colour colour,
                                   FadeVariant variant) {
  graphics::Bitmap source;
  if (fileName.empty() || !source.CreateBitmapFromFile(fileName)) return {};
  return Fade(source, colour, variant);
}

}  // namespace skin
