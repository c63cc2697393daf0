// The graphics context: its lifetime, rendering state, transforms, clip
// and saved states. Drawing lives in graphics_shapes, graphics_text and
// graphics_images.
#include "graphics/graphics.h"

#include <utility>

#include "graphics/stubbed_functions.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

namespace {
bool Answer(Status status, BOOL result, bool& out) {
  bool ok = Record(status);
  if (ok) out = result != FALSE;
  return ok;
}
}  // namespace

Graphics::~Graphics() { DeleteGraphics(); }

Graphics::Graphics(Graphics&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}

Graphics& Graphics::operator=(Graphics&& other) noexcept {
  if (this != &other) {
    DeleteGraphics();
    native_ = std::exchange(other.native_, nullptr);
  }
  return *this;
}

void Graphics::SetNative(GpGraphics* native) {
  detail::Adopt(native_, native, &GdipDeleteGraphics);
}

bool Graphics::DeleteGraphics() { return detail::DeleteNative(native_, &GdipDeleteGraphics); }

bool Graphics::Flush(FlushIntention intention) { return Record(GdipFlush(native_, intention)); }

bool Graphics::CreateFromHWND(HWND window, bool icm) {
  GpGraphics* graphics = nullptr;
  Status status =
      icm ? GdipCreateFromHWNDICM(window, &graphics) : GdipCreateFromHWND(window, &graphics);
  SetNative(status == Ok ? graphics : nullptr);
  return Record(status);
}

bool Graphics::CreateFromHDC(HDC dc, std::optional<HANDLE> device) {
  GpGraphics* graphics = nullptr;
  Status status =
      device ? GdipCreateFromHDC2(dc, *device, &graphics) : GdipCreateFromHDC(dc, &graphics);
  SetNative(status == Ok ? graphics : nullptr);
  return Record(status);
}

bool Graphics::GetImageGraphicsContext(const Image& image) {
  GpGraphics* graphics = nullptr;
  Status status = GdipGetImageGraphicsContext(image.GetNative(), &graphics);
  SetNative(status == Ok ? graphics : nullptr);
  return Record(status);
}

HDC Graphics::GetDC() {
  HDC dc = nullptr;
  return Record(GdipGetDC(native_, &dc)) ? dc : nullptr;
}

bool Graphics::ReleaseDC(HDC dc) { return Record(GdipReleaseDC(native_, dc)); }

Point Graphics::GetRenderingOrigin() const {
  Point origin;
  return Record(GdipGetRenderingOrigin(native_, &origin.X, &origin.Y)) ? origin : Point();
}

bool Graphics::SetRenderingOrigin(int x, int y) {
  return Record(GdipSetRenderingOrigin(native_, x, y));
}

CompositingMode Graphics::GetCompositingMode() const {
  CompositingMode mode = CompositingModeSourceOver;
  return Record(GdipGetCompositingMode(native_, &mode)) ? mode : CompositingModeSourceOver;
}

bool Graphics::SetCompositingMode(CompositingMode mode) {
  return Record(GdipSetCompositingMode(native_, mode));
}

CompositingQuality Graphics::GetCompositingQuality() const {
  CompositingQuality quality = CompositingQualityDefault;
  return Record(GdipGetCompositingQuality(native_, &quality)) ? quality : CompositingQualityDefault;
}

bool Graphics::SetCompositingQuality(CompositingQuality quality) {
  return Record(GdipSetCompositingQuality(native_, quality));
}

bool Graphics::SetTextRenderingHint(TextRenderingHint hint) {
  return Record(GdipSetTextRenderingHint(native_, hint));
}

TextRenderingHint Graphics::GetTextRenderingHint() const {
  TextRenderingHint hint = TextRenderingHintSystemDefault;
  return Record(GdipGetTextRenderingHint(native_, &hint)) ? hint : TextRenderingHintSystemDefault;
}

bool Graphics::SetTextContrast(UINT contrast) {
  return Record(GdipSetTextContrast(native_, contrast));
}

UINT Graphics::GetTextContrast() const {
  UINT contrast = 0;
  return Record(GdipGetTextContrast(native_, &contrast)) ? contrast : 0;
}

bool Graphics::SetInterpolationMode(InterpolationMode mode) {
  return Record(GdipSetInterpolationMode(native_, mode));
}

InterpolationMode Graphics::GetInterpolationMode() const {
  InterpolationMode mode = InterpolationModeDefault;
  return Record(GdipGetInterpolationMode(native_, &mode)) ? mode : InterpolationModeDefault;
}

