// Whether the program can show a picture file, and at what size.
#pragma once

#include <cstdint>
#include <vector>

namespace classcheck {

// The photo box of the main window.
constexpr int kBoxWidth = 440;
constexpr int kBoxHeight = 272;

enum class PictureState {
  kEmpty,        // a file of no bytes
  kUnreadable,   // GDI+ reads no picture from it
  kPhoneFormat,  // HEIC or AVIF from a phone, named .jpg: GDI+ reads none
  kTooLarge,     // over app::kMaxPicturePixels: the program refuses it
  kShown
};

struct PictureProbe {
  PictureState state = PictureState::kEmpty;
  uint32_t width = 0, height = 0;  // as shown: after the turn below
  int orientation = 1;             // the JPEG's Orientation tag, 1 without one
  bool Turned() const { return orientation != 1; }
  bool LargerThanBox() const { return width > kBoxWidth || height > kBoxHeight; }
  bool SmallerThanBox() const { return width < kBoxWidth || height < kBoxHeight; }
};

// Reads the size from the header, then decodes the picture the way the photo
// box does (the part a box can show, at its own size), so a file whose header
// reads but whose pixels do not counts as unreadable. Pictures the program
// refuses are never decoded. Everything is freed before returning.
// The size is the upright picture's: what the box shows after the turn.
PictureProbe ProbePicture(const std::vector<uint8_t>& bytes);

}  // namespace classcheck
