// Turning a BUTTON of a skinned window into an image button (the engine's
// SkinImageButton and SkinStateImageButton).
#include "skin/controls/buttons/buttons.h"
#include "skin/controls/image_buttons/image_buttons.h"
#include "skin/drawing/control_font.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"

namespace skin {
namespace {

constexpr LONG kOwnerDrawType = 0xB;  // BS_OWNERDRAW
constexpr UINT kTipTool = 1;
constexpr char kCaptionFace[] = "宋体";
constexpr int kCaptionSize = 12;

// What each operation gives the record.
struct ImageButtonSetup {
  ButtonKind kind = kImageButton;
  std::vector<uint8_t> images[5];
  int32_t beside = 0;
  const std::string* tip = nullptr;
};

// A tip text given again updates the one tool of the button's tooltip.
void SetTip(ButtonRecord& r, const std::string& tip) {
  if (tip.empty()) return;
  if (r.tooltip.GetWindow() && ::IsWindow(r.tooltip.GetWindow())) {
    r.tooltip.SetToolText(kTipTool, tip);
    return;
  }
  RECT client;
  ::GetClientRect(r.hwnd, &client);
  r.tooltip = graphics::Tooltip{};
  if (r.tooltip.Create(r.hwnd)) r.tooltip.AddTool(client, tip, kTipTool);
}

bool MakeImageButton(HWND button, ImageButtonSetup setup) {
  const int n = button ? FindOwningSkinnedWindow(button) : 0;
  SkinnedWindow* w = WindowRecord(n);
  if (!w) return false;
  int index = FindButton(n, button);
  // A control another family has skinned runs that family's procedure under
  // the same properties: a second registration would save the procedure it
  // runs as its own predecessor, and it would forward to itself for ever.
  if (!index && GetIntProp(button, prop::Hw_FuID) != 0) return false;
  if (!index) {
    // Not taken by the button installer: subclassed here, with the font a
    // push button would get, so that the caption shows.
    ButtonRecord record;
    record.hwnd = button;
    const ControlFont font = ReadControlFont(button);
    record.fontName = font.face.empty() ? kCaptionFace : font.face;
    record.fontSize = font.size > 0 ? font.size : kCaptionSize;
    record.fontStyle = font.style;
    index = RegisterChild(w->ButtonControls, n, std::move(record), ButtonWndProc);
    if (!index) return false;  // it runs the button procedure for another window
  }
  ButtonRecord& r = w->ButtonControls.at(index);
  r.kind = setup.kind;
  for (int k = 0; k < 5; ++k) r.images[k] = std::move(setup.images[k]);
  if (setup.kind == kImageButton) {
    r.imageBeside = setup.beside;
    r.caption = WindowText(button);
  }
  if (setup.tip) SetTip(r, *setup.tip);
  ::SetWindowLongA(button, GWL_STYLE, ::GetWindowLongA(button, GWL_STYLE) | kOwnerDrawType);
  ::InvalidateRect(button, nullptr, FALSE);
  return true;
}

}  // namespace

bool SkinEngine::SkinImageButton(HWND button, const Bytes& image, int32_t beside,
                                 const std::string& tip) {
  ImageButtonSetup setup;
  setup.kind = kImageButton;
  setup.images[kNormalImage] = image;
  setup.beside = beside;
  setup.tip = &tip;
  return MakeImageButton(button, std::move(setup));
}

bool SkinEngine::SkinStateImageButton(HWND button, const Bytes& normal, std::optional<Bytes> hot,
                                      std::optional<Bytes> pressed, std::optional<Bytes> disabled,
                                      std::optional<std::string> tip) {
  ImageButtonSetup setup;
  setup.kind = kStateImageButton;
  setup.images[kNormalImage] = normal;
  setup.images[kHotImage] = hot.value_or(Bytes{});
  setup.images[kPressedImage] = pressed.value_or(Bytes{});
  setup.images[kDisabledImage] = disabled.value_or(Bytes{});
  if (tip) setup.tip = &*tip;
  return MakeImageButton(button, std::move(setup));
}

}  // namespace skin
