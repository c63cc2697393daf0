// The projector: the main window filling the monitor it is on, its controls
// and the name's font scaled with it, and back to the window as it was. In
// full screen the mouse pointer hides after a while without movement.
#pragma once

#include <cstdint>

namespace app {

bool IsFullScreen();
void EnterFullScreen();  // F11, or [显示] 全屏=1 at start
void LeaveFullScreen();  // F11 again, or Esc when no draw runs
void ToggleFullScreen();

// The pointer moved over the program: it shows again, and hides once it has
// rested this long (3 s unless a test says otherwise).
void NotePointerMoved();
void SetPointerRestMs(uint32_t ms);
bool PointerHidden();

}  // namespace app
