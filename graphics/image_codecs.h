// Image encoders, GUID texts and the records of image metadata.
//
// GUIDs travel as texts in registry form ("{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}",
// hexadecimal digits in upper case); encoders are found by the exact text of
// their image format.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "graphics/status.h"

namespace graphics {

// Image formats.
inline constexpr const char kImageFormatBmp[] = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char kImageFormatJpeg[] = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char kImageFormatPng[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char kImageFormatGif[] = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char kImageFormatTiff[] = "{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}";
// Frame dimensions.
inline constexpr const char kFrameDimensionTime[] = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
inline constexpr const char kFrameDimensionPage[] = "{7462DC86-6180-4C7E-8E3F-EE7333A7A483}";
// Encoder parameter categories.
inline constexpr const char kEncoderQuality[] = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";
inline constexpr const char kEncoderSaveFlag[] = "{292266FC-AC40-47BF-8CFC-A85B89A655DE}";
// The property holding the delay of each frame, in hundredths of a second.
inline constexpr PROPID kPropertyFrameDelay = 0x5100;

// One installed encoder (GDI+'s ImageCodecInfo with GUIDs as texts).
struct CodecInfo {
  std::string Clsid;
  std::string FormatId;
  std::string CodecName;
  std::string DllName;
  std::string FormatDescription;
  std::string FilenameExtension;
  std::string MimeType;
  uint32_t Flags = 0;
  uint32_t Version = 0;
  uint32_t SigCount = 0;
  uint32_t SigSize = 0;
  std::vector<uint8_t> SigPattern;
  std::vector<uint8_t> SigMask;
};

struct EncoderParam {
  std::string Guid;  // parameter category
  uint32_t ValueCount = 0;
  uint32_t ValueType = 0;  // Gdiplus::EncoderParameterValueType
  std::vector<uint8_t> Values;
};

struct EncoderParams {
  uint32_t Count = 0;
  std::vector<EncoderParam> Items;
};

struct PaletteInfo {
  uint32_t Flags = 0;
  uint32_t Count = 0;
  std::vector<ARGB> Entries;
};

struct PropertyItem {
  uint32_t Id = 0;
  uint32_t Length = 0;
  uint32_t Type = 0;
  std::vector<uint8_t> Value;
};

std::vector<CodecInfo> GetImageEncoders();
// The encoder CLSID text for a format text, or an empty text.
std::string FindEncoderClsid(const std::string& format);
std::string GuidToText(const GUID& guid);
// Nothing when the text is not a GUID.
std::optional<GUID> TextToGuid(const std::string& text);

// Size in bytes of one value of an encoder parameter type (0 for unknown types).
size_t EncoderValueSize(uint32_t value_type);

// An EncoderParameters block built from a record, with its value buffers.
class EncoderParameterBlock {
 public:
  explicit EncoderParameterBlock(const EncoderParams& params);
  // False when a parameter's GUID does not parse or its values are shorter
  // than its count says: GDI+ would read past them.
  bool valid() const { return valid_; }
  const Gdiplus::EncoderParameters* get() const {
    return reinterpret_cast<const Gdiplus::EncoderParameters*>(bytes_.data());
  }

 private:
  std::vector<uint8_t> bytes_;
  bool valid_ = true;
};

}  // namespace graphics
