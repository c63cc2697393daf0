#include "skin/controls/containers/container_looks.h"

#include "graphics/solid_fill.h"
#include "platform/handles.h"
#include "skin/drawing/control_font.h"
#include "skin/drawing/shape_painting.h"

namespace skin {
namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

// The caption's font, with the size it is really drawn at (the default GUI
// font's when the container has no font of its own).
bool CaptionFont(const GroupBoxCaption& c, graphics::Font& font, float& size) {
  if (!CreateCaptionFont(font, c.fontName, c.fontSize, c.fontStyle)) return false;
  size =
      c.fontSize > 0 && !c.fontName.empty() ? static_cast<float>(c.fontSize) : font.GetFontSize();
  return true;
}

}  // namespace

void DrawGroupBoxFrame(graphics::Graphics& g, int width, int height) {
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  Outline(g, RoundRectShape(0, 5, w - 1, h - 6, 5), MakeArgb(kBlack, 40));
  Outline(g, RoundRectShape(1, 6, w - 3, h - 8, 3), MakeArgb(kWhite, 90));
}

void DrawContainerBorder(graphics::Graphics& g, int width, int height) {
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  Outline(g, RoundRectShape(0, 0, w - 1, h - 1, 5), MakeArgb(kBlack, 40));
  Outline(g, RoundRectShape(1, 1, w - 3, h - 3, 3), MakeArgb(kWhite, 100));
}

int MeasureCaption(const GroupBoxCaption& c) {
  graphics::Font font;
  float size = 0;
  if (c.text.empty() || !CaptionFont(c, font, size)) return 1;
  platform::UniqueMemoryDC memory(::CreateCompatibleDC(nullptr));
  graphics::Graphics g;
  if (!memory || !g.CreateFromHDC(memory.get())) return 1;
  const graphics::TextMeasure m =
      g.MeasureString(c.text, font, graphics::RectF(0, 0, 0, 0), nullptr);
  return static_cast<int>(m.bounds.Width) + 1;
}

graphics::RectF PlaceCaption(const GroupBoxCaption& c, int width, int captionWidth) {
  graphics::Font font;
  float size = static_cast<float>(c.fontSize);
  if (c.fontName.empty() || c.fontSize <= 0) CaptionFont(c, font, size);
  const float tw = static_cast<float>(captionWidth), w = static_cast<float>(width);
  float left;
  if ((c.style & BS_CENTER) == BS_CENTER)
    left = (w - tw) / 2;
  else if (c.style & BS_LEFT)
    left = 10;
  else
    left = w - tw - 10;
  return graphics::RectF(left, 1, tw, size + 3);
}

void DrawCaptionText(graphics::Graphics& g, const GroupBoxCaption& c,
                     const graphics::RectF& place) {
  graphics::Font font;
  float size = 0;
  if (c.text.empty() || !CaptionFont(c, font, size)) return;
  graphics::StringFormat format;
  graphics::SolidFill ink;
  if (!format.CreateStringFormat(0) || !ink.CreateSolidFill(MakeArgb(c.textColour))) return;
  format.SetStringFormatAlign(Gdiplus::StringAlignmentCenter);
  g.DrawString(c.text, font, place, &format, ink);
}

}  // namespace skin
