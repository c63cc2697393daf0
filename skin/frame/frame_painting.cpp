// Rendering the frame of a skinned window into its FrameDC and showing it.
#include <windows.h>

#include <algorithm>

#include "graphics/bitmap.h"
#include "graphics/font.h"
#include "graphics/graphics.h"
#include "graphics/image.h"
#include "graphics/line_brush.h"
#include "graphics/pen.h"
#include "graphics/solid_fill.h"
#include "platform/handles.h"
#include "skin/drawing/background_capture.h"
#include "skin/drawing/colours.h"
#include "skin/drawing/round_rect_path.h"
#include "skin/engine/child_families.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "skin/frame/adopted_frame.h"
#include "skin/frame/frame_layer_ops.h"
#include "skin/frame/frame_space.h"
#include "skin/frame/render_profile.h"

namespace skin {
namespace {

constexpr Gdiplus::ARGB kOpaqueMagenta = 0xFFFF00FF;
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr char kDefaultTitleFont[] = "宋体";
constexpr float kDefaultTitleSize = 13.0f;
constexpr int kIconLeft = 9, kIconTop = 5, kIconSize = 17;
constexpr int kTitleLeft = 29, kTitleTop = 8, kTitleHeight = 32;

// The window region of a frame of that client size.
HRGN RoundRegion(SIZE size) { return ::CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, 5, 5); }

// The window's region as data, empty when it has none.
std::vector<uint8_t> WindowRegionData(HWND window) {
  platform::UniqueRegion current(::CreateRectRgn(0, 0, 0, 0));
  if (!current || ::GetWindowRgn(window, current.get()) == ERROR) return {};
  const DWORD size = ::GetRegionData(current.get(), 0, nullptr);
  std::vector<uint8_t> data(size);
  if (size == 0 ||
      ::GetRegionData(current.get(), size, reinterpret_cast<RGNDATA*>(data.data())) != size)
    return {};
  return data;
}

// True when the window still has the region the last render gave it for
// a frame of `size` (nothing else set one since).
bool HasRoundRegion(HWND window, const FrameLayers& kept, SIZE size) {
  return !kept.region.empty() && kept.regionWidth == size.cx && kept.regionHeight == size.cy &&
         WindowRegionData(window) == kept.region;
}

// A memory DC holding a copy of `source` over (x, y, width, height), with
// that corner at its origin.
platform::MemorySurface CopyOf(HDC source, int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  platform::UniqueBitmap bitmap(::CreateCompatibleBitmap(source, width, height));
  if (!bitmap) return {};
  platform::MemorySurface copy(source, std::move(bitmap));
  ::BitBlt(copy.dc(), 0, 0, width, height, source, x, y, SRCCOPY);
  return copy;
}

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

// Image attributes that mirror a picture beyond its edges (the graphics layer
// has no wrapper for them).
class ImageAttributes {
 public:
  ImageAttributes() {
    if (Gdiplus::DllExports::GdipCreateImageAttributes(&native_) == Gdiplus::Ok)
      Gdiplus::DllExports::GdipSetImageAttributesWrapMode(native_, Gdiplus::WrapModeTileFlipXY, 0,
                                                          FALSE);
  }
  ~ImageAttributes() {
    if (native_) Gdiplus::DllExports::GdipDisposeImageAttributes(native_);
  }
  ImageAttributes(const ImageAttributes&) = delete;
  ImageAttributes& operator=(const ImageAttributes&) = delete;
  Gdiplus::GpImageAttributes* get() const { return native_; }

