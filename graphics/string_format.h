// A GDI+ string format: alignment, trimming, tabs and measurable ranges.
#pragma once

#include <vector>

#include "graphics/status.h"

namespace graphics {

struct TabStops {
  float first_offset = 0;
  std::vector<float> stops;
};

struct DigitSubstitution {
  LANGID language = 0;
  Gdiplus::StringDigitSubstitute method = Gdiplus::StringDigitSubstituteUser;
};

class StringFormat {
 public:
  StringFormat() = default;
  ~StringFormat();                             // 0
  StringFormat(const StringFormat&) = delete;  // 1
  StringFormat& operator=(const StringFormat&) = delete;
  StringFormat(StringFormat&& other) noexcept;
  StringFormat& operator=(StringFormat&& other) noexcept;

  Gdiplus::GpStringFormat* GetNative() const { return native_; }  // 2
  // Takes ownership of `native`, deleting the format held before.
  void SetNative(Gdiplus::GpStringFormat* native);                                    // 3
  static void* Alloc(size_t size) { return graphics::Alloc(size); }                   // 5
  static void Free(void* block) { graphics::Free(block); }                            // 6
  bool DeleteStringFormat();                                                          // 7
  bool CreateStringFormat(int flags = 0, LANGID language = LANG_NEUTRAL);             // 8
  bool StringFormatGetGenericDefault();                                               // 9
  bool StringFormatGetGenericTypographic();                                           // 10
  bool CloneStringFormat(StringFormat& clone) const;                                  // 11
  bool SetStringFormatFlags(int flags);                                               // 12
  int GetStringFormatFlags() const;                                                   // 13
  bool SetStringFormatAlign(Gdiplus::StringAlignment align);                          // 14
  Gdiplus::StringAlignment GetStringFormatAlign() const;                              // 15
  bool SetStringFormatLineAlign(Gdiplus::StringAlignment align);                      // 16
  Gdiplus::StringAlignment GetStringFormatLineAlign() const;                          // 17
  bool SetStringFormatTrimming(Gdiplus::StringTrimming trimming);                     // 18
  Gdiplus::StringTrimming GetStringFormatTrimming() const;                            // 19
  bool SetStringFormatHotkeyPrefix(int prefix);                                       // 20
  int GetStringFormatHotkeyPrefix() const;                                            // 21
  bool SetStringFormatTabStops(float first_offset, const std::vector<float>& stops);  // 22
  TabStops GetStringFormatTabStops() const;                                           // 23
  bool SetStringFormatDigitSubstitution(LANGID language,
                                        Gdiplus::StringDigitSubstitute method);  // 24
  DigitSubstitution GetStringFormatDigitSubstitution() const;                    // 25
  bool SetStringFormatMeasurableCharacterRanges(
      const std::vector<Gdiplus::CharacterRange>& ranges);   // 26
  int GetStringFormatMeasurableCharacterRangeCount() const;  // 27

  // Gives the native format up without deleting it.
  Gdiplus::GpStringFormat* Detach() { return detail::Detach(native_); }

 private:
  Gdiplus::GpStringFormat* native_ = nullptr;
};

}  // namespace graphics
