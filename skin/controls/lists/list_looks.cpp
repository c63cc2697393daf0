#include "skin/controls/lists/list_looks.h"

#include <windows.h>
#include <commctrl.h>

#include "graphics/line_brush.h"
#include "graphics/pen.h"
#include "graphics/solid_fill.h"
#include "graphics/string_format.h"
#include "skin/drawing/control_font.h"

namespace skin {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

void FillVertical(graphics::Graphics& g, float w, float h, Gdiplus::ARGB top,
                  Gdiplus::ARGB bottom) {
  graphics::LineBrush brush;
  if (brush.CreateLineBrush(graphics::PointF(0, 0), graphics::PointF(0, h), top, bottom))
    g.FillRectangle(brush, 0, 0, w, h);
}

void FillFlat(graphics::Graphics& g, float w, float h, Gdiplus::ARGB colour) {
  graphics::SolidFill brush;
  if (brush.CreateSolidFill(colour)) g.FillRectangle(brush, 0, 0, w, h);
}

void DrawDivider(graphics::Graphics& g, float w, float h) {
  graphics::LineBrush shade;
  graphics::Pen pen;
  if (shade.CreateLineBrush(graphics::PointF(0, 0), graphics::PointF(0, h), MakeArgb(kBlack, 60),
                            MakeArgb(kWhite, 50)) &&
      pen.CreatePen2(shade, 1.0f))
    g.DrawLine(pen, w - 1, 0, w - 1, h);
}

// The caption's width as a group box measures its own (MeasureCaption),
// measured on the item's own graphics with the font the caption is drawn in.
int CaptionWidth(graphics::Graphics& g, const HeaderItemLook& look, const graphics::Font* font) {
  if (look.text.empty() || !font) return 1;
  const graphics::TextMeasure m =
      g.MeasureString(look.text, *font, graphics::RectF(0, 0, 0, 0), nullptr);
  return static_cast<int>(m.bounds.Width) + 1;
}

void DrawCaption(graphics::Graphics& g, const HeaderItemLook& look, const graphics::Font* font,
                 int x, int iconWidth) {
  if (look.text.empty() || !font) return;
  graphics::StringFormat format;
  graphics::SolidFill ink;
  if (!format.CreateStringFormat(0) || !ink.CreateSolidFill(MakeArgb(kBlack, 255))) return;
  format.SetStringFormatTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  const graphics::RectF place(static_cast<float>(x + iconWidth), 0,
                              static_cast<float>(look.width - iconWidth - 2 * look.margin),
                              static_cast<float>(look.height));
  g.DrawString(look.text, *font, place, &format, ink);
}

}  // namespace

void DrawListFrameLook(graphics::Graphics& g, const ListFrameLook& look) {
  const Gdiplus::ARGB key = MakeArgb(kListColourKey, 255);
  if (!look.drawn) {
    g.GraphicsClear(key);
    return;
  }
  const float w = static_cast<float>(look.width), h = static_cast<float>(look.height);
  const RECT& in = look.inner;
  const int innerW = in.right - in.left, innerH = in.bottom - in.top;
  g.SetClipRectI(0, 0, look.width, look.height);
  g.SetClipRectI(in.left, in.top, innerW, innerH, Gdiplus::CombineModeXor);
  if (look.translucent)
    FillFlat(g, w, h, MakeArgb(kWhite, look.translucency));
  else
    g.GraphicsClear(MakeArgb(kWhite, 255));
  g.ResetClip();
  g.SetClipRectI(in.left, in.top, innerW, innerH);
  g.GraphicsClear(key);
  g.ResetClip();

  graphics::Pen pen;
  if (look.hot) {
    if (pen.CreatePen1(MakeArgb(look.accent, 200), 2.0f)) g.DrawRectangle(pen, 1, 1, w - 2, h - 2);
  } else if (look.focused) {
    if (pen.CreatePen1(MakeArgb(look.accent, 200), 1.0f)) g.DrawRectangle(pen, 0, 0, w - 1, h - 1);
  } else if (pen.CreatePen1(MakeArgb(kBlack, 90), 1.0f)) {
    g.DrawRectangle(pen, 0, 0, w - 1, h - 1);
  }
}

int HeaderImageX(const HeaderItemLook& look, int iw, int tw) {
  const int m = look.margin, w = look.width;
  if (look.format & HDF_RIGHT) return iw + m + tw >= w ? m : w - iw - tw;
  if (look.format & HDF_CENTER)
    return iw + m + tw >= w ? m : static_cast<int>((w - iw - m - tw) / 2.0);
  return m;
}

void DrawHeaderItemLook(graphics::Graphics& g, const HeaderItemLook& look) {
  const float w = static_cast<float>(look.width), h = static_cast<float>(look.height);
  FillFlat(g, w, h, look.translucent ? MakeArgb(kWhite, look.translucency) : MakeArgb(kWhite, 255));
  if (look.buttons)
    FillVertical(g, w, h, MakeArgb(kWhite, 80), MakeArgb(look.accent, 120));
  else
    FillVertical(g, w, h, MakeArgb(look.accent, 60), MakeArgb(look.accent, 10));
  if (look.hot && look.buttons)
    FillVertical(g, w, h, MakeArgb(look.accent, 60), MakeArgb(kBlack, 30));
  else if (look.pressed && look.buttons)
    FillVertical(g, w, h, MakeArgb(kBlack, 30), MakeArgb(kWhite, 120));
  DrawDivider(g, w, h);

  int iw = 0, ih = 0;
  if (look.icon) {
    iw = static_cast<int>(look.icon->GetImageWidth());
    ih = static_cast<int>(look.icon->GetImageHeight());
  }
  // One font measures and draws the caption.
  graphics::Font font;
  const bool haveFont =
      !look.text.empty() && CreateCaptionFont(font, look.fontName, look.fontSize, look.fontStyle);
  const graphics::Font* caption = haveFont ? &font : nullptr;
  const int x = HeaderImageX(look, iw, CaptionWidth(g, look, caption));
  if (look.icon) g.DrawImageRectRectI(*look.icon, x, (look.height - ih) / 2, iw, ih);
  DrawCaption(g, look, caption, x, iw);
}

}  // namespace skin
