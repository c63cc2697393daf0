#include "skin/controls/child_hover.h"

#include "skin/engine/skinned_window.h"

namespace skin {

bool HoverArrives(SkinnedWindow& w, HWND control, int index, int kind) {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control, HOVER_DEFAULT};
  ::TrackMouseEvent(&track);
  w.HoverChild = index;
  return w.LastHoverChild != w.HoverChild || w.HoverKind != kind;
}

void HoverDrawn(SkinnedWindow& w, int kind) {
  w.LastHoverChild = w.HoverChild;
  w.HoverKind = kind;
}

}  // namespace skin
