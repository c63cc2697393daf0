#include "skin/engine/registry.h"

#include "skin/engine/properties.h"

namespace skin {

std::vector<std::unique_ptr<SkinnedWindow>>& SkinnedWindows() {
  static std::vector<std::unique_ptr<SkinnedWindow>> windows;
  return windows;
}

std::vector<Surface>& Surfaces() {
  static std::vector<Surface> surfaces;
  return surfaces;
}

int WindowCount() { return static_cast<int>(SkinnedWindows().size()); }

SkinnedWindow* WindowRecord(int i) {
  if (i < 1 || i > WindowCount()) return nullptr;
  return SkinnedWindows()[static_cast<size_t>(i) - 1].get();
}

int FindSkinnedWindow(HWND window) {
  if (!window) return 0;
  for (int i = 1; i <= WindowCount(); ++i)
    if (WindowRecord(i)->Hwnd == window) return i;
  return 0;
}

int FindOwningSkinnedWindow(HWND child) {
  // Up through child windows only: for a popup GetParent names its owner,
  // which the popup does not stand on.
  for (HWND p = child; p && (::GetWindowLongA(p, GWL_STYLE) & WS_CHILD);) {
    p = ::GetParent(p);
    if (int n = FindSkinnedWindow(p)) return n;
  }
  return 0;
}

int WindowNumberOf(HWND window) {
  if (!window) return 0;
  const int i = static_cast<int>(GetIntProp(window, prop::Hw_lbID));
  return (i >= 1 && i <= WindowCount()) ? i : 0;
}

}  // namespace skin
