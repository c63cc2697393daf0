#include "graphics/status.h"

namespace graphics {

namespace {
Gdiplus::Status g_last_status = Gdiplus::Ok;
long g_live_objects = 0;
}  // namespace

Gdiplus::Status LastStatus() { return g_last_status; }

long LiveNativeObjects() { return g_live_objects; }

void* Alloc(size_t size) { return Gdiplus::DllExports::GdipAlloc(size); }

void Free(void* block) { Gdiplus::DllExports::GdipFree(block); }

namespace detail {

bool Record(Gdiplus::Status status) {
  g_last_status = status;
  return status == Gdiplus::Ok;
}

void CountCreated() { ++g_live_objects; }
void CountDeleted() { --g_live_objects; }

}  // namespace detail
}  // namespace graphics
