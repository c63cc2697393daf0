#include "graphics/region.h"

#include <utility>

#include "graphics/graphics.h"
#include "graphics/path.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

namespace {
GpGraphics* NativeOf(const Graphics* graphics) {
  return graphics ? graphics->GetNative() : nullptr;
}

bool Answer(Status status, BOOL result, bool& out) {
  bool ok = Record(status);
  if (ok) out = result != FALSE;
  return ok;
}
}  // namespace

Region::~Region() { DeleteRegion(); }

Region::Region(Region&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}

Region& Region::operator=(Region&& other) noexcept {
  if (this != &other) {
    DeleteRegion();
    native_ = std::exchange(other.native_, nullptr);
  }
  return *this;
}

void Region::SetNative(GpRegion* native) { detail::Adopt(native_, native, &GdipDeleteRegion); }

bool Region::DeleteRegion() { return detail::DeleteNative(native_, &GdipDeleteRegion); }

bool Region::CreateRegion() {
  GpRegion* region = nullptr;
  Status status = GdipCreateRegion(&region);
  SetNative(status == Ok ? region : nullptr);
  return Record(status);
}

bool Region::CreateRegionRect(const RectF& rect) {
  GpRegion* region = nullptr;
  Status status = GdipCreateRegionRect(&rect, &region);
  SetNative(status == Ok ? region : nullptr);
  return Record(status);
}

bool Region::CreateRegionRectI(const Rect& rect) {
  GpRegion* region = nullptr;
  Status status = GdipCreateRegionRectI(&rect, &region);
  SetNative(status == Ok ? region : nullptr);
  return Record(status);
}

bool Region::CreateRegionPath(const Path& path) {
  GpRegion* region = nullptr;
  Status status = GdipCreateRegionPath(path.GetNative(), &region);
  SetNative(status == Ok ? region : nullptr);
  return Record(status);
}

bool Region::CreateRegionHrgn(HRGN handle) {
  GpRegion* region = nullptr;
  Status status = GdipCreateRegionHrgn(handle, &region);
  SetNative(status == Ok ? region : nullptr);
  return Record(status);
}

bool Region::CreateRegionRgnData(const std::vector<uint8_t>& data) {
  if (data.empty()) {
    SetNative(nullptr);
    return Record(InvalidParameter);
  }
  GpRegion* region = nullptr;
  Status status = GdipCreateRegionRgnData(data.data(), int(data.size()), &region);
  SetNative(status == Ok ? region : nullptr);
  return Record(status);
}

bool Region::CloneRegion(Region& clone) const {
  GpRegion* copy = nullptr;
  Status status = GdipCloneRegion(native_, &copy);
  clone.SetNative(status == Ok ? copy : nullptr);
  return Record(status);
}

bool Region::SetInfinite() { return Record(GdipSetInfinite(native_)); }

bool Region::SetEmpty() { return Record(GdipSetEmpty(native_)); }

bool Region::CombineRegionRect(const RectF& rect, CombineMode mode) {
  return Record(GdipCombineRegionRect(native_, &rect, mode));
}

bool Region::CombineRegionRectI(const Rect& rect, CombineMode mode) {
  return Record(GdipCombineRegionRectI(native_, &rect, mode));
}

bool Region::CombineRegionRegion(const Region& other, CombineMode mode) {
  return Record(GdipCombineRegionRegion(native_, other.native_, mode));
}

bool Region::CombineRegionPath(const Path& path, CombineMode mode) {
  return Record(GdipCombineRegionPath(native_, path.GetNative(), mode));
}

bool Region::TranslateRegion(float dx, float dy) {
  return Record(GdipTranslateRegion(native_, dx, dy));
}

bool Region::TranslateRegionI(int dx, int dy) {
  return Record(GdipTranslateRegionI(native_, dx, dy));
}

bool Region::TransformRegion(const Matrix& elements) {
  detail::NativeMatrix matrix(elements);
  return Record(GdipTransformRegion(native_, matrix.get()));
}

RectF Region::GetRegionBounds(const Graphics& graphics) const {
  RectF bounds;
  return Record(GdipGetRegionBounds(native_, graphics.GetNative(), &bounds)) ? bounds : RectF();
}

