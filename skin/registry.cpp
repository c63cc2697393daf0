#include "skin/registry.h"

namespace skin {

std::vector<SkinnedWindow>& SkinnedWindows() {
  static std::vector<SkinnedWindow> windows;
  return windows;
}

std::vector<Surface>& Surfaces() {
  static std::vector<Surface> surfaces;
  return surfaces;
}

}  // namespace skin
