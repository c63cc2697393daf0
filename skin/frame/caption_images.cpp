// Other pictures for the standard caption buttons: not built yet.
#include "skin/engine/skin_engine.h"

namespace skin {

bool SkinEngine::SetCaptionButtonImages(HWND, std::optional<Bytes>, std::optional<Bytes>,
                                        std::optional<Bytes>, std::optional<Bytes>) {
  return false;
}

}  // namespace skin
