#include "tools/classcheck/picture_probe.h"

#include <algorithm>

#include <cstring>

#include "app/exif_orientation.h"
#include "app/picture_box.h"
#include "graphics/bitmap.h"
#include "graphics/graphics.h"

namespace classcheck {
namespace {

// An ISO media file (ftyp box first) of a brand phones write for photos.
bool IsPhoneFormat(const std::vector<uint8_t>& bytes) {
  if (bytes.size() < 12 || std::memcmp(bytes.data() + 4, "ftyp", 4) != 0) return false;
  for (const char* brand : {"heic", "heix", "hevc", "heim", "heis", "mif1", "msf1", "avif"})
    if (std::memcmp(bytes.data() + 8, brand, 4) == 0) return true;
  return false;
}

}  // namespace

PictureProbe ProbePicture(const std::vector<uint8_t>& bytes) {
  PictureProbe probe;
  if (bytes.empty()) return probe;
  probe.state = PictureState::kUnreadable;
  graphics::Image picture;
  if (!picture.LoadImageFromStream(bytes)) {
    if (IsPhoneFormat(bytes)) probe.state = PictureState::kPhoneFormat;
    return probe;
  }
  const uint32_t width = picture.GetImageWidth(), height = picture.GetImageHeight();
  probe.orientation = app::JpegOrientation(bytes);
  probe.width = app::SwapsSides(probe.orientation) ? height : width;
  probe.height = app::SwapsSides(probe.orientation) ? width : height;
  if (width == 0 || height == 0) return probe;
  if (int64_t(probe.width) * probe.height > app::kMaxPicturePixels) {
    probe.state = PictureState::kTooLarge;
    return probe;
  }
  // A tile no larger than the box, as the box makes one: drawing into it
  // decodes every pixel, and a broken file fails here.
  graphics::Bitmap tile;
  if (!tile.CreateBitmap(std::min<int>(int(width), kBoxWidth),
                         std::min<int>(int(height), kBoxHeight)))
    return probe;
  graphics::Graphics g;
  if (!g.GetImageGraphicsContext(tile)) return probe;
  if (!g.DrawImageRectRectI(picture, 0, 0, int(width), int(height))) return probe;
  probe.state = PictureState::kShown;
  return probe;
}

}  // namespace classcheck
