// Prepared class folders for the checker's tests: pictures made with the
// graphics layer, files read back whole, a folder's state to compare.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "graphics/solid_fill.h"
#include "platform/files.h"

namespace classcheck_test {

using Bytes = std::vector<uint8_t>;

inline Bytes ToBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

// A JPEG of `width` x `height`: `middle` colour, with bands of `band` rows of
// `edge` colour at the top and bottom.
inline Bytes Jpeg(int width, int height, Gdiplus::ARGB middle = 0xFF00C000, int band = 0,
                  Gdiplus::ARGB edge = 0xFF0000FF) {
  graphics::Bitmap bitmap;
  if (!bitmap.CreateBitmap(width, height, PixelFormat24bppRGB)) return {};
  {
    graphics::Graphics g;
    g.GetImageGraphicsContext(bitmap);
    g.GraphicsClear(middle);
    if (band > 0) {
      graphics::SolidFill fill;
      fill.CreateSolidFill(edge);
      g.FillRectangleI(fill, 0, 0, width, band);
      g.FillRectangleI(fill, 0, height - band, width, band);
    }
  }
  return bitmap.SaveToStream(std::string(graphics::kImageFormatJpeg));
}

// Every file under `dir` (relative name -> bytes), sub-folders included.
inline void Snapshot(const std::string& dir, const std::string& prefix,
                     std::map<std::string, Bytes>& out) {
  WIN32_FIND_DATAA found;
  HANDLE h = ::FindFirstFileA((dir + "\\*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      Snapshot(dir + "\\" + name, prefix + name + "\\", out);
    else
      out[prefix + name] = platform::ReadWholeFile(dir + "\\" + name);
  } while (::FindNextFileA(h, &found));
  ::FindClose(h);
}

inline std::map<std::string, Bytes> Snapshot(const std::string& dir) {
  std::map<std::string, Bytes> out;
  Snapshot(dir, "", out);
  return out;
}

struct PictureSize {
  UINT width = 0, height = 0;
  Gdiplus::ARGB corner = 0, centre = 0;
};

inline PictureSize Measure(const Bytes& bytes) {
  PictureSize size;
  graphics::Bitmap bitmap;
  if (bytes.empty() || !bitmap.CreateBitmapFromStream(bytes)) return size;
  size.width = bitmap.GetImageWidth();
  size.height = bitmap.GetImageHeight();
  bitmap.BitmapGetPixel(1, 1, size.corner);
  bitmap.BitmapGetPixel(int(size.width / 2), int(size.height / 2), size.centre);
  return size;
}

// Mostly green, mostly blue: what survives JPEG compression of a flat colour.
inline bool IsGreen(Gdiplus::ARGB c) { return ((c >> 8) & 0xFF) > 150 && (c & 0xFF) < 80; }

}  // namespace classcheck_test
