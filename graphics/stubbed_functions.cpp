#include "graphics/stubbed_functions.h"

#include <windows.h>

#include <cstring>

namespace graphics {
namespace detail {

namespace {
// The functions Wine's gdiplus.dll (version 8) exports as aborting stubs.
const char* const kWineStubs[] = {
    "GdipEnumerateMetafileDestPoints",
    "GdipEnumerateMetafileDestPointsI",
    "GdipEnumerateMetafileSrcRectDestPoint",
    "GdipEnumerateMetafileSrcRectDestPointI",
    "GdipEnumerateMetafileSrcRectDestPointsI",
    "GdipGetEncoderParameterList",
    "GdipSetPenUnit",
};

bool RunningOnWine() {
  static const bool wine = [] {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
  }();
  return wine;
}
}  // namespace

bool IsStubbedOut(const char* name) {
  if (!RunningOnWine()) return false;
  for (const char* stub : kWineStubs) {
    if (strcmp(stub, name) == 0) return true;
  }
  return false;
}

}  // namespace detail
}  // namespace graphics
