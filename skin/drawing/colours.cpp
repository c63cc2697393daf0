#include "skin/drawing/colours.h"

#include <algorithm>

#include "graphics/bitmap.h"

namespace skin {
namespace {

// Days since 1899-12-30 with the time of day as the fraction (an OLE
// automation date): its integer part changes once a day, at local midnight.
double LocalDateTimeInDays() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  FILETIME file{};
  ::SystemTimeToFileTime(&now, &file);
  ULARGE_INTEGER ticks{};
  ticks.LowPart = file.dwLowDateTime;
  ticks.HighPart = file.dwHighDateTime;
  constexpr double kTicksPerDay = 864000000000.0;   // 100 ns ticks
  constexpr double kDaysFrom1601To1899 = 109205.0;  // 1601-01-01 .. 1899-12-30
  return static_cast<double>(ticks.QuadPart) / kTicksPerDay - kDaysFrom1601To1899;
}

// A small seedable generator (an integer hash of a counter), so that nearby
// seeds still give unrelated positions.
class SampleRandom {
 public:
  void Seed(uint32_t seed) { state_ = seed; }
  uint32_t Next() {
    uint32_t z = (state_ += 0x9E3779B9u);
    z = (z ^ (z >> 16)) * 0x85EBCA6Bu;
    z = (z ^ (z >> 13)) * 0xC2B2AE35u;
    return z ^ (z >> 16);
  }

 private:
  uint32_t state_ = 0;
};

constexpr Colour kUnreadable = 0xFF000000u;

Colour AverageOf(const graphics::Bitmap& bitmap, int samples) {
  const UINT width = bitmap.GetImageWidth();
  const UINT height = bitmap.GetImageHeight();
  if (width == 0 || height == 0 || samples <= 0) return kUnreadable;

  const double days = LocalDateTimeInDays();
  SampleRandom random;
  uint64_t red = 0, green = 0, blue = 0;
  for (int i = 1; i <= samples; ++i) {
    random.Seed(static_cast<uint32_t>(static_cast<int64_t>(days + 3.0 * i)));
    const int x = static_cast<int>(random.Next() % width);
    random.Seed(static_cast<uint32_t>(static_cast<int64_t>(days + i)));
    const int y = static_cast<int>(random.Next() % height);
    Gdiplus::ARGB pixel = 0;
    if (!bitmap.BitmapGetPixel(x, y, pixel)) pixel = 0;
    const Colour colour = ArgbToColour(pixel).colour;
    red += colour % 256;
    green += (colour % 65536) / 256;
    blue += colour / 65536;
  }
  const auto mean = [samples](uint64_t sum) { return static_cast<Colour>(sum / samples); };
  return mean(red) | mean(green) << 8 | mean(blue) << 16 | 0xFFu << 24;
}

}  // namespace

Gdiplus::ARGB MakeArgb(Colour colour, std::optional<int> alpha) {
  const uint32_t a = alpha ? static_cast<uint32_t>(std::clamp(*alpha, 0, 255)) : 255u;
  const uint32_t red = colour & 0xFF;
  const uint32_t green = (colour >> 8) & 0xFF;
  const uint32_t blue = (colour >> 16) & 0xFF;
  return a << 24 | red << 16 | green << 8 | blue;
}

ColourAndAlpha ArgbToColour(Gdiplus::ARGB argb) {
  const uint32_t red = (argb >> 16) & 0xFF;
  const uint32_t green = (argb >> 8) & 0xFF;
  const uint32_t blue = argb & 0xFF;
  return {red | green << 8 | blue << 16, static_cast<uint8_t>(argb >> 24)};
}

Colour AverageColour(const std::vector<uint8_t>& image, int samples) {
  graphics::Bitmap bitmap;
  if (!bitmap.CreateBitmapFromStream(image)) return kUnreadable;
  return AverageOf(bitmap, samples);
}

Colour AverageColourOfFile(const std::string& fileName, int samples) {
  graphics::Bitmap bitmap;
  if (fileName.empty() || !bitmap.CreateBitmapFromFile(fileName)) return kUnreadable;
  return AverageOf(bitmap, samples);
}

}  // namespace skin
