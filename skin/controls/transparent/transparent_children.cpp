// Registering a transparent child (the engine's SkinTransparentChild), and
// the way back from the control to its record.
#include "skin/controls/transparent/transparent_children.h"

#include "skin/engine/child_registration.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"

namespace skin {
namespace {

// A control that was ever made transparent keeps Kj_hProc: subclassing it
// again would hand its messages back to itself, through the container
// procedure in front of it when it has children.
bool WasMadeTransparent(HWND control) {
  return GetHandleProp<WNDPROC>(control, prop::Kj_hProc) != nullptr ||
         RunsProcedure(control, TransparentChildWndProc);
}

}  // namespace

TransparentChildRecord* RecordOfTransparentChild(HWND control) {
  SkinnedWindow* w = WindowRecord(static_cast<int>(GetIntProp(control, prop::Kj_FuID)));
  if (!w) return nullptr;
  TransparentChildRecord* r =
      w->TransparentChildren.find(static_cast<int>(GetIntProp(control, prop::Kj_lbID)));
  return r && r->hwnd == control ? r : nullptr;
}

LRESULT ForwardTransparent(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Kj_hProc, control, message, wParam, lParam);
}

// A control in no skinned window, or one made transparent before, is left
// alone.
void SkinEngine::SkinTransparentChild(HWND control, std::optional<Colour> keyColour,
                                      std::optional<Colour> tintColour,
                                      std::optional<uint8_t> tintAlpha) {
  if (!control || !::IsWindow(control)) return;
  const int n = FindOwningSkinnedWindow(control);
  SkinnedWindow* w = WindowRecord(n);
  if (!w || FindChild(w->TransparentChildren, control) || WasMadeTransparent(control)) return;

  TransparentChildRecord record;
  record.hwnd = control;
  record.keyColour = keyColour.value_or(static_cast<Colour>(::GetSysColor(COLOR_BTNFACE)));
  record.savedProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(control, GWLP_WNDPROC));
  const WNDPROC previous = record.savedProc;
  const int index = w->TransparentChildren.add(std::move(record));
  // All three before the new procedure can see a message.
  SetIntProp(control, prop::Kj_lbID, index);
  SetIntProp(control, prop::Kj_FuID, n);
  SetHandleProp(control, prop::Kj_hProc, previous);
  ReplaceWindowProc(control, TransparentChildWndProc);

  // Its pages and buttons are skinned as a container's children; the
  // container procedure goes in front and, painting nothing itself, passes
  // the painting messages on to this one.
  if (::FindWindowExA(control, nullptr, nullptr, nullptr))
    SkinChildren(control, 0, tintColour, tintAlpha);
}

}  // namespace skin
