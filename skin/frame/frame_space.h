// Where a skinned window's frame lies. A window made for the engine (a
// borderless popup) is all client area, and its frame is that client area.
// An adopted window (one that came with a platform caption or border) keeps
// its client area as its own program laid it out; the engine keeps strips
// around it for the caption, the margins and the status bar, so its frame
// is the whole window and its client area sits inside.
#pragma once

#include <windows.h>

#include "platform/handles.h"

namespace skin {

struct SkinnedWindow;

// Width and height of the frame.
SIZE FrameSize(const SkinnedWindow& w);
// Where the client area's (0, 0) lies in the frame.
POINT ClientOriginInFrame(const SkinnedWindow& w);
// Where the frame's (0, 0) lies on the screen.
POINT FrameOriginOnScreen(const SkinnedWindow& w);
// A DC of the window on which frame coordinates hold, for showing parts of
// the frame. Borderless: the client DC, without the visible opaque children
// when `withoutChildren`. Adopted: the window DC without the client area,
// which belongs to the window's own painting.
platform::WindowDC FrameScreenDC(const SkinnedWindow& w, bool withoutChildren);

}  // namespace skin