bool Graphics::SetSmoothingMode(SmoothingMode mode) {
  return Record(GdipSetSmoothingMode(native_, mode));
}

SmoothingMode Graphics::GetSmoothingMode() const {
  SmoothingMode mode = SmoothingModeDefault;
  return Record(GdipGetSmoothingMode(native_, &mode)) ? mode : SmoothingModeDefault;
}

bool Graphics::SetPixelOffsetMode(PixelOffsetMode mode) {
  return Record(GdipSetPixelOffsetMode(native_, mode));
}

PixelOffsetMode Graphics::GetPixelOffsetMode() const {
  PixelOffsetMode mode = PixelOffsetModeDefault;
  return Record(GdipGetPixelOffsetMode(native_, &mode)) ? mode : PixelOffsetModeDefault;
}

bool Graphics::SetWorldTransform(const Matrix& elements) {
  detail::NativeMatrix matrix(elements);
  return Record(GdipSetWorldTransform(native_, matrix.get()));
}

Matrix Graphics::GetWorldTransform() const {
  detail::NativeMatrix matrix;
  return Record(GdipGetWorldTransform(native_, matrix.get())) ? matrix.Elements() : Matrix{};
}

bool Graphics::ResetWorldTransform() { return Record(GdipResetWorldTransform(native_)); }

bool Graphics::MultiplyWorldTransform(const Matrix& elements, Order order) {
  detail::NativeMatrix matrix(elements);
  return Record(GdipMultiplyWorldTransform(native_, matrix.get(), order));
}

bool Graphics::TranslateWorldTransform(float dx, float dy, Order order) {
  return Record(GdipTranslateWorldTransform(native_, dx, dy, order));
}

bool Graphics::ScaleWorldTransform(float sx, float sy, Order order) {
  return Record(GdipScaleWorldTransform(native_, sx, sy, order));
}

bool Graphics::ScaleWorldTransformAt(float sx, float sy, const PointF& centre, Order order) {
  return detail::TransformAbout(
      centre, order,
      [this](float dx, float dy, Order o) { return TranslateWorldTransform(dx, dy, o); },
      [&](Order o) { return ScaleWorldTransform(sx, sy, o); });
}

bool Graphics::RotateWorldTransform(float angle, Order order) {
  return Record(GdipRotateWorldTransform(native_, angle, order));
}

bool Graphics::RotateWorldTransformAt(float angle, const PointF& centre, Order order) {
  return detail::TransformAbout(
      centre, order,
      [this](float dx, float dy, Order o) { return TranslateWorldTransform(dx, dy, o); },
      [&](Order o) { return RotateWorldTransform(angle, o); });
}

bool Graphics::SetPageUnit(Unit unit) { return Record(GdipSetPageUnit(native_, unit)); }

Unit Graphics::GetPageUnit() const {
  Unit unit = UnitWorld;
  return Record(GdipGetPageUnit(native_, &unit)) ? unit : UnitWorld;
}

bool Graphics::SetPageScale(float scale) { return Record(GdipSetPageScale(native_, scale)); }

float Graphics::GetPageScale() const {
  REAL scale = 0;
  return Record(GdipGetPageScale(native_, &scale)) ? scale : 0;
}

float Graphics::GetDpiX() const {
  REAL dpi = 0;
  return Record(GdipGetDpiX(native_, &dpi)) ? dpi : 0;
}

float Graphics::GetDpiY() const {
  REAL dpi = 0;
  return Record(GdipGetDpiY(native_, &dpi)) ? dpi : 0;
}

bool Graphics::TransformPoints(CoordinateSpace to, CoordinateSpace from,
                               std::vector<PointF>& points) const {
  return Record(GdipTransformPoints(native_, to, from, points.data(), int(points.size())));
}

bool Graphics::TransformPointsI(CoordinateSpace to, CoordinateSpace from,
                                std::vector<Point>& points) const {
  return Record(GdipTransformPointsI(native_, to, from, points.data(), int(points.size())));
}

ARGB Graphics::GetNearestColor(ARGB colour) const {
  ARGB nearest = colour;
  return Record(GdipGetNearestColor(native_, &nearest)) ? nearest : 0;
}

bool Graphics::SetClipGraphics(const Graphics& other, CombineMode mode) {
  return Record(GdipSetClipGraphics(native_, other.native_, mode));
}

bool Graphics::SetClipPath(const Path& path, CombineMode mode) {
  return Record(GdipSetClipPath(native_, path.GetNative(), mode));
}

bool Graphics::SetClipRect(float x, float y, float width, float height, CombineMode mode) {
  return Record(GdipSetClipRect(native_, x, y, width, height, mode));
}

