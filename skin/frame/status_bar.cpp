// The status strip at the bottom of a skinned frame: not built yet; each
// operation refuses safely.
#include "skin/engine/skin_engine.h"

namespace skin {

void SkinEngine::RestoreFromStatusCache(int, const RECT&) {}
void SkinEngine::SetStatusBar(int, int, std::optional<std::vector<StatusPanel>>) {}
void SkinEngine::LayoutStatusBar(int) {}
void SkinEngine::DrawStatusBar(int, graphics::Graphics*, std::optional<int>) {}
bool SkinEngine::SetStatusPanelText(HWND, int, const std::string&, std::optional<Bytes>,
                                    std::optional<Colour>) {
  return false;
}
bool SkinEngine::SetStatusStyle(HWND, std::optional<bool>, std::optional<bool>,
                                std::optional<Colour>, std::optional<Colour>,
                                std::optional<std::string>, std::optional<int>) {
  return false;
}

}  // namespace skin
