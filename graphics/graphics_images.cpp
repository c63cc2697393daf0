// The graphics context's pictures: images drawn whole, in part or onto
// points, and metafiles played record by record.
#include "graphics/graphics.h"

#include "graphics/stubbed_functions.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

namespace {
GpMetafile* MetafileOf(const Image& image) { return static_cast<GpMetafile*>(image.GetNative()); }
}  // namespace

bool Graphics::DrawImage(const Image& image, float x, float y) {
  return Record(GdipDrawImage(native_, image.GetNative(), x, y));
}

bool Graphics::DrawImageI(const Image& image, int x, int y) {
  return Record(GdipDrawImageI(native_, image.GetNative(), x, y));
}

bool Graphics::DrawCachedBitmap(GpCachedBitmap* cached, int x, int y) {
  return Record(GdipDrawCachedBitmap(native_, cached, x, y));
}

bool Graphics::DrawImageRectRect(const Image& image, float x, float y, float width, float height,
                                 Unit source_unit) {
  const UINT image_width = image.GetImageWidth();
  if (LastStatus() != Ok) return false;
  const UINT image_height = image.GetImageHeight();
  if (LastStatus() != Ok) return false;
  return DrawImageRectRect(image, x, y, width, height, 0, 0, REAL(image_width), REAL(image_height),
                           source_unit);
}

bool Graphics::DrawImageRectRectI(const Image& image, int x, int y, int width, int height,
                                  Unit source_unit) {
  const UINT image_width = image.GetImageWidth();
  if (LastStatus() != Ok) return false;
  const UINT image_height = image.GetImageHeight();
  if (LastStatus() != Ok) return false;
  return DrawImageRectRectI(image, x, y, width, height, 0, 0, INT(image_width), INT(image_height),
                            source_unit);
}

bool Graphics::DrawImagePoints(const Image& image, const std::vector<PointF>& points) {
  return Record(GdipDrawImagePoints(native_, image.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawImagePointsI(const Image& image, const std::vector<Point>& points) {
  return Record(
      GdipDrawImagePointsI(native_, image.GetNative(), points.data(), int(points.size())));
}

bool Graphics::DrawImagePointRect(const Image& image, float x, float y, float src_x, float src_y,
                                  float src_width, float src_height, Unit source_unit) {
  return Record(GdipDrawImagePointRect(native_, image.GetNative(), x, y, src_x, src_y, src_width,
                                       src_height, source_unit));
}

bool Graphics::DrawImagePointRectI(const Image& image, int x, int y, int src_x, int src_y,
                                   int src_width, int src_height, Unit source_unit) {
  return Record(GdipDrawImagePointRectI(native_, image.GetNative(), x, y, src_x, src_y, src_width,
                                        src_height, source_unit));
}

bool Graphics::DrawImageRectRect(const Image& image, float x, float y, float width, float height,
                                 float src_x, float src_y, float src_width, float src_height,
                                 Unit source_unit, GpImageAttributes* attributes,
                                 DrawImageAbort callback, void* callback_data) {
  return Record(GdipDrawImageRectRect(native_, image.GetNative(), x, y, width, height, src_x, src_y,
                                      src_width, src_height, source_unit, attributes, callback,
                                      callback_data));
}

bool Graphics::DrawImageRectRectI(const Image& image, int x, int y, int width, int height,
                                  int src_x, int src_y, int src_width, int src_height,
                                  Unit source_unit, GpImageAttributes* attributes,
                                  DrawImageAbort callback, void* callback_data) {
  return Record(GdipDrawImageRectRectI(native_, image.GetNative(), x, y, width, height, src_x,
                                       src_y, src_width, src_height, source_unit, attributes,
                                       callback, callback_data));
}

bool Graphics::DrawImagePointsRect(const Image& image, const std::vector<PointF>& points,
                                   float src_x, float src_y, float src_width, float src_height,
                                   Unit source_unit, GpImageAttributes* attributes,
                                   DrawImageAbort callback, void* callback_data) {
  return Record(GdipDrawImagePointsRect(native_, image.GetNative(), points.data(),
                                        int(points.size()), src_x, src_y, src_width, src_height,
                                        source_unit, attributes, callback, callback_data));
}

bool Graphics::DrawImagePointsRectI(const Image& image, const std::vector<Point>& points, int src_x,
                                    int src_y, int src_width, int src_height, Unit source_unit,
                                    GpImageAttributes* attributes, DrawImageAbort callback,
                                    void* callback_data) {
  return Record(GdipDrawImagePointsRectI(native_, image.GetNative(), points.data(),
                                         int(points.size()), src_x, src_y, src_width, src_height,
                                         source_unit, attributes, callback, callback_data));
}

bool Graphics::EnumerateMetafileDestPoint(const Image& metafile, const PointF& destination,
                                          EnumerateMetafileProc callback, void* data,
                                          GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileDestPoint(native_, MetafileOf(metafile), destination, callback,
                                               data, attributes));
}

bool Graphics::EnumerateMetafileDestPointI(const Image& metafile, const Point& destination,
                                           EnumerateMetafileProc callback, void* data,
                                           GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileDestPointI(native_, MetafileOf(metafile), destination,
                                                callback, data, attributes));
}

bool Graphics::EnumerateMetafileDestPoints(const Image& metafile,
                                           const std::vector<PointF>& destination,
                                           EnumerateMetafileProc callback, void* data,
                                           GpImageAttributes* attributes) {
  if (detail::IsStubbedOut("GdipEnumerateMetafileDestPoints")) return Record(NotImplemented);
  return Record(GdipEnumerateMetafileDestPoints(native_, MetafileOf(metafile), destination.data(),
                                                int(destination.size()), callback, data,
                                                attributes));
}

bool Graphics::EnumerateMetafileDestPointsI(const Image& metafile,
                                            const std::vector<Point>& destination,
                                            EnumerateMetafileProc callback, void* data,
                                            GpImageAttributes* attributes) {
  if (detail::IsStubbedOut("GdipEnumerateMetafileDestPointsI")) return Record(NotImplemented);
  return Record(GdipEnumerateMetafileDestPointsI(native_, MetafileOf(metafile), destination.data(),
                                                 int(destination.size()), callback, data,
                                                 attributes));
}

bool Graphics::EnumerateMetafileDestRect(const Image& metafile, const RectF& destination,
                                         EnumerateMetafileProc callback, void* data,
                                         GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileDestRect(native_, MetafileOf(metafile), destination, callback,
                                              data, attributes));
}

