#include "platform/handles.h"

#include <atomic>

namespace platform {
namespace {
std::atomic<long> g_live[static_cast<int>(GdiKind::Count)];
}

namespace detail {
void CountCreated(GdiKind kind) { ++g_live[static_cast<int>(kind)]; }
void CountReleased(GdiKind kind) { --g_live[static_cast<int>(kind)]; }
}  // namespace detail

long LiveCount(GdiKind kind) { return g_live[static_cast<int>(kind)]; }

long LiveGdiObjects() {
  long total = 0;
  for (auto& n : g_live) total += n;
  return total;
}

WindowDC::WindowDC(HWND window) : window_(window), dc_(::GetDC(window)) {
  if (dc_) detail::CountCreated(GdiKind::WindowDC);
}
WindowDC::WindowDC(HWND window, HDC dc) : window_(window), dc_(dc) {
  if (dc_) detail::CountCreated(GdiKind::WindowDC);
}
WindowDC::~WindowDC() {
  if (dc_) {
    ::ReleaseDC(window_, dc_);
    detail::CountReleased(GdiKind::WindowDC);
  }
}
WindowDC::WindowDC(WindowDC&& other) noexcept
    : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}

MemorySurface::MemorySurface(HDC reference, UniqueBitmap bitmap)
    : dc_(::CreateCompatibleDC(reference)), bitmap_(std::move(bitmap)) {
  if (dc_ && bitmap_) old_ = ::SelectObject(dc_.get(), bitmap_.get());
}
MemorySurface::~MemorySurface() { reset(); }
MemorySurface::MemorySurface(MemorySurface&& other) noexcept
    : dc_(std::move(other.dc_)),
      bitmap_(std::move(other.bitmap_)),
      old_(std::exchange(other.old_, nullptr)) {}
MemorySurface& MemorySurface::operator=(MemorySurface&& other) noexcept {
  if (this != &other) {
    reset();
    dc_ = std::move(other.dc_);
    bitmap_ = std::move(other.bitmap_);
    old_ = std::exchange(other.old_, nullptr);
  }
  return *this;
}
void MemorySurface::reset() {
  // The bitmap can only be deleted once it is no longer selected.
  if (dc_ && old_) ::SelectObject(dc_.get(), old_);
  old_ = nullptr;
  dc_.reset();
  bitmap_.reset();
}

}  // namespace platform
