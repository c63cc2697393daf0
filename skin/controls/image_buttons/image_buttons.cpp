// Image buttons: not built yet.
#include "skin/engine/skin_engine.h"

namespace skin {

bool SkinEngine::SkinImageButton(HWND, const Bytes&, int32_t, const std::string&) { return false; }
bool SkinEngine::SkinStateImageButton(HWND, const Bytes&, std::optional<Bytes>,
                                      std::optional<Bytes>, std::optional<Bytes>,
                                      std::optional<std::string>) {
  return false;
}

}  // namespace skin
