// Children that draw over their parent's background: not built yet.
#include "skin/engine/skin_engine.h"

namespace skin {

void SkinEngine::SkinTransparentChild(HWND, std::optional<Colour>, std::optional<Colour>,
                                      std::optional<uint8_t>) {}

}  // namespace skin
