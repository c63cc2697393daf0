#include "skin/controls/lists/list_client.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/handles.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"

namespace skin {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

enum class ClientKind { Tree, ListView, ListBox, OwnerDrawnListBox, ComboList, Other };

ClientKind KindOf(HWND control) {
  const std::string cls = GetClassText(control);
  if (cls == "SysTreeView32") return ClientKind::Tree;
  if (cls == "SysListView32") return ClientKind::ListView;
  if (cls == "ComboLBox") return ClientKind::ComboList;
  if (cls != "ListBox") return ClientKind::Other;
  const LONG style = ::GetWindowLongA(control, GWL_STYLE);
  return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) ? ClientKind::OwnerDrawnListBox
                                                                : ClientKind::ListBox;
}

LRESULT Forward(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Hw_hProc, control, message, wParam, lParam);
}

SIZE ClientSize(HWND control) {
  RECT client{};
  ::GetClientRect(control, &client);
  return SIZE{client.right, client.bottom};
}

void Fill(HDC dc, SIZE size, COLORREF colour) {
  platform::UniqueBrush brush(::CreateSolidBrush(colour));
  const RECT all{0, 0, size.cx, size.cy};
  ::FillRect(dc, &all, brush.get());
}

// The 32-bit pixels of the DIB section selected into a surface, or null.
uint32_t* PixelsOf(HDC surface, SIZE size) {
  DIBSECTION dib{};
  HGDIOBJ bitmap = ::GetCurrentObject(surface, OBJ_BITMAP);
  if (!bitmap || ::GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib) return nullptr;
  if (dib.dsBm.bmBitsPixel != 32 || dib.dsBm.bmWidth != size.cx ||
      std::abs(dib.dsBm.bmHeight) != size.cy)
    return nullptr;
  return static_cast<uint32_t*>(dib.dsBm.bmBits);
}

// target := target x ink / 255, channel by channel. Both surfaces come from
// the background capture, so they share one layout; were they not DIB
// sections, a bitwise AND comes close.
void MultiplyOnto(HDC target, HDC ink, SIZE size) {
  ::GdiFlush();
  uint32_t* to = PixelsOf(target, size);
  const uint32_t* from = PixelsOf(ink, size);
  if (!to || !from) {
    ::BitBlt(target, 0, 0, size.cx, size.cy, ink, 0, 0, SRCAND);
    return;
  }
  const size_t count = static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy);
  for (size_t k = 0; k < count; ++k) {
    uint32_t mixed = to[k] & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
      const uint32_t a = (to[k] >> shift) & 0xFF, b = (from[k] >> shift) & 0xFF;
      mixed |= ((a * b + 127) / 255) << shift;
    }
    to[k] = mixed;
  }
}

// The control drew every visible item, so the whole client area is copied,
// whatever the update region: what a scroll moved on screen (text over a
// shifted background) is replaced at the next paint. Children (a list
// view's header) are left out and keep what they drew, so nothing needs
// repainting after.
void CopyWhole(HWND control, HDC composed, SIZE size) {
  platform::WindowDC dc = ChildExcludedDC(control);
  ::BitBlt(dc.get(), 0, 0, size.cx, size.cy, composed, 0, 0, SRCCOPY);
}

// A list box fills behind its items with the DC's background colour,
// whatever brush it is given, and a tree with its own background colour
// (white under a veil). Either draws on white, and its drawing is laid on
// the veil as ink: white leaves the veil, black text stays black, and the
// smoothed edges of letters blend with the veil. (Drawn on a key colour
// instead, those edges would keep a tint of the key: purple names.)
void PaintAsInk(HWND list, UINT message, LPARAM lParam) {
  const SIZE size = ClientSize(list);
  CapturedSurface drawing(CaptureParentBackground(list, ClientAreaInWindow(list)));
  CapturedSurface veiled(CaptureVeiledClient(list));
  platform::PaintScope paint(list);
  if (!drawing.get() || !veiled.get()) return;
  Fill(drawing.get(), size, kWhite);
  ::SetBkColor(drawing.get(), kWhite);
  Forward(list, message, reinterpret_cast<WPARAM>(drawing.get()), lParam);
  MultiplyOnto(veiled.get(), drawing.get(), size);
  CopyWhole(list, veiled.get(), size);
}

// A list view without a background colour draws its items straight over
// the veil.
void PaintOverVeil(HWND control, UINT message, LPARAM lParam) {
  const SIZE size = ClientSize(control);
  CapturedSurface veiled(CaptureVeiledClient(control));
  platform::PaintScope paint(control);
  if (!veiled.get()) return;
  Forward(control, message, reinterpret_cast<WPARAM>(veiled.get()), lParam);
  CopyWhole(control, veiled.get(), size);
}

}  // namespace

LRESULT PaintListClient(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  // A paint into a caller's DC is the control's own business.
  if (!Module.TranslucencyGiven || wParam) return Forward(control, message, wParam, lParam);
  switch (KindOf(control)) {
    case ClientKind::Tree:
    case ClientKind::ListBox:
    case ClientKind::OwnerDrawnListBox: PaintAsInk(control, message, lParam); break;
    case ClientKind::ListView: PaintOverVeil(control, message, lParam); break;
    default: return Forward(control, message, wParam, lParam);
  }
  return ::DefWindowProcA(control, message, 0, lParam);
}

LRESULT EraseListBackground(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!Module.TranslucencyGiven) return Forward(control, message, wParam, lParam);
  HDC dc = reinterpret_cast<HDC>(wParam);
  switch (KindOf(control)) {
    case ClientKind::Tree:
    case ClientKind::ListView:
    case ClientKind::ListBox:
      // Their paint lays the whole client area.
      ::SetBkMode(dc, TRANSPARENT);
      return 1;
    case ClientKind::ComboList:
    case ClientKind::OwnerDrawnListBox: return Forward(control, message, wParam, lParam);
    case ClientKind::Other: break;
  }
  ::SetBkMode(dc, TRANSPARENT);
  PaintVeiledBackground(control, dc);
  ::SetTextColor(dc, static_cast<COLORREF>(GetIntProp(control, prop::Kj_Ztys)));
  // Erased: the control must not erase again when it paints.
  return 1;
}

}  // namespace skin
