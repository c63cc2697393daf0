// What lies behind a skinned control: captured into a memory surface so the
// control can paint as if transparent over its window's background picture.
#pragma once

#include <windows.h>

#include "platform/handles.h"

namespace skin {

struct BackgroundSource {
  enum class Kind { None, Marked, Container, TopLevel };
  Kind kind = Kind::None;
  int window = 0;         // number of the skinned top-level window, when known
  int container = 0;      // position in that window's container list
  HWND marked = nullptr;  // the window whose Wxk_Cj holds the background
};

// Walks from `window` (itself included) up its parent chain; the first of a
// marked window (only with `checkMarks`), a skinned container or a skinned
// top-level window decides.
BackgroundSource LocateBackgroundSource(HWND window, bool checkMarks);

// A memory DC registered in Surfaces holding what is visible behind the
// control over `rect` (in the control's window coordinates); null when the
// control lies in no skinned window. Give it back with ReleaseSurface.
HDC CaptureParentBackground(HWND control, const RECT& rect);
// Frees a surface handed out by CaptureParentBackground; false (and nothing
// freed) for any other DC.
bool ReleaseSurface(HDC dc);

// A captured surface, given back when the scope ends (null stays null).
class CapturedSurface {
 public:
  explicit CapturedSurface(HDC dc) : dc_(dc) {}
  ~CapturedSurface() {
    if (dc_) ReleaseSurface(dc_);
  }
  CapturedSurface(const CapturedSurface&) = delete;
  CapturedSurface& operator=(const CapturedSurface&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// The control's client area in its own window coordinates, wherever its
// borders and scroll bars put it.
RECT ClientAreaInWindow(HWND control);
// A surface (give it back with ReleaseSurface) of what lies behind the
// control's client area under a white veil of alpha Translucency; null when
// there is nothing behind it to capture.
HDC CaptureVeiledClient(HWND control);
// The same picture as a bitmap of its own, for pattern brushes.
platform::UniqueBitmap ChildBackgroundBitmap(HWND control);
// Paints that picture into `dc`, a DC of the control's client area, at (0, 0).
// Translucent edits and lists draw their text over it.
void PaintVeiledBackground(HWND control, HDC dc);

// Clips every visible direct child without WS_EX_TRANSPARENT out of `dc`
// (a DC of `window`), by its window region when it has one, and returns it.
HDC ChildExcludedDC(HWND window, HDC dc);
// The same, but children that draw only lines over their parent's ground
// (group boxes) are left in: the ground shows through them.
HDC SolidChildExcludedDC(HWND window, HDC dc);
// The same on the window's own DC.
platform::WindowDC ChildExcludedDC(HWND window);

}  // namespace skin
