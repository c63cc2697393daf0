// Rendering the frame of a skinned window into its FrameDC and showing it.
#include <windows.h>

#include <algorithm>

#include "graphics/graphics.h"
#include "platform/handles.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/child_families.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "skin/frame/adopted_frame.h"
#include "skin/frame/frame_ground.h"
#include "skin/frame/frame_layer_ops.h"
#include "skin/frame/frame_space.h"
#include "skin/frame/render_profile.h"

namespace skin {
namespace {

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
  DibView view;
  // A frame of the size shown last is drawn into the same bitmap: its pages
  // are in place already, where a new one's would be handed out afresh.
  if (!ViewOf(w->FrameBitmap.get(), view) || view.width != W || view.height != H) {
    platform::UniqueBitmap frame = NewFrameBitmap(W, H, w->Layers);
    if (!frame) return;
    HGDIOBJ previous = ::SelectObject(w->FrameDC.get(), frame.get());
    if (first) SetHandleProp(window, prop::Ck_Ycjdx, previous);
    w->FrameBitmap = std::move(frame);  // the previous frame bitmap, now deselected, goes
    SetHandleProp(window, prop::Ck_wtjbdx, w->FrameBitmap.get());
  }
  HDC frameDC = w->FrameDC.get();
  const bool viewed = ViewOf(w->FrameBitmap.get(), view);
  lap.Lap(RenderProfile::kCanvas);

  // An unchanged window is a copy of the frame it showed last; a window
  // whose ground is unchanged starts from a copy of that ground. Anything
  // else is drawn afresh and kept. While the size is still changing the
  // picture may be drawn draft: a ground kept at full quality serves too.
  FrameLayers& kept = w->Layers;
  const std::string title = w->ShowCaption && w->ShowTitle ? WindowText(window) : std::string();
  const PictureQuality wanted = w->SizeSettling ? PictureQuality::kDraft : PictureQuality::kFull;
  const LayerKey plainKey = BaseKeyOf(*w, size);
  auto keyAt = [&](PictureQuality q) { return LayerKey(plainKey).Add(static_cast<int>(q)); };
  LayerKey baseKey = keyAt(PictureQuality::kFull);
  if (wanted == PictureQuality::kDraft && !kept.base.Holds(baseKey))
    baseKey = keyAt(PictureQuality::kDraft);
  LayerKey finishedKey = baseKey;
  finishedKey.Append(DecorationKeyOf(*w, title, FrameMargin));
  const bool stripsKept =
      (!w->ShowCaption || w->CaptionCacheDC) && (w->StatusHeight <= 0 || w->StatusCacheDC);
  lap.Lap(RenderProfile::kKeys);
  if (viewed && stripsKept && kept.finished.Holds(finishedKey) && kept.base.Holds(baseKey) &&
      LoadRows(view, kept.base.pixels, kept.finished)) {
    lap.Lap(RenderProfile::kKept);
  } else {
    graphics::Graphics g;
    g.CreateFromHDC(frameDC);
    const bool groundKept =
        viewed && stripsKept && kept.base.Holds(baseKey) && LoadPixels(view, kept.base.pixels);
    if (groundKept) {
      lap.Lap(RenderProfile::kKept);
    } else {
      kept.Clear();
      ++kept.generation;
      if (viewed) {
        // Drawn unclipped, the outline's corners put back after the border.
        const PictureQuality drawn = PaintGround(*w, view, g, wanted);
        baseKey = keyAt(drawn);
        finishedKey = baseKey;
        finishedKey.Append(DecorationKeyOf(*w, title, FrameMargin));
      } else {
        DrawBackground(g, i);
      }
      g.Flush(Gdiplus::FlushIntentionSync);
      lap.Lap(RenderProfile::kBackground);
      if (w->ShowCaption) {
        if (viewed)
          DrawOutline(view);
        else
          DrawFrameBorder(i, g);
      }
      g.Flush(Gdiplus::FlushIntentionSync);
      if (viewed) MaskOutsideOutline(view);
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
    if (viewed) {
      MaskOutsideOutline(view);
      if (kept.base.Holds(baseKey)) {
        SaveRows(view, kept.base.pixels, kept.finished);
        kept.finished.key = finishedKey;
      }
    }
    lap.Lap(RenderProfile::kStatus);
  }
  w->DraftShown = viewed && baseKey == keyAt(PictureQuality::kDraft);

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

}  // namespace skin
