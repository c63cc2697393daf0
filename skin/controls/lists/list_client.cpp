#include "skin/controls/lists/list_client.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/handles.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"

namespace skin {
namespace {

constexpr COLORREF kColourKey = RGB(255, 0, 255);

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

// A surface of the background capture, given back when the scope ends.
class Captured {
 public:
  explicit Captured(HDC dc) : dc_(dc) {}
  ~Captured() { ReleaseSurface(dc_); }
  Captured(const Captured&) = delete;
  Captured& operator=(const Captured&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

SIZE ClientSize(HWND control) {
  RECT client{};
  ::GetClientRect(control, &client);
  return SIZE{client.right, client.bottom};
}

// The tree draws on the parent's background with its key colour as its own
// background; what is not the key goes over the veil.
void PaintTree(HWND tree, UINT message, LPARAM lParam) {
  const SIZE size = ClientSize(tree);
  Captured drawing(CaptureParentBackground(tree, ClientAreaInWindow(tree)));
  Captured veiled(CaptureVeiledClient(tree));
  if (!drawing.get() || !veiled.get()) return;
  Forward(tree, message, reinterpret_cast<WPARAM>(drawing.get()), lParam);
  ::TransparentBlt(veiled.get(), 0, 0, size.cx, size.cy, drawing.get(), 0, 0, size.cx, size.cy,
                   kColourKey);
  platform::WindowDC dc = ChildExcludedDC(tree);
  ::BitBlt(dc.get(), 0, 0, size.cx, size.cy, veiled.get(), 0, 0, SRCCOPY);
}

// The control draws every visible item over the veil, so the whole client
// area is copied, whatever the update region: what a scroll moved on screen
// (text over a shifted background) is replaced at the next paint. Children
// (a list view's header) are left out and keep what they drew.
void PaintListOverVeil(HWND control, UINT message, LPARAM lParam) {
  const SIZE size = ClientSize(control);
  Captured veiled(CaptureVeiledClient(control));
  platform::PaintScope paint(control);
  if (!veiled.get()) return;
  Forward(control, message, reinterpret_cast<WPARAM>(veiled.get()), lParam);
  platform::WindowDC dc = ChildExcludedDC(control);
  ::BitBlt(dc.get(), 0, 0, size.cx, size.cy, veiled.get(), 0, 0, SRCCOPY);
}

}  // namespace

LRESULT PaintListClient(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  // A paint into a caller's DC is the control's own business.
  if (!Module.TranslucencyGiven || wParam) return Forward(control, message, wParam, lParam);
  switch (KindOf(control)) {
    case ClientKind::Tree: PaintTree(control, message, lParam); break;
    case ClientKind::ListView:
    case ClientKind::ListBox:
    case ClientKind::OwnerDrawnListBox: PaintListOverVeil(control, message, lParam); break;
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
