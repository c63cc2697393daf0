#include "graphics/solid_fill.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

bool SolidFill::CreateSolidFill(ARGB colour) {
  GpSolidFill* brush = nullptr;
  Status status = GdipCreateSolidFill(colour, &brush);
  SetNative(brush);
  return Record(status);
}

bool SolidFill::SetSolidFillColor(ARGB colour) {
  return Record(GdipSetSolidFillColor(GetNative(), colour));
}

ARGB SolidFill::GetSolidFillColor() const {
  ARGB colour = 0;
  return Record(GdipGetSolidFillColor(GetNative(), &colour)) ? colour : 0;
}

}  // namespace graphics
