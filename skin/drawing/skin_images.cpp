#include "skin/drawing/skin_images.h"

#include <array>

namespace skin {

// The PNG files of assets/skin, embedded by the build.
extern const unsigned char SkinHelpPng[], SkinMainMenuPng[], SkinMinimisePng[], SkinMaximisePng[],
    SkinRestorePng[], SkinClosePng[], SkinCheckOffPng[], SkinCheckOnPng[], SkinArrowDownPng[],
    SkinArrowUpPng[], SkinArrowLeftPng[], SkinArrowRightPng[];
extern const unsigned SkinHelpPngSize, SkinMainMenuPngSize, SkinMinimisePngSize,
    SkinMaximisePngSize, SkinRestorePngSize, SkinClosePngSize, SkinCheckOffPngSize,
    SkinCheckOnPngSize, SkinArrowDownPngSize, SkinArrowUpPngSize, SkinArrowLeftPngSize,
    SkinArrowRightPngSize;

namespace {

constexpr size_t kImageCount = 12;

using ImageTable = std::array<std::vector<uint8_t>, kImageCount>;

ImageTable BuildTable() {
  struct Embedded {
    const unsigned char* bytes;
    const unsigned& size;
  };
  // In the order of SkinImage.
  const Embedded embedded[kImageCount] = {
      {SkinHelpPng, SkinHelpPngSize},           {SkinMainMenuPng, SkinMainMenuPngSize},
      {SkinMinimisePng, SkinMinimisePngSize},   {SkinMaximisePng, SkinMaximisePngSize},
      {SkinRestorePng, SkinRestorePngSize},     {SkinClosePng, SkinClosePngSize},
      {SkinCheckOffPng, SkinCheckOffPngSize},   {SkinCheckOnPng, SkinCheckOnPngSize},
      {SkinArrowDownPng, SkinArrowDownPngSize}, {SkinArrowUpPng, SkinArrowUpPngSize},
      {SkinArrowLeftPng, SkinArrowLeftPngSize}, {SkinArrowRightPng, SkinArrowRightPngSize},
  };
  ImageTable table;
  for (size_t i = 0; i < kImageCount; ++i)
    table[i].assign(embedded[i].bytes, embedded[i].bytes + embedded[i].size);
  return table;
}

}  // namespace

const std::vector<uint8_t>& SkinImageBytes(SkinImage image) {
  static const ImageTable table = BuildTable();
  static const std::vector<uint8_t> none;
  const int index = static_cast<int>(image) - static_cast<int>(SkinImage::Help);
  if (index < 0 || index >= static_cast<int>(kImageCount)) return none;
  return table[index];
}

}  // namespace skin
