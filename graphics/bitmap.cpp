#include "graphics/bitmap.h"

#include <cmath>

#include "graphics/graphics.h"
#include "graphics/text.h"

namespace graphics {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
using detail::Record;

bool Bitmap::CreateBitmapFromFile(const std::string& file_name, bool icm) {
  return CreateBitmapFromFile(Utf16FromCodePage(file_name), icm);
}

bool Bitmap::CreateBitmapFromFile(const std::wstring& file_name, bool icm) {
  DisposeImage();
  if (detail::Utf16Length(file_name) == 0) return Record(InvalidParameter);
  GpBitmap* bitmap = nullptr;
  Status status = icm ? GdipCreateBitmapFromFileICM(file_name.c_str(), &bitmap)
                      : GdipCreateBitmapFromFile(file_name.c_str(), &bitmap);
  SetNative(status == Ok ? bitmap : nullptr);
  return Record(status);
}

bool Bitmap::CreateBitmapFromStream(const std::vector<uint8_t>& bytes, bool icm) {
  return LoadFromBytes(bytes, [icm](IStream* stream, GpImage** image) {
    GpBitmap* bitmap = nullptr;
    Status status = icm ? GdipCreateBitmapFromStreamICM(stream, &bitmap)
                        : GdipCreateBitmapFromStream(stream, &bitmap);
    *image = bitmap;
    return status;
  });
}

bool Bitmap::CreateBitmapFromScan0(int width, int height, int stride, PixelFormat format,
                                   BYTE* scan0) {
  GpBitmap* bitmap = nullptr;
  Status status = GdipCreateBitmapFromScan0(width, height, stride, format, scan0, &bitmap);
  SetNative(status == Ok ? bitmap : nullptr);
  return Record(status);
}

bool Bitmap::CreateBitmap(int width, int height, std::optional<PixelFormat> format) {
  return CreateBitmapFromScan0(width, height, 0, format.value_or(PixelFormat32bppARGB), nullptr);
}

bool Bitmap::CreateBitmapFromGraphics(int width, int height, const Graphics& graphics) {
  GpBitmap* bitmap = nullptr;
  Status status = GdipCreateBitmapFromGraphics(width, height, graphics.GetNative(), &bitmap);
  SetNative(status == Ok ? bitmap : nullptr);
  return Record(status);
}

bool Bitmap::CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits) {
  GpBitmap* bitmap = nullptr;
  Status status = GdipCreateBitmapFromGdiDib(info, bits, &bitmap);
  SetNative(status == Ok ? bitmap : nullptr);
  return Record(status);
}

bool Bitmap::CreateBitmapFromHBITMAP(HBITMAP handle, HPALETTE palette) {
  GpBitmap* bitmap = nullptr;
  Status status = GdipCreateBitmapFromHBITMAP(handle, palette, &bitmap);
  SetNative(status == Ok ? bitmap : nullptr);
  return Record(status);
}

bool Bitmap::CreateBitmapFromHICON(HICON icon) {
  GpBitmap* bitmap = nullptr;
  Status status = GdipCreateBitmapFromHICON(icon, &bitmap);
  SetNative(status == Ok ? bitmap : nullptr);
  return Record(status);
}

bool Bitmap::CreateBitmapFromResource(HINSTANCE instance, const wchar_t* name) {
  GpBitmap* bitmap = nullptr;
  Status status = GdipCreateBitmapFromResource(instance, name, &bitmap);
  SetNative(status == Ok ? bitmap : nullptr);
  return Record(status);
}

bool Bitmap::CreateHBITMAPFromBitmap(platform::UniqueBitmap& bitmap, ARGB background) const {
  HBITMAP handle = nullptr;
  Status status = GdipCreateHBITMAPFromBitmap(GetNative(), &handle, background);
  if (status == Ok) bitmap.reset(handle);
  return Record(status);
}

bool Bitmap::CreateHICONFromBitmap(platform::UniqueIcon& icon) const {
  HICON handle = nullptr;
  Status status = GdipCreateHICONFromBitmap(GetNative(), &handle);
  if (status == Ok) icon.reset(handle);
  return Record(status);
}

bool Bitmap::CloneBitmapArea(float x, float y, float width, float height, PixelFormat format,
                             Bitmap& clone) const {
  GpBitmap* copy = nullptr;
  Status status = GdipCloneBitmapArea(x, y, width, height, format, GetNative(), &copy);
  clone.SetNative(status == Ok ? copy : nullptr);
  if (status == Ok) ShareStreamWith(clone);
  return Record(status);
}

bool Bitmap::CloneBitmapAreaI(int x, int y, int width, int height, PixelFormat format,
                              Bitmap& clone) const {
  GpBitmap* copy = nullptr;
  Status status = GdipCloneBitmapAreaI(x, y, width, height, format, GetNative(), &copy);
  clone.SetNative(status == Ok ? copy : nullptr);
  if (status == Ok) ShareStreamWith(clone);
  return Record(status);
}

bool Bitmap::BitmapLockBits(const Rect* rect, UINT flags, PixelFormat format, BitmapData& data) {
  return Record(GdipBitmapLockBits(GetNative(), rect, flags, format, &data));
}

bool Bitmap::BitmapUnlockBits(BitmapData& data) {
  return Record(GdipBitmapUnlockBits(GetNative(), &data));
}

