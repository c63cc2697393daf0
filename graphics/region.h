// A GDI+ region.
#pragma once

#include <cstdint>
#include <vector>

#include "graphics/matrix.h"
#include "graphics/status.h"
#include "platform/handles.h"

namespace graphics {

class Graphics;
class Path;

class Region {
 public:
  Region() = default;
  ~Region();                       // 0
  Region(const Region&) = delete;  // 1
  Region& operator=(const Region&) = delete;
  Region(Region&& other) noexcept;
  Region& operator=(Region&& other) noexcept;

  Gdiplus::GpRegion* GetNative() const { return native_; }  // 2
  // Takes ownership of `native`, deleting the region held before.
  void SetNative(Gdiplus::GpRegion* native);                                 // 3
  static void* Alloc(size_t size) { return graphics::Alloc(size); }          // 5
  static void Free(void* block) { graphics::Free(block); }                   // 6
  bool DeleteRegion();                                                       // 7
  bool CreateRegion();                                                       // 8
  bool CreateRegionRect(const RectF& rect);                                  // 9
  bool CreateRegionRectI(const Rect& rect);                                  // 10
  bool CreateRegionPath(const Path& path);                                   // 11
  bool CreateRegionHrgn(HRGN region);                                        // 12
  bool CreateRegionRgnData(const std::vector<uint8_t>& data);                // 13
  bool CloneRegion(Region& clone) const;                                     // 14
  bool SetInfinite();                                                        // 15
  bool SetEmpty();                                                           // 16
  bool CombineRegionRect(const RectF& rect, Gdiplus::CombineMode mode);      // 17
  bool CombineRegionRectI(const Rect& rect, Gdiplus::CombineMode mode);      // 18
  bool CombineRegionRegion(const Region& other, Gdiplus::CombineMode mode);  // 19
  bool CombineRegionPath(const Path& path, Gdiplus::CombineMode mode);       // 20
  bool TranslateRegion(float dx, float dy);                                  // 21
  bool TranslateRegionI(int dx, int dy);                                     // 22
  bool TransformRegion(const Matrix& matrix);                                // 23
  RectF GetRegionBounds(const Graphics& graphics) const;                     // 24
  Rect GetRegionBoundsI(const Graphics& graphics) const;                     // 25
  UINT GetRegionDataSize() const;                                            // 26
  std::vector<uint8_t> GetRegionData() const;                                // 27
  // A GDI region of the same area, owned by the caller (null for an infinite region).
  platform::UniqueRegion GetRegionHRgn(const Graphics& graphics) const;                  // 28
  bool IsEmptyRegion(const Graphics& graphics, bool& empty) const;                       // 29
  bool IsInfiniteRegion(const Graphics& graphics, bool& infinite) const;                 // 30
  bool IsEqualRegion(const Region& other, const Graphics& graphics, bool& equal) const;  // 31
  bool IsVisibleRegionPoint(float x, float y, const Graphics* graphics,
                            bool& visible) const;                                           // 32
  bool IsVisibleRegionPointI(int x, int y, const Graphics* graphics, bool& visible) const;  // 33
  bool IsVisibleRegionRect(float x, float y, float width, float height, const Graphics* graphics,
                           bool& visible) const;  // 34
  bool IsVisibleRegionRectI(int x, int y, int width, int height, const Graphics* graphics,
                            bool& visible) const;                                   // 35
  UINT GetRegionScansCount(const Matrix& matrix = kIdentityMatrix) const;           // 36
  std::vector<RectF> GetRegionScans(const Matrix& matrix = kIdentityMatrix) const;  // 37
  std::vector<Rect> GetRegionScansI(const Matrix& matrix = kIdentityMatrix) const;  // 38

  // Gives the native region up without deleting it.
  Gdiplus::GpRegion* Detach() { return detail::Detach(native_); }

 private:
  Gdiplus::GpRegion* native_ = nullptr;
};

}  // namespace graphics
