#include "tests/support/screen.h"

#include <objbase.h>
#include <gdiplus.h>

#include <cstdlib>

namespace testing_support {

COLORREF Pixels::at(int x, int y) const {
  uint32_t v = raw(x, y);
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

namespace {
bool EncoderFor(const GUID& format, CLSID* clsid) {
  UINT count = 0, size = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::vector<uint8_t> block(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(block.data());
  if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].FormatID == format) {
      *clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}
}  // namespace

bool Pixels::SavePng(const std::string& path) const {
  if (empty()) return false;
  Gdiplus::Bitmap bitmap(width_, height_, width_ * 4, PixelFormat32bppRGB,
                         reinterpret_cast<BYTE*>(const_cast<uint32_t*>(data_.data())));
  CLSID clsid;
  if (!EncoderFor(Gdiplus::ImageFormatPNG, &clsid)) return false;
  std::wstring wide(path.begin(), path.end());
  return bitmap.Save(wide.c_str(), &clsid, nullptr) == Gdiplus::Ok;
}

HBITMAP MakeDibSection(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* ignored = nullptr;
  return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits ? bits : &ignored, nullptr, 0);
}

Pixels CaptureDC(HDC dc, int x, int y, int width, int height) {
  Pixels pixels(width, height);
  void* bits = nullptr;
  HBITMAP section = MakeDibSection(width, height, &bits);
  HDC memory = ::CreateCompatibleDC(dc);
  HGDIOBJ old = ::SelectObject(memory, section);
  ::BitBlt(memory, 0, 0, width, height, dc, x, y, SRCCOPY);
  ::GdiFlush();
  memcpy(pixels.data(), bits, size_t(width) * height * 4);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  ::DeleteObject(section);
  return pixels;
}

Pixels CaptureWindowFromScreen(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  HDC screen = ::GetDC(nullptr);
  Pixels p = CaptureDC(screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
  ::ReleaseDC(nullptr, screen);
  return p;
}

Pixels CaptureClient(HWND window) {
  RECT r;
  ::GetClientRect(window, &r);
  HDC dc = ::GetDC(window);
  Pixels p = CaptureDC(dc, 0, 0, r.right, r.bottom);
  ::ReleaseDC(window, dc);
  return p;
}

void PumpFor(unsigned ms) {
  ULONGLONG end = ::GetTickCount64() + ms;
  do {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  } while (::GetTickCount64() < end);
}

int ColourDistance(COLORREF a, COLORREF b) {
  int d = std::abs(int(GetRValue(a)) - int(GetRValue(b)));
  d = std::max(d, std::abs(int(GetGValue(a)) - int(GetGValue(b))));
  return std::max(d, std::abs(int(GetBValue(a)) - int(GetBValue(b))));
}

std::vector<uint8_t> SolidJpeg(int width, int height, COLORREF colour) {
  Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
  {
    Gdiplus::Graphics g(&bitmap);
    g.Clear(Gdiplus::Color(255, GetRValue(colour), GetGValue(colour), GetBValue(colour)));
  }
  CLSID clsid;
  if (!EncoderFor(Gdiplus::ImageFormatJPEG, &clsid)) return {};
  IStream* stream = nullptr;
  if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return {};
  std::vector<uint8_t> bytes;
  if (bitmap.Save(stream, &clsid, nullptr) == Gdiplus::Ok) {
    HGLOBAL block = nullptr;
    ::GetHGlobalFromStream(stream, &block);
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    const uint8_t* data = static_cast<const uint8_t*>(::GlobalLock(block));
    bytes.assign(data, data + stat.cbSize.LowPart);
    ::GlobalUnlock(block);
  }
  stream->Release();
  return bytes;
}

std::vector<uint8_t> WithJpegSize(std::vector<uint8_t> jpeg, int width, int height) {
  // Markers: FF xx, then a 16-bit length; SOF0..SOF2 hold height and width
  // at offsets 5 and 7 from the marker.
  for (size_t i = 2; i + 9 < jpeg.size();) {
    if (jpeg[i] != 0xFF) break;
    uint8_t marker = jpeg[i + 1];
    size_t length = (size_t(jpeg[i + 2]) << 8) | jpeg[i + 3];
    if (marker >= 0xC0 && marker <= 0xC2) {
      jpeg[i + 5] = uint8_t(height >> 8);
      jpeg[i + 6] = uint8_t(height);
      jpeg[i + 7] = uint8_t(width >> 8);
      jpeg[i + 8] = uint8_t(width);
      break;
    }
    i += 2 + length;
  }
  return jpeg;
}

std::string OutputPath(const std::string& file_name) {
  char dir[MAX_PATH];
  ::GetCurrentDirectoryA(MAX_PATH, dir);
  return std::string(dir) + "\\" + file_name;
}

}  // namespace testing_support