bool Bitmap::BitmapGetPixel(int x, int y, ARGB& colour) const {
  ARGB value = 0;
  bool ok = Record(GdipBitmapGetPixel(GetNative(), x, y, &value));
  if (ok) colour = value;
  return ok;
}

bool Bitmap::BitmapSetPixel(int x, int y, ARGB colour) {
  return Record(GdipBitmapSetPixel(GetNative(), x, y, colour));
}

bool Bitmap::BitmapSetResolution(float dpi_x, float dpi_y) {
  return Record(GdipBitmapSetResolution(GetNative(), dpi_x, dpi_y));
}

bool Bitmap::BitmapApplyEffect(CGpEffect* effect, RECT* area, bool use_aux_data, void** aux_data,
                               int* aux_data_size) {
  // Not every GDI+ (nor every import library) has the effects: look it up.
  using ApplyEffect = Status(WINGDIPAPI*)(GpBitmap*, CGpEffect*, RECT*, BOOL, VOID**, INT*);
  HMODULE module = ::GetModuleHandleW(L"gdiplus.dll");
  auto apply = module ? reinterpret_cast<ApplyEffect>(reinterpret_cast<void*>(
                            ::GetProcAddress(module, "GdipBitmapApplyEffect")))
                      : nullptr;
  if (!apply) return Record(NotImplemented);
  return Record(apply(GetNative(), effect, area, use_aux_data, aux_data, aux_data_size));
}

namespace {
// The lossless turn of GDI+ for whole quarter turns (clockwise, as the world
// rotation turns), or nothing for other angles.
std::optional<RotateFlipType> QuarterTurn(float angle) {
  const float turns = angle / 90;
  if (turns != std::floor(turns)) return std::nullopt;
  static const RotateFlipType kTurns[4] = {RotateNoneFlipNone, Rotate90FlipNone, Rotate180FlipNone,
                                           Rotate270FlipNone};
  return kTurns[((int(turns) % 4) + 4) % 4];
}
}  // namespace

bool Bitmap::RotatedCopy(Bitmap& target, float angle, std::optional<Size> size,
                         std::optional<ARGB> background,
                         std::optional<InterpolationMode> mode) const {
  const UINT width = GetImageWidth();
  if (LastStatus() != Ok) return false;
  const UINT height = GetImageHeight();
  if (LastStatus() != Ok) return false;
  if (!size) {
    // The bounds span outer pixel centres; the picture is one pixel larger.
    SizeF span = RotatedBounds(float(width), float(height), int(angle));
    size = Size(int(std::ceil(span.Width - 1e-3f)) + 1, int(std::ceil(span.Height - 1e-3f)) + 1);
  }
  Bitmap rotated;
  if (!rotated.CreateBitmap(size->Width, size->Height)) return false;
  if (!rotated.BitmapSetResolution(GetImageHorizontalResolution(), GetImageVerticalResolution())) {
    return false;
  }
  // Quarter turns are done without resampling (turning a copy of the pixels),
  // so no edge row is lost to rounding; other angles are drawn turned.
  Bitmap turned;
  const std::optional<RotateFlipType> quarter = QuarterTurn(angle);
  if (quarter) {
    if (!CloneBitmapAreaI(0, 0, int(width), int(height), PixelFormat32bppARGB, turned) ||
        !turned.ImageRotateFlip(*quarter)) {
      return false;
    }
  }
  {
    Graphics canvas;
    if (!canvas.GetImageGraphicsContext(rotated)) return false;
    if (background && !canvas.GraphicsClear(*background)) return false;
    if (mode && !canvas.SetInterpolationMode(*mode)) return false;
    if (!canvas.TranslateWorldTransform(float(size->Width) / 2, float(size->Height) / 2)) {
      return false;
    }
    const Bitmap& picture = quarter ? turned : *this;
    const float w = float(picture.GetImageWidth()), h = float(picture.GetImageHeight());
    if ((!quarter && !canvas.RotateWorldTransform(angle)) ||
        !canvas.TranslateWorldTransform(-w / 2, -h / 2) ||
        !canvas.DrawImageRectRect(picture, 0, 0, w, h)) {
      return false;
    }
  }
  target.SetNative(rotated.GetNative() ? static_cast<GpBitmap*>(rotated.Detach()) : nullptr);
  return Record(Ok);
}

SizeF Bitmap::RotatedBounds(float width, float height, int angle) {
  const float a = (width - 1) / 2;
  const float b = (height - 1) / 2;
  const double r = angle * 3.1415926535 / 180;
  const float c = float(std::cos(r));
  const float s = float(std::sin(r));
  struct Corner {
    float x, y;
  };
  auto turn = [&](float x, float y) { return Corner{x * c + y * s, -x * s + y * c}; };
  const Corner p0 = turn(-a, b), p1 = turn(a, b), p2 = turn(-a, -b), p3 = turn(a, -b);
  const float w1 = std::fabs(p3.x - p0.x), w2 = std::fabs(p2.x - p1.x);
  const float h1 = std::fabs(p3.y - p0.y), h2 = std::fabs(p2.y - p1.y);
  return SizeF(w1 > w2 ? w1 : w2, h1 > h2 ? h1 : h2);
}

}  // namespace graphics
