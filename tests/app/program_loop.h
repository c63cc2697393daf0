// The program's own message loop and real key presses, for the tests that
// drive the roll-call window by its keys.
#pragma once

#include <windows.h>

#include "platform/messages.h"

namespace app_test {

// Runs the program's loop for `ms`: the key filter sees every message first.
inline void PumpProgramLoop(unsigned ms) {
  const ULONGLONG end = ::GetTickCount64() + ms;
  do {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (platform::FilterMessage(msg)) continue;
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  } while (::GetTickCount64() < end);
}

// A key pressed and released through the system's input queue.
inline void PressKey(WORD key) {
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = key;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, keys, sizeof(INPUT));
}

}  // namespace app_test
