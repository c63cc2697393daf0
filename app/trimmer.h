// The working-set trimmer: whenever the program loses activation it runs
// empty.exe, carried inside the program, on its own process id.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace app {

// Starts TrimWorkingSet on a thread of its own and returns at once.
void StartTrimmer();

// Thread procedure: runs the tool from the Windows directory (the "windir"
// variable) on this process and waits for it to end. The argument is unused.
DWORD WINAPI TrimWorkingSet(void* unused);

// TrimWorkingSet for a given Windows directory and process id: writes
// <windir>\empty.exe when it is missing, runs it hidden with the process id as
// its only argument and, when `wait`, waits for it to end. Does nothing for an
// empty windir. Returns whether the tool was started.
bool TrimWorkingSetWith(const std::string& windir, uint32_t pid, bool wait);

}  // namespace app
