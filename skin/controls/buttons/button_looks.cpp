#include "skin/controls/buttons/button_looks.h"

#include "graphics/line_brush.h"
#include "graphics/path_gradient.h"
#include "graphics/pen.h"
#include "graphics/solid_fill.h"
#include "skin/controls/buttons/buttons.h"
#include "skin/drawing/control_font.h"
#include "skin/drawing/decoded_pictures.h"
#include "skin/drawing/shape_painting.h"
#include "skin/drawing/top_rounded_paths.h"

namespace skin {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;
constexpr Colour kGrey = 0x808080;
constexpr Colour kSilver = 0xC0C0C0;
constexpr Colour kTeal = 0x808000;  // #008080
constexpr int kCorner = 5;

using graphics::PointF;

enum class TextAlign { Centre, Near };

// The caption in the look's colour and font, vertically centred in `layout`.
void DrawCaption(graphics::Graphics& g, const ButtonLook& look, const graphics::RectF& layout,
                 TextAlign align) {
  if (look.caption.empty()) return;
  graphics::Font font;
  if (!CreateCaptionFont(font, look.fontName, look.fontSize, look.fontStyle)) return;
  graphics::StringFormat format;
  format.CreateStringFormat(0);
  format.SetStringFormatAlign(align == TextAlign::Centre ? Gdiplus::StringAlignmentCenter
                                                         : Gdiplus::StringAlignmentNear);
  format.SetStringFormatLineAlign(Gdiplus::StringAlignmentCenter);
  // "&O" marks the access key: not drawn, as Windows draws captions until
  // keyboard cues are asked for; "&&" is an ampersand.
  format.SetStringFormatHotkeyPrefix(Gdiplus::HotkeyPrefixHide);
  graphics::SolidFill ink;
  ink.CreateSolidFill(MakeArgb(look.textColour, 255));
  g.DrawString(look.caption, font, layout, &format, ink);
}

void DrawDisabledFace(graphics::Graphics& g, const graphics::Path& face, const LookBox& b) {
  graphics::SolidFill grey;
  grey.CreateSolidFill(MakeArgb(kSilver, 255));
  g.FillRectangleI(grey, b.x, b.y, b.w, b.h);
  graphics::LineBrush bands;
  if (bands.CreateLineBrush(PointF(b.x, b.y), PointF(b.x, b.y + b.h), MakeArgb(kWhite, 50),
                            MakeArgb(kWhite, 50)) &&
      bands.SetLinePresetBlend({MakeArgb(kWhite, 50), MakeArgb(kBlack, 10), MakeArgb(kWhite, 50)},
                               {0.0f, 0.6f, 1.0f}))
    g.FillPath(bands, face);
  Outline(g, face, MakeArgb(kBlack, 80));
}

void DrawEnabledFace(graphics::Graphics& g, const graphics::Path& face, const ButtonLook& look,
                     const LookBox& b) {
  const float x = b.x, y = b.y, w = b.w, h = b.h;
  FillGradient(g, face, PointF(x, y), PointF(x, y + h - 1), MakeArgb(kWhite, 0),
               MakeArgb(kGrey, 60));
  graphics::Path gloss;
  gloss.CreatePath();
  TopRoundedPath(gloss, x, y, w - 1, static_cast<float>(b.h / 2), kCorner);
  FillGradient(g, gloss, PointF(x, y), PointF(x, y + h * 0.5f), MakeArgb(kWhite, 50),
               MakeArgb(kWhite, 10));

  if (look.state & kStateHot) {
    FillGradient(g, face, PointF(x, y), PointF(x, y + h - 1), MakeArgb(look.accent, 60),
                 MakeArgb(look.accent, 10));
    Outline(g, face, MakeArgb(look.accent, 255));
  } else if (look.state & kStateFocused) {
    for (float width : {1.0f, 2.0f, 3.0f}) Outline(g, face, MakeArgb(kGlowColour, 120), width);
    Outline(g, face, MakeArgb(kBlack, 70));
  } else {
    Outline(g, face, MakeArgb(kBlack, 120));
  }

  if (look.state & kStatePressed) {
    const graphics::Path sunk = RoundRectShape(x + 2, y + 2, w - 3, h - 3, kCorner);
    FillGradient(g, sunk, PointF(2, 2), PointF(2, h - 2), MakeArgb(look.accent, 60),
                 MakeArgb(kWhite, 100));
  }
}

}  // namespace

