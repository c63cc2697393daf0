#include "graphics/image.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "graphics/stubbed_functions.h"
#include "graphics/text.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

Image::~Image() { DisposeImage(); }

Image::Image(Image&& other) noexcept
    : native_(std::exchange(other.native_, nullptr)), stream_(std::move(other.stream_)) {}

Image& Image::operator=(Image&& other) noexcept {
  if (this != &other) {
    DisposeImage();
    native_ = std::exchange(other.native_, nullptr);
    stream_ = std::move(other.stream_);
  }
  return *this;
}

void Image::SetNative(GpImage* native) { detail::Adopt(native_, native, &GdipDisposeImage); }

bool Image::DisposeImage() {
  // The image first: it may still read from the stream while it goes.
  bool result = detail::DeleteNative(native_, &GdipDisposeImage);
  stream_.reset();
  return result;
}

bool Image::LoadImageFromFile(const std::string& file_name, bool icm) {
  return LoadImageFromFile(Utf16FromCodePage(file_name), icm);
}

bool Image::LoadImageFromFile(const std::wstring& file_name, bool icm) {
  DisposeImage();
  if (detail::Utf16Length(file_name) == 0) return Record(InvalidParameter);
  GpImage* image = nullptr;
  Status status = icm ? GdipLoadImageFromFileICM(file_name.c_str(), &image)
                      : GdipLoadImageFromFile(file_name.c_str(), &image);
  SetNative(status == Ok ? image : nullptr);
  return Record(status);
}

bool Image::LoadImageFromStream(const std::vector<uint8_t>& bytes, bool icm) {
  return LoadFromBytes(bytes, [icm](IStream* stream, GpImage** image) {
    return icm ? GdipLoadImageFromStreamICM(stream, image) : GdipLoadImageFromStream(stream, image);
  });
}

bool Image::CloneImage(Image& clone) const {
  GpImage* copy = nullptr;
  Status status = GdipCloneImage(native_, &copy);
  clone.SetNative(status == Ok ? copy : nullptr);
  if (status == Ok) ShareStreamWith(clone);
  return Record(status);
}

bool Image::GetEncoderParameterList(const std::string& format,
                                    std::vector<EncoderParam>& list) const {
  std::optional<GUID> clsid = TextToGuid(FindEncoderClsid(format));
  if (!clsid) return false;
  UINT size = 0;
  if (!Record(GdipGetEncoderParameterListSize(native_, &*clsid, &size)) || size == 0) return false;
  // Eight-byte aligned: the block holds pointers and 64-bit values.
  if (detail::IsStubbedOut("GdipGetEncoderParameterList")) return Record(NotImplemented);
  std::vector<uint64_t> block((size + 7) / 8);
  auto* params = reinterpret_cast<EncoderParameters*>(block.data());
  if (!Record(GdipGetEncoderParameterList(native_, &*clsid, size, params))) return false;
  std::vector<EncoderParam> result;
  result.reserve(params->Count);
  for (UINT i = 0; i < params->Count; ++i) {
    const EncoderParameter& entry = params->Parameter[i];
    EncoderParam item;
    item.Guid = GuidToText(entry.Guid);
    item.ValueCount = entry.NumberOfValues;
    item.ValueType = entry.Type;
    const size_t bytes = size_t(entry.NumberOfValues) * EncoderValueSize(entry.Type);
    if (bytes && entry.Value) {
      const auto* values = static_cast<const uint8_t*>(entry.Value);
      item.Values.assign(values, values + bytes);
    }
    result.push_back(std::move(item));
  }
  list = std::move(result);
  return true;
}

namespace {
// The encoder for `format`, or nothing (no GDI+ call, last status untouched).
std::optional<CLSID> EncoderFor(const std::string& format) {
  std::string clsid = FindEncoderClsid(format);
  if (clsid.empty()) return std::nullopt;
  return TextToGuid(clsid);
}
}  // namespace

bool Image::SaveToFile(const std::string& file_name, const std::optional<std::string>& format,
                       const std::optional<EncoderParams>& params) const {
  return SaveToFileW(Utf16FromCodePage(file_name), format, params);
}

bool Image::SaveToFileW(const std::wstring& file_name, const std::optional<std::string>& format,
                        const std::optional<EncoderParams>& params) const {
  std::optional<CLSID> clsid = EncoderFor(format.value_or(kImageFormatBmp));
  if (!clsid) return false;
  if (detail::Utf16Length(file_name) == 0) return Record(InvalidParameter);
  std::optional<EncoderParameterBlock> block;
  if (params) {
    block.emplace(*params);
    if (!block->valid()) return Record(InvalidParameter);
  }
  return Record(
      GdipSaveImageToFile(native_, file_name.c_str(), &*clsid, block ? block->get() : nullptr));
}

