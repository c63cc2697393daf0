#include "tools/classcheck/photo_scale.h"

#include <algorithm>

#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "tools/classcheck/picture_probe.h"

namespace classcheck {
namespace {

graphics::EncoderParams Quality(uint32_t quality) {
  graphics::EncoderParam item{
      graphics::kEncoderQuality, 1, Gdiplus::EncoderParameterValueTypeLong, {}};
  const uint8_t* q = reinterpret_cast<const uint8_t*>(&quality);
  item.Values.assign(q, q + sizeof quality);
  return graphics::EncoderParams{1, {item}};
}

}  // namespace

std::vector<uint8_t> ScaleToBox(const std::vector<uint8_t>& bytes) {
  graphics::Image picture;
  if (bytes.empty() || !picture.LoadImageFromStream(bytes)) return {};
  const double width = picture.GetImageWidth(), height = picture.GetImageHeight();
  if (width <= 0 || height <= 0) return {};
  // The largest centred part of the picture with the box's proportions.
  const double scale = std::max(kBoxWidth / width, kBoxHeight / height);
  const double sourceWidth = kBoxWidth / scale, sourceHeight = kBoxHeight / scale;

  graphics::Bitmap box;
  if (!box.CreateBitmap(kBoxWidth, kBoxHeight, PixelFormat24bppRGB)) return {};
  {
    graphics::Graphics g;
    if (!g.GetImageGraphicsContext(box)) return {};
    g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    g.GraphicsClear(0xFFFFFFFF);
    if (!g.DrawImageRectRect(picture, 0, 0, kBoxWidth, kBoxHeight, float((width - sourceWidth) / 2),
                             float((height - sourceHeight) / 2), float(sourceWidth),
                             float(sourceHeight)))
      return {};
  }
  return box.SaveToStream(std::string(graphics::kImageFormatJpeg), Quality(kJpegQuality));
}

}  // namespace classcheck
