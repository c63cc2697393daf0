#include "tests/graphics/gif_writer.h"

#include <algorithm>
#include <cstring>

namespace graphics_test {

namespace {
void Put16(std::vector<uint8_t>& out, int value) {
  out.push_back(uint8_t(value & 0xFF));
  out.push_back(uint8_t((value >> 8) & 0xFF));
}

// LZW data with a minimum code size of 2: every pixel goes out as a literal
// three-bit code, and a clear code follows every second literal so that the
// decoder's table never grows past three-bit codes.
std::vector<uint8_t> LiteralLzw(const std::vector<uint8_t>& pixels) {
  const int kClear = 4, kEnd = 5;
  std::vector<uint8_t> bytes;
  uint32_t accumulator = 0;
  int bits = 0;
  auto emit = [&](int code) {
    accumulator |= uint32_t(code) << bits;
    bits += 3;
    while (bits >= 8) {
      bytes.push_back(uint8_t(accumulator & 0xFF));
      accumulator >>= 8;
      bits -= 8;
    }
  };
  emit(kClear);
  for (size_t i = 0; i < pixels.size(); ++i) {
    if (i > 0 && i % 2 == 0) emit(kClear);
    emit(pixels[i]);
  }
  emit(kEnd);
  if (bits > 0) bytes.push_back(uint8_t(accumulator & 0xFF));
  return bytes;
}
}  // namespace

std::vector<uint8_t> WriteAnimatedGif(int width, int height, const uint32_t (&palette)[4],
                                      const std::vector<GifFrame>& frames) {
  std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
  Put16(out, width);
  Put16(out, height);
  out.push_back(0x80 | 0x10 | 0x01);  // global table of 4 colours
  out.push_back(0);                   // background colour
  out.push_back(0);                   // aspect
  for (uint32_t colour : palette) {
    out.push_back(uint8_t(colour >> 16));
    out.push_back(uint8_t(colour >> 8));
    out.push_back(uint8_t(colour));
  }
  // Loop for ever.
  const uint8_t loop[] = {0x21, 0xFF, 0x0B, 'N', 'E',  'T',  'S',  'C',  'A', 'P',
                          'E',  '2',  '.',  '0', 0x03, 0x01, 0x00, 0x00, 0x00};
  out.insert(out.end(), loop, loop + sizeof loop);
  for (const GifFrame& frame : frames) {
    out.insert(out.end(), {0x21, 0xF9, 0x04, 0x04});  // graphic control, keep previous frame
    Put16(out, frame.delay);
    out.push_back(0);  // no transparent colour
    out.push_back(0);
    out.push_back(0x2C);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, width);
    Put16(out, height);
    out.push_back(0);  // no local table, not interlaced
    out.push_back(2);  // minimum code size
    std::vector<uint8_t> data =
        LiteralLzw(std::vector<uint8_t>(size_t(width) * height, frame.colour_index));
    for (size_t pos = 0; pos < data.size(); pos += 255) {
      const size_t n = std::min<size_t>(255, data.size() - pos);
      out.push_back(uint8_t(n));
      out.insert(out.end(), data.begin() + pos, data.begin() + pos + n);
    }
    out.push_back(0);
  }
  out.push_back(0x3B);
  return out;
}

}  // namespace graphics_test
