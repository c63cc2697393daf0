// Painters of image buttons: the facts of one paint from the record, drawn
// over the captured background in one transfer.
#include "skin/controls/image_buttons/image_button_looks.h"
#include "skin/controls/image_buttons/image_buttons.h"
#include "skin/drawing/paint_frame.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"

namespace skin {
namespace {

const ButtonRecord* RecordOfButton(HWND button) {
  return RecordOf<&SkinnedWindow::ButtonControls>(button);
}

LookBox BoxOf(const RECT& rect) {
  return LookBox{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

void PaintImageButton(HWND button, HDC dc, UINT state, const RECT& rect) {
  const ButtonRecord* r = RecordOfButton(button);
  if (!r || !dc) return;
  ImageButtonLook look;
  look.image = r->images[kNormalImage];
  look.beside = r->imageBeside == 1;
  look.text.caption = r->caption;
  look.text.fontName = r->fontName;
  look.text.fontSize = r->fontSize;
  look.text.fontStyle = r->fontStyle;
  look.text.textColour = static_cast<Colour>(GetIntProp(button, prop::Kj_Ztys));
  look.text.accent = Module.AccentColour;
  look.text.state = state;
  RECT client;
  ::GetClientRect(button, &client);
  look.clientWidth = client.right;
  look.clientHeight = client.bottom;

  PaintFrame frame(button, rect);
  if (!frame) return;
  DrawImageButtonLook(frame.graphics(), look, BoxOf(rect));
  frame.CopyTo(dc);
}

void PaintStateImageButton(HWND button, HDC dc, UINT state, const RECT& rect) {
  const ButtonRecord* r = RecordOfButton(button);
  if (!r || !dc) return;
  StateImageLook look;
  look.normal = r->images[kNormalImage];
  look.hot = r->images[kHotImage];
  look.pressed = r->images[kPressedImage];
  look.disabled = r->images[kDisabledImage];
  look.accent = Module.AccentColour;
  look.state = state;

  PaintFrame frame(button, rect);
  if (!frame) return;
  DrawStateImageLook(frame.graphics(), look);
  frame.CopyTo(dc);
}

}  // namespace skin
