#include "graphics/image_codecs.h"

#include <objbase.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "graphics/text.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

std::vector<CodecInfo> GetImageEncoders() {
  UINT count = 0, size = 0;
  if (GdipGetImageEncodersSize(&count, &size) != Ok || size == 0) return {};
  std::vector<uint8_t> block(size);
  auto* codecs = reinterpret_cast<ImageCodecInfo*>(block.data());
  if (GdipGetImageEncoders(count, size, codecs) != Ok) return {};
  std::vector<CodecInfo> encoders;
  encoders.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    const ImageCodecInfo& codec = codecs[i];
    CodecInfo info;
    info.Clsid = GuidToText(codec.Clsid);
    info.FormatId = GuidToText(codec.FormatID);
    info.CodecName = CodePageFromUtf16(codec.CodecName);
    info.DllName = CodePageFromUtf16(codec.DllName);
    info.FormatDescription = CodePageFromUtf16(codec.FormatDescription);
    info.FilenameExtension = CodePageFromUtf16(codec.FilenameExtension);
    info.MimeType = CodePageFromUtf16(codec.MimeType);
    info.Flags = codec.Flags;
    info.Version = codec.Version;
    info.SigCount = codec.SigCount;
    info.SigSize = codec.SigSize;
    if (codec.SigPattern)
      info.SigPattern.assign(codec.SigPattern, codec.SigPattern + codec.SigSize);
    if (codec.SigMask) info.SigMask.assign(codec.SigMask, codec.SigMask + codec.SigSize);
    encoders.push_back(std::move(info));
  }
  return encoders;
}

std::string FindEncoderClsid(const std::string& format) {
  for (const CodecInfo& codec : GetImageEncoders()) {
    if (codec.FormatId == format) return codec.Clsid;
  }
  return {};
}

std::string GuidToText(const GUID& guid) {
  WCHAR text[39] = {};
  if (::StringFromGUID2(guid, text, 39) == 0) return {};
  return CodePageFromUtf16(text);
}

std::optional<GUID> TextToGuid(const std::string& text) {
  if (text.empty()) return std::nullopt;
  std::wstring wide = Utf16FromCodePage(text);
  GUID guid{};
  if (FAILED(::CLSIDFromString(const_cast<LPOLESTR>(wide.c_str()), &guid))) return std::nullopt;
  return guid;
}

size_t EncoderValueSize(uint32_t value_type) {
  switch (value_type) {
    case EncoderParameterValueTypeByte:
    case EncoderParameterValueTypeASCII:
    case EncoderParameterValueTypeUndefined: return 1;
    case EncoderParameterValueTypeShort: return 2;
    case EncoderParameterValueTypeLong: return 4;
    case EncoderParameterValueTypeRational:
    case EncoderParameterValueTypeLongRange: return 8;
    case EncoderParameterValueTypeRationalRange: return 16;
    default: return 0;
  }
}

// GDI+'s entry: 16-byte GUID, value count, value type, pointer to the values.
static_assert(sizeof(void*) != 4 || sizeof(EncoderParameter) == 28, "28-byte entries");

EncoderParameterBlock::EncoderParameterBlock(const EncoderParams& params) {
  // Never announce more entries than the record holds.
  const size_t count = std::min<size_t>(params.Count, params.Items.size());
  // The entries start where the record's own layout puts them: after the
  // count on 32-bit Windows, after the count and its padding on 64-bit.
  const size_t first = offsetof(EncoderParameters, Parameter);
  bytes_.assign(first + count * sizeof(EncoderParameter), 0);
  const UINT announced = UINT(count);
  memcpy(bytes_.data(), &announced, sizeof announced);
  auto* entries = reinterpret_cast<EncoderParameter*>(bytes_.data() + first);
  for (size_t i = 0; i < count; ++i) {
    const EncoderParam& item = params.Items[i];
    std::optional<GUID> guid = TextToGuid(item.Guid);
    if (!guid) valid_ = false;
    const size_t value_size = EncoderValueSize(item.ValueType);
    if (value_size != 0 && uint64_t(item.ValueCount) * value_size > item.Values.size()) {
      valid_ = false;
    }
    EncoderParameter& entry = entries[i];
    entry.Guid = guid.value_or(GUID{});
    entry.NumberOfValues = item.ValueCount;
    entry.Type = item.ValueType;
    entry.Value = const_cast<uint8_t*>(item.Values.data());
  }
}

}  // namespace graphics
