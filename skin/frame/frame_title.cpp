// The caption's icon and title, drawn into the frame by a render or on their
// own when the title changes.
#include <windows.h>

#include <algorithm>

#include "graphics/font.h"
#include "graphics/font_family.h"
#include "graphics/graphics.h"
#include "graphics/solid_fill.h"
#include "platform/handles.h"
#include "skin/drawing/colours.h"
#include "skin/engine/module_state.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "skin/frame/adopted_frame.h"
#include "skin/frame/frame_space.h"

namespace skin {
namespace {

constexpr char kDefaultTitleFont[] = "宋体";
constexpr float kDefaultTitleSize = 13.0f;
constexpr int kIconLeft = 9, kIconTop = 5, kIconSize = 17;
constexpr int kTitleLeft = 29, kTitleTop = 8, kTitleHeight = 32;

int TitleBoxWidth(const SkinnedWindow& w, int clientWidth, int margin) {
  return clientWidth - w.ButtonsWidth - 10 - 2 * margin;
}

bool CreateTitleFont(graphics::Font& font, const SkinnedWindow& w) {
  const std::string name = w.TitleFontName.empty() ? kDefaultTitleFont : w.TitleFontName;
  const float size = w.TitleFontSize > 0 ? static_cast<float>(w.TitleFontSize) : kDefaultTitleSize;
  const int style = w.TitleFontStyle != 0 ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
  if (font.CreateFont(name, size, style, Gdiplus::UnitWorld)) return true;
  // A family that is not installed: the generic face still shows the title.
  graphics::FontFamily fallback;
  return fallback.GetGenericFontFamilySansSerif() &&
         font.CreateFont(fallback, size, style, Gdiplus::UnitWorld);
}

}  // namespace

void SkinEngine::RestoreFromCaptionCache(int i, const RECT& rect) {
  const SkinnedWindow* w = WindowRecord(i);
  if (!w || !w->FrameDC || !w->CaptionCacheDC) return;
  // Only what the cache holds: the caption strip of the last render.
  BITMAP cache{};
  ::GetObjectA(w->CaptionCacheDC.bitmap(), sizeof cache, &cache);
  RECT r;
  const RECT bounds{0, 0, cache.bmWidth, cache.bmHeight};
  if (!::IntersectRect(&r, &rect, &bounds)) return;
  ::BitBlt(w->FrameDC.get(), r.left, r.top, r.right - r.left, r.bottom - r.top,
           w->CaptionCacheDC.dc(), r.left, r.top, SRCCOPY);
}

void SkinEngine::DrawTitle(int i, graphics::Graphics* into, std::optional<std::string> text) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w || !w->FrameDC) return;
  HWND window = w->Hwnd;
  HDC frameDC = w->FrameDC.get();
  const int boxWidth = TitleBoxWidth(*w, FrameSize(*w).cx, FrameMargin);
  // Icon, text box and its one-pixel halo, kept left of the caption-button
  // strip (the text box alone would reach into it).
  const RECT area{kIconLeft, kIconTop, std::min(kTitleLeft + boxWidth + 1, w->ButtonsLeft),
                  kTitleTop + kTitleHeight + 1};
  if (area.right <= area.left) return;

  graphics::Graphics own;
  graphics::Graphics* g = into;
  if (!into) {
    own.CreateFromHDC(frameDC);
    g = &own;
    RestoreFromCaptionCache(i, area);
  }
  g->Flush(Gdiplus::FlushIntentionSync);
  // An adopted window keeps the icon of its own caption.
  if (HICON icon = w->Adopted.on ? OwnIcon(window) : ModuleIcon) {
    const int saved = ::SaveDC(frameDC);
    ::IntersectClipRect(frameDC, area.left, area.top, area.right, area.bottom);
    ::DrawIconEx(frameDC, kIconLeft, kIconTop, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    ::RestoreDC(frameDC, saved);
  }

  if (!text) {
    const int length = ::GetWindowTextLengthA(window);
    std::string current(static_cast<size_t>(length) + 1, '\0');
    current.resize(static_cast<size_t>(::GetWindowTextA(window, current.data(), length + 1)));
    text = std::move(current);
  }
  graphics::Font font;
  if (!text->empty() && CreateTitleFont(font, *w)) {
    Gdiplus::GraphicsState state = 0;
    const bool saved = g->SaveGraphics(state);
    g->SetClipRectI(area.left, area.top, area.right - area.left, area.bottom - area.top,
                    Gdiplus::CombineModeIntersect);
    const Gdiplus::RectF box(kTitleLeft, kTitleTop, static_cast<float>(boxWidth), kTitleHeight);
    graphics::SolidFill shadow, ink;
    shadow.CreateSolidFill(MakeArgb(w->TitleShadowColour, 150));
    ink.CreateSolidFill(MakeArgb(w->TitleColour));
    const Gdiplus::PointF halo[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const Gdiplus::PointF& d : halo) {
      const Gdiplus::RectF moved(box.X + d.X, box.Y + d.Y, box.Width, box.Height);
      g->DrawString(*text, font, moved, nullptr, shadow);
    }
    g->DrawString(*text, font, box, nullptr, ink);
    if (saved) g->RestoreGraphics(state);
  }
  g->Flush(Gdiplus::FlushIntentionSync);

  if (!into) {
    platform::WindowDC screen = FrameScreenDC(*w, true);
    ::BitBlt(screen.get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
             frameDC, area.left, area.top, SRCCOPY);
  }
}

}  // namespace skin
