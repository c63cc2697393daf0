// Other pictures for the standard caption buttons (minimise, maximise and
// restore, close), chosen by which of them the window's style has.
#include <windows.h>

#include "graphics/image.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"

namespace skin {
namespace {

// Takes `image` into `slot` when it was given and decodes; a picture that
// does not decode would leave the button blank, so the old one stays.
void Replace(std::vector<uint8_t>& slot, const std::optional<Bytes>& image) {
  if (!image) return;
  graphics::Image probe;
  if (!probe.LoadImageFromStream(*image)) return;
  slot = *image;
}

// Button k when it is of that kind: a style changed since the window was
// skinned must not put a minimise picture on a help or custom button.
CaptionButton* ButtonOfKind(SkinnedWindow& w, int k, CaptionButtonKind kind) {
  CaptionButton* b = w.CaptionButtons.find(k);
  return b && b->Kind == kind ? b : nullptr;
}

}  // namespace

bool SkinEngine::SetCaptionButtonImages(HWND window, std::optional<Bytes> minImage,
                                        std::optional<Bytes> maxImage,
                                        std::optional<Bytes> restoreImage,
                                        std::optional<Bytes> closeImage) {
  const int i = WindowNumberOf(window);
  SkinnedWindow* w = WindowRecord(i);
  // A skinned container carries its own index under the same property: it
  // must not be taken for the window of that number.
  if (!w || w->Hwnd != window) return false;
  const int m = w->CaptionButtons.count();
  if (m == 0) return false;

  const LONG style = ::GetWindowLongA(window, GWL_STYLE);
  const bool hasMin = (style & WS_MINIMIZEBOX) != 0, hasMax = (style & WS_MAXIMIZEBOX) != 0;
  const int maxAt = hasMax ? m - 1 : 0;
  const int minAt = hasMin ? (hasMax ? m - 2 : m - 1) : 0;
  if (CaptionButton* b = ButtonOfKind(*w, maxAt, kMaxButton)) {
    Replace(b->ButtonImage, maxImage);
    Replace(b->AltImage, restoreImage);
  }
  if (CaptionButton* b = ButtonOfKind(*w, minAt, kMinButton)) Replace(b->ButtonImage, minImage);
  if (CaptionButton* b = ButtonOfKind(*w, m, kCloseButton)) Replace(b->ButtonImage, closeImage);

  for (int k = 1; k <= m; ++k) DrawCaptionButton(i, k, nullptr, false);
  return true;
}

}  // namespace skin
