#include "app/draw_keys.h"

#include "app/draw_loop.h"
#include "app/full_screen.h"
#include "app/hot_key.h"
#include "app/main_window.h"
#include "platform/messages.h"

namespace app {
namespace {

constexpr LPARAM kRepeatBit = 1 << 30;  // the key was already down

bool IsButton(HWND window) {
  char cls[16] = {};
  return window && ::GetClassNameA(window, cls, sizeof cls) && lstrcmpiA(cls, "Button") == 0 &&
         (::GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX;
}

bool AimsAtMainWindow(HWND target, HWND main) {
  return main && ::GetActiveWindow() == main && (target == main || ::IsChild(main, target));
}

// Starting goes through the Start button's own command, as a click would,
// after this message: the draw then runs from the loop, not from inside it.
void RequestStart(const MainWindowControls& c) {
  ::PostMessageA(c.window, WM_COMMAND, MAKEWPARAM(kStartButtonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(c.startButton));
}

}  // namespace

DrawKey DrawKeyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_SPACE:
    case VK_RETURN:
    case VK_NEXT:
    case VK_RIGHT:
    case VK_DOWN: return DrawKey::Toggle;
    case VK_ESCAPE:
    case VK_PRIOR: return DrawKey::Stop;
  }
  return DrawKey::None;
}

bool HandleDrawKey(const MSG& msg) {
  const MainWindowControls& c = MainWindow();
  if (msg.message == WM_MOUSEMOVE && IsFullScreen()) {
    NotePointerMoved();
    return false;
  }
  if (msg.message != WM_KEYDOWN || (msg.lParam & kRepeatBit)) return false;
  if (!AimsAtMainWindow(msg.hwnd, c.window)) return false;
  // After a draw the hot key started, Esc gives the keyboard back first.
  if (msg.wParam == VK_ESCAPE && !DrawRunning() && GiveBackAfterHotKey()) return true;
  // F11 fills the monitor and gives the window back; Esc gives it back too
  // when no draw runs for it to stop.
  if (msg.wParam == VK_F11 || (msg.wParam == VK_ESCAPE && IsFullScreen() && !DrawRunning())) {
    ToggleFullScreen();
    return true;
  }
  const DrawKey key = DrawKeyOf(msg.wParam);
  if (key == DrawKey::None) return false;
  if (msg.wParam == VK_SPACE && IsButton(::GetFocus())) return false;
  if (DrawRunning())
    OnStopClick();
  else if (key == DrawKey::Toggle)
    RequestStart(c);
  return true;
}

void InstallDrawKeys() { platform::SetMessageFilter(HandleDrawKey); }

}  // namespace app
