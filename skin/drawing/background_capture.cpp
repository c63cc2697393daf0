#include "skin/drawing/background_capture.h"

#include <algorithm>
#include <vector>

#include "graphics/graphics.h"
#include "graphics/solid_fill.h"
#include "skin/drawing/colours.h"
#include "skin/drawing/round_rect_path.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/frame/frame_space.h"

namespace skin {
namespace {

// The container record of `window` when it is a registered container.
ContainerRecord* AsContainer(HWND window, int* windowNumber, int* position) {
  const int n = static_cast<int>(GetIntProp(window, prop::Hw_FuID));
  const int k = static_cast<int>(GetIntProp(window, prop::Hw_lbID));
  SkinnedWindow* w = WindowRecord(n);
  if (!w) return nullptr;
  ContainerRecord* c = w->Containers.find(k);
  if (!c || c->hwnd != window) return nullptr;
  if (windowNumber) *windowNumber = n;
  if (position) *position = k;
  return c;
}

// Top-left of `rect` (control window coordinates) in `target`'s client area.
POINT OffsetIn(HWND control, HWND target, const RECT& rect) {
  RECT bounds;
  ::GetWindowRect(control, &bounds);
  POINT origin{bounds.left, bounds.top};
  ::ScreenToClient(target, &origin);
  return POINT{origin.x + rect.left, origin.y + rect.top};
}

// Top-left of `rect` (control window coordinates) in the frame of w.
POINT OffsetInFrame(HWND control, const SkinnedWindow& w, const RECT& rect) {
  RECT bounds;
  ::GetWindowRect(control, &bounds);
  const POINT frame = FrameOriginOnScreen(w);
  return POINT{bounds.left - frame.x + rect.left, bounds.top - frame.y + rect.top};
}

// Lays the tint of container c over the part of the surface it covers: a
// group box from 5 pixels below its top, with rounded corners; any other
// container over its whole client area. `origin` is the surface's top-left
// in screen coordinates.
void LayTint(graphics::Graphics& g, const ContainerRecord& c, POINT origin) {
  POINT client{0, 0};
  ::ClientToScreen(c.hwnd, &client);
  RECT size{};
  ::GetClientRect(c.hwnd, &size);
  const float x = static_cast<float>(client.x - origin.x);
  const float y = static_cast<float>(client.y - origin.y);
  graphics::SolidFill tint;
  if (!tint.CreateSolidFill(MakeArgb(c.tintColour, c.tintAlpha))) return;
  if (c.isGroupBox) {
    graphics::Path path;
    path.CreatePath();
    RoundRectPath(path, x, y + 5, static_cast<float>(size.right),
                  static_cast<float>(size.bottom - 6), 5);
    g.FillPath(tint, path);
  } else {
    g.FillRectangle(tint, x, y, static_cast<float>(size.right), static_cast<float>(size.bottom));
  }
}

// The tints of every registered container of window n around the control
// (the control itself included) below `source`, outermost first.
void LayEnclosingTints(HDC dc, HWND control, const RECT& rect, int n, HWND source) {
  std::vector<const ContainerRecord*> tinted;
  for (HWND p = control; p && p != source; p = ::GetParent(p)) {
    int owner = 0;
    if (const ContainerRecord* c = AsContainer(p, &owner, nullptr))
      // A tint of alpha 0 would change no pixel.
      if (owner == n && c->tintColour != 0 && c->tintAlpha != 0) tinted.push_back(c);
  }
  if (tinted.empty()) return;
  RECT bounds;
  ::GetWindowRect(control, &bounds);
  const POINT origin{bounds.left + rect.left, bounds.top + rect.top};
  graphics::Graphics g;
  if (!g.CreateFromHDC(dc)) return;
  for (auto it = tinted.rbegin(); it != tinted.rend(); ++it) LayTint(g, **it, origin);
}

// A bottom-up 32-bit DIB section, all zero (transparent black), as a GDI+
// bitmap handed over as an HBITMAP would be, without drawing a GDI+ bitmap
// first: that costs more than the rest of a capture.
platform::UniqueBitmap NewSurfaceBitmap(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return platform::UniqueBitmap(
      ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

}  // namespace

BackgroundSource LocateBackgroundSource(HWND window, bool checkMarks) {
  BackgroundSource found;
  for (HWND p = window; p; p = ::GetParent(p)) {
    if (checkMarks && GetIntProp(p, prop::Wxk_Zpf) == 1) {
      found.kind = BackgroundSource::Kind::Marked;
      found.marked = p;
      return found;
    }
    int n = 0, k = 0;
    if (AsContainer(p, &n, &k)) {
      found.window = n;
      found.container = k;
      HWND mark = checkMarks ? GetHandleProp<HWND>(p, prop::Mb_zpf) : nullptr;
      found.kind = mark ? BackgroundSource::Kind::Marked : BackgroundSource::Kind::Container;
      found.marked = mark;
      return found;
    }
    if (int top = FindSkinnedWindow(p)) {
      found.kind = BackgroundSource::Kind::TopLevel;
      found.window = top;
      return found;
    }
  }
  return found;
}

HDC CaptureParentBackground(HWND control, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return nullptr;

  Surface surface;
  platform::UniqueBitmap bitmap = NewSurfaceBitmap(width, height);
  surface.dc.reset(::CreateCompatibleDC(nullptr));
  if (!bitmap || !surface.dc) return nullptr;
  surface.previous = ::SelectObject(surface.dc.get(), bitmap.get());
  surface.bitmap = std::move(bitmap);
  HDC dc = surface.dc.get();
  Surfaces().push_back(std::move(surface));

  const BackgroundSource source = LocateBackgroundSource(control, true);
  int n = source.window;
  HWND from = nullptr;  // the window whose drawing the surface starts from
  if (source.kind == BackgroundSource::Kind::Marked && source.marked) {
    from = source.marked;
    HDC drawing = GetHandleProp<HDC>(from, prop::Wxk_Cj);
    const POINT at = OffsetIn(control, from, rect);
    if (drawing) ::BitBlt(dc, 0, 0, width, height, drawing, at.x, at.y, SRCCOPY);
    if (!n) n = FindOwningSkinnedWindow(control);
  } else {
    if (!n) n = FindOwningSkinnedWindow(control);
    SkinnedWindow* w = WindowRecord(n);
    if (!w) {
      ReleaseSurface(dc);
      return nullptr;
    }
    from = w->Hwnd;
    const POINT at = OffsetInFrame(control, *w, rect);
    if (w->FrameDC) ::BitBlt(dc, 0, 0, width, height, w->FrameDC.get(), at.x, at.y, SRCCOPY);
  }
  LayEnclosingTints(dc, control, rect, n, from);
  return dc;
}

bool ReleaseSurface(HDC dc) {
  auto& surfaces = Surfaces();
  auto it = std::find_if(surfaces.begin(), surfaces.end(),
                         [dc](const Surface& s) { return dc && s.dc.get() == dc; });
  if (it == surfaces.end()) return false;
  if (it->previous) ::SelectObject(it->dc.get(), it->previous);
  it->dc.reset();
  it->bitmap.reset();
  surfaces.erase(it);
  return true;
}

RECT ClientAreaInWindow(HWND control) {
  RECT window{}, client{};
  ::GetWindowRect(control, &window);
  ::GetClientRect(control, &client);
  // Where the client area really is: scroll bars come in the system's width
  // (not always 17 pixels), and only on one side.
  POINT origin{0, 0};
  ::ClientToScreen(control, &origin);
  const int left = origin.x - window.left, top = origin.y - window.top;
  return RECT{left, top, left + client.right, top + client.bottom};
}

HDC CaptureVeiledClient(HWND control) {
  const RECT area = ClientAreaInWindow(control);
  HDC surface = CaptureParentBackground(control, area);
  if (!surface) return nullptr;
  graphics::Graphics g;
  graphics::SolidFill veil;
  if (g.CreateFromHDC(surface) && veil.CreateSolidFill(MakeArgb(0xFFFFFF, Module.Translucency)))
    g.FillRectangleI(veil, 0, 0, area.right - area.left, area.bottom - area.top);
  return surface;
}

platform::UniqueBitmap ChildBackgroundBitmap(HWND control) {
  RECT client;
  ::GetClientRect(control, &client);
  CapturedSurface surface(CaptureVeiledClient(control));
  if (!surface.get()) return {};
  const int width = client.right, height = client.bottom;
  platform::UniqueBitmap copy(::CreateCompatibleBitmap(surface.get(), width, height));
  if (copy) {
    platform::UniqueMemoryDC temp(::CreateCompatibleDC(surface.get()));
    platform::SelectScope select(temp.get(), copy.get());
    ::BitBlt(temp.get(), 0, 0, width, height, surface.get(), 0, 0, SRCCOPY);
  }
  return copy;
}

void PaintVeiledBackground(HWND control, HDC dc) {
  CapturedSurface surface(CaptureVeiledClient(control));
  if (!surface.get()) return;
  RECT client;
  ::GetClientRect(control, &client);
  ::BitBlt(dc, 0, 0, client.right, client.bottom, surface.get(), 0, 0, SRCCOPY);
}

namespace {

bool IsGroupBox(HWND child) {
  return GetClassText(child) == "Button" &&
         (::GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

HDC ExcludeChildren(HWND window, HDC dc, bool keepGroupBoxes) {
  if (!dc) return dc;
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (!(::GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE)) continue;
    if (::GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) continue;
    if (keepGroupBoxes && IsGroupBox(child)) continue;
    RECT r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    // A child shaped by a window region (a photo with rounded corners)
    // covers only its region: the rest of its rectangle is the parent's to
    // paint, or whatever was drawn there last would stay on screen.
    platform::UniqueRegion shape(::CreateRectRgn(0, 0, 0, 0));
    if (shape && ::GetWindowRgn(child, shape.get()) != ERROR) {
      platform::UniqueRegion bounds(::CreateRectRgn(0, 0, r.right - r.left, r.bottom - r.top));
      if (bounds) ::CombineRgn(shape.get(), shape.get(), bounds.get(), RGN_AND);
      ::OffsetRgn(shape.get(), r.left, r.top);
      ::ExtSelectClipRgn(dc, shape.get(), RGN_DIFF);
    } else {
      ::ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
  }
  return dc;
}

}  // namespace

HDC ChildExcludedDC(HWND window, HDC dc) { return ExcludeChildren(window, dc, false); }

HDC SolidChildExcludedDC(HWND window, HDC dc) { return ExcludeChildren(window, dc, true); }

platform::WindowDC ChildExcludedDC(HWND window) {
  platform::WindowDC dc(window);
  ChildExcludedDC(window, dc.get());
  return dc;
}

}  // namespace skin
