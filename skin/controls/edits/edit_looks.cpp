#include "skin/controls/edits/edit_looks.h"

#include "graphics/font.h"
#include "graphics/pen.h"
#include "graphics/solid_fill.h"
#include "graphics/string_format.h"
#include "skin/drawing/decoded_pictures.h"
#include "skin/drawing/shape_painting.h"

namespace skin {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;
constexpr char kComboFace[] = "宋体";
constexpr float kComboTextSize = 12;

using graphics::PointF;

// The veil every edit and combo face starts from.
void FillFace(graphics::Graphics& g, int width, int height, bool translucent, int translucency) {
  graphics::SolidFill face;
  if (face.CreateSolidFill(MakeArgb(kWhite, translucent ? translucency : 255)))
    g.FillRectangleI(face, 0, 0, width, height);
}

void DrawRect(graphics::Graphics& g, Gdiplus::ARGB colour, float width, int x, int y, int w,
              int h) {
  graphics::Pen pen;
  if (pen.CreatePen1(colour, width)) g.DrawRectangleI(pen, x, y, w, h);
}

void DrawDropButton(graphics::Graphics& g, const ComboLook& look) {
  const int b = DropButtonWidth(look.type);
  const int bx = look.width - b - 2, bh = look.height - 4;
  const float x = static_cast<float>(bx);
  Outline(g, RoundRectShape(x, 2, b - 1, bh - 1, 4),
          look.hot ? MakeArgb(look.accent, 200) : MakeArgb(kBlack, 80));
  const Gdiplus::ARGB top = look.hot ? MakeArgb(kWhite, 100) : MakeArgb(look.accent, 30);
  const Gdiplus::ARGB bottom = look.hot ? MakeArgb(look.accent, 150) : MakeArgb(look.accent, 100);
  FillGradient(g, RoundRectShape(x + 1, 3, b - 2, bh - 2, 1), PointF(x + 1, 2),
               PointF(x + 1, 2.0f + bh - 2), top, bottom);
  DrawPicture(g, DecodedSkinImage(SkinImage::ArrowDown), bx + (b - 7) / 2, 2 + (bh - 4) / 2);
}

void DrawListText(graphics::Graphics& g, const ComboLook& look) {
  if (look.text.empty()) return;
  graphics::Font font;
  if (!font.CreateFont(std::string(kComboFace), kComboTextSize, Gdiplus::FontStyleRegular,
                       Gdiplus::UnitWorld))
    return;
  graphics::SolidFill ink;
  if (!ink.CreateSolidFill(MakeArgb(look.textColour, 255))) return;
  const graphics::RectF layout(2, static_cast<float>((look.height - 12) / 2),
                               static_cast<float>(look.width - 17),
                               static_cast<float>(look.height - 4));
  g.DrawString(look.text, font, layout, nullptr, ink);
}

}  // namespace

void DrawEditFrameLook(graphics::Graphics& g, const EditFrameLook& look) {
  const RECT& in = look.inner;
  g.SetClipRectI(0, 0, look.width, look.height);
  g.SetClipRectI(in.left, in.top, in.right - in.left, in.bottom - in.top, Gdiplus::CombineModeXor);
  FillFace(g, look.width, look.height, look.translucent, look.translucency);
  if (look.skinned) {
    if (look.hot)
      DrawRect(g, MakeArgb(look.accent, 180), 2, 1, 1, look.width - 2, look.height - 2);
    else if (look.focused)
      DrawRect(g, MakeArgb(look.accent, 180), 1, 0, 0, look.width - 1, look.height - 1);
    else
      DrawRect(g, MakeArgb(kBlack, 80), 1, 0, 0, look.width - 1, look.height - 1);
  }
  g.ResetClip();
}

int DropButtonWidth(int type) { return type == 3 ? 17 : 18; }

void DrawComboLook(graphics::Graphics& g, const ComboLook& look) {
  FillFace(g, look.width, look.height, look.translucent, look.translucency);
  for (const RECT& r : look.keyed) {
    g.SetClipRectI(r.left, r.top, r.right - r.left, r.bottom - r.top);
    g.GraphicsClear(MakeArgb(0xFF00FF, 255));
    g.ResetClip();
  }
  DrawRect(g, look.hot || look.focused ? MakeArgb(look.accent, 200) : MakeArgb(kBlack, 80), 1, 0, 0,
           look.width - 1, look.height - 1);
  if (look.type & 0x2) DrawDropButton(g, look);
  if (look.type == 3) DrawListText(g, look);
}

}  // namespace skin