bool Graphics::SetClipRectI(int x, int y, int width, int height, CombineMode mode) {
  return Record(GdipSetClipRectI(native_, x, y, width, height, mode));
}

bool Graphics::SetClipRegion(const Region& region, CombineMode mode) {
  return Record(GdipSetClipRegion(native_, region.GetNative(), mode));
}

bool Graphics::SetClipHrgn(HRGN region, CombineMode mode) {
  return Record(GdipSetClipHrgn(native_, region, mode));
}

bool Graphics::ResetClip() { return Record(GdipResetClip(native_)); }

bool Graphics::TranslateClip(float dx, float dy) {
  return Record(GdipTranslateClip(native_, dx, dy));
}

bool Graphics::TranslateClipI(int dx, int dy) {
  return Record(GdipTranslateClipI(native_, dx, dy));
}

Region Graphics::GetClip() const {
  Region region;
  if (!region.CreateRegion()) return region;
  Status status = GdipGetClip(native_, region.GetNative());
  if (status != Ok) region.DeleteRegion();
  Record(status);
  return region;
}

RectF Graphics::GetClipBounds() const {
  RectF bounds;
  return Record(GdipGetClipBounds(native_, &bounds)) ? bounds : RectF();
}

Rect Graphics::GetClipBoundsI() const {
  Rect bounds;
  return Record(GdipGetClipBoundsI(native_, &bounds)) ? bounds : Rect();
}

RectF Graphics::GetVisibleClipBounds() const {
  RectF bounds;
  return Record(GdipGetVisibleClipBounds(native_, &bounds)) ? bounds : RectF();
}

Rect Graphics::GetVisibleClipBoundsI() const {
  Rect bounds;
  return Record(GdipGetVisibleClipBoundsI(native_, &bounds)) ? bounds : Rect();
}

bool Graphics::IsClipEmpty(bool& empty) const {
  BOOL result = FALSE;
  return Answer(GdipIsClipEmpty(native_, &result), result, empty);
}

bool Graphics::IsVisibleClipEmpty(bool& empty) const {
  if (detail::Missing(native_)) return false;
  BOOL result = FALSE;
  return Answer(GdipIsVisibleClipEmpty(native_, &result), result, empty);
}

bool Graphics::IsVisiblePoint(float x, float y, bool& visible) const {
  BOOL result = FALSE;
  return Answer(GdipIsVisiblePoint(native_, x, y, &result), result, visible);
}

bool Graphics::IsVisiblePointI(int x, int y, bool& visible) const {
  BOOL result = FALSE;
  return Answer(GdipIsVisiblePointI(native_, x, y, &result), result, visible);
}

bool Graphics::IsVisibleRect(float x, float y, float width, float height, bool& visible) const {
  BOOL result = FALSE;
  return Answer(GdipIsVisibleRect(native_, x, y, width, height, &result), result, visible);
}

bool Graphics::IsVisibleRectI(int x, int y, int width, int height, bool& visible) const {
  BOOL result = FALSE;
  return Answer(GdipIsVisibleRectI(native_, x, y, width, height, &result), result, visible);
}

bool Graphics::SaveGraphics(GraphicsState& state) {
  GraphicsState saved = 0;
  bool ok = Record(GdipSaveGraphics(native_, &saved));
  if (ok) state = saved;
  return ok;
}

bool Graphics::RestoreGraphics(GraphicsState state) {
  return Record(GdipRestoreGraphics(native_, state));
}

bool Graphics::BeginContainer(const RectF& destination, const RectF& source, Unit unit,
                              GraphicsContainer& state) {
  GraphicsContainer container = 0;
  bool ok = Record(GdipBeginContainer(native_, &destination, &source, unit, &container));
  if (ok) state = container;
  return ok;
}

bool Graphics::BeginContainerI(const Rect& destination, const Rect& source, Unit unit,
                               GraphicsContainer& state) {
  GraphicsContainer container = 0;
  bool ok = Record(GdipBeginContainerI(native_, &destination, &source, unit, &container));
  if (ok) state = container;
  return ok;
}

bool Graphics::BeginContainer2(GraphicsContainer& state) {
  GraphicsContainer container = 0;
  bool ok = Record(GdipBeginContainer2(native_, &container));
  if (ok) state = container;
  return ok;
}

bool Graphics::EndContainer(GraphicsContainer state) {
  return Record(GdipEndContainer(native_, state));
}

bool Graphics::Comment(const std::vector<uint8_t>& data) {
  return Record(GdipComment(native_, UINT(data.size()), data.data()));
}

}  // namespace graphics
