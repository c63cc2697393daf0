// The ground of a frame render (background colour, picture, gloss) written
// straight into the frame bitmap's pixels, and the corners outside the
// rounded outline. GDI+ clipped to the outline costs a region test per
// pixel of the whole frame under Wine; a frame is drawn unclipped instead
// and the few pixels outside the outline are put back afterwards, which
// leaves the same picture.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "graphics/graphics.h"
#include "skin/engine/skinned_window.h"
#include "skin/frame/frame_layer_ops.h"

namespace skin {

// How the picture is scaled to a new size: at full quality, or with the
// nearest source pixel while the size is still changing (a live resize,
// a maximise), to be drawn at full quality once it settles.
enum class PictureQuality { kFull, kDraft };

// Background colour, picture (placed as the window's mode says) and caption
// gloss of window w over the whole of `view`, which `g` draws into too.
// Returns the quality the picture was drawn at (kFull when it has none).
PictureQuality PaintGround(SkinnedWindow& w, const DibView& view, graphics::Graphics& g,
                           PictureQuality wanted);

// The two-line outline DrawFrameBorder draws, on a frame the size of
// `view`: from a copy drawn once on a small frame, whose corners and
// straight runs are those of a frame of any size.
void DrawOutline(const DibView& view);

// Gives every pixel of `view` outside the rounded outline of a frame of
// its size the opaque magenta the window region leaves out.
void MaskOutsideOutline(const DibView& view);

// Source-over of premultiplied 32-bit pixels (rows of `stride` pixels) with
// their top-left at (x, y) of `view`, clipped to it.
void BlendPremultiplied(const DibView& view, int x, int y, const uint32_t* pixels, int width,
                        int height, int stride);

}  // namespace skin
