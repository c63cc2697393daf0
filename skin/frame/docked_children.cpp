// Children kept stretched across a skinned window, below their own top and
// above the status strip.
#include <windows.h>

#include <algorithm>

#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"

namespace skin {
namespace {

constexpr int kSideInset = 2;
constexpr int kBottomInset = 3;

DockedChild* EntryOf(SkinnedWindow& w, HWND child) {
  for (DockedChild& d : w.DockedChildren)
    if (d.hwnd == child) return &d;
  return nullptr;
}

}  // namespace

void SkinEngine::LayoutDockedChildren(int i) {
  SkinnedWindow* w = WindowRecord(i);
  // A minimised window has no client area: squeezing the children to nothing
  // would only cost them their scroll positions until the restore.
  if (!w || ::IsIconic(w->Hwnd)) return;
  RECT client{};
  ::GetClientRect(w->Hwnd, &client);
  const int cw = client.right, ch = client.bottom;
  const int status = std::max(0, w->StatusHeight);
  // Moving a child can re-enter the frame (its parent hears of the move):
  // the entries are copied first.
  const std::vector<DockedChild> entries(w->DockedChildren.begin(), w->DockedChildren.end());
  for (const DockedChild& d : entries) {
    if (!d.hwnd || !::IsWindow(d.hwnd)) continue;
    // A window too small for the child leaves it empty, not inside out.
    const int width = std::max(0, cw - 2 * kSideInset);
    const int height = std::max(0, ch - d.top - status - kBottomInset);
    ::MoveWindow(d.hwnd, kSideInset, d.top, width, height, TRUE);
  }
}

bool SkinEngine::DockChild(HWND window, HWND child, int top) {
  const int i = FindSkinnedWindow(window);
  SkinnedWindow* w = WindowRecord(i);
  if (!w || !child || !::IsWindow(child) || ::GetParent(child) != window) return false;
  if (DockedChild* existing = EntryOf(*w, child)) {
    existing->top = top;
  } else if (DockedChild* free = EntryOf(*w, nullptr)) {
    *free = DockedChild{child, top};
  } else {
    w->DockedChildren.append(DockedChild{child, top});
  }
  LayoutDockedChildren(i);
  return true;
}

bool SkinEngine::UndockChild(HWND window, HWND child) {
  SkinnedWindow* w = WindowRecord(FindSkinnedWindow(window));
  if (!w || !child) return false;
  DockedChild* entry = EntryOf(*w, child);
  if (!entry) return false;
  // The entry stays, emptied, so that the list keeps its numbering.
  *entry = DockedChild{};
  return true;
}

}  // namespace skin
