#include "skin/drawing/paint_frame.h"

#include "skin/drawing/background_capture.h"

namespace skin {

PaintFrame::PaintFrame(HWND control, const RECT& rect)
    : width_(rect.right - rect.left), height_(rect.bottom - rect.top) {
  surface_ = CaptureParentBackground(control, rect);
  if (surface_) graphics_.CreateFromHDC(surface_);
}

PaintFrame::~PaintFrame() {
  // The graphics context goes before the surface it draws on.
  graphics_.DeleteGraphics();
  if (surface_) ReleaseSurface(surface_);
}

void PaintFrame::CopyTo(HDC target, int x, int y) {
  if (!surface_ || !target) return;
  graphics_.Flush(Gdiplus::FlushIntentionSync);
  ::BitBlt(target, x, y, width_, height_, surface_, 0, 0, SRCCOPY);
}

}  // namespace skin
