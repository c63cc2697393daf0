#include "skin/drawing/backgrounds.h"

#include "graphics/image.h"
#include "graphics/image_codecs.h"
#include "skin/drawing/fade_image.h"

namespace skin {

std::vector<uint8_t> BackgroundForMode(const std::vector<uint8_t>& image, Colour colour, int mode) {
  if (mode == 1) return FadeImage(image, colour, FadeVariant::LeftAndBottom);
  if (mode == 0) return FadeImage(image, colour, FadeVariant::RightAndBottom);
  return image;
}

std::vector<uint8_t> BackgroundFileForMode(const std::string& fileName, Colour colour, int mode) {
  if (mode == 1) return FadeImageFile(fileName, colour, FadeVariant::LeftAndBottom);
  if (mode == 0) return FadeImageFile(fileName, colour, FadeVariant::RightAndBottom);
  graphics::Image image;
  if (!image.LoadImageFromFile(fileName)) return {};
  return image.SaveToStream(std::string(graphics::kImageFormatPng));
}

}  // namespace skin
