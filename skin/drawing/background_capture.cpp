#include "skin/drawing/background_capture.h"

#include <algorithm>

#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "graphics/solid_fill.h"
#include "skin/drawing/colours.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/drawing/round_rect_path.h"

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

// The registered container of window n nearest to `control` (itself included).
ContainerRecord* HoldingContainer(int n, HWND control) {
  SkinnedWindow* w = WindowRecord(n);
  if (!w) return nullptr;
  for (HWND p = control; p && p != w->Hwnd; p = ::GetParent(p)) {
    int owner = 0;
    if (ContainerRecord* c = AsContainer(p, &owner, nullptr))
      if (owner == n) return c;
  }
  return nullptr;
}

// Top-left of `rect` (control window coordinates) in `target`'s client area.
POINT OffsetIn(HWND control, HWND target, const RECT& rect) {
  RECT bounds;
  ::GetWindowRect(control, &bounds);
  POINT origin{bounds.left, bounds.top};
  ::ScreenToClient(target, &origin);
  return POINT{origin.x + rect.left, origin.y + rect.top};
}

void FillWithTint(HDC dc, const ContainerRecord& c, int width, int height) {
  graphics::Graphics g;
  if (!g.CreateFromHDC(dc)) return;
  graphics::SolidFill tint;
  tint.CreateSolidFill(MakeArgb(c.tintColour, c.tintAlpha));
  if (c.isGroupBox) {
    graphics::Path path;
    path.CreatePath();
    RoundRectPath(path, 0, 5, static_cast<float>(width), static_cast<float>(height - 6), 5);
    g.FillPath(tint, path);
  } else {
    g.FillRectangleI(tint, 0, 0, width, height);
  }
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

  graphics::Bitmap canvas;
  platform::UniqueBitmap bitmap;
  if (!canvas.CreateBitmap(width, height) || !canvas.CreateHBITMAPFromBitmap(bitmap, 0))
    return nullptr;
  Surface surface;
  surface.dc.reset(::CreateCompatibleDC(nullptr));
  if (!surface.dc) return nullptr;
  surface.previous = ::SelectObject(surface.dc.get(), bitmap.get());
  surface.bitmap = std::move(bitmap);
  HDC dc = surface.dc.get();
  Surfaces().push_back(std::move(surface));

  const BackgroundSource source = LocateBackgroundSource(control, true);
  int n = source.window;
  if (source.kind == BackgroundSource::Kind::Marked && source.marked) {
    HDC from = GetHandleProp<HDC>(source.marked, prop::Wxk_Cj);
    const POINT at = OffsetIn(control, source.marked, rect);
    if (from) ::BitBlt(dc, 0, 0, width, height, from, at.x, at.y, SRCCOPY);
    if (!n) n = FindOwningSkinnedWindow(control);
  } else {
    if (!n) n = FindOwningSkinnedWindow(control);
    SkinnedWindow* w = WindowRecord(n);
    if (!w) {
      ReleaseSurface(dc);
      return nullptr;
    }
    const POINT at = OffsetIn(control, w->Hwnd, rect);
    if (w->FrameDC) ::BitBlt(dc, 0, 0, width, height, w->FrameDC.get(), at.x, at.y, SRCCOPY);
  }

  if (const ContainerRecord* c = HoldingContainer(n, control))
    if (c->tintColour != 0) FillWithTint(dc, *c, width, height);
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

platform::UniqueBitmap ChildBackgroundBitmap(HWND control) {
  RECT window, client;
  ::GetWindowRect(control, &window);
  ::GetClientRect(control, &client);
  const LONG style = ::GetWindowLongA(control, GWL_STYLE);
  const int windowWidth = window.right - window.left, windowHeight = window.bottom - window.top;
  int spanX = client.right, spanY = client.bottom;
  if (style & WS_VSCROLL) spanX += 17;
  if (style & WS_HSCROLL) spanY += 17;
  const int left = (windowWidth - spanX) / 2, top = (windowHeight - spanY) / 2;
  const RECT area{left, top, left + client.right, top + client.bottom};

  HDC surface = CaptureParentBackground(control, area);
  if (!surface) return {};
  const int width = client.right, height = client.bottom;
  {
    graphics::Graphics g;
    graphics::SolidFill veil;
    if (g.CreateFromHDC(surface) && veil.CreateSolidFill(MakeArgb(0xFFFFFF, Module.Translucency)))
      g.FillRectangleI(veil, 0, 0, width, height);
  }
  platform::UniqueBitmap copy(::CreateCompatibleBitmap(surface, width, height));
  if (copy) {
    platform::UniqueMemoryDC temp(::CreateCompatibleDC(surface));
    platform::SelectScope select(temp.get(), copy.get());
    ::BitBlt(temp.get(), 0, 0, width, height, surface, 0, 0, SRCCOPY);
  }
  ReleaseSurface(surface);
  return copy;
}

HDC ChildExcludedDC(HWND window, HDC dc) {
  if (!dc) return dc;
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (!(::GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE)) continue;
    if (::GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) continue;
    RECT r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    ::ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  return dc;
}

platform::WindowDC ChildExcludedDC(HWND window) {
  platform::WindowDC dc(window);
  ChildExcludedDC(window, dc.get());
  return dc;
}

}  // namespace skin
