// Keys and pixel copies behind the frame's kept layers (frame_layers.h).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "skin/engine/skinned_window.h"

namespace skin {

// Everything the ground of a W x H frame (background colour, picture,
// gloss, outline) and its clean caption and status strips are drawn from.
LayerKey BaseKeyOf(const SkinnedWindow& w, SIZE size);
// Everything the caption buttons at rest are drawn from, besides the ground.
LayerKey ButtonsKeyOf(const SkinnedWindow& w);
// Everything title, caption buttons and status panels are drawn from,
// besides the ground.
LayerKey DecorationKeyOf(const SkinnedWindow& w, const std::string& title, int frameMargin);

// A bottom-up 32-bit DIB section of that size (the frame bitmap GDI+ would
// hand out, without drawing a GDI+ bitmap first), in the layers' kept
// memory, made or resized as needed. Its pixels are those of the last frame
// in that memory, or zero: a render draws or copies every one of them.
platform::UniqueBitmap NewFrameBitmap(int width, int height, FrameLayers& layers);

// The pixels of a 32-bit DIB section, where GDI has them.
struct DibView {
  uint32_t* bits = nullptr;
  int width = 0, height = 0;
  bool bottomUp = true;

  uint32_t* Row(int y) const {
    return bits + static_cast<size_t>(bottomUp ? height - 1 - y : y) * width;
  }
  size_t Count() const { return static_cast<size_t>(width) * height; }
};
// False for anything but a 32-bit DIB section.
bool ViewOf(HBITMAP bitmap, DibView& view);

// Whole-bitmap copies (GDI's pending drawing is flushed first).
void SavePixels(const DibView& view, std::vector<uint32_t>& into);
bool LoadPixels(const DibView& view, const std::vector<uint32_t>& from);
// A box of the bitmap as top-down rows, clipped to the bitmap, and back.
// The rows of the bitmap that differ from `ground` (a whole-bitmap copy
// made by SavePixels), and the bitmap made of the ground and those rows.
void SaveRows(const DibView& view, const std::vector<uint32_t>& ground, KeptRows& into);
bool LoadRows(const DibView& view, const std::vector<uint32_t>& ground, const KeptRows& from);
bool SaveBox(const DibView& view, KeptButtonStep& box);
void LoadBox(const DibView& view, const KeptButtonStep& box);

// Bytes of pixels the window keeps for its frame: the frame bitmap, the
// kept layers, the clean strips and the decoded picture.
size_t KeptFrameBytes(const SkinnedWindow& w);

}  // namespace skin
