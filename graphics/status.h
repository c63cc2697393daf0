// Status and ownership bookkeeping shared by every wrapper of the graphics layer.
//
// Every wrapped GDI+ call stores its status in one module-wide value, so that a
// caller can look at it right after an operation that returned false or zero.
// Wrappers also count the native objects they own, which lets tests show that
// drawing leaks nothing (GetGuiResources does not see GDI+ objects everywhere).
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstddef>

namespace graphics {

// The value records the wrappers take and return.
using Gdiplus::ARGB;
using Gdiplus::Point;
using Gdiplus::PointF;
using Gdiplus::Rect;
using Gdiplus::RectF;
using Gdiplus::Size;
using Gdiplus::SizeF;

// Status of the most recent wrapped GDI+ call; nothing resets it.
Gdiplus::Status LastStatus();

// Native GDI+ objects created (or adopted) by wrappers and not yet deleted.
long LiveNativeObjects();

// GdipAlloc / GdipFree, shared by the Alloc and Free operations of every class.
void* Alloc(size_t size);
void Free(void* block);

namespace detail {
// Stores `status` as the last status; true when it is Ok.
bool Record(Gdiplus::Status status);
// For the few GDI+ functions that do not check their object everywhere:
// records InvalidParameter and answers true when `native` is null.
inline bool Missing(const void* native) {
  return native == nullptr && !Record(Gdiplus::InvalidParameter);
}
void CountCreated();
void CountDeleted();
}  // namespace detail

}  // namespace graphics

namespace graphics {
namespace detail {

template <typename T>
using ReleaseFunction = Gdiplus::Status(WINGDIPAPI*)(T*);

// Makes `slot` own `value`, deleting what it owned before (if different).
template <typename T, typename U>
void Adopt(T*& slot, T* value, ReleaseFunction<U> release) {
  if (slot == value) return;
  if (slot && release(static_cast<U*>(slot)) == Gdiplus::Ok) CountDeleted();
  slot = value;
  if (slot) CountCreated();
}

// The delete operation of every class: nothing is called for an empty
// object, which answers false and leaves the last status alone.
template <typename T, typename U>
bool DeleteNative(T*& slot, ReleaseFunction<U> release) {
  if (!slot) return false;
  bool ok = Record(release(static_cast<U*>(slot)));
  if (ok) CountDeleted();
  slot = nullptr;
  return ok;
}

// Gives up ownership without deleting.
template <typename T>
T* Detach(T*& slot) {
  T* value = slot;
  if (value) CountDeleted();
  slot = nullptr;
  return value;
}

}  // namespace detail
}  // namespace graphics