 private:
  Gdiplus::GpImageAttributes* native_ = nullptr;
};

// Draws the picture into the layer as `mode` places it on a frame of `size`:
// 0 and 4 top left, 1 top right, 2 centred, all at the picture's size in
// pixels (whatever resolution the file records); 3 stretched over the frame.
void PlacePicture(BackgroundLayer& cache, const std::vector<uint8_t>& bytes, int mode, SIZE size) {
  cache.ResetPlacement();
  cache.source = bytes;
  cache.mode = mode;
  cache.width = size.cx;
  cache.height = size.cy;
  if (cache.decodedSource != bytes || !cache.decoded.GetNative()) {
    cache.decoded.DisposeImage();
    cache.decodedSource.clear();
    if (!cache.decoded.LoadImageFromStream(bytes)) return;
    cache.decodedSource = bytes;
  }
  const graphics::Image& picture = cache.decoded;
  if (!cache.layer.CreateBitmap(size.cx, size.cy, PixelFormat32bppPARGB)) return;
  graphics::Graphics g;
  if (!g.GetImageGraphicsContext(cache.layer)) return;
  const int iw = static_cast<int>(picture.GetImageWidth());
  const int ih = static_cast<int>(picture.GetImageHeight());
  switch (mode) {
    case 1: g.DrawImageRectRectI(picture, size.cx - iw, 0, iw, ih); break;
    case 2: g.DrawImageRectRectI(picture, (size.cx - iw) / 2, (size.cy - ih) / 2, iw, ih); break;
    case 3: {
      // Mirrored beyond its edges, a stretched picture keeps its own colours
      // at the frame's edges instead of fading into transparency.
      ImageAttributes mirrored;
      g.DrawImageRectRectI(picture, 0, 0, size.cx, size.cy, 0, 0, iw, ih, Gdiplus::UnitPixel,
                           mirrored.get());
      break;
    }
    default: g.DrawImageRectRectI(picture, 0, 0, iw, ih); break;
  }
}

// The rounded outline of a W x H frame as the clip of `g`: nothing a render
// draws reaches the corners outside the window region.
void ClipToOutline(graphics::Graphics& g, float W, float H, graphics::Path& outline) {
  outline.CreatePath();
  RoundRectPath(outline, 0, 0, W, H, 4);
  g.SetClipPath(outline);
}

// Makes `surface` a copy of (x, y, width, height) of `source`, keeping its
// bitmap when it already has that size.
void KeepCopyOf(platform::MemorySurface& surface, HDC source, int x, int y, int width, int height) {
  BITMAP kept{};
  if (surface && ::GetObjectA(surface.bitmap(), sizeof kept, &kept) && kept.bmWidth == width &&
      kept.bmHeight == height) {
    ::BitBlt(surface.dc(), 0, 0, width, height, source, x, y, SRCCOPY);
    return;
  }
  surface.reset();
  surface = CopyOf(source, x, y, width, height);
}

}  // namespace

