#include "platform/messages.h"

#include <windows.h>

namespace platform {
namespace {
MessageFilter g_filter = nullptr;
}  // namespace

void SetMessageFilter(MessageFilter filter) { g_filter = filter; }

bool FilterMessage(const MSG& msg) { return g_filter && g_filter(msg); }

uint64_t TickCount64() { return ::GetTickCount64(); }

bool PumpPendingMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (FilterMessage(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return true;
}

void WaitForMessage(uint32_t ms) {
  ::MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace platform
