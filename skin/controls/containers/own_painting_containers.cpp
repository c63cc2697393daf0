// Containers that paint themselves and children that come later: a child
// dialog (a property-sheet page) of an adopted window keeps its own painting
// over what lies behind it, and the controls it makes after it was taken
// (all of them, for a page made when its tab is first chosen) are skinned
// as they appear.
#include "platform/handles.h"
#include "skin/controls/containers/containers.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/frame/adopted_children.h"

namespace skin {
namespace {

LRESULT Forward(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Hw_hProc, container, message, wParam, lParam);
}

// What lies behind the container under its update region, its opaque
// children left out.
void LayGroundUnderUpdate(HWND container) {
  platform::UniqueRegion update(::CreateRectRgn(0, 0, 0, 0));
  if (!update || ::GetUpdateRgn(container, update.get(), FALSE) <= NULLREGION) return;
  platform::WindowDC dc(container);
  ::SelectClipRgn(dc.get(), update.get());
  SolidChildExcludedDC(container, dc.get());
  FullPaintContainer(container, dc.get());
}

// The skinned window the container belongs to, when the engine adopted it.
HWND AdoptedOwner(HWND container) {
  const SkinnedWindow* w = WindowRecord(static_cast<int>(GetIntProp(container, prop::Hw_FuID)));
  return w && w->Adopted.on ? w->Hwnd : nullptr;
}

}  // namespace

bool AnswerOwnPainting(HWND container, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT& answer) {
  switch (message) {
    case WM_PAINT:
      LayGroundUnderUpdate(container);
      answer = Forward(container, message, wParam, lParam);
      return true;
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      const int saved = ::SaveDC(dc);
      // A child asking for its parent's ground (a transparent toolbar) gets
      // all of it through its own DC.
      if (::WindowFromDC(dc) == container) SolidChildExcludedDC(container, dc);
      FullPaintContainer(container, dc);
      ::RestoreDC(dc, saved);
      answer = 1;
      return true;
    }
    case WM_SHOWWINDOW:
      // Shown, it paints through its own WM_PAINT: nothing painted here.
      answer = Forward(container, message, wParam, lParam);
      return true;
  }
  return false;
}

void NoticeLateChildren(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND owner = AdoptedOwner(container);
  if (!owner) return;
  // The frame takes them once the message that made them has ended: a
  // dialog makes its controls after itself, and shows them after that.
  if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE && lParam)
    ::PostMessageA(owner, LateChildMessage(), 0, lParam);
  else if (message == WM_INITDIALOG || (message == WM_SHOWWINDOW && wParam == TRUE))
    ::PostMessageA(owner, LateChildMessage(), 0, reinterpret_cast<LPARAM>(container));
}

}  // namespace skin
