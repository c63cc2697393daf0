#include "tools/classcheck/photo_scale.h"

#include <algorithm>

#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "app/upright_picture.h"
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
  if (!app::TurnUpright(picture, bytes)) return {};
  const double width = picture.GetImageWidth(), height = picture.GetImageHeight();
  if (width <= 0 || height <= 0) return {};
  // The largest centred part of the picture with the box's proportions; a
  // picture that fits keeps its own size.
  const bool fits = width <= kBoxWidth && height <= kBoxHeight;
  const double scale = fits ? 1.0 : std::max(kBoxWidth / width, kBoxHeight / height);
  const int targetWidth = fits ? int(width) : kBoxWidth;
  const int targetHeight = fits ? int(height) : kBoxHeight;
  const double sourceWidth = targetWidth / scale, sourceHeight = targetHeight / scale;

  // A new bitmap: nothing of the file's metadata, the tag included, is kept.
  graphics::Bitmap box;
  if (!box.CreateBitmap(targetWidth, targetHeight, PixelFormat24bppRGB)) return {};
  {
    graphics::Graphics g;
    if (!g.GetImageGraphicsContext(box)) return {};
    g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    g.GraphicsClear(0xFFFFFFFF);
    if (!g.DrawImageRectRect(picture, 0, 0, float(targetWidth), float(targetHeight),
                             float((width - sourceWidth) / 2), float((height - sourceHeight) / 2),
                             float(sourceWidth), float(sourceHeight)))
      return {};
  }
  return box.SaveToStream(std::string(graphics::kImageFormatJpeg), Quality(kJpegQuality));
}

}  // namespace classcheck
