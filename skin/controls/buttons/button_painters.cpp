// The painters of push buttons, radio buttons and check boxes: they gather
// the facts of one paint from the record, the control and its properties,
// and draw the look over the captured background in one transfer.
#include "platform/handles.h"
#include "skin/controls/buttons/button_looks.h"
#include "skin/controls/buttons/buttons.h"
#include "skin/drawing/paint_frame.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"

namespace skin {
namespace {

ButtonLook LookOf(const ButtonRecord& r, HWND button, UINT state) {
  ButtonLook look;
  look.caption = r.caption;
  look.fontName = r.fontName;
  look.fontSize = r.fontSize;
  look.fontStyle = r.fontStyle;
  look.textColour = static_cast<Colour>(GetIntProp(button, prop::Kj_Ztys));
  look.accent = Module.AccentColour;
  look.state = state;
  if (r.kind == kRadioButton || r.kind == kCheckBox)
    look.checked = ::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
  return look;
}

using LookDrawer = void (*)(graphics::Graphics&, const ButtonLook&, const LookBox&);

void Paint(HWND button, HDC dc, UINT state, const RECT& rect, LookDrawer draw) {
  const ButtonRecord* r = RecordOf<&SkinnedWindow::ButtonControls>(button);
  if (!r || !dc) return;
  const ButtonLook look = LookOf(*r, button, state);
  PaintFrame frame(button, rect);
  if (!frame) return;
  draw(frame.graphics(), look,
       LookBox{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
  frame.CopyTo(dc);
}

// Radio buttons and check boxes paint on their own DC, over the client area.
void PaintOnOwnDC(HWND button, UINT state, LookDrawer draw) {
  RECT client;
  ::GetClientRect(button, &client);
  platform::WindowDC dc(button);
  Paint(button, dc.get(), state, client, draw);
}

}  // namespace

void PaintPushButton(HWND button, HDC dc, UINT state, const RECT& rect) {
  Paint(button, dc, state, rect, DrawPushButtonLook);
}

void PaintRadioButton(HWND button, UINT state) { PaintOnOwnDC(button, state, DrawRadioButtonLook); }

void PaintCheckBox(HWND button, UINT state) { PaintOnOwnDC(button, state, DrawCheckBoxLook); }

}  // namespace skin
