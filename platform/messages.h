// Message handling outside the main loop, and the clock it is timed by.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since the system started, without the 49-day wrap of GetTickCount.
uint64_t TickCount64();

// Handles every message waiting in this thread's queue (sent ones included).
// A WM_QUIT found there is posted again for the main loop to see; returns false then.
bool PumpPendingMessages();

// Blocks until a message arrives or `ms` milliseconds pass.
void WaitForMessage(uint32_t ms);

}  // namespace platform
