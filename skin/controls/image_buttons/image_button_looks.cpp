#include "skin/controls/image_buttons/image_button_looks.h"

#include "graphics/image.h"
#include "graphics/line_brush.h"
#include "graphics/pen.h"
#include "graphics/solid_fill.h"
#include "skin/controls/buttons/buttons.h"
#include "skin/drawing/control_font.h"
#include "skin/drawing/shape_painting.h"

namespace skin {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;
constexpr Colour kGrey = 0x808080;

using graphics::PointF;

// Images that fail to load draw nothing; the rest of the look still shows.
void DrawImageAt(graphics::Graphics& g, const std::vector<uint8_t>& bytes, float x, float y,
                 float w, float h) {
  graphics::Image image;
  if (!bytes.empty() && image.LoadImageFromStream(bytes)) g.DrawImageRectRect(image, x, y, w, h);
}

void DrawHighlight(graphics::Graphics& g, const ImageButtonLook& look, const LookBox& b) {
  const float x = b.x, y = b.y, w = b.w, h = b.h;
  const UINT state = look.text.state;
  if (state & kStateHot) {
    FillGradient(g, RoundRectShape(x + 2, y + 1, w - 5, h - 4, 2), PointF(x + 1, y + 1),
                 PointF(x + 1, y + h - 4), MakeArgb(kWhite, 50), MakeArgb(kWhite, 40));
    // A bright line along the bottom, brightest in the middle.
    graphics::LineBrush shine;
    graphics::Pen line;
    if (shine.CreateLineBrush(PointF(x + 1, y + 1), PointF(w - 1, y + 1), MakeArgb(kWhite, 10),
                              MakeArgb(kWhite, 255)) &&
        shine.SetLineLinearBlend(0.5f, 0.8f) && line.CreatePen2(shine, 2.0f))
      g.DrawLine(line, x + 1, h - 4, w - 1, h - 4);
  }
  if (state & (kStateHot | kStateFocused)) {
    FillGradient(g, RoundRectShape(x + 2, y + 2, w - 5, h - 5, 2), PointF(2, 3), PointF(2, h),
                 MakeArgb(kWhite, 60), MakeArgb(kWhite, 50));
    Outline(g, RoundRectShape(x, y, w - 2, h - 2, 5), MakeArgb(kBlack, 60));
    Outline(g, RoundRectShape(x + 1, y + 1, w - 4, h - 4, 5), MakeArgb(kWhite, 120));
  }
}

void DrawText(graphics::Graphics& g, const ButtonLook& text, const graphics::RectF& layout,
              Gdiplus::StringAlignment align, Gdiplus::StringAlignment lineAlign, bool ellipsis) {
  if (text.caption.empty()) return;
  graphics::Font font;
  if (!CreateCaptionFont(font, text.fontName, text.fontSize, text.fontStyle)) return;
  graphics::StringFormat format;
  format.CreateStringFormat(0);
  format.SetStringFormatAlign(align);
  format.SetStringFormatLineAlign(lineAlign);
  if (ellipsis) format.SetStringFormatTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  format.SetStringFormatHotkeyPrefix(Gdiplus::HotkeyPrefixHide);  // "&O": an access key
  graphics::SolidFill ink;
  ink.CreateSolidFill(MakeArgb(text.textColour, 255));
  g.DrawString(text.caption, font, layout, &format, ink);
}

}  // namespace

void DrawImageButtonLook(graphics::Graphics& g, const ImageButtonLook& look, const LookBox& b) {
  const int w = b.w, h = b.h, cw = look.clientWidth, ch = look.clientHeight;
  if (look.text.state & kStateDisabled)
    FillGradient(g, RoundRectShape(b.x + 2, b.y + 2, w - 6, h - 6, 5), PointF(1, 1), PointF(1, h),
                 MakeArgb(kGrey, 50), MakeArgb(kWhite, 0));
  else
    DrawHighlight(g, look, b);

  using Gdiplus::StringAlignmentCenter;
  using Gdiplus::StringAlignmentNear;
  const bool hasImage = !look.image.empty();
  if (look.beside) {
    if (!hasImage) {
      DrawText(g, look.text, graphics::RectF(0, 0, w, h), StringAlignmentCenter,
               StringAlignmentCenter, false);
      return;
    }
    const int s = static_cast<int>(ch * 0.8);
    if (!look.text.caption.empty())
      DrawImageAt(g, look.image, 3, (h - s) / 2, s, s);
    else
      DrawImageAt(g, look.image, (w - s) / 2, (h - s) / 2, s, s);
    DrawText(g, look.text, graphics::RectF(s + 5, 2, cw - s - 7, ch), StringAlignmentNear,
             StringAlignmentCenter, false);
  } else {
    const int s = static_cast<int>((h - look.text.fontSize - 2) * 0.8);
    const float top = h * 0.05f;
    if (hasImage) DrawImageAt(g, look.image, (w - s) / 2, top, s, s);
    DrawText(g, look.text, graphics::RectF(0, s + top + 2, w, h - s), StringAlignmentCenter,
             StringAlignmentNear, true);
  }
}

void DrawStateImageLook(graphics::Graphics& g, const StateImageLook& look) {
  graphics::Image normal;
  float iw = 0, ih = 0;
  if (!look.normal.empty() && normal.LoadImageFromStream(look.normal)) {
    iw = static_cast<float>(normal.GetImageWidth());
    ih = static_cast<float>(normal.GetImageHeight());
  }
  auto drawOwn = [&](const std::vector<uint8_t>& bytes) {
    graphics::Image image;
    if (image.LoadImageFromStream(bytes))
      g.DrawImageRectRect(image, 2, 2, static_cast<float>(image.GetImageWidth()),
                          static_cast<float>(image.GetImageHeight()));
  };
  auto drawNormal = [&] {
    if (normal.GetNative()) g.DrawImageRectRect(normal, 2, 2, iw, ih);
  };
  auto framed = [&](float grow, int corner, Gdiplus::ARGB edge, Gdiplus::ARGB top,
                    Gdiplus::ARGB bottom) {
    const graphics::Path frame = RoundRectShape(0, 0, iw + grow, ih + grow, corner);
    Outline(g, frame, edge);
    FillGradient(g, frame, PointF(0, 0), PointF(0, ih + grow), top, bottom);
    drawNormal();
  };

  if (look.state & kStateDisabled) {
    if (!look.disabled.empty()) return drawOwn(look.disabled);
    return framed(2, 5, MakeArgb(kBlack, 80), MakeArgb(kWhite, 60), MakeArgb(kBlack, 100));
  }
  if (look.state & kStateHot) {
    if (!look.hot.empty()) return drawOwn(look.hot);
    return framed(3, 3, MakeArgb(look.accent, 250), MakeArgb(kWhite, 120),
                  MakeArgb(look.accent, 100));
  }
  if (look.state & kStatePressed) {
    if (!look.pressed.empty()) return drawOwn(look.pressed);
    return framed(3, 3, MakeArgb(look.accent, 250), MakeArgb(kBlack, 60), MakeArgb(kWhite, 100));
  }
  drawNormal();
}

}  // namespace skin
