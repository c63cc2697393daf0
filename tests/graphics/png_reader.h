// A small PNG reader of the tests' own (chunks, CRCs, inflate, scanline
// filters), independent of GDI+, for checking what the encoders write.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace graphics_test {

struct PngPicture {
  bool ok = false;
  std::string error;
  uint32_t width = 0;
  uint32_t height = 0;
  int bit_depth = 0;
  int colour_type = 0;
  std::vector<uint32_t> argb;  // width * height pixels, 0xAARRGGBB
  uint32_t at(uint32_t x, uint32_t y) const { return argb[size_t(y) * width + x]; }
};

// Reads 8-bit truecolour PNGs (colour types 2 and 6, no interlace).
PngPicture ReadPng(const std::vector<uint8_t>& bytes);

// Raw deflate data to bytes; false on malformed input.
bool Inflate(const uint8_t* data, size_t size, std::vector<uint8_t>& out);

}  // namespace graphics_test