void SkinEngine::RenderFrame(int i, std::optional<HDC> dc) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w) return;
  HWND window = w->Hwnd;
  ProfileLap lap;

  // The rounded window region, set afresh for the current size. A window
  // that has that very region already keeps it: setting it again would only
  // reshape the window on the display once more; it is laid out and
  // repainted as the setting would have it.
  const bool regionKept = HasRoundRegion(window, w->Layers, FrameSize(*w));
  if (!regionKept) ::SetWindowRgn(window, nullptr, TRUE);
  ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  w = WindowRecord(i);
  if (!w || w->Hwnd != window) return;
  const SIZE size = FrameSize(*w);
  const int W = size.cx, H = size.cy;
  if (regionKept && HasRoundRegion(window, w->Layers, size)) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  } else {
    platform::UniqueRegion region(RoundRegion(size));
    const bool set = region && ::SetWindowRgn(window, region.get(), TRUE);
    if (set) region.release();  // the system owns it now
    // (Set while the window answered the position messages: it may be gone.)
    w = WindowRecord(i);
    if (!w || w->Hwnd != window) return;
    w->Layers.region = set ? WindowRegionData(window) : std::vector<uint8_t>();
    w->Layers.regionWidth = size.cx;
    w->Layers.regionHeight = size.cy;
  }
  lap.Lap(RenderProfile::kRegion);
  if (W <= 0 || H <= 0) return;

  const bool first = !w->FrameDC;
  if (first) w->FrameDC.reset(::CreateCompatibleDC(nullptr));
  if (!w->FrameDC) return;
  {
    platform::UniqueBitmap frame = NewFrameBitmap(W, H, w->Layers);
    if (!frame) return;
    HGDIOBJ previous = ::SelectObject(w->FrameDC.get(), frame.get());
    if (first) SetHandleProp(window, prop::Ck_Ycjdx, previous);
    w->FrameBitmap = std::move(frame);  // the previous frame bitmap, now deselected, goes
    SetHandleProp(window, prop::Ck_wtjbdx, w->FrameBitmap.get());
  }
  HDC frameDC = w->FrameDC.get();
  DibView view;
  const bool viewed = ViewOf(w->FrameBitmap.get(), view);
  lap.Lap(RenderProfile::kCanvas);

  // An unchanged window is one copy of the frame it showed last; a window
  // whose ground is unchanged starts from a copy of that ground. Anything
  // else is drawn afresh and kept.
  FrameLayers& kept = w->Layers;
  const std::string title = w->ShowCaption && w->ShowTitle ? WindowText(window) : std::string();
  const LayerKey baseKey = BaseKeyOf(*w, size);
  LayerKey finishedKey = baseKey;
  finishedKey.Append(DecorationKeyOf(*w, title, FrameMargin));
  const bool stripsKept =
      (!w->ShowCaption || w->CaptionCacheDC) && (w->StatusHeight <= 0 || w->StatusCacheDC);
  lap.Lap(RenderProfile::kKeys);
  if (viewed && stripsKept && kept.finished.Holds(finishedKey) && kept.base.Holds(baseKey) &&
      LoadPixels(view, kept.finished.pixels)) {
    lap.Lap(RenderProfile::kKept);
  } else {
    graphics::Graphics g;
    g.CreateFromHDC(frameDC);
    const bool groundKept =
        viewed && stripsKept && kept.base.Holds(baseKey) && LoadPixels(view, kept.base.pixels);
    graphics::Path outline;
    if (groundKept) {
      ClipToOutline(g, static_cast<float>(W), static_cast<float>(H), outline);
      lap.Lap(RenderProfile::kKept);
    } else {
      kept.Clear();
      ++kept.generation;
      DrawBackground(g, i);
      g.Flush(Gdiplus::FlushIntentionSync);
      lap.Lap(RenderProfile::kBackground);
      if (w->ShowCaption) DrawFrameBorder(i, g);
      g.Flush(Gdiplus::FlushIntentionSync);
      lap.Lap(RenderProfile::kBorder);

      // Clean copies of the strips, to repaint under buttons, title and panels.
      if (w->ShowCaption) {
        KeepCopyOf(w->CaptionCacheDC, frameDC, 0, 0, W, w->CaptionHeight);
        if (w->CaptionCacheDC) kept.stripWidth = W, kept.stripHeight = w->CaptionHeight;
      }
      if (w->StatusHeight > 0) {
        const IntRect& s = w->StatusRect;
        KeepCopyOf(w->StatusCacheDC, frameDC, s.x, s.y, s.width, s.height);
      }
      if (viewed) {
        SavePixels(view, kept.base.pixels);
        kept.base.key = baseKey;
      }
      lap.Lap(RenderProfile::kStripCopies);
    }

    if (w->ShowCaption) {
      if (w->ShowTitle) DrawTitle(i, &g, title);
      g.Flush(Gdiplus::FlushIntentionSync);
      lap.Lap(RenderProfile::kTitle);
      for (int k = 1; k <= w->CaptionButtons.count(); ++k) DrawCaptionButton(i, k, &g, false);
      g.Flush(Gdiplus::FlushIntentionSync);
      lap.Lap(RenderProfile::kButtons);
    }
    if (w->StatusHeight > 0)
      for (int k = 1; k <= w->StatusPanels.count(); ++k) DrawStatusBar(i, &g, k);
    g.Flush(Gdiplus::FlushIntentionSync);
    if (viewed && kept.base.Holds(baseKey)) {
      SavePixels(view, kept.finished.pixels);
      kept.finished.key = finishedKey;
    }
    lap.Lap(RenderProfile::kStatus);
  }

  if (dc) {
    {
      platform::WindowDC screen = FrameScreenDC(*w, true);
      ::BitBlt(screen.get(), 0, 0, W, H, frameDC, 0, 0, SRCCOPY);
    }
    // An adopted window's client area shows the new frame under its own
    // painting, at its next paint.
    if (w->Adopted.on)
      ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    // Skinned children standing on the window repaint over the new frame.
    if (!Module.FirstSizePending) RefreshChildrenOnFrame(*w);
  }
  lap.Lap(RenderProfile::kCopy);
  if (RenderProfile* profile = ActiveRenderProfile()) ++profile->renders;
  w->Dirty = false;
}

