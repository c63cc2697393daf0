#include "graphics/string_format.h"

#include <utility>

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

StringFormat::~StringFormat() { DeleteStringFormat(); }

StringFormat::StringFormat(StringFormat&& other) noexcept
    : native_(std::exchange(other.native_, nullptr)) {}

StringFormat& StringFormat::operator=(StringFormat&& other) noexcept {
  if (this != &other) {
    DeleteStringFormat();
    native_ = std::exchange(other.native_, nullptr);
  }
  return *this;
}

void StringFormat::SetNative(GpStringFormat* native) {
  detail::Adopt(native_, native, &GdipDeleteStringFormat);
}

bool StringFormat::DeleteStringFormat() {
  return detail::DeleteNative(native_, &GdipDeleteStringFormat);
}

bool StringFormat::CreateStringFormat(int flags, LANGID language) {
  GpStringFormat* format = nullptr;
  Status status = GdipCreateStringFormat(flags, language, &format);
  SetNative(status == Ok ? format : nullptr);
  return Record(status);
}

namespace {
using GenericFormat = GpStatus(WINGDIPAPI*)(GpStringFormat**);

// The generic formats belong to GDI+: the object keeps a copy it may delete.
bool TakeGenericCopy(StringFormat& self, GenericFormat generic) {
  GpStringFormat* shared = nullptr;
  Status status = generic(&shared);
  GpStringFormat* copy = nullptr;
  if (status == Ok) status = GdipCloneStringFormat(shared, &copy);
  self.SetNative(status == Ok ? copy : nullptr);
  return Record(status);
}
}  // namespace

bool StringFormat::StringFormatGetGenericDefault() {
  return TakeGenericCopy(*this, &GdipStringFormatGetGenericDefault);
}

bool StringFormat::StringFormatGetGenericTypographic() {
  return TakeGenericCopy(*this, &GdipStringFormatGetGenericTypographic);
}

bool StringFormat::CloneStringFormat(StringFormat& clone) const {
  GpStringFormat* copy = nullptr;
  Status status = GdipCloneStringFormat(native_, &copy);
  clone.SetNative(status == Ok ? copy : nullptr);
  return Record(status);
}

bool StringFormat::SetStringFormatFlags(int flags) {
  return Record(GdipSetStringFormatFlags(native_, flags));
}

int StringFormat::GetStringFormatFlags() const {
  INT flags = 0;
  return Record(GdipGetStringFormatFlags(native_, &flags)) ? flags : 0;
}

bool StringFormat::SetStringFormatAlign(StringAlignment align) {
  return Record(GdipSetStringFormatAlign(native_, align));
}

StringAlignment StringFormat::GetStringFormatAlign() const {
  StringAlignment align = StringAlignmentNear;
  return Record(GdipGetStringFormatAlign(native_, &align)) ? align : StringAlignmentNear;
}

bool StringFormat::SetStringFormatLineAlign(StringAlignment align) {
  return Record(GdipSetStringFormatLineAlign(native_, align));
}

StringAlignment StringFormat::GetStringFormatLineAlign() const {
  StringAlignment align = StringAlignmentNear;
  return Record(GdipGetStringFormatLineAlign(native_, &align)) ? align : StringAlignmentNear;
}

bool StringFormat::SetStringFormatTrimming(StringTrimming trimming) {
  return Record(GdipSetStringFormatTrimming(native_, trimming));
}

StringTrimming StringFormat::GetStringFormatTrimming() const {
  StringTrimming trimming = StringTrimmingNone;
  return Record(GdipGetStringFormatTrimming(native_, &trimming)) ? trimming : StringTrimmingNone;
}

bool StringFormat::SetStringFormatHotkeyPrefix(int prefix) {
  return Record(GdipSetStringFormatHotkeyPrefix(native_, prefix));
}

int StringFormat::GetStringFormatHotkeyPrefix() const {
  INT prefix = 0;
  return Record(GdipGetStringFormatHotkeyPrefix(native_, &prefix)) ? prefix : 0;
}

bool StringFormat::SetStringFormatTabStops(float first_offset, const std::vector<float>& stops) {
  return Record(
      GdipSetStringFormatTabStops(native_, first_offset, int(stops.size()), stops.data()));
}

TabStops StringFormat::GetStringFormatTabStops() const {
  INT count = 0;
  if (!Record(GdipGetStringFormatTabStopCount(native_, &count)) || count <= 0) return {};
  TabStops tabs{0, std::vector<float>(size_t(count))};
  if (!Record(GdipGetStringFormatTabStops(native_, count, &tabs.first_offset, tabs.stops.data())))
    return {};
  return tabs;
}

bool StringFormat::SetStringFormatDigitSubstitution(LANGID language, StringDigitSubstitute method) {
  return Record(GdipSetStringFormatDigitSubstitution(native_, language, method));
}

DigitSubstitution StringFormat::GetStringFormatDigitSubstitution() const {
  DigitSubstitution value;
  return Record(GdipGetStringFormatDigitSubstitution(native_, &value.language, &value.method))
             ? value
             : DigitSubstitution();
}

bool StringFormat::SetStringFormatMeasurableCharacterRanges(
    const std::vector<CharacterRange>& ranges) {
  return Record(
      GdipSetStringFormatMeasurableCharacterRanges(native_, int(ranges.size()), ranges.data()));
}

int StringFormat::GetStringFormatMeasurableCharacterRangeCount() const {
  INT count = 0;
  return Record(GdipGetStringFormatMeasurableCharacterRangeCount(native_, &count)) ? count : 0;
}

}  // namespace graphics
