// Picking from inside the lesson: a key registered system-wide ([热键]
// 开始=Ctrl+Alt+D) brings the window above everything, a full-screen slide
// show included, and starts a draw; pressed during the draw it stops it, as
// Space does; pressed again (or Esc) once the draw has landed it gives the
// keyboard back to the window that had it, the roll-call window going
// behind that window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace app {

struct HotKey {
  UINT modifiers = 0;  // MOD_CONTROL | MOD_ALT | MOD_SHIFT | MOD_WIN
  UINT key = 0;        // virtual key
};

// "Ctrl+Alt+D": modifiers Ctrl, Alt, Shift, Win (any case, each once, blanks
// around '+' allowed, full-width forms folded), then one key: A-Z, 0-9 or
// F1-F24. A letter or digit needs a modifier; a function key may stand
// alone. Anything else is nothing: never guessed.
std::optional<HotKey> ParseHotKey(const std::string& text);

constexpr int kStartHotKeyId = 1;

// Registers `text` for `window`. Returns what to tell the teacher when it
// cannot be used: "热键 <text> 已被其他程序占用" when another program holds it,
// "热键 <text> 写得不对 ..." when it does not parse; empty on success.
std::string RegisterStartHotKey(HWND window, const std::string& text);

// WM_HOTKEY of the start key on the main window.
void OnStartHotKey();

// Esc on the main window after a draw the hot key started has landed:
// gives the keyboard back. False when there is nothing to give back.
bool GiveBackAfterHotKey();

}  // namespace app