bool Graphics::EnumerateMetafileDestRectI(const Image& metafile, const Rect& destination,
                                          EnumerateMetafileProc callback, void* data,
                                          GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileDestRectI(native_, MetafileOf(metafile), destination, callback,
                                               data, attributes));
}

bool Graphics::EnumerateMetafileSrcRectDestPoint(const Image& metafile, const PointF& destination,
                                                 const RectF& source, Unit source_unit,
                                                 EnumerateMetafileProc callback, void* data,
                                                 GpImageAttributes* attributes) {
  if (detail::IsStubbedOut("GdipEnumerateMetafileSrcRectDestPoint")) return Record(NotImplemented);
  return Record(GdipEnumerateMetafileSrcRectDestPoint(
      native_, MetafileOf(metafile), destination, source, source_unit, callback, data, attributes));
}

bool Graphics::EnumerateMetafileSrcRectDestPointI(const Image& metafile, const Point& destination,
                                                  const Rect& source, Unit source_unit,
                                                  EnumerateMetafileProc callback, void* data,
                                                  GpImageAttributes* attributes) {
  if (detail::IsStubbedOut("GdipEnumerateMetafileSrcRectDestPointI")) return Record(NotImplemented);
  return Record(GdipEnumerateMetafileSrcRectDestPointI(
      native_, MetafileOf(metafile), destination, source, source_unit, callback, data, attributes));
}

bool Graphics::EnumerateMetafileSrcRectDestPoints(const Image& metafile,
                                                  const std::vector<PointF>& destination,
                                                  const RectF& source, Unit source_unit,
                                                  EnumerateMetafileProc callback, void* data,
                                                  GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileSrcRectDestPoints(
      native_, MetafileOf(metafile), destination.data(), int(destination.size()), source,
      source_unit, callback, data, attributes));
}

bool Graphics::EnumerateMetafileSrcRectDestPointsI(const Image& metafile,
                                                   const std::vector<Point>& destination,
                                                   const Rect& source, Unit source_unit,
                                                   EnumerateMetafileProc callback, void* data,
                                                   GpImageAttributes* attributes) {
  if (detail::IsStubbedOut("GdipEnumerateMetafileSrcRectDestPointsI"))
    return Record(NotImplemented);
  return Record(GdipEnumerateMetafileSrcRectDestPointsI(
      native_, MetafileOf(metafile), destination.data(), int(destination.size()), source,
      source_unit, callback, data, attributes));
}

bool Graphics::EnumerateMetafileSrcRectDestRect(const Image& metafile, const RectF& destination,
                                                const RectF& source, Unit source_unit,
                                                EnumerateMetafileProc callback, void* data,
                                                GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileSrcRectDestRect(
      native_, MetafileOf(metafile), destination, source, source_unit, callback, data, attributes));
}

bool Graphics::EnumerateMetafileSrcRectDestRectI(const Image& metafile, const Rect& destination,
                                                 const Rect& source, Unit source_unit,
                                                 EnumerateMetafileProc callback, void* data,
                                                 GpImageAttributes* attributes) {
  return Record(GdipEnumerateMetafileSrcRectDestRectI(
      native_, MetafileOf(metafile), destination, source, source_unit, callback, data, attributes));
}

}  // namespace graphics
