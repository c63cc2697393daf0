// Owning wrappers for Win32 handles.
//
// Every wrapper releases its handle with the matching Win32 call. Wrappers of
// GDI objects also keep a count of how many are alive, per kind, so that tests
// can show that painting leaks nothing (GetGuiResources is not available
// everywhere the tests run).
#pragma once

#include <windows.h>

#include <utility>

namespace platform {

enum class GdiKind { MemoryDC, WindowDC, Bitmap, Brush, Region, Font, Pen, Icon, Count };

// Number of wrapped objects of a kind alive now.
long LiveCount(GdiKind kind);
// Sum over every kind.
long LiveGdiObjects();

namespace detail {
void CountCreated(GdiKind kind);
void CountReleased(GdiKind kind);
}  // namespace detail

// A handle of type H released by Traits::Release, counted under Traits::kKind.
template <typename H, typename Traits>
class UniqueGdi {
 public:
  UniqueGdi() = default;
  explicit UniqueGdi(H handle) : handle_(handle) {
    if (handle_) detail::CountCreated(Traits::kKind);
  }
  ~UniqueGdi() { reset(); }

  UniqueGdi(const UniqueGdi&) = delete;
  UniqueGdi& operator=(const UniqueGdi&) = delete;
  UniqueGdi(UniqueGdi&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueGdi& operator=(UniqueGdi&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  H get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  // Gives up ownership, for handles the system takes over (window regions).
  H release() {
    H h = handle_;
    if (h) detail::CountReleased(Traits::kKind);
    handle_ = nullptr;
    return h;
  }
  void reset(H handle = nullptr) {
    if (handle_) {
      Traits::Release(handle_);
      detail::CountReleased(Traits::kKind);
    }
    handle_ = handle;
    if (handle_) detail::CountCreated(Traits::kKind);
  }

 private:
  H handle_ = nullptr;
};

template <GdiKind K>
struct DeleteObjectTraits {
  static constexpr GdiKind kKind = K;
  static void Release(HGDIOBJ h) { ::DeleteObject(h); }
};
struct MemoryDCTraits {
  static constexpr GdiKind kKind = GdiKind::MemoryDC;
  static void Release(HDC h) { ::DeleteDC(h); }
};
struct IconTraits {
  static constexpr GdiKind kKind = GdiKind::Icon;
  static void Release(HICON h) { ::DestroyIcon(h); }
};

using UniqueBitmap = UniqueGdi<HBITMAP, DeleteObjectTraits<GdiKind::Bitmap>>;
using UniqueBrush = UniqueGdi<HBRUSH, DeleteObjectTraits<GdiKind::Brush>>;
using UniqueRegion = UniqueGdi<HRGN, DeleteObjectTraits<GdiKind::Region>>;
using UniqueFont = UniqueGdi<HFONT, DeleteObjectTraits<GdiKind::Font>>;
using UniquePen = UniqueGdi<HPEN, DeleteObjectTraits<GdiKind::Pen>>;
using UniqueMemoryDC = UniqueGdi<HDC, MemoryDCTraits>;
using UniqueIcon = UniqueGdi<HICON, IconTraits>;

// A device context from GetDC (or GetWindowDC), given back with ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND window);
  WindowDC(HWND window, HDC dc);  // adopts a DC already taken from the window
  ~WindowDC();
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  WindowDC(WindowDC&& other) noexcept;
  WindowDC& operator=(WindowDC&&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// BeginPaint / EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &ps_); }
  ~PaintScope() { ::EndPaint(window_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  HDC dc() const { return dc_; }
  const PAINTSTRUCT& info() const { return ps_; }

 private:
  HWND window_;
  HDC dc_;
  PAINTSTRUCT ps_{};
};

// Selects an object into a DC and selects the previous one back at scope end.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  ~SelectScope() {
    if (old_ && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
  }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A memory DC with a bitmap selected into it, both owned.
class MemorySurface {
 public:
  MemorySurface() = default;
  // A DC compatible with `reference` (or the screen) holding `bitmap`.
  MemorySurface(HDC reference, UniqueBitmap bitmap);
  ~MemorySurface();
  MemorySurface(const MemorySurface&) = delete;
  MemorySurface& operator=(const MemorySurface&) = delete;
  MemorySurface(MemorySurface&& other) noexcept;
  MemorySurface& operator=(MemorySurface&& other) noexcept;

  HDC dc() const { return dc_.get(); }
  HBITMAP bitmap() const { return bitmap_.get(); }
  explicit operator bool() const { return static_cast<bool>(dc_); }
  void reset();

 private:
  UniqueMemoryDC dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ old_ = nullptr;
};

// A kernel handle closed with CloseHandle.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void reset() {
    if (h_) ::CloseHandle(h_);
    h_ = nullptr;
  }

 private:
  HANDLE h_ = nullptr;
};

// Global memory released with GlobalFree.
class UniqueGlobal {
 public:
  UniqueGlobal() = default;
  explicit UniqueGlobal(HGLOBAL h) : h_(h) {}
  ~UniqueGlobal() { reset(); }
  UniqueGlobal(const UniqueGlobal&) = delete;
  UniqueGlobal& operator=(const UniqueGlobal&) = delete;
  UniqueGlobal(UniqueGlobal&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  UniqueGlobal& operator=(UniqueGlobal&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  HGLOBAL get() const { return h_; }
  HGLOBAL release() { return std::exchange(h_, nullptr); }
  explicit operator bool() const { return h_ != nullptr; }
  void reset() {
    if (h_) ::GlobalFree(h_);
    h_ = nullptr;
  }

 private:
  HGLOBAL h_ = nullptr;
};

}  // namespace platform
