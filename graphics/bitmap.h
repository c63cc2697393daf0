// A GDI+ bitmap: an image with pixels that can be read, written and locked.
#pragma once

#include <optional>

#include "graphics/image.h"
#include "platform/handles.h"

namespace graphics {

class Graphics;

class Bitmap : public Image {
 public:
  Bitmap() = default;
  Gdiplus::GpBitmap* GetNative() const {  // 2
    return static_cast<Gdiplus::GpBitmap*>(native_);
  }
  void SetNative(Gdiplus::GpBitmap* native) { Image::SetNative(native); }  // 3
  // 8 DisposeImage and 12 to 40: see Image.
  bool CreateBitmapFromFile(const std::string& file_name, bool icm = false);   // 9
  bool CreateBitmapFromFile(const std::wstring& file_name, bool icm = false);  // 10
  // Decodes `bytes` through a stream that lives as long as the bitmap.
  bool CreateBitmapFromStream(const std::vector<uint8_t>& bytes, bool icm = false);  // 11
  bool CreateBitmapFromScan0(int width, int height, int stride, Gdiplus::PixelFormat format,
                             BYTE* scan0);  // 41
  // A new bitmap, 32-bit ARGB unless another format is given.
  bool CreateBitmap(int width, int height, std::optional<Gdiplus::PixelFormat> format = {});  // 42
  bool CreateBitmapFromGraphics(int width, int height, const Graphics& graphics);             // 43
  bool CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits);                            // 44
  bool CreateBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr);                   // 45
  bool CreateBitmapFromHICON(HICON icon);                                                     // 46
  bool CreateBitmapFromResource(HINSTANCE instance, const wchar_t* name);                     // 47
  bool CreateHBITMAPFromBitmap(platform::UniqueBitmap& bitmap, ARGB background) const;        // 48
  bool CreateHICONFromBitmap(platform::UniqueIcon& icon) const;                               // 49
  bool CloneBitmapArea(float x, float y, float width, float height, Gdiplus::PixelFormat format,
                       Bitmap& clone) const;  // 50
  bool CloneBitmapAreaI(int x, int y, int width, int height, Gdiplus::PixelFormat format,
                        Bitmap& clone) const;  // 51
  bool BitmapLockBits(const Rect* rect, UINT flags, Gdiplus::PixelFormat format,
                      Gdiplus::BitmapData& data);         // 52
  bool BitmapUnlockBits(Gdiplus::BitmapData& data);       // 53
  bool BitmapGetPixel(int x, int y, ARGB& colour) const;  // 54
  bool BitmapSetPixel(int x, int y, ARGB colour);         // 55
  bool BitmapSetResolution(float dpi_x, float dpi_y);     // 56
  bool BitmapApplyEffect(Gdiplus::CGpEffect* effect, RECT* area = nullptr,
                         bool use_aux_data = false, void** aux_data = nullptr,
                         int* aux_data_size = nullptr);  // 57
  // Draws this bitmap turned by `angle` degrees about its centre into a new
  // 32-bit ARGB bitmap held by `target`: as large as the turned picture unless
  // `size` is given, transparent unless a background is given.
  bool RotatedCopy(Bitmap& target, float angle, std::optional<Size> size = {},
                   std::optional<ARGB> background = {},
                   std::optional<Gdiplus::InterpolationMode> mode = {}) const;  // 58
  // Span between the outer pixel centres of a width x height picture turned
  // by `angle` whole degrees.
  static SizeF RotatedBounds(float width, float height, int angle);  // 59
};

}  // namespace graphics
