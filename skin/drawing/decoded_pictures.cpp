#include "skin/drawing/decoded_pictures.h"

#include <array>
#include <cstring>
#include <deque>
#include <mutex>

#include "graphics/bitmap.h"

namespace skin {
namespace {

constexpr int kSkinImageCount = static_cast<int>(SkinImage::ArrowRight);
// Status panels show a picture or two each; a handful covers every window.
constexpr size_t kKeptCallerPictures = 16;

struct CallerPicture {
  std::vector<uint8_t> bytes;
  std::shared_ptr<const DecodedPicture> picture;
};

std::mutex& PicturesLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace

bool ReadBitmapPixels(graphics::Bitmap& bitmap, int width, int height, Gdiplus::PixelFormat format,
                      std::vector<uint32_t>& into) {
  Gdiplus::BitmapData data{};
  const graphics::Rect whole(0, 0, width, height);
  if (!bitmap.BitmapLockBits(&whole, Gdiplus::ImageLockModeRead, format, data)) return false;
  into.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    std::memcpy(&into[static_cast<size_t>(y) * width],
                static_cast<const uint8_t*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride,
                static_cast<size_t>(width) * 4);
  bitmap.BitmapUnlockBits(data);
  return true;
}

DecodedPicture PixelsOfBitmap(graphics::Bitmap& bitmap) {
  DecodedPicture read;
  const int width = static_cast<int>(bitmap.GetImageWidth());
  const int height = static_cast<int>(bitmap.GetImageHeight());
  if (width <= 0 || height <= 0 ||
      !ReadBitmapPixels(bitmap, width, height, PixelFormat32bppARGB, read.argb))
    return {};
  read.width = width;
  read.height = height;
  return read;
}

DecodedPicture DecodePicture(const std::vector<uint8_t>& bytes) {
  graphics::Bitmap bitmap;
  if (bytes.empty() || !bitmap.CreateBitmapFromStream(bytes)) return {};
  return PixelsOfBitmap(bitmap);
}

const DecodedPicture& DecodedSkinImage(SkinImage image) {
  static std::array<DecodedPicture, kSkinImageCount + 1> kept;
  static const DecodedPicture none;
  const int k = static_cast<int>(image);
  if (k < 1 || k > kSkinImageCount) return none;
  std::lock_guard<std::mutex> hold(PicturesLock());
  // Decoding fails while GDI+ is down; it is tried again at the next use.
  if (kept[k].empty()) kept[k] = DecodePicture(SkinImageBytes(image));
  return kept[k];
}

std::shared_ptr<const DecodedPicture> DecodedPictureOf(const std::vector<uint8_t>& bytes) {
  if (bytes.empty()) return nullptr;
  static std::deque<CallerPicture> kept;  // the latest used first
  std::lock_guard<std::mutex> hold(PicturesLock());
  for (auto it = kept.begin(); it != kept.end(); ++it) {
    if (it->bytes != bytes) continue;
    CallerPicture found = std::move(*it);
    kept.erase(it);
    kept.push_front(std::move(found));
    return kept.front().picture;
  }
  auto picture = std::make_shared<DecodedPicture>(DecodePicture(bytes));
  if (picture->empty()) return nullptr;
  kept.push_front(CallerPicture{bytes, picture});
  if (kept.size() > kKeptCallerPictures) kept.pop_back();
  return picture;
}

namespace {

// A bitmap over the kept pixels: no copy, and GDI+ only reads them.
bool ViewOf(const DecodedPicture& picture, graphics::Bitmap& view) {
  if (picture.empty()) return false;
  BYTE* scan0 = reinterpret_cast<BYTE*>(const_cast<uint32_t*>(picture.argb.data()));
  return view.CreateBitmapFromScan0(picture.width, picture.height, picture.width * 4,
                                    PixelFormat32bppARGB, scan0);
}

}  // namespace

bool DrawPictureRect(graphics::Graphics& g, const DecodedPicture& picture, float x, float y,
                     float width, float height) {
  graphics::Bitmap view;
  return ViewOf(picture, view) && g.DrawImageRectRect(view, x, y, width, height);
}

bool DrawPicture(graphics::Graphics& g, const DecodedPicture& picture, int x, int y) {
  graphics::Bitmap view;
  return ViewOf(picture, view) && g.DrawImageRectRectI(view, x, y, picture.width, picture.height);
}

}  // namespace skin
