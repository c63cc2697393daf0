#include "skin/controls/ranges/up_down_looks.h"

#include <windowsx.h>

#include "graphics/solid_fill.h"
#include "skin/controls/ranges/range_records.h"
#include "skin/drawing/colours.h"
#include "skin/drawing/decoded_pictures.h"
#include "skin/drawing/shape_painting.h"
#include "skin/drawing/skin_images.h"

namespace skin {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

using graphics::PointF;

struct Half {
  int x, y, w, h;
  bool first;  // the up (left) half
  SkinImage arrow;
};

struct HalfColours {
  Gdiplus::ARGB pen, from, to;
};

HalfColours ColoursOf(const UpDownLook& look, const Half& half, bool hot) {
  const uint32_t a = look.accent;
  if (hot && look.pressed) return {MakeArgb(a, 200), MakeArgb(a, 100), MakeArgb(kWhite, 150)};
  if (hot) return {MakeArgb(a, 200), MakeArgb(kWhite, 100), MakeArgb(a, 150)};
  const int lightness = (half.first && !look.horizontal) ? 60 : 20;
  return {MakeArgb(kBlack, 100), MakeArgb(kWhite, lightness), MakeArgb(a, 100)};
}

void DrawArrow(graphics::Graphics& g, const Half& half) {
  const DecodedPicture& arrow = DecodedSkinImage(half.arrow);
  DrawPicture(g, arrow, half.x + (half.w - arrow.width) / 2, half.y + (half.h - arrow.height) / 2);
}

void DrawHalf(graphics::Graphics& g, const UpDownLook& look, const Half& half, bool hot) {
  const HalfColours c = ColoursOf(look, half, hot);
  const float x = static_cast<float>(half.x), y = static_cast<float>(half.y);
  const graphics::Path shape = RoundRectShape(x, y, half.w - 1.0f, half.h - 1.0f, 3);
  const PointF to = look.horizontal ? PointF(x + half.w, y) : PointF(x, y + half.h);
  FillGradient(g, shape, PointF(x, y), to, c.from, c.to);
  DrawArrow(g, half);
  Outline(g, shape, c.pen);
}

}  // namespace

int UpDownPartAt(bool horizontal, int width, int height, LPARAM mouse) {
  if (horizontal) return GET_X_LPARAM(mouse) > width / 2 ? kUpDownSecond : kUpDownFirst;
  return GET_Y_LPARAM(mouse) > height / 2 ? kUpDownSecond : kUpDownFirst;
}

void DrawUpDownLook(graphics::Graphics& g, const UpDownLook& look) {
  g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  g.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
  graphics::SolidFill face;
  if (face.CreateSolidFill(MakeArgb(kWhite, 160)))
    g.FillPath(face, RoundRectShape(0, 0, look.width - 1.0f, look.height - 1.0f, 3));

  Half halves[2];
  if (look.horizontal) {
    const int hw = look.width / 2;
    halves[0] = {0, 0, hw, look.height, true, SkinImage::ArrowLeft};
    halves[1] = {hw, 0, hw, look.height, false, SkinImage::ArrowRight};
  } else {
    const int hh = look.height / 2;
    halves[0] = {0, 0, look.width, hh, true, SkinImage::ArrowUp};
    halves[1] = {0, hh, look.width, hh, false, SkinImage::ArrowDown};
  }
  const int hotPart =
      look.hover ? UpDownPartAt(look.horizontal, look.width, look.height, look.mouse) : 0;
  for (const Half& half : halves)
    DrawHalf(g, look, half, hotPart == (half.first ? kUpDownFirst : kUpDownSecond));
}

}  // namespace skin
