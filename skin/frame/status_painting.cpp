// Drawing one status panel from its look: the light gradient, the picture
// and the text, plain or glowing.
#include <windows.h>

#include "graphics/font.h"
#include "graphics/graphics.h"
#include "graphics/line_brush.h"
#include "graphics/solid_fill.h"
#include "graphics/string_format.h"
#include "skin/drawing/decoded_pictures.h"
#include "skin/frame/status_bar.h"

namespace skin {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr int kGradientTopAlpha = 60, kGradientBottomAlpha = 10;
constexpr int kNominalTextHeight = 12;  // the text is centred as if this tall
constexpr float kGlowScale = 4.0f;

}  // namespace

void DrawStatusPanel(graphics::Graphics& g, const StatusPanelLook& look) {
  const RECT& c = look.clip;
  if (c.right <= c.left || c.bottom <= c.top) return;
  const int x = look.box.x, y = look.box.y, w = look.box.width, h = look.box.height;

  Gdiplus::GraphicsState state = 0;
  const bool saved = g.SaveGraphics(state);
  // Text and glow reach past the panel's rectangle; a panel never paints on
  // its neighbours, which are redrawn on their own.
  g.SetClipRectI(c.left, c.top, c.right - c.left, c.bottom - c.top, Gdiplus::CombineModeIntersect);

  graphics::LineBrush gradient;
  if (gradient.CreateLineBrush(
          Gdiplus::PointF(float(x), float(y)), Gdiplus::PointF(float(x), float(y + h)),
          MakeArgb(kWhite, kGradientTopAlpha), MakeArgb(kWhite, kGradientBottomAlpha)))
    g.FillRectangleI(gradient, x, y, w, h);

  Gdiplus::RectF textBox(float(x + 3), float(y + (h - kNominalTextHeight) / 2), float(w), float(h));
  if (const auto picture = DecodedPictureOf(look.image)) {
    const int iw = picture->width, ih = picture->height;
    DrawPicture(g, *picture, x + 2, y + (h - ih) / 2);
    textBox = Gdiplus::RectF(float(x + iw + 3), float(y + (h - kNominalTextHeight) / 2),
                             float(w - iw - 3), float(h));
  }

  // A picture as wide as the panel leaves no room for text.
  if (!look.text.empty() && textBox.Width > 0) {
    const float size = static_cast<float>(look.fontSize > 0 ? look.fontSize : 12);
    if (look.glow) {
      DrawGlowText(g, look.text, textBox, look.glowTextColour, look.glowColour, kGlowScale,
                   look.fontName, Gdiplus::FontStyleRegular, size);
    } else {
      graphics::Font font;
      graphics::StringFormat format;
      graphics::SolidFill ink;
      format.CreateStringFormat();
      format.SetStringFormatAlign(Gdiplus::StringAlignmentNear);
      ink.CreateSolidFill(MakeArgb(look.textColour));
      if (CreateStatusFont(font, look.fontName, size, Gdiplus::FontStyleRegular))
        g.DrawString(look.text, font, textBox, &format, ink);
    }
  }
  if (saved) g.RestoreGraphics(state);
}

}  // namespace skin