void SkinEngine::PresentFrame(int i, HDC dc) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w || !w->FrameDC || !dc) return;
  RECT bounds;
  ::GetWindowRect(w->Hwnd, &bounds);
  // The DC is the client area's: an adopted window's sits inside the frame.
  // There the frame is the ground the window paints on, as its own erasing
  // was: children that draw only their lines (group boxes) show it too, and
  // a child that asks for its parent's ground (a transparent toolbar) gets
  // it through its own DC.
  const POINT at = ClientOriginInFrame(*w);
  if (!w->Adopted.on)
    ChildExcludedDC(w->Hwnd, dc);
  else if (::WindowFromDC(dc) == w->Hwnd)
    SolidChildExcludedDC(w->Hwnd, dc);
  ::BitBlt(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top, w->FrameDC.get(), at.x,
           at.y, SRCCOPY);
}

void SkinEngine::DrawBackground(graphics::Graphics& g, int i) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w) return;
  const SIZE size = FrameSize(*w);
  const float W = static_cast<float>(size.cx), H = static_cast<float>(size.cy);

  g.GraphicsClear(kOpaqueMagenta);
  graphics::Path outline;
  outline.CreatePath();
  RoundRectPath(outline, 0, 0, W, H, 4);
  g.SetClipPath(outline);  // stays the clip for the rest of the frame

  const bool own = !w->BackImage.empty();
  graphics::SolidFill base;
  base.CreateSolidFill(MakeArgb(own ? w->BackColour : Module.ThemeColour));
  g.FillPath(base, outline);

  const std::vector<uint8_t>& bytes = own ? w->BackImage : Module.BackgroundImage;
  const int mode = own ? w->BackMode : Module.BackgroundMode;
  if (!bytes.empty()) {
    BackgroundLayer& cache = w->Background;
    if (!cache.Matches(bytes, mode, size.cx, size.cy)) PlacePicture(cache, bytes, mode, size);
    if (cache.layer.GetNative()) g.DrawImageRectRectI(cache.layer, 0, 0, size.cx, size.cy);
  }

  if (w->CaptionGloss) {
    const float top = static_cast<float>(w->CaptionHeight);
    graphics::LineBrush gloss;
    gloss.CreateLineBrush(Gdiplus::PointF(0, 0), Gdiplus::PointF(0, top), MakeArgb(kWhite, 150),
                          MakeArgb(kWhite, 0));
    g.FillRectangle(gloss, 0, 0, W, top);
  }
}

void SkinEngine::DrawFrameBorder(int i, graphics::Graphics& g) {
  const SkinnedWindow* w = WindowRecord(i);
  if (!w) return;
  const SIZE size = FrameSize(*w);
  const float W = static_cast<float>(size.cx), H = static_cast<float>(size.cy);
  graphics::Pen dark, light;
  dark.CreatePen1(MakeArgb(kBlack, 180), 1.0f);
  light.CreatePen1(MakeArgb(kWhite, 180), 1.0f);
  graphics::Path outer, inner;
  outer.CreatePath();
  inner.CreatePath();
  RoundRectPath(outer, 0, 0, W - 1, H - 1, 7);
  RoundRectPath(inner, 1, 1, W - 3, H - 3, 6);
  g.DrawPath(dark, outer);
  g.DrawPath(light, inner);
}

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
