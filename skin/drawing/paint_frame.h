// One paint of a skinned control: what lies behind it is captured into a
// memory surface, the painter draws on a graphics context over that surface,
// and the result reaches the target in one block transfer. Every family
// paints through it, so capture and release are never paired by hand.
#pragma once

#include <windows.h>

#include "graphics/graphics.h"

namespace skin {

class PaintFrame {
 public:
  // Captures the background behind `control` over `rect` (the control's own
  // coordinates); nothing is captured for a control in no skinned window.
  PaintFrame(HWND control, const RECT& rect);
  ~PaintFrame();
  PaintFrame(const PaintFrame&) = delete;
  PaintFrame& operator=(const PaintFrame&) = delete;

  explicit operator bool() const { return surface_ != nullptr; }
  // Drawing on the captured surface (no smoothing unless the painter asks).
  graphics::Graphics& graphics() { return graphics_; }
  HDC surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Finishes the drawing and copies the whole surface to `target` at (x, y).
  void CopyTo(HDC target, int x = 0, int y = 0);

 private:
  HDC surface_ = nullptr;
  int width_ = 0, height_ = 0;
  graphics::Graphics graphics_;
};

}  // namespace skin
