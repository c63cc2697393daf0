#include "platform/gdiplus_session.h"

#include <objbase.h>
#include <gdiplus.h>

namespace platform {
namespace {
ULONG_PTR g_token = 0;
}

void StartGdiplus() {
  Gdiplus::GdiplusStartupInput input;  // version 1, no callback, no suppression
  input.GdiplusVersion = 1;
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;
  input.SuppressExternalCodecs = FALSE;
  Gdiplus::GdiplusStartup(&g_token, &input, nullptr);
}

void ShutdownGdiplus() {
  ULONG_PTR token = g_token;
  g_token = 0;
  if (token) Gdiplus::GdiplusShutdown(token);
}

ULONG_PTR GdiplusToken() { return g_token; }

bool GdiplusRunning() {
  if (g_token) return true;
  Gdiplus::GpMatrix* probe = nullptr;
  const Gdiplus::Status status = Gdiplus::DllExports::GdipCreateMatrix(&probe);
  if (probe) Gdiplus::DllExports::GdipDeleteMatrix(probe);
  return status != Gdiplus::GdiplusNotInitialized;
}

}  // namespace platform
