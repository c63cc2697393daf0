// Registering a container and skinning its children (the engine's
// SkinChildren), and changing its tint later (SetContainerAlpha).
#include "skin/controls/child_skinning.h"
#include "skin/controls/containers/containers.h"
#include "skin/drawing/control_font.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"

namespace skin {
namespace {

// The nearest ancestor another program marked as the background source.
HWND NearestMarkedAncestor(HWND container) {
  for (HWND p = ::GetParent(container); p; p = ::GetParent(p))
    if (GetIntProp(p, prop::Wxk_Zpf) == 1) return p;
  return nullptr;
}

bool IsGroupBoxLike(HWND container) {
  return GetClassText(container) == "Button" && (::GetWindowLongA(container, GWL_STYLE) & 0x4);
}

}  // namespace

// A container in no skinned window is left alone.
void SkinEngine::SkinChildren(HWND container, std::optional<int> paintSelf,
                              std::optional<Colour> tintColour, std::optional<uint8_t> tintAlpha,
                              std::optional<int> drawBorder) {
  const int n = container ? FindOwningSkinnedWindow(container) : 0;
  SkinnedWindow* w = WindowRecord(n);
  if (!w || FindChild(w->Containers, container)) return;
  // A control a family has skinned (or a container of another window) runs
  // an engine procedure under the same properties already: registering it
  // again would make it forward to itself.
  if (GetIntProp(container, prop::Hw_FuID) != 0) return;

  ContainerRecord record;
  record.hwnd = container;
  record.tintColour = tintColour.value_or(0);
  record.tintAlpha = tintAlpha.value_or(255);
  record.drawBorder = drawBorder.value_or(0);
  record.paintSelf = paintSelf.value_or(1);
  if (IsGroupBoxLike(container)) {
    record.isGroupBox = 1;
    const ControlFont font = ReadControlFont(container);
    record.fontName = font.face;
    record.fontSize = font.size;
    record.fontStyle = font.style;
  }
  record.needsFullPaint = 1;
  if (!RegisterChild(w->Containers, n, std::move(record), ContainerWndProc)) return;
  SetHandleProp(container, prop::Mb_zpf, NearestMarkedAncestor(container));
  SkinEveryFamily(n, container);
}

void SkinEngine::SetContainerAlpha(HWND container, uint8_t alpha) {
  const int n = static_cast<int>(GetIntProp(container, prop::Hw_FuID));
  const int k = static_cast<int>(GetIntProp(container, prop::Hw_lbID));
  if (n < 1 || k < 1) return;
  SkinnedWindow* w = WindowRecord(n);
  ContainerRecord* c = w ? w->Containers.find(k) : nullptr;
  if (!c || c->hwnd != container || c->tintColour == 0) return;
  c->tintAlpha = alpha;
  ::InvalidateRect(container, nullptr, FALSE);
}

}  // namespace skin
