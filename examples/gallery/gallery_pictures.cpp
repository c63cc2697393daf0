#include "examples/gallery/gallery_pictures.h"

#include <cmath>

#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "graphics/image_codecs.h"
#include "graphics/pen.h"
#include "graphics/solid_fill.h"

namespace gallery {

extern const unsigned char GalleryBackground[];
extern const unsigned GalleryBackgroundSize;

namespace {

using graphics::PointF;
constexpr double kPi = 3.14159265358979323846;

// Draws with `paint` on a transparent size x size bitmap and encodes it.
template <typename Paint>
std::vector<uint8_t> Picture(int size, Paint paint) {
  graphics::Bitmap bitmap;
  if (!bitmap.CreateBitmap(size, size)) return {};
  {
    graphics::Graphics g;
    if (!g.GetImageGraphicsContext(bitmap)) return {};
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.GraphicsClear(0x00000000);
    paint(g, static_cast<float>(size) / 32.0f);
  }
  return bitmap.SaveToStream(std::string(graphics::kImageFormatPng));
}

void Fill(graphics::Graphics& g, uint32_t argb, float x, float y, float w, float h) {
  graphics::SolidFill brush;
  if (brush.CreateSolidFill(argb)) g.FillRectangle(brush, x, y, w, h);
}

}  // namespace

std::vector<uint8_t> ClassListIcon(int size) {
  return Picture(size, [](graphics::Graphics& g, float s) {
    Fill(g, 0xFFF4F1E6, 6 * s, 3 * s, 20 * s, 26 * s);
    graphics::Pen edge;
    edge.CreatePen1(0xFF5A6B7D, 1.5f * s);
    g.DrawRectangle(edge, 6 * s, 3 * s, 20 * s, 26 * s);
    for (int line = 0; line < 5; ++line) {
      const float y = (8 + line * 4.5f) * s;
      Fill(g, 0xFF2F7FBF, 9 * s, y, 2.5f * s, 2.5f * s);
      Fill(g, 0xFF6B7785, 13 * s, y + 0.5f * s, (line % 2 ? 8 : 10) * s, 1.5f * s);
    }
  });
}

std::vector<uint8_t> CameraIcon(int size) {
  return Picture(size, [](graphics::Graphics& g, float s) {
    Fill(g, 0xFF37474F, 3 * s, 10 * s, 26 * s, 17 * s);
    Fill(g, 0xFF37474F, 10 * s, 6 * s, 10 * s, 5 * s);
    graphics::SolidFill lens, glass;
    lens.CreateSolidFill(0xFFECEFF1);
    glass.CreateSolidFill(0xFF4FA3D9);
    g.FillEllipse(lens, 10 * s, 11 * s, 13 * s, 13 * s);
    g.FillEllipse(glass, 12.5f * s, 13.5f * s, 8 * s, 8 * s);
    Fill(g, 0xFFFFD54F, 23 * s, 12 * s, 3 * s, 2 * s);
  });
}

std::vector<uint8_t> StarIcon(int size, uint32_t argb) {
  return Picture(size, [argb](graphics::Graphics& g, float s) {
    std::vector<PointF> points;
    for (int k = 0; k < 10; ++k) {
      const double angle = -kPi / 2 + k * kPi / 5;
      const double radius = (k % 2 ? 6.5 : 14.5) * s;
      points.emplace_back(static_cast<float>(16 * s + radius * std::cos(angle)),
                          static_cast<float>(17 * s + radius * std::sin(angle)));
    }
    graphics::SolidFill fill;
    graphics::Pen edge;
    fill.CreateSolidFill(argb);
    edge.CreatePen1(0xFF8A5A00, 1.2f * s);
    g.FillPolygon(fill, points);
    g.DrawPolygon(edge, points);
  });
}

std::vector<uint8_t> StudentIcon(int size, uint32_t argb) {
  return Picture(size, [argb](graphics::Graphics& g, float s) {
    graphics::SolidFill fill;
    fill.CreateSolidFill(argb);
    g.FillEllipse(fill, 10 * s, 3 * s, 12 * s, 12 * s);
    g.FillPie(fill, 4 * s, 17 * s, 24 * s, 24 * s, 180.0f, 180.0f);
  });
}

std::vector<uint8_t> CaptionGlyph(Glyph glyph) {
  const int width = glyph == Glyph::Close ? 38 : 26, height = 18;
  graphics::Bitmap bitmap;
  if (!bitmap.CreateBitmap(width, height)) return {};
  {
    graphics::Graphics g;
    if (!g.GetImageGraphicsContext(bitmap)) return {};
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.GraphicsClear(0x00000000);
    graphics::SolidFill face;
    face.CreateSolidFill(glyph == Glyph::Close ? 0xC0D2453C : 0x802E7BD6);
    g.FillEllipse(face, width / 2.0f - 8, 1, 16, 16);
    graphics::Pen ink;
    ink.CreatePen1(0xFFFFFFFF, 1.6f);
    const float cx = width / 2.0f, cy = 9;
    switch (glyph) {
      case Glyph::Minimise: g.DrawLine(ink, cx - 4, cy + 3, cx + 4, cy + 3); break;
      case Glyph::Maximise: g.DrawRectangle(ink, cx - 4, cy - 4, 8, 8); break;
      case Glyph::Restore:
        g.DrawRectangle(ink, cx - 4, cy - 2, 6, 6);
        g.DrawLine(ink, cx - 2, cy - 4, cx + 4, cy - 4);
        g.DrawLine(ink, cx + 4, cy - 4, cx + 4, cy + 2);
        break;
      case Glyph::Close:
        g.DrawLine(ink, cx - 4, cy - 4, cx + 4, cy + 4);
        g.DrawLine(ink, cx - 4, cy + 4, cx + 4, cy - 4);
        break;
    }
  }
  return bitmap.SaveToStream(std::string(graphics::kImageFormatPng));
}

std::vector<uint8_t> Background() {
  return std::vector<uint8_t>(GalleryBackground, GalleryBackground + GalleryBackgroundSize);
}

}  // namespace gallery
