// The status strip's engine operations: redrawing a panel over the clean
// strip, changing a panel's text and the strip's text style.
#include <windows.h>

#include "graphics/graphics.h"
#include "platform/handles.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/module_state.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "skin/frame/frame_space.h"
#include "skin/frame/status_bar.h"

namespace skin {
namespace {

StatusPanelLook LookOf(const SkinnedWindow& w, int k, Colour themeColour) {
  const StatusPanel& panel = w.StatusPanels.at(k);
  StatusPanelLook look;
  look.box = w.StatusPanelRects.at(k);
  look.clip = VisiblePanelPart(look.box, w.StatusRect);
  look.text = panel.text;
  look.image = panel.image;
  look.textColour = w.StatusThemeText ? (~themeColour & 0xFFFFFF) : panel.colour;
  look.glow = w.StatusGlow;
  look.glowTextColour = w.StatusTextColour;
  look.glowColour = w.StatusGlowColour;
  look.fontName = w.StatusFontName;
  look.fontSize = w.StatusFontSize;
  return look;
}

}  // namespace

void SkinEngine::RestoreFromStatusCache(int i, const RECT& rect) {
  const SkinnedWindow* w = WindowRecord(i);
  if (!w || !w->FrameDC || !w->StatusCacheDC) return;
  // Only what the cache holds: the strip as the last render left it.
  BITMAP cache{};
  ::GetObjectA(w->StatusCacheDC.bitmap(), sizeof cache, &cache);
  const int ox = w->StatusRect.x, oy = w->StatusRect.y;
  const RECT bounds{ox, oy, ox + cache.bmWidth, oy + cache.bmHeight};
  RECT r;
  if (!::IntersectRect(&r, &rect, &bounds)) return;
  ::BitBlt(w->FrameDC.get(), r.left, r.top, r.right - r.left, r.bottom - r.top,
           w->StatusCacheDC.dc(), r.left - ox, r.top - oy, SRCCOPY);
}

void SkinEngine::DrawStatusBar(int i, graphics::Graphics* into, std::optional<int> panel) {
  SkinnedWindow* w = WindowRecord(i);
  const int k = panel.value_or(1);
  if (!w || w->StatusHeight <= 0 || !w->StatusPanels.valid(k) || !w->StatusPanelRects.valid(k))
    return;
  const StatusPanelLook look = LookOf(*w, k, Module.ThemeColour);
  const RECT& shown = look.clip;
  if (shown.right <= shown.left || shown.bottom <= shown.top) return;  // beyond the strip
  if (into) {
    DrawStatusPanel(*into, look);
    return;
  }
  // Not rendered yet: the first render draws every panel.
  if (!w->FrameDC) return;
  RestoreFromStatusCache(i, shown);
  {
    graphics::Graphics g;
    if (!g.CreateFromHDC(w->FrameDC.get())) return;
    DrawStatusPanel(g, look);
    g.Flush(Gdiplus::FlushIntentionSync);
  }
  platform::WindowDC screen = FrameScreenDC(*w, true);
  ::BitBlt(screen.get(), shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top,
           w->FrameDC.get(), shown.left, shown.top, SRCCOPY);
}

bool SkinEngine::SetStatusPanelText(HWND window, int panel, const std::string& text,
                                    std::optional<Bytes> image, std::optional<Colour> colour) {
  const int i = FindSkinnedWindow(window);
  SkinnedWindow* w = WindowRecord(i);
  if (!w) return false;
  StatusPanel* p = w->StatusPanels.find(panel);
  if (!p) return false;
  p->text = text;
  if (image) p->image = std::move(*image);
  if (colour) p->colour = *colour;
  DrawStatusBar(i, nullptr, panel);
  return true;
}

bool SkinEngine::SetStatusStyle(HWND window, std::optional<bool> themeText,
                                std::optional<bool> glow, std::optional<Colour> textColour,
                                std::optional<Colour> glowColour,
                                std::optional<std::string> fontName, std::optional<int> fontSize) {
  SkinnedWindow* w = WindowRecord(WindowNumberOf(window));
  // A skinned container's index is no window number.
  if (!w || w->Hwnd != window) return false;
  w->StatusThemeText = themeText.value_or(true);
  w->StatusGlow = glow.value_or(false);
  w->StatusTextColour = textColour.value_or(0x000000);
  w->StatusGlowColour = glowColour.value_or(0xFFFFFF);
  if (fontName) w->StatusFontName = *fontName;
  if (fontSize) w->StatusFontSize = *fontSize;
  return true;
}

}  // namespace skin
