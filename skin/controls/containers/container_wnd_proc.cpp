// The procedure of every registered container: it paints the container
// itself when asked to, hands its children's owner-draw requests to the
// button dispatch, and answers their colour messages so that they show what
// lies behind them.
#include "platform/handles.h"
#include "skin/controls/buttons/buttons.h"
#include "skin/controls/containers/containers.h"
#include "skin/drawing/colour_messages.h"
#include "skin/engine/child_families.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"

namespace skin {
namespace {

ContainerRecord* RecordOfContainer(HWND container) {
  return RecordOf<&SkinnedWindow::Containers>(container);
}

int OwnerNumber(HWND container) { return static_cast<int>(GetIntProp(container, prop::Hw_FuID)); }

LRESULT Forward(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardMessage(prop::Hw_hProc, container, message, wParam, lParam);
}

LRESULT OnShow(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  Forward(container, message, wParam, lParam);
  if (const ContainerRecord* c = RecordOfContainer(container); c && c->paintSelf)
    FullPaintContainer(container, nullptr);
  return ::DefWindowProcA(container, message, wParam, lParam);
}

LRESULT OnPaint(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  {
    platform::PaintScope paint(container);
    const ContainerRecord* c = RecordOfContainer(container);
    if (c && c->needsFullPaint)
      FullPaintContainer(container, paint.dc());
    else
      NormalPaintContainer(container);
  }
  return ::DefWindowProcA(container, message, wParam, lParam);
}

// Anyone can send these; one without its structure goes on untouched.
void OnDrawItem(HWND container, LPARAM lParam) {
  if (!lParam) return;
  const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  DispatchDrawItem(OwnerNumber(container), item);
}

void OnNotify(LPARAM lParam) {
  if (!lParam) return;
  const NMHDR header = *reinterpret_cast<const NMHDR*>(lParam);
  if (IsTreeExpansion(static_cast<int>(header.code)))
    ::InvalidateRect(header.hwndFrom, nullptr, TRUE);
}

void OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND control = reinterpret_cast<HWND>(lParam);
  if (!control || !Module.SkinChildControls || !Module.TranslucencyGiven) return;
  if (NotificationChangesBackground(GetClassText(control), HIWORD(wParam)))
    ::InvalidateRect(control, nullptr, TRUE);
}

}  // namespace

LRESULT CALLBACK ContainerWndProc(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  ContainerRecord* c = RecordOfContainer(container);
  if (!c) return Forward(container, message, wParam, lParam);
  NoticeLateChildren(container, message, wParam, lParam);
  if (c->paintSelf == kPaintsOwnOverGround) {
    LRESULT answer = 0;
    if (AnswerOwnPainting(container, message, wParam, lParam, answer)) return answer;
  }
  switch (message) {
    case WM_SHOWWINDOW:
      if (wParam == TRUE) return OnShow(container, message, wParam, lParam);
      break;
    case WM_MOVE:
      if (c->paintSelf && c->tintAlpha != 255) ::InvalidateRect(container, nullptr, FALSE);
      break;
    case WM_SIZE: c->needsFullPaint = 1; break;
    case WM_PAINT:
      if (c->paintSelf) return OnPaint(container, message, wParam, lParam);
      break;
    case WM_ERASEBKGND:
      if (c->paintSelf) {
        ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
      }
      break;
    case WM_DRAWITEM: OnDrawItem(container, lParam); break;
    case WM_NOTIFY: OnNotify(lParam); break;
    case WM_COMMAND: OnCommand(wParam, lParam); break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (SkinnedWindow* w = WindowRecord(OwnerNumber(container))) {
        LRESULT brush = 0;
        if (AnswerColourMessage(*w, message, wParam, lParam, brush)) return brush;
      }
      break;
    case WM_NCDESTROY: return OnChildNcDestroy(ContainerWndProc, container, wParam, lParam);
  }
  return Forward(container, message, wParam, lParam);
}

}  // namespace skin
