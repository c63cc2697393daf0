// Finding the buttons a skinned window or container holds and taking them
// over.
#include "skin/controls/buttons/buttons.h"

#include "skin/drawing/control_font.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"

namespace skin {
namespace {

constexpr LONG kOwnerDrawType = 0xB;  // BS_OWNERDRAW
constexpr char kPushButtonFace[] = "宋体";
constexpr int kPushButtonSize = 12;

bool IsOwnerDrawn(LONG type) { return (type & kOwnerDrawType) == kOwnerDrawType; }

using KindRule = std::optional<ButtonKind> (*)(LONG style);

void SkinButtons(int i, HWND parent, KindRule kindOf) {
  if (!Module.SkinChildControls || !WindowRecord(i)) return;
  for (HWND button = ::FindWindowExA(parent, nullptr, "BUTTON", nullptr); button;
       button = ::FindWindowExA(parent, button, "BUTTON", nullptr)) {
    const LONG style = ::GetWindowLongA(button, GWL_STYLE);
    const std::optional<ButtonKind> kind = kindOf(style);
    SkinnedWindow* w = WindowRecord(i);
    if (!kind || !w || FindButton(i, button)) continue;

    ButtonRecord record;
    record.hwnd = button;
    record.kind = *kind;
    record.caption = WindowText(button);
    if (*kind != kPushButton) {
      record.checkedAtSkin = ::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
      record.parentWnd = parent;
    }
    const int index = RegisterChild(w->ButtonControls, i, std::move(record), ButtonWndProc);
    if (!index) continue;
    // An owner-drawn push button asks its parent to draw it: the engine then does.
    if (*kind == kPushButton) ::SetWindowLongA(button, GWL_STYLE, style | kOwnerDrawType);

    const ControlFont font = ReadControlFont(button);
    w = WindowRecord(i);
    ButtonRecord* r = w ? w->ButtonControls.find(index) : nullptr;
    if (!r || r->hwnd != button) continue;
    r->fontName = font.face;
    r->fontSize = font.size;
    r->fontStyle = font.style;
    if (*kind == kPushButton) {
      if (r->fontName.empty()) r->fontName = kPushButtonFace;
      if (r->fontSize == 0) r->fontSize = kPushButtonSize;
    }
    // Shown already, it would keep the platform's look until its next paint.
    ::InvalidateRect(button, nullptr, FALSE);
  }
}

}  // namespace

std::optional<ButtonKind> PushButtonKind(LONG style) {
  const LONG type = style & 0xF;
  if (IsOwnerDrawn(type) || (type & 0x2) || (type & 0x4) || ((type & 0x1) && (type & 0x8)))
    return std::nullopt;
  return kPushButton;
}

std::optional<ButtonKind> CheckOrRadioKind(LONG style) {
  const LONG type = style & 0xF;
  if (IsOwnerDrawn(type) || (type & 0x4)) return std::nullopt;
  if (type & 0x2) return kCheckBox;
  if (type == 0x9) return kRadioButton;  // BS_AUTORADIOBUTTON
  return std::nullopt;
}

void SkinPushButtons(int i, HWND parent) { SkinButtons(i, parent, PushButtonKind); }

void SkinCheckAndRadioButtons(int i, HWND parent) { SkinButtons(i, parent, CheckOrRadioKind); }

int FindButton(int i, HWND button) {
  const SkinnedWindow* w = WindowRecord(i);
  return w ? FindChild(w->ButtonControls, button) : 0;
}

}  // namespace skin
