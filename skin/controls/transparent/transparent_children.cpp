// Registering a transparent child (the engine's SkinTransparentChild), and
// the way back from the control to its record.
#include "skin/controls/transparent/transparent_children.h"

#include "skin/engine/child_registration.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"

namespace skin {

TransparentChildRecord* RecordOfTransparentChild(HWND control) {
  return RecordOf<&SkinnedWindow::TransparentChildren>(control);
}

LRESULT ForwardTransparent(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Kj_hProc, control, message, wParam, lParam);
}

// A control in no skinned window, one made transparent before (it keeps
// Kj_hProc, even moved to another window), and one a family has skinned
// (its procedure ignores the DC the keyed paint offers, and the bare
// picture would be copied over it) are left alone.
void SkinEngine::SkinTransparentChild(HWND control, std::optional<Colour> keyColour,
                                      std::optional<Colour> tintColour,
                                      std::optional<uint8_t> tintAlpha) {
  if (!control || !::IsWindow(control)) return;
  const int n = FindOwningSkinnedWindow(control);
  SkinnedWindow* w = WindowRecord(n);
  if (!w) return;

  TransparentChildRecord record;
  record.hwnd = control;
  record.keyColour = keyColour.value_or(static_cast<Colour>(::GetSysColor(COLOR_BTNFACE)));
  if (!RegisterChild(w->TransparentChildren, n, std::move(record), TransparentChildWndProc)) return;

  // Its pages and buttons are skinned as a container's children; the
  // container procedure goes in front and, painting nothing itself, passes
  // the painting messages on to this one.
  if (::FindWindowExA(control, nullptr, nullptr, nullptr))
    SkinChildren(control, 0, tintColour, tintAlpha);
}

}  // namespace skin
