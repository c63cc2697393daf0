#include "app/exif_orientation.h"

#include <cstring>

namespace app {
namespace {

constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kTypeShort = 3;

// A bounded view of bytes in either byte order.
class Reader {
 public:
  Reader(const uint8_t* data, size_t size, bool bigEndian = true)
      : data_(data), size_(size), big_(bigEndian) {}
  bool Has(size_t at, size_t n) const { return at <= size_ && n <= size_ - at; }
  uint16_t U16(size_t at) const {
    return big_ ? uint16_t(data_[at] << 8 | data_[at + 1])
                : uint16_t(data_[at + 1] << 8 | data_[at]);
  }
  uint32_t U32(size_t at) const {
    return big_ ? uint32_t(U16(at)) << 16 | U16(at + 2) : uint32_t(U16(at + 2)) << 16 | U16(at);
  }

 private:
  const uint8_t* data_;
  size_t size_;
  bool big_;
};

// The tag in a TIFF structure (the APP1 payload after "Exif\0\0"); every
// offset is checked against the payload, never the file.
int OrientationInTiff(const uint8_t* tiff, size_t size) {
  if (size < 8) return kUpright;
  bool big;
  if (tiff[0] == 'I' && tiff[1] == 'I')
    big = false;
  else if (tiff[0] == 'M' && tiff[1] == 'M')
    big = true;
  else
    return kUpright;
  const Reader r(tiff, size, big);
  if (r.U16(2) != 42) return kUpright;
  const size_t ifd = r.U32(4);
  if (!r.Has(ifd, 2)) return kUpright;
  const size_t entries = r.U16(ifd);
  for (size_t i = 0; i < entries; ++i) {
    const size_t entry = ifd + 2 + 12 * i;
    if (!r.Has(entry, 12)) return kUpright;
    if (r.U16(entry) != kOrientationTag) continue;
    if (r.U16(entry + 2) != kTypeShort || r.U32(entry + 4) < 1) return kUpright;
    const int value = r.U16(entry + 8);  // a SHORT sits at the start of the value field
    return value >= 1 && value <= 8 ? value : kUpright;
  }
  return kUpright;
}

}  // namespace

int JpegOrientation(const std::vector<uint8_t>& bytes) {
  const Reader r(bytes.data(), bytes.size());
  if (!r.Has(0, 2) || bytes[0] != 0xFF || bytes[1] != 0xD8) return kUpright;
  size_t at = 2;
  while (r.Has(at, 4)) {
    if (bytes[at] != 0xFF) return kUpright;
    const uint8_t marker = bytes[at + 1];
    if (marker == 0xFF) {  // fill byte before a marker
      ++at;
      continue;
    }
    if (marker == 0xDA || marker == 0xD9) return kUpright;  // image data: no metadata follows
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      at += 2;
      continue;
    }
    const size_t length = r.U16(at + 2);  // counts itself, not the marker
    if (length < 2 || !r.Has(at + 2, length)) return kUpright;
    const uint8_t* payload = bytes.data() + at + 4;
    const size_t payloadSize = length - 2;
    if (marker == 0xE1 && payloadSize >= 6 && std::memcmp(payload, "Exif\0\0", 6) == 0)
      return OrientationInTiff(payload + 6, payloadSize - 6);
    at += 2 + length;
  }
  return kUpright;
}

}  // namespace app
