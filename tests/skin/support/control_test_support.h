// Shared by the tests of the engine's control families: an ordered log of
// what controls and their parent receive, compared with tables of expected
// rows the way Wine's own control tests do; a parent window whose procedure
// logs what its children tell it; the real pointer, which hover and leave
// need under Wine; and pictures of what the X display shows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/graphics.h"
#include "platform/handles.h"
#include "tests/support/screen.h"

namespace control_test {

// Row flags.
enum : unsigned {
  kSent = 0x01,      // reached a control's logger, which sits under the engine
  kOuter = 0x02,     // reached a control's logger above the engine
  kParent = 0x04,    // reached the logging parent's own procedure
  kOptional = 0x08,  // may be missing (the table says why)
  kState = 0x10,     // `state` must match: item state, notification code, wParam
};

struct Msg {
  UINT message;
  unsigned flags;
  int who = 0;     // tag of the control; for parent rows, the control it is about
  UINT state = 0;  // WM_DRAWITEM: itemState; WM_COMMAND: notification; others: wParam
};

// Logs the messages below that reach `control` from now on, tagged `who`.
// Installed before the engine skins the control, the logger sees what the
// engine hands on; installed after (above), what the platform delivers.
// Logged: mouse, paint, focus, capture, text and check messages.
// Consecutive identical WM_MOUSEMOVE rows are kept once.
void LogControl(HWND control, int who, bool above = false);

// A hidden popup whose procedure logs WM_DRAWITEM and WM_COMMAND; destroyed
// by DestroyParents.
HWND MakeParent(int width, int height, int x = 80, int y = 80);
void DestroyParents();

// A visible child control of `className` with id `id`.
HWND MakeControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
                 int width, int height, int id = 0);

std::vector<Msg>& Log();
void ClearLog();
// Every non-optional row in order, nothing else; the log is printed on a
// mismatch.
void ExpectSequence(const std::vector<Msg>& expected, const std::string& context);
// How many rows of the log carry this message for this control.
int CountLogged(UINT message, int who, unsigned flags = kSent);

// The real pointer, at (x, y) of `window`'s client area; messages are
// handled for `ms` milliseconds afterwards.
void PointerTo(HWND window, int x, int y, unsigned ms = 80);
// The bottom-right corner of the screen, where no test window lies.
void PointerAway(unsigned ms = 80);
// The left button through SendInput, at the pointer.
void LeftDown(unsigned ms = 60);
void LeftUp(unsigned ms = 60);

// What `draw` puts on a width x height bitmap filled with opaque `ground`
// first: looks are read back without a window.
testing_support::Pixels DrawOnBitmap(int width, int height, COLORREF ground,
                                     const std::function<void(graphics::Graphics&)>& draw);

// A memory DC the test owns, over a 32-bit bitmap filled with `fill`: the
// engine's painters draw into it and it is read back exactly.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill);
  HDC dc() const { return surface_.dc(); }
  RECT rect() const { return RECT{0, 0, width_, height_}; }
  testing_support::Pixels pixels() const;

 private:
  int width_, height_;
  platform::MemorySurface surface_;
};

// A control's client area as drawn on its own device context.
testing_support::Pixels ControlPixels(HWND control);
// The whole window of a control (border included) through its window DC.
testing_support::Pixels WindowPixels(HWND control);

// Tooltip windows of this thread: an image button's has no owner to go with.
int TooltipWindows();

// The window as the X display shows it (under Wine, through ImageMagick's
// `import`), saved as `name` in the test's folder; empty on failure.
testing_support::Pixels CaptureShown(HWND window, const std::string& name);

}  // namespace control_test
