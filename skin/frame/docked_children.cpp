// Children kept stretched across a skinned window: not built yet.
#include "skin/engine/skin_engine.h"

namespace skin {

void SkinEngine::LayoutDockedChildren(int) {}

}  // namespace skin
