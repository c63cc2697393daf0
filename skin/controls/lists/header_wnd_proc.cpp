// The procedure of every skinned header: it follows the hot and pressed item
// for the painter, and paints the header whole whenever the platform would.
// Sorting clicks and divider drags stay with the control.
#include <windows.h>
#include <commctrl.h>

#include "platform/handles.h"
#include "skin/controls/lists/lists.h"
#include "skin/engine/child_families.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/properties.h"

namespace skin {
namespace {

constexpr int kDividerZone = 5;  // pixels at each edge of an item that hit no item

HeaderRecord* RecordOfHeader(HWND header) { return RecordOf<&SkinnedWindow::Headers>(header); }

int WindowNumberOf(HWND header) { return static_cast<int>(GetIntProp(header, prop::Hw_FuID)); }
int IndexOf(HWND header) { return static_cast<int>(GetIntProp(header, prop::Hw_lbID)); }

LRESULT Forward(HWND header, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Hw_hProc, header, message, wParam, lParam);
}

void Repaint(HWND header) { PaintHeader(WindowNumberOf(header), IndexOf(header)); }

LRESULT OnPaint(HWND header, UINT message, WPARAM wParam, LPARAM lParam) {
  if (wParam) {
    PaintHeader(WindowNumberOf(header), IndexOf(header), reinterpret_cast<HDC>(wParam));
    return 0;
  }
  {
    platform::PaintScope paint(header);
    Repaint(header);
  }
  return ::DefWindowProcA(header, message, wParam, lParam);
}

void OnMouseMove(HWND header, LPARAM lParam) {
  SkinnedWindow* w = WindowRecord(WindowNumberOf(header));
  HeaderRecord* r = RecordOfHeader(header);
  if (!w || !r) return;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, header, HOVER_DEFAULT};
  ::TrackMouseEvent(&track);
  w->HoverChild = IndexOf(header);
  w->HoverKind = kHoverHeader;
  const int hot = HitTestHeader(WindowNumberOf(header), IndexOf(header), lParam);
  if ((r = RecordOfHeader(header)) == nullptr) return;
  r->hover = 1;
  r->hotItem = hot;
  if (hot != r->lastHotItem && hot >= 1 && !r->pressed) {
    r->lastHotItem = hot;
    Repaint(header);
  } else if (hot == 0) {
    // Into a divider zone: the lit item goes out, once.
    const bool lit = r->lastHotItem != 0;
    r->lastHotItem = r->hotItem = r->hover = 0;
    if (lit) Repaint(header);
  }
  if ((w = WindowRecord(WindowNumberOf(header)))) w->LastHoverChild = w->HoverChild;
}

void OnLeftDown(HeaderRecord& r) {
  r.pressed = 1;
  if (r.hotItem >= 1) r.pressedItem = r.hotItem;
}

void OnLeftUp(HeaderRecord& r) { r.pressed = r.pressedItem = 0; }

void OnMouseLeave(HWND header, HeaderRecord& r) {
  if (SkinnedWindow* w = WindowRecord(WindowNumberOf(header))) w->LastHoverChild = 0;
  r.lastHotItem = r.hotItem = r.hover = 0;
  Repaint(header);
}

}  // namespace

LRESULT CALLBACK HeaderWndProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam) {
  HeaderRecord* r = RecordOfHeader(header);
  if (!r) return Forward(header, message, wParam, lParam);
  switch (message) {
    case WM_MOVE: Repaint(header); break;
    case WM_PAINT: return OnPaint(header, message, wParam, lParam);
    case WM_ERASEBKGND: ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT); return 1;
    // The image list belongs to whoever set it (a list view destroys its
    // own): the freed record only forgets it.
    case WM_NCDESTROY: return OnChildNcDestroy(HeaderWndProc, header, wParam, lParam);
    case WM_MOUSEMOVE: OnMouseMove(header, lParam); break;
    case WM_LBUTTONDOWN: OnLeftDown(*r); break;
    case WM_LBUTTONUP: OnLeftUp(*r); break;
    case WM_MOUSELEAVE: OnMouseLeave(header, *r); break;
  }
  return Forward(header, message, wParam, lParam);
}

int HitTestHeader(int i, int index, LPARAM lParam) {
  const SkinnedWindow* w = WindowRecord(i);
  const HeaderRecord* r = w ? w->Headers.find(index) : nullptr;
  if (!r || !r->hwnd) return 0;
  HWND header = r->hwnd;
  const double x = static_cast<short>(LOWORD(lParam));
  constexpr double kTolerance = 1e-7;
  const int count = static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  for (int k = 1; k <= count; ++k) {
    RECT item{};
    if (!::SendMessageA(header, HDM_GETITEMRECT, k - 1, reinterpret_cast<LPARAM>(&item))) continue;
    if (item.left + kDividerZone - kTolerance <= x && x <= item.right - kDividerZone + kTolerance)
      return k;
  }
  return 0;
}

}  // namespace skin
