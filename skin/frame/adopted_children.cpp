#include "skin/frame/adopted_children.h"

#include <set>
#include <string>

#include "skin/controls/child_skinning.h"
#include "skin/controls/containers/containers.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"

namespace skin {
namespace {

// Controls whose children are parts of themselves, never containers.
bool OwnsItsChildren(const std::string& cls) {
  static const std::set<std::string> kParts = {
      "ComboBox",        "ComboLBox",         "Edit",
      "ListBox",         "SysListView32",     "SysTreeView32",
      "SysHeader32",     "SysDateTimePick32", "SysIPAddress32",
      "msctls_updown32", "msctls_trackbar32", "msctls_progress32",
      "SysTabControl32", "ScrollBar",         "Button",
      "Static",          "ToolbarWindow32",   "tooltips_class32",
      "SysMonthCal32",   "RichEdit20A",       "RichEdit20W"};
  return kParts.count(cls) != 0;
}

bool IsChildDialog(HWND window, const std::string& cls) {
  return cls == "#32770" && (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD);
}

bool Registered(HWND window) {
  return GetIntProp(window, prop::Hw_FuID) != 0 || GetIntProp(window, prop::Kj_FuID) != 0;
}

// A child dialog paints its own client and gets the window's background
// where it erases; any other container keeps its own painting whole.
constexpr int kOwnPaintingOnBackground = kPaintsOwnOverGround;
constexpr int kOwnPainting = 0;

void TakeIfContainer(SkinEngine& engine, int i, HWND child) {
  if (Registered(child)) return;
  const std::string cls = GetClassText(child);
  const bool dialog = IsChildDialog(child, cls);
  if (!dialog && (OwnsItsChildren(cls) || !::GetWindow(child, GW_CHILD))) return;
  engine.SkinChildren(child, dialog ? kOwnPaintingOnBackground : kOwnPainting);
  if (WindowRecord(i)) TakeChildContainers(engine, i, child);
}

}  // namespace

void TakeChildContainers(SkinEngine& engine, int i, HWND parent) {
  if (!Module.SkinChildControls) return;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    TakeIfContainer(engine, i, child);
}

void TakeLateChild(SkinEngine& engine, int i, HWND parent, HWND child) {
  if (!Module.SkinChildControls || !child || ::GetParent(child) != parent) return;
  SkinEveryFamily(i, parent);
  if (!WindowRecord(i) || !::IsWindow(child)) return;
  if (!Registered(child)) {
    TakeIfContainer(engine, i, child);
    return;
  }
  // A container taken before it held anything: what it holds now.
  const int k = static_cast<int>(GetIntProp(child, prop::Hw_lbID));
  const SkinnedWindow* w = WindowRecord(i);
  const ContainerRecord* c = w ? w->Containers.find(k) : nullptr;
  if (!c || c->hwnd != child || GetIntProp(child, prop::Hw_FuID) != i) return;
  SkinEveryFamily(i, child);
  if (WindowRecord(i)) TakeChildContainers(engine, i, child);
}

UINT LateChildMessage() {
  static const UINT message = ::RegisterWindowMessageA("SkinEngine.LateChild");
  return message;
}

}  // namespace skin
