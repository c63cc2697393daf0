// Containers and their children: not built yet.
#include "skin/engine/skin_engine.h"

namespace skin {

void SkinEngine::SkinChildren(HWND, std::optional<int>, std::optional<Colour>,
                              std::optional<uint8_t>, std::optional<int>) {}
void SkinEngine::SetContainerAlpha(HWND, uint8_t) {}

}  // namespace skin
