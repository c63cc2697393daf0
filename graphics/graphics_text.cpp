// The graphics context's text: drawn, measured and laid out glyph by glyph.
#include "graphics/graphics.h"

#include "graphics/stubbed_functions.h"
#include "graphics/text.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

namespace {
GpStringFormat* NativeOf(const StringFormat* format) {
  return format ? format->GetNative() : nullptr;
}
}  // namespace

bool Graphics::DrawString(const std::string& text, const Font& font, const RectF& layout,
                          const StringFormat* format, const Brush& brush) {
  return DrawString(Utf16FromCodePage(text), font, layout, format, brush);
}

bool Graphics::DrawString(const std::wstring& text, const Font& font, const RectF& layout,
                          const StringFormat* format, const Brush& brush) {
  const int length = detail::Utf16Length(text);
  if (length == 0) return Record(InvalidParameter);
  return Record(GdipDrawString(native_, text.c_str(), length, font.GetNative(), &layout,
                               NativeOf(format), brush.GetNative()));
}

TextMeasure Graphics::MeasureString(const std::string& text, const Font& font, const RectF& layout,
                                    const StringFormat* format) const {
  return MeasureString(Utf16FromCodePage(text), font, layout, format);
}

TextMeasure Graphics::MeasureString(const std::wstring& text, const Font& font, const RectF& layout,
                                    const StringFormat* format) const {
  const int length = detail::Utf16Length(text);
  if (length == 0) {
    Record(InvalidParameter);
    return {};
  }
  TextMeasure measure;
  if (!Record(GdipMeasureString(native_, text.c_str(), length, font.GetNative(), &layout,
                                NativeOf(format), &measure.bounds, &measure.codepoints_fitted,
                                &measure.lines_filled))) {
    return {};
  }
  return measure;
}

bool Graphics::MeasureCharacterRanges(const std::string& text, const Font& font,
                                      const RectF& layout, const StringFormat& format,
                                      std::vector<Region>& regions) const {
  return MeasureCharacterRanges(Utf16FromCodePage(text), font, layout, format, regions);
}

bool Graphics::MeasureCharacterRanges(const std::wstring& text, const Font& font,
                                      const RectF& layout, const StringFormat& format,
                                      std::vector<Region>& regions) const {
  const int length = detail::Utf16Length(text);
  if (length == 0) return Record(InvalidParameter);
  const int count = format.GetStringFormatMeasurableCharacterRangeCount();
  if (LastStatus() != Ok) return false;
  if (count <= 0) return Record(InvalidParameter);
  std::vector<Region> result(static_cast<size_t>(count));
  std::vector<GpRegion*> natives;
  for (Region& region : result) {
    if (!region.CreateRegion()) return false;
    natives.push_back(region.GetNative());
  }
  if (!Record(GdipMeasureCharacterRanges(native_, text.c_str(), length, font.GetNative(), layout,
                                         format.GetNative(), count, natives.data()))) {
    return false;
  }
  regions = std::move(result);
  return true;
}

bool Graphics::DrawDriverString(const std::string& text, const Font& font, const Brush& brush,
                                const std::vector<PointF>& positions, int flags,
                                const Matrix* matrix) {
  return DrawDriverString(Utf16FromCodePage(text), font, brush, positions, flags, matrix);
}

bool Graphics::DrawDriverString(const std::wstring& text, const Font& font, const Brush& brush,
                                const std::vector<PointF>& positions, int flags,
                                const Matrix* elements) {
  const int length = detail::Utf16Length(text);
  if (length == 0) return Record(InvalidParameter);
  // GDI+ reads one position per character unless told that advances are realised.
  const size_t needed = (flags & DriverStringOptionsRealizedAdvance) ? 1 : size_t(length);
  if (positions.size() < needed) return Record(InvalidParameter);
  detail::OptionalMatrix matrix(elements);
  return Record(GdipDrawDriverString(native_, reinterpret_cast<const UINT16*>(text.c_str()), length,
                                     font.GetNative(), brush.GetNative(), positions.data(), flags,
                                     matrix.get()));
}

}  // namespace graphics
