// The keyboard and presenter remotes: keys that start and stop draws while
// the main window is active.
#pragma once

#include <windows.h>

namespace app {

enum class DrawKey { None, Toggle, Stop };

// What a key does: Space, Enter, Page Down, Right and Down start a draw when
// none runs and stop the running one; Escape and Page Up only stop.
// Presenter remotes send Page Down and Page Up.
DrawKey DrawKeyOf(WPARAM virtualKey);

// The message filter of the program's loops: takes a first key press (not
// its auto-repeats) aimed at the active main window or one of its controls.
// Space on a focused button is left to the button, which then acts once.
// F11 switches full screen; Esc leaves it when no draw runs.
bool HandleDrawKey(const MSG& msg);

// Installs HandleDrawKey as the filter of every message loop.
void InstallDrawKeys();

}  // namespace app
