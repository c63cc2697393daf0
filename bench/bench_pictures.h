// Pictures the benchmarks draw with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "graphics/image_codecs.h"
#include "graphics/line_brush.h"
#include "platform/files.h"

namespace bench {

// The sample class's background when the source tree is at hand, else a
// drawn picture of the same size.
inline std::vector<uint8_t> SampleBackground() {
  std::string path = "Z:" ROLLCALL_EXAMPLES_DIR "/img/背景.jpg";
  for (char& c : path)
    if (c == '/') c = '\\';
  std::vector<uint8_t> bytes = platform::ReadWholeFile(path);
  if (!bytes.empty()) return bytes;
  graphics::Bitmap picture;
  picture.CreateBitmap(1024, 788);
  graphics::Graphics g;
  g.GetImageGraphicsContext(picture);
  graphics::LineBrush sky;
  sky.CreateLineBrush({0, 0}, {0, 788}, 0xFF5090D0, 0xFF60B040);
  g.FillRectangleI(sky, 0, 0, 1024, 788);
  return picture.SaveToStream(std::string(graphics::kImageFormatJpeg));
}

}  // namespace bench
