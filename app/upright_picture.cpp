#include "app/upright_picture.h"

#include "app/exif_orientation.h"

namespace app {
namespace {

// The turn that undoes each stored orientation, then the mirror. The
// mirrored turns go as two steps: Wine's GDI+ applies the combined
// Rotate90FlipX and Rotate270FlipX the other way round (flip first), so a
// combined call would disagree with Windows' for orientations 5 and 7.
struct Undo {
  Gdiplus::RotateFlipType turn;
  bool mirror;
};

Undo UndoFor(int orientation) {
  switch (orientation) {
    case 2: return {Gdiplus::RotateNoneFlipNone, true};
    case 3: return {Gdiplus::Rotate180FlipNone, false};
    case 4: return {Gdiplus::Rotate180FlipNone, true};
    case 5: return {Gdiplus::Rotate90FlipNone, true};
    case 6: return {Gdiplus::Rotate90FlipNone, false};
    case 7: return {Gdiplus::Rotate270FlipNone, true};
    case 8: return {Gdiplus::Rotate270FlipNone, false};
  }
  return {Gdiplus::RotateNoneFlipNone, false};
}

}  // namespace

bool TurnUpright(graphics::Image& picture, const std::vector<uint8_t>& bytes) {
  const int orientation = JpegOrientation(bytes);
  if (orientation == kUpright) return true;
  const Undo undo = UndoFor(orientation);
  if (undo.turn != Gdiplus::RotateNoneFlipNone && !picture.ImageRotateFlip(undo.turn)) return false;
  return !undo.mirror || picture.ImageRotateFlip(Gdiplus::RotateNoneFlipX);
}

std::vector<uint8_t> UprightPictureBytes(const std::vector<uint8_t>& bytes) {
  if (JpegOrientation(bytes) == kUpright) return bytes;
  graphics::Image picture;
  if (!picture.LoadImageFromStream(bytes) || !TurnUpright(picture, bytes)) return bytes;
  std::vector<uint8_t> upright = picture.SaveToStream(std::string(graphics::kImageFormatPng));
  return upright.empty() ? bytes : upright;
}

}  // namespace app