std::vector<uint8_t> Image::SaveToStream(const std::optional<std::string>& format,
                                         const std::optional<EncoderParams>& params) const {
  std::optional<CLSID> clsid = EncoderFor(format ? *format : GetRawFormat());
  if (!clsid) return {};
  MemoryStream stream;
  if (!stream.FillFromBytes({})) {
    Record(OutOfMemory);
    return {};
  }
  std::optional<EncoderParameterBlock> block;
  if (params) {
    block.emplace(*params);
    if (!block->valid()) {
      Record(InvalidParameter);
      return {};
    }
  }
  Record(
      GdipSaveImageToStream(native_, stream.GetStream(), &*clsid, block ? block->get() : nullptr));
  return stream.GetBytes();
}

bool Image::SaveAdd(const EncoderParams& params) {
  EncoderParameterBlock block(params);
  if (!block.valid()) return Record(InvalidParameter);
  return Record(GdipSaveAdd(native_, block.get()));
}

bool Image::SaveAddImage(const Image& other, const EncoderParams& params) {
  EncoderParameterBlock block(params);
  if (!block.valid()) return Record(InvalidParameter);
  return Record(GdipSaveAddImage(native_, other.native_, block.get()));
}

ImageType Image::GetImageType() const {
  ImageType type = ImageTypeUnknown;
  return Record(GdipGetImageType(native_, &type)) ? type : ImageTypeUnknown;
}

SizeF Image::GetImageDimension() const {
  SizeF size;
  return Record(GdipGetImageDimension(native_, &size.Width, &size.Height)) ? size : SizeF();
}

RectF Image::GetImageBounds(Unit* unit) const {
  RectF bounds;
  Unit read = UnitPixel;
  if (!Record(GdipGetImageBounds(native_, &bounds, &read))) return RectF();
  if (unit) *unit = read;
  return bounds;
}

UINT Image::GetImageWidth() const {
  UINT width = 0;
  return Record(GdipGetImageWidth(native_, &width)) ? width : 0;
}

UINT Image::GetImageHeight() const {
  UINT height = 0;
  return Record(GdipGetImageHeight(native_, &height)) ? height : 0;
}

float Image::GetImageHorizontalResolution() const {
  REAL dpi = 0;
  return Record(GdipGetImageHorizontalResolution(native_, &dpi)) ? dpi : 0;
}

float Image::GetImageVerticalResolution() const {
  REAL dpi = 0;
  return Record(GdipGetImageVerticalResolution(native_, &dpi)) ? dpi : 0;
}

UINT Image::GetImageFlags() const {
  UINT flags = 0;
  return Record(GdipGetImageFlags(native_, &flags)) ? flags : 0;
}

std::string Image::GetRawFormat() const {
  GUID format{};
  return Record(GdipGetImageRawFormat(native_, &format)) ? GuidToText(format) : std::string();
}

PixelFormat Image::GetImagePixelFormat() const {
  PixelFormat format = 0;
  return Record(GdipGetImagePixelFormat(native_, &format)) ? format : 0;
}

bool Image::GetPalette(PaletteInfo& palette) const {
  INT size = 0;
  if (!Record(GdipGetImagePaletteSize(native_, &size)) || size < INT(2 * sizeof(UINT))) {
    return false;
  }
  std::vector<uint32_t> block((size_t(size) + 3) / 4);
  auto* native = reinterpret_cast<ColorPalette*>(block.data());
  if (!Record(GdipGetImagePalette(native_, native, size))) return false;
  const size_t room = (size_t(size) - 2 * sizeof(UINT)) / sizeof(ARGB);
  PaletteInfo result;
  result.Flags = native->Flags;
  result.Count = native->Count;
  result.Entries.assign(native->Entries, native->Entries + std::min<size_t>(native->Count, room));
  palette = std::move(result);
  return true;
}

bool Image::SetPalette(const PaletteInfo& palette) {
  // Never announce more colours than the record holds.
  const UINT count = UINT(std::min<size_t>(palette.Count, palette.Entries.size()));
  std::vector<uint32_t> block(2 + std::max<size_t>(count, 1), 0);
  block[0] = palette.Flags;
  block[1] = count;
  std::copy(palette.Entries.begin(), palette.Entries.begin() + count, block.begin() + 2);
  return Record(GdipSetImagePalette(native_, reinterpret_cast<ColorPalette*>(block.data())));
}

