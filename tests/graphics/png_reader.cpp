#include "tests/graphics/png_reader.h"

#include <cstdlib>

namespace graphics_test {

namespace {

uint32_t BigEndian32(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

uint32_t Crc32(const uint8_t* data, size_t size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

// Bit reader and Huffman decoding after the deflate format (RFC 1951).
struct BitReader {
  const uint8_t* data;
  size_t size;
  size_t pos = 0;
  uint32_t bits = 0;
  int count = 0;
  bool overrun = false;

  int Bits(int n) {
    uint32_t value = bits;
    while (count < n) {
      if (pos >= size) {
        overrun = true;
        return 0;
      }
      value |= uint32_t(data[pos++]) << count;
      count += 8;
    }
    bits = value >> n;
    count -= n;
    return int(value & ((1u << n) - 1));
  }
};

struct Huffman {
  short counts[16] = {};
  short symbols[288] = {};

  bool Build(const short* lengths, int n) {
    for (int i = 0; i < n; ++i) counts[lengths[i]]++;
    counts[0] = 0;
    short offsets[16] = {};
    for (int len = 1; len < 15; ++len) offsets[len + 1] = short(offsets[len] + counts[len]);
    for (int i = 0; i < n; ++i) {
      if (lengths[i]) symbols[offsets[lengths[i]]++] = short(i);
    }
    return true;
  }

  int Decode(BitReader& in) const {
    int code = 0, first = 0, index = 0;
    for (int len = 1; len < 16; ++len) {
      code |= in.Bits(1);
      if (in.overrun) return -1;
      int count = counts[len];
      if (code - count < first) return symbols[index + (code - first)];
      index += count;
      first += count;
      first <<= 1;
      code <<= 1;
    }
    return -1;
  }
};

const short kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const short kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const short kDistBase[] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                           33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                           1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const short kDistExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                            6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

bool Codes(BitReader& in, std::vector<uint8_t>& out, const Huffman& lengths,
           const Huffman& distances) {
  for (;;) {
    int symbol = lengths.Decode(in);
    if (symbol < 0) return false;
    if (symbol < 256) {
      out.push_back(uint8_t(symbol));
    } else if (symbol == 256) {
      return true;
    } else {
      symbol -= 257;
      if (symbol >= 29) return false;
      int length = kLengthBase[symbol] + in.Bits(kLengthExtra[symbol]);
      int d = distances.Decode(in);
      if (d < 0 || d >= 30) return false;
      size_t distance = size_t(kDistBase[d] + in.Bits(kDistExtra[d]));
      if (in.overrun || distance > out.size()) return false;
      for (int i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
    }
  }
}

}  // namespace

bool Inflate(const uint8_t* data, size_t size, std::vector<uint8_t>& out) {
  BitReader in{data, size};
  int last = 0;
  do {
    last = in.Bits(1);
    int type = in.Bits(2);
    if (in.overrun) return false;
    if (type == 0) {
      in.bits = 0;
      in.count = 0;
      if (in.pos + 4 > size) return false;
      unsigned length = data[in.pos] | data[in.pos + 1] << 8;
      in.pos += 4;
      if (in.pos + length > size) return false;
      out.insert(out.end(), data + in.pos, data + in.pos + length);
      in.pos += length;
    } else if (type == 1) {
      short lengths[288];
      int i = 0;
      for (; i < 144; ++i) lengths[i] = 8;
      for (; i < 256; ++i) lengths[i] = 9;
      for (; i < 280; ++i) lengths[i] = 7;
      for (; i < 288; ++i) lengths[i] = 8;
      Huffman literal, distance;
      literal.Build(lengths, 288);
      short dist[30];
      for (short& d : dist) d = 5;
      distance.Build(dist, 30);
      if (!Codes(in, out, literal, distance)) return false;
    } else if (type == 2) {
      int nlen = in.Bits(5) + 257, ndist = in.Bits(5) + 1, ncode = in.Bits(4) + 4;
      static const short order[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                      11, 4,  12, 3, 13, 2, 14, 1, 15};
      short lengths[320] = {};
      for (int i = 0; i < ncode; ++i) lengths[order[i]] = short(in.Bits(3));
      Huffman code_lengths;
      code_lengths.Build(lengths, 19);
      int index = 0;
      while (index < nlen + ndist) {
        int symbol = code_lengths.Decode(in);
        if (symbol < 0) return false;
        if (symbol < 16) {
          lengths[index++] = short(symbol);
          continue;
        }
        short repeat_value = 0;
        int repeat = 0;
        if (symbol == 16) {
          if (index == 0) return false;
          repeat_value = lengths[index - 1];
          repeat = 3 + in.Bits(2);
        } else if (symbol == 17) {
          repeat = 3 + in.Bits(3);
        } else {
          repeat = 11 + in.Bits(7);
        }
        if (index + repeat > nlen + ndist) return false;
        while (repeat--) lengths[index++] = repeat_value;
      }
      Huffman literal, distance;
      literal.Build(lengths, nlen);
      distance.Build(lengths + nlen, ndist);
      if (!Codes(in, out, literal, distance)) return false;
    } else {
      return false;
    }
  } while (!last);
  return !in.overrun;
}

PngPicture ReadPng(const std::vector<uint8_t>& bytes) {
  PngPicture picture;
  static const uint8_t kSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (bytes.size() < 8 || !std::equal(kSignature, kSignature + 8, bytes.begin())) {
    picture.error = "no PNG signature";
    return picture;
  }
  std::vector<uint8_t> compressed;
  bool seen_end = false;
  int interlace = 0;
  for (size_t pos = 8; pos + 12 <= bytes.size() && !seen_end;) {
    const uint32_t length = BigEndian32(&bytes[pos]);
    if (pos + 12 + length > bytes.size()) {
      picture.error = "chunk runs past the end";
      return picture;
    }
    const std::string type(reinterpret_cast<const char*>(&bytes[pos + 4]), 4);
    const uint8_t* body = &bytes[pos + 8];
    if (Crc32(&bytes[pos + 4], length + 4) != BigEndian32(body + length)) {
      picture.error = "bad CRC in " + type;
      return picture;
    }
    if (type == "IHDR" && length >= 13) {
      picture.width = BigEndian32(body);
      picture.height = BigEndian32(body + 4);
      picture.bit_depth = body[8];
      picture.colour_type = body[9];
      interlace = body[12];
    } else if (type == "IDAT") {
      compressed.insert(compressed.end(), body, body + length);
    } else if (type == "IEND") {
      seen_end = true;
    }
    pos += 12 + length;
  }
  if (!seen_end || picture.width == 0 || compressed.size() < 6) {
    picture.error = "missing IHDR, IDAT or IEND";
    return picture;
  }
  if (picture.bit_depth != 8 || interlace != 0 ||
      (picture.colour_type != 2 && picture.colour_type != 6)) {
    picture.error = "unsupported layout";
    return picture;
  }
  std::vector<uint8_t> raw;
  // Two bytes of zlib header before the deflate data, four of checksum after.
  if (!Inflate(compressed.data() + 2, compressed.size() - 2, raw)) {
    picture.error = "bad deflate data";
    return picture;
  }
  const size_t channels = picture.colour_type == 6 ? 4 : 3;
  const size_t stride = picture.width * channels;
  if (raw.size() < (stride + 1) * picture.height) {
    picture.error = "too little image data";
    return picture;
  }
  std::vector<uint8_t> previous(stride, 0), line(stride);
  picture.argb.resize(size_t(picture.width) * picture.height);
  for (uint32_t y = 0; y < picture.height; ++y) {
    const uint8_t* in = &raw[y * (stride + 1)];
    const int filter = in[0];
    for (size_t i = 0; i < stride; ++i) {
      const int a = i >= channels ? line[i - channels] : 0;
      const int b = previous[i];
      const int c = i >= channels ? previous[i - channels] : 0;
      int predictor = 0;
      switch (filter) {
        case 1: predictor = a; break;
        case 2: predictor = b; break;
        case 3: predictor = (a + b) / 2; break;
        case 4: {
          const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
          predictor = (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
          break;
        }
        default: break;
      }
      line[i] = uint8_t(in[1 + i] + predictor);
    }
    for (uint32_t x = 0; x < picture.width; ++x) {
      const uint8_t* p = &line[x * channels];
      const uint32_t alpha = channels == 4 ? p[3] : 0xFF;
      picture.argb[size_t(y) * picture.width + x] =
          alpha << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    previous = line;
  }
  picture.ok = true;
  return picture;
}

}  // namespace graphics_test
