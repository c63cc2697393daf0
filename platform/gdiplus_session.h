// GDI+ start-up and shutdown for the whole process. Shutdown happens at most
// once per start-up, whoever asks first.
#pragma once

#include <windows.h>

namespace platform {

// GdiplusStartup (version 1, no callbacks); the token is kept here.
void StartGdiplus();
// GdiplusShutdown with the kept token, which is then cleared; does nothing
// when there is no token.
void ShutdownGdiplus();
ULONG_PTR GdiplusToken();
// True when GDI+ is running: started here, or by the program itself (a flat
// call does not answer GdiplusNotInitialized). Wine's GDI+ answers every call
// without start-up, so there it always counts as running.
bool GdiplusRunning();

}  // namespace platform