Image Image::GetImageThumbnail(UINT width, UINT height) const {
  Image thumbnail;
  GpImage* native = nullptr;
  Status status = GdipGetImageThumbnail(native_, width, height, &native, nullptr, nullptr);
  thumbnail.SetNative(status == Ok ? native : nullptr);
  if (status == Ok) ShareStreamWith(thumbnail);
  Record(status);
  return thumbnail;
}

UINT Image::GetFrameCount(const std::string& dimension) const {
  std::optional<GUID> guid = TextToGuid(dimension);
  if (!guid) {
    Record(InvalidParameter);
    return 0;
  }
  UINT count = 0;
  return Record(GdipImageGetFrameCount(native_, &*guid, &count)) ? count : 0;
}

bool Image::GetFrameDimensions(std::vector<std::string>& dimensions) const {
  UINT count = 0;
  if (!Record(GdipImageGetFrameDimensionsCount(native_, &count))) return false;
  std::vector<GUID> guids(std::max<UINT>(count, 1));
  if (!Record(GdipImageGetFrameDimensionsList(native_, guids.data(), count))) return false;
  std::vector<std::string> result;
  for (UINT i = 0; i < count; ++i) result.push_back(GuidToText(guids[i]));
  dimensions = std::move(result);
  return true;
}

bool Image::SelectActiveFrame(const std::string& dimension, UINT index) {
  std::optional<GUID> guid = TextToGuid(dimension);
  if (!guid) return Record(InvalidParameter);
  return Record(GdipImageSelectActiveFrame(native_, &*guid, index));
}

bool Image::ImageRotateFlip(RotateFlipType type) {
  return Record(GdipImageRotateFlip(native_, type));
}

bool Image::GetFrameDelays(std::vector<uint32_t>& delays) const {
  PropertyItem item;
  if (!GetPropertyItem(kPropertyFrameDelay, item)) return false;
  std::vector<uint32_t> result(item.Length / 4);
  memcpy(result.data(), item.Value.data(), std::min(result.size() * 4, item.Value.size()));
  delays = std::move(result);
  return true;
}

bool Image::GetPropertyItem(PROPID id, PropertyItem& item) const {
  UINT size = 0;
  if (!Record(GdipGetPropertyItemSize(native_, id, &size)) ||
      size < sizeof(Gdiplus::PropertyItem)) {
    return false;
  }
  std::vector<uint64_t> block((size + 7) / 8);
  auto* native = reinterpret_cast<Gdiplus::PropertyItem*>(block.data());
  if (!Record(GdipGetPropertyItem(native_, id, size, native))) return false;
  PropertyItem result;
  result.Id = native->id;
  result.Length = native->length;
  result.Type = native->type;
  const size_t room = size - sizeof(Gdiplus::PropertyItem);
  if (native->value) {
    const auto* value = static_cast<const uint8_t*>(native->value);
    // The value lies inside the block GDI+ filled: copy no more than that.
    const auto* block_end = reinterpret_cast<const uint8_t*>(block.data()) + size;
    size_t length = std::min<size_t>(native->length, room);
    if (value >= reinterpret_cast<const uint8_t*>(block.data()) && value <= block_end) {
      length = std::min<size_t>(length, size_t(block_end - value));
    }
    result.Value.assign(value, value + length);
  }
  item = std::move(result);
  return true;
}

bool Image::SetPropertyItem(const PropertyItem& item) {
  if (item.Length > item.Value.size()) return Record(InvalidParameter);
  Gdiplus::PropertyItem native{};
  native.id = item.Id;
  native.length = item.Length;
  native.type = WORD(item.Type);
  native.value = const_cast<uint8_t*>(item.Value.data());
  return Record(GdipSetPropertyItem(native_, &native));
}

bool Image::RemovePropertyItem(PROPID id) { return Record(GdipRemovePropertyItem(native_, id)); }

std::vector<PROPID> Image::GetPropertyIdList() const {
  UINT count = 0;
  if (!Record(GdipGetPropertyCount(native_, &count)) || count == 0) return {};
  std::vector<PROPID> ids(count);
  return Record(GdipGetPropertyIdList(native_, count, ids.data())) ? ids : std::vector<PROPID>();
}

}  // namespace graphics
