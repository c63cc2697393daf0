#include "tools/classcheck/picture_probe.h"

#include <algorithm>

#include "app/picture_box.h"
#include "graphics/bitmap.h"
#include "graphics/graphics.h"

namespace classcheck {

PictureProbe ProbePicture(const std::vector<uint8_t>& bytes) {
  PictureProbe probe;
  if (bytes.empty()) return probe;
  probe.state = PictureState::kUnreadable;
  graphics::Image picture;
  if (!picture.LoadImageFromStream(bytes)) return probe;
  probe.width = picture.GetImageWidth();
  probe.height = picture.GetImageHeight();
  if (probe.width == 0 || probe.height == 0) return probe;
  if (int64_t(probe.width) * probe.height > app::kMaxPicturePixels) {
    probe.state = PictureState::kTooLarge;
    return probe;
  }
  // A tile no larger than the box, as the box makes one: drawing into it
  // decodes every pixel, and a broken file fails here.
  graphics::Bitmap tile;
  if (!tile.CreateBitmap(std::min<int>(int(probe.width), kBoxWidth),
                         std::min<int>(int(probe.height), kBoxHeight)))
    return probe;
  graphics::Graphics g;
  if (!g.GetImageGraphicsContext(tile)) return probe;
  if (!g.DrawImageRectRectI(picture, 0, 0, int(probe.width), int(probe.height))) return probe;
  probe.state = PictureState::kShown;
  return probe;
}

}  // namespace classcheck
