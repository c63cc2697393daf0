// Message handling outside the main loop, and the clock it is timed by.
#pragma once

#include <windows.h>

#include <cstdint>

namespace platform {

// Milliseconds since the system started, without the 49-day wrap of GetTickCount.
uint64_t TickCount64();

// A look at each message before it is translated and dispatched, by the main
// loop and by the pumps below alike: returns true when it handled the message
// (which then goes no further). Null (the default): every message goes on.
using MessageFilter = bool (*)(const MSG& msg);
void SetMessageFilter(MessageFilter filter);
// True when the filter took the message.
bool FilterMessage(const MSG& msg);

// Handles every message waiting in this thread's queue (sent ones included).
// A WM_QUIT found there is posted again for the main loop to see; returns false then.
bool PumpPendingMessages();

// Blocks until a message arrives or `ms` milliseconds pass.
void WaitForMessage(uint32_t ms);

}  // namespace platform
