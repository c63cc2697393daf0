#include "skin/controls/transparent/keyed_paint.h"

#include <cstdint>
#include <vector>

#include "platform/handles.h"
#include "skin/controls/transparent/transparent_children.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/properties.h"

namespace skin {
namespace {

// The client rectangle `r` in the control's window coordinates, where the
// background capture takes its rectangles: a border shifts it.
RECT InWindow(HWND control, RECT r) {
  const RECT client = ClientAreaInWindow(control);
  ::OffsetRect(&r, client.left, client.top);
  return r;
}

// The 32-bit pixels of the DIB section selected into a captured surface
// (none when it is not one), once GDI has finished drawing on it.
struct DibPixels {
  uint32_t* first = nullptr;
  size_t count = 0;
};
DibPixels PixelsOf(HDC surface) {
  ::GdiFlush();
  DIBSECTION dib{};
  HGDIOBJ bitmap = ::GetCurrentObject(surface, OBJ_BITMAP);
  if (!bitmap || ::GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits ||
      dib.dsBm.bmBitsPixel != 32)
    return {};
  const LONG rows = dib.dsBm.bmHeight < 0 ? -dib.dsBm.bmHeight : dib.dsBm.bmHeight;
  return DibPixels{static_cast<uint32_t*>(dib.dsBm.bmBits),
                   static_cast<size_t>(dib.dsBm.bmWidth) * static_cast<size_t>(rows)};
}

std::vector<uint32_t> BitsOf(HDC surface) {
  const DibPixels p = PixelsOf(surface);
  return std::vector<uint32_t>(p.first, p.first + p.count);
}

// Keying compares whole pixels, alpha byte included, and a control's pixels
// carry whatever alpha its drawing left (none from plain fills, full from
// blended theme parts): without it, a key-coloured pixel is a key-coloured
// pixel however it was drawn. Nothing reads the alpha after this.
void ClearAlpha(HDC surface) {
  const DibPixels p = PixelsOf(surface);
  for (size_t k = 0; k < p.count; ++k) p.first[k] &= 0x00FFFFFFu;
}

// What the control painted over the frame may now be covered: every
// visible child draws itself again.
void InvalidateVisibleChildren(HWND control) {
  for (HWND c = ::GetWindow(control, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
    if (::IsWindowVisible(c)) ::InvalidateRect(c, nullptr, TRUE);
}

LRESULT PaintIntoSurface(HWND control, COLORREF key, LPARAM lParam) {
  RECT client{};
  ::GetClientRect(control, &client);
  const int width = client.right, height = client.bottom;
  platform::PaintScope paint(control);
  CapturedSurface drawn(CaptureParentBackground(control, InWindow(control, client)));
  CapturedSurface veiled(CaptureVeiledClient(control));
  if (!drawn.get() || !veiled.get())
    return ForwardTransparent(control, WM_PAINT, reinterpret_cast<WPARAM>(paint.dc()), lParam);
  // The erase this procedure swallows on screen lays the control's own
  // background here, so that what it fills with the key colour (a tab
  // control's page) is keyed too.
  ForwardTransparent(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(drawn.get()), 0);
  const LRESULT result =
      ForwardTransparent(control, WM_PAINT, reinterpret_cast<WPARAM>(drawn.get()), lParam);
  ClearAlpha(drawn.get());
  ::TransparentBlt(veiled.get(), 0, 0, width, height, drawn.get(), 0, 0, width, height, key);
  ::BitBlt(paint.dc(), 0, 0, width, height, veiled.get(), 0, 0, SRCCOPY);
  return result;
}

// A control that honoured the DC drew into `drawn` (with its client origin
// at the update rectangle's corner): its drawing is keyed over a fresh copy
// of the picture and shown.
void ShowDrawnSurface(HWND control, HDC screen, HDC drawn, const RECT& r, COLORREF key) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  CapturedSurface composed(CaptureParentBackground(control, InWindow(control, r)));
  if (!composed.get()) return;
  ClearAlpha(drawn);
  ::TransparentBlt(composed.get(), 0, 0, width, height, drawn, 0, 0, width, height, key);
  ::BitBlt(screen, r.left, r.top, width, height, composed.get(), 0, 0, SRCCOPY);
}

LRESULT PaintOverWindow(HWND control, COLORREF key, LPARAM lParam) {
  RECT r{};
  if (!::GetUpdateRect(control, &r, FALSE)) return ForwardTransparent(control, WM_PAINT, 0, lParam);
  const int width = r.right - r.left, height = r.bottom - r.top;
  platform::WindowDC screen(control);
  CapturedSurface drawn(CaptureParentBackground(control, InWindow(control, r)));
  if (!screen || !drawn.get()) return ForwardTransparent(control, WM_PAINT, 0, lParam);

  const std::vector<uint32_t> before = BitsOf(drawn.get());
  POINT origin{};
  ::SetViewportOrgEx(drawn.get(), -r.left, -r.top, &origin);
  const LRESULT result =
      ForwardTransparent(control, WM_PAINT, reinterpret_cast<WPARAM>(drawn.get()), lParam);
  ::SetViewportOrgEx(drawn.get(), origin.x, origin.y, nullptr);

  if (!before.empty() && BitsOf(drawn.get()) != before) {
    ShowDrawnSurface(control, screen.get(), drawn.get(), r, key);
  } else {
    // It painted on screen: its pixels there go over the picture.
    ::TransparentBlt(drawn.get(), 0, 0, width, height, screen.get(), r.left, r.top, width, height,
                     key);
    ::BitBlt(screen.get(), r.left, r.top, width, height, drawn.get(), 0, 0, SRCCOPY);
  }
  // A control handed a DC validates nothing, whether it drew into the DC or
  // nothing at all: the region is done, or the window would be asked to
  // paint for ever.
  ::ValidateRect(control, &r);
  InvalidateVisibleChildren(control);
  return result;
}

}  // namespace

KeyedPaint KeyedPaintFor(const std::string& className) {
  static const char* const intoSurface[] = {"SysMonthCal32",   "SysTabControl32",
                                            "ToolbarWindow32", "msctls_statusbar32",
                                            "Button",          "msctls_trackbar32"};
  for (const char* name : intoSurface)
    if (className == name) return KeyedPaint::IntoSurface;
  return KeyedPaint::OverWindow;
}

LRESULT PaintKeyed(HWND control, COLORREF key, LPARAM lParam) {
  if (KeyedPaintFor(GetClassText(control)) == KeyedPaint::IntoSurface)
    return PaintIntoSurface(control, key, lParam);
  return PaintOverWindow(control, key, lParam);
}

}  // namespace skin