void DrawPushButtonLook(graphics::Graphics& g, const ButtonLook& look, const LookBox& b) {
  const graphics::Path face = RoundRectShape(b.x, b.y, b.w - 1, b.h - 1, kCorner);
  FillSolid(g, face, MakeArgb(kWhite, 120));
  if (look.state & kStateDisabled)
    DrawDisabledFace(g, face, b);
  else
    DrawEnabledFace(g, face, look, b);
  DrawCaption(g, look, graphics::RectF(0, 2, b.w, b.h), TextAlign::Centre);
}

void DrawRadioButtonLook(graphics::Graphics& g, const ButtonLook& look, const LookBox& b) {
  g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  const float x = b.x, y = b.y, h = b.h;
  const float ringTop = y + (h - 12) / 2;
  const float y0 = ringTop + 1;

  graphics::Pen ring;
  if (ring.CreatePen1(MakeArgb(kBlack, 200), 1.0f)) g.DrawEllipse(ring, x + 2, ringTop, 12, 12);

  const graphics::RectF well(x + 3, y + (h - 11) / 2 + 1, 9, 9);
  graphics::Pen rim;
  graphics::SolidFill white;
  if (rim.CreatePen1(MakeArgb(kWhite, 255), 1.0f))
    g.DrawEllipse(rim, well.X, well.Y, well.Width, well.Height);
  if (white.CreateSolidFill(MakeArgb(kWhite, 255)))
    g.FillEllipse(white, well.X, well.Y, well.Width, well.Height);
  graphics::LineBrush shade;
  if (shade.CreateLineBrush(PointF(x + 3, y0), PointF(x + 10, y0 + 10), MakeArgb(kBlack, 100),
                            MakeArgb(kBlack, 0)))
    g.FillEllipse(shade, well.X, well.Y, well.Width, well.Height);

  if (look.state & kStateHot) {
    graphics::LineBrush lit;
    if (lit.CreateLineBrush(PointF(x + 3, y0), PointF(x + 11, y0 + 11), MakeArgb(look.accent, 100),
                            MakeArgb(kBlack, 0)))
      g.FillEllipse(lit, well.X, well.Y, well.Width, well.Height);
    for (float width : {1.0f, 2.0f}) {
      graphics::Pen glow;
      if (glow.CreatePen1(MakeArgb(kGlowColour, 30), width))
        g.DrawEllipse(glow, well.X, well.Y, well.Width, well.Height);
    }
  }

  if (look.checked) {
    const graphics::RectF dot(x + 5, ringTop + 3, 6, 6);
    graphics::Pen edge;
    if (edge.CreatePen1(MakeArgb(kBlack, 200), 1.0f))
      g.DrawEllipse(edge, dot.X, dot.Y, dot.Width, dot.Height);
    graphics::Path round;
    round.CreatePath();
    round.AddPathEllipse(dot.X, dot.Y, dot.Width, dot.Height);
    graphics::PathGradient centre;
    if (centre.CreatePathGradientFromPath(round) &&
        centre.SetPathGradientCenterColor(MakeArgb(kWhite, 100)) &&
        centre.SetPathGradientSurroundColorsWithCount({MakeArgb(kTeal, 255)}))
      g.FillEllipse(centre, dot.X, dot.Y, dot.Width, dot.Height);
  }

  DrawCaption(g, look, graphics::RectF(x + 18, 2, b.w, h), TextAlign::Near);
}

void DrawCheckBoxLook(graphics::Graphics& g, const ButtonLook& look, const LookBox& b) {
  const int top = b.y + (b.h - 13) / 2;
  auto drawBox = [&](SkinImage which) { DrawPicture(g, DecodedSkinImage(which), b.x, top); };
  drawBox(SkinImage::CheckOff);
  if (look.checked) drawBox(SkinImage::CheckOn);

  if (look.state & kStateHot) {
    const float from = static_cast<float>(b.y + (b.h - 12) / 2 + 1);
    graphics::LineBrush lit;
    if (lit.CreateLineBrush(PointF(b.x + 3, from), PointF(b.x + 11, from + 11),
                            MakeArgb(look.accent, 100), MakeArgb(kBlack, 0)))
      g.FillRectangleI(lit, b.x, top, 13, 13);
    for (float width : {1.0f, 2.0f}) {
      graphics::Pen glow;
      if (glow.CreatePen1(MakeArgb(kGlowColour, 30), width))
        g.DrawRectangleI(glow, b.x, top, 13, 13);
    }
  }

  DrawCaption(g, look, graphics::RectF(b.x + 17, 2, b.w - 19, b.h), TextAlign::Near);
}

}  // namespace skin