Rect Region::GetRegionBoundsI(const Graphics& graphics) const {
  Rect bounds;
  return Record(GdipGetRegionBoundsI(native_, graphics.GetNative(), &bounds)) ? bounds : Rect();
}

UINT Region::GetRegionDataSize() const {
  UINT size = 0;
  return Record(GdipGetRegionDataSize(native_, &size)) ? size : 0;
}

std::vector<uint8_t> Region::GetRegionData() const {
  UINT size = GetRegionDataSize();
  if (LastStatus() != Ok || size == 0) return {};
  std::vector<uint8_t> data(size);
  UINT filled = 0;
  if (!Record(GdipGetRegionData(native_, data.data(), size, &filled))) return {};
  data.resize(filled < size ? filled : size);
  return data;
}

platform::UniqueRegion Region::GetRegionHRgn(const Graphics& graphics) const {
  HRGN handle = nullptr;
  if (!Record(GdipGetRegionHRgn(native_, graphics.GetNative(), &handle))) return {};
  return platform::UniqueRegion(handle);
}

bool Region::IsEmptyRegion(const Graphics& graphics, bool& empty) const {
  BOOL result = FALSE;
  return Answer(GdipIsEmptyRegion(native_, graphics.GetNative(), &result), result, empty);
}

bool Region::IsInfiniteRegion(const Graphics& graphics, bool& infinite) const {
  BOOL result = FALSE;
  return Answer(GdipIsInfiniteRegion(native_, graphics.GetNative(), &result), result, infinite);
}

bool Region::IsEqualRegion(const Region& other, const Graphics& graphics, bool& equal) const {
  BOOL result = FALSE;
  return Answer(GdipIsEqualRegion(native_, other.native_, graphics.GetNative(), &result), result,
                equal);
}

bool Region::IsVisibleRegionPoint(float x, float y, const Graphics* graphics, bool& visible) const {
  BOOL result = FALSE;
  return Answer(GdipIsVisibleRegionPoint(native_, x, y, NativeOf(graphics), &result), result,
                visible);
}

bool Region::IsVisibleRegionPointI(int x, int y, const Graphics* graphics, bool& visible) const {
  BOOL result = FALSE;
  return Answer(GdipIsVisibleRegionPointI(native_, x, y, NativeOf(graphics), &result), result,
                visible);
}

bool Region::IsVisibleRegionRect(float x, float y, float width, float height,
                                 const Graphics* graphics, bool& visible) const {
  BOOL result = FALSE;
  return Answer(GdipIsVisibleRegionRect(native_, x, y, width, height, NativeOf(graphics), &result),
                result, visible);
}

bool Region::IsVisibleRegionRectI(int x, int y, int width, int height, const Graphics* graphics,
                                  bool& visible) const {
  BOOL result = FALSE;
  return Answer(GdipIsVisibleRegionRectI(native_, x, y, width, height, NativeOf(graphics), &result),
                result, visible);
}

UINT Region::GetRegionScansCount(const Matrix& elements) const {
  detail::NativeMatrix matrix(elements);
  UINT count = 0;
  return Record(GdipGetRegionScansCount(native_, &count, matrix.get())) ? count : 0;
}

std::vector<RectF> Region::GetRegionScans(const Matrix& elements) const {
  UINT count = GetRegionScansCount(elements);
  if (LastStatus() != Ok || count == 0) return {};
  detail::NativeMatrix matrix(elements);
  std::vector<RectF> scans(count);
  INT filled = 0;
  if (!Record(GdipGetRegionScans(native_, scans.data(), &filled, matrix.get()))) return {};
  scans.resize(size_t(filled) < scans.size() ? size_t(filled) : scans.size());
  return scans;
}

std::vector<Rect> Region::GetRegionScansI(const Matrix& elements) const {
  UINT count = GetRegionScansCount(elements);
  if (LastStatus() != Ok || count == 0) return {};
  detail::NativeMatrix matrix(elements);
  std::vector<Rect> scans(count);
  INT filled = 0;
  if (!Record(GdipGetRegionScansI(native_, scans.data(), &filled, matrix.get()))) return {};
  scans.resize(size_t(filled) < scans.size() ? size_t(filled) : scans.size());
  return scans;
}

}  // namespace graphics
