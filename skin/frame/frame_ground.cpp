#include "skin/frame/frame_ground.h"

#include <algorithm>
#include <cstring>

#include "graphics/bitmap.h"
#include "graphics/line_brush.h"
#include "graphics/path.h"
#include "graphics/pen.h"
#include "skin/drawing/colours.h"
#include "skin/drawing/decoded_pictures.h"
#include "skin/drawing/round_rect_path.h"
#include "skin/engine/module_state.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "skin/frame/frame_space.h"

namespace skin {
namespace {

constexpr uint32_t kOpaqueMagenta = 0xFFFF00FF;
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr int kOutlineRadius = 4;
// The outline leaves its corners within this many pixels of each edge.
constexpr int kCornerBox = 8;

// Image attributes that mirror a picture beyond its edges (the graphics layer
// has no wrapper for them).
class ImageAttributes {
 public:
  ImageAttributes() {
    if (Gdiplus::DllExports::GdipCreateImageAttributes(&native_) == Gdiplus::Ok)
      Gdiplus::DllExports::GdipSetImageAttributesWrapMode(native_, Gdiplus::WrapModeTileFlipXY, 0,
                                                          FALSE);
  }
  ~ImageAttributes() {
    if (native_) Gdiplus::DllExports::GdipDisposeImageAttributes(native_);
  }
  ImageAttributes(const ImageAttributes&) = delete;
  ImageAttributes& operator=(const ImageAttributes&) = delete;
  Gdiplus::GpImageAttributes* get() const { return native_; }

 private:
  Gdiplus::GpImageAttributes* native_ = nullptr;
};

// The outline's two lines on a W x H frame.
void DrawOutlinePaths(graphics::Graphics& g, float W, float H) {
  graphics::Pen dark, light;
  dark.CreatePen1(MakeArgb(kBlack, 180), 1.0f);
  light.CreatePen1(MakeArgb(kWhite, 180), 1.0f);
  graphics::Path outer, inner;
  outer.CreatePath();
  inner.CreatePath();
  RoundRectPath(outer, 0, 0, W - 1, H - 1, 7);
  RoundRectPath(inner, 1, 1, W - 3, H - 3, 6);
  g.DrawPath(dark, outer);
  g.DrawPath(light, inner);
}

// Pixels of a bitmap, premultiplied and top-down, copied out of it.
bool ReadPixels(graphics::Bitmap& bitmap, int width, int height, std::vector<uint32_t>& into) {
  return ReadBitmapPixels(bitmap, width, height, PixelFormat32bppPARGB, into);
}

// Decodes the picture once per picture and keeps its pixels at its own size.
bool Decode(BackgroundLayer& cache, const std::vector<uint8_t>& bytes) {
  if (cache.decodedSource == bytes && cache.decoded.GetNative()) return !cache.pixels.empty();
  cache.Reset();
  if (!cache.decoded.LoadImageFromStream(bytes)) return false;
  cache.decodedSource = bytes;
  const int iw = static_cast<int>(cache.decoded.GetImageWidth());
  const int ih = static_cast<int>(cache.decoded.GetImageHeight());
  graphics::Bitmap own;
  graphics::Graphics g;
  if (iw <= 0 || ih <= 0 || !own.CreateBitmap(iw, ih, PixelFormat32bppPARGB) ||
      !g.GetImageGraphicsContext(own) || !g.DrawImageRectRectI(cache.decoded, 0, 0, iw, ih))
    return false;
  g.DeleteGraphics();
  if (!ReadPixels(own, iw, ih, cache.pixels)) return false;
  cache.width = iw;
  cache.height = ih;
  cache.opaque = std::all_of(cache.pixels.begin(), cache.pixels.end(),
                             [](uint32_t p) { return (p >> 24) == 255; });
  return true;
}

// The picture stretched over a W x H frame at full quality, mirrored beyond
// its edges so the frame's edges keep its own colours.
bool Stretch(const BackgroundLayer& cache, int W, int H, std::vector<uint32_t>& into) {
  graphics::Bitmap layer;
  graphics::Graphics g;
  if (!layer.CreateBitmap(W, H, PixelFormat32bppPARGB) || !g.GetImageGraphicsContext(layer))
    return false;
  ImageAttributes mirrored;
  if (!g.DrawImageRectRectI(cache.decoded, 0, 0, W, H, 0, 0, cache.width, cache.height,
                            Gdiplus::UnitPixel, mirrored.get()))
    return false;
  g.DeleteGraphics();
  return ReadPixels(layer, W, H, into);
}

// The same with the nearest source pixel for each pixel of `view`. A row that samples the source row of the row above
// is a copy of it.
void StretchNearest(const BackgroundLayer& cache, const DibView& view) {
  const int W = view.width, H = view.height;
  std::vector<int> column(W);
  for (int x = 0; x < W; ++x)
    column[x] = std::min(cache.width - 1, static_cast<int>((x + 0.5) * cache.width / W));
  int last = -1;
  for (int y = 0; y < H; ++y) {
    const int sy = std::min(cache.height - 1, static_cast<int>((y + 0.5) * cache.height / H));
    uint32_t* row = view.Row(y);
    if (sy == last) {
      std::memcpy(row, view.Row(y - 1), sizeof(uint32_t) * W);
      continue;
    }
    const uint32_t* source = &cache.pixels[static_cast<size_t>(sy) * cache.width];
    for (int x = 0; x < W; ++x) row[x] = source[column[x]];
    last = sy;
  }
}

// Places the picture as `mode` says on a frame the size of `view`: 0 and 4
// top left, 1 top right, 2 centred, all at the picture's size in pixels
// (whatever resolution the file records); 3 stretched over the frame.
PictureQuality PlacePicture(BackgroundLayer& cache, int mode, const DibView& view,
                            PictureQuality wanted) {
  const int W = view.width, H = view.height, iw = cache.width, ih = cache.height;
  switch (mode) {
    case 1: BlendPremultiplied(view, W - iw, 0, cache.pixels.data(), iw, ih, iw); break;
    case 2:
      BlendPremultiplied(view, (W - iw) / 2, (H - ih) / 2, cache.pixels.data(), iw, ih, iw);
      break;
    case 3: {
      if (wanted == PictureQuality::kDraft && cache.opaque) {
        StretchNearest(cache, view);
        return wanted;
      }
      std::vector<uint32_t> stretched;
      if (wanted == PictureQuality::kDraft) {
        // Translucent: drawn aside, then blended over the ground.
        stretched.resize(view.Count());
        StretchNearest(cache, DibView{stretched.data(), W, H, false});
      } else if (!Stretch(cache, W, H, stretched)) {
        return PictureQuality::kFull;
      }
      BlendPremultiplied(view, 0, 0, stretched.data(), W, H, W);
      return wanted;
    }
    default: BlendPremultiplied(view, 0, 0, cache.pixels.data(), iw, ih, iw); break;
  }
  return PictureQuality::kFull;
}

void Fill(const DibView& view, uint32_t colour) {
  std::fill(view.bits, view.bits + view.Count(), colour);
}

// Pixels outside the outline of a frame of kCornerBox * 2 pixels a side,
// found by drawing it as a render clips it: the corners of any larger
// frame are these, moved to its edges.
struct ProbeOutside {
  std::vector<POINT> pixels;
  int size = 0;
};

ProbeOutside ProbeOutline(int width, int height) {
  ProbeOutside probe;
  graphics::Bitmap canvas;
  graphics::Graphics g;
  graphics::Path outline;
  if (!canvas.CreateBitmap(width, height, PixelFormat32bppPARGB) ||
      !g.GetImageGraphicsContext(canvas) || !outline.CreatePath())
    return probe;
  RoundRectPath(outline, 0, 0, static_cast<float>(width), static_cast<float>(height),
                kOutlineRadius);
  g.GraphicsClear(0);
  g.SetClipPath(outline);
  g.GraphicsClear(0xFFFFFFFF);
  g.DeleteGraphics();
  std::vector<uint32_t> pixels;
  if (!ReadPixels(canvas, width, height, pixels)) return probe;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if ((pixels[static_cast<size_t>(y) * width + x] >> 24) == 0) probe.pixels.push_back({x, y});
  probe.size = width;
  return probe;
}

// The outline drawn on a transparent frame of kKitSize pixels a side: its
// corners lie within kKitCorner pixels of the edges, and between them each
// line runs straight.
constexpr int kKitCorner = 12, kKitSize = 32;

struct OutlineKit {
  std::vector<uint32_t> pixels;  // premultiplied, top-down
};

// The outline of a W x H frame drawn on transparent pixels (premultiplied,
// top-down); empty when it could not be drawn.
std::vector<uint32_t> OutlinePixels(int W, int H) {
  std::vector<uint32_t> pixels;
  graphics::Bitmap canvas;
  graphics::Graphics g;
  if (!canvas.CreateBitmap(W, H, PixelFormat32bppPARGB) || !g.GetImageGraphicsContext(canvas))
    return pixels;
  g.GraphicsClear(0);
  DrawOutlinePaths(g, static_cast<float>(W), static_cast<float>(H));
  g.DeleteGraphics();
  if (!ReadPixels(canvas, W, H, pixels)) pixels.clear();
  return pixels;
}

OutlineKit DrawOutlineKit() { return OutlineKit{OutlinePixels(kKitSize, kKitSize)}; }

const OutlineKit& Kit() {
  static const OutlineKit kit = DrawOutlineKit();
  return kit;
}

// Where pixel x of a frame `extent` pixels wide finds its like in the kit.
int KitIndex(int x, int extent) {
  if (x < kKitCorner) return x;
  if (x >= extent - kKitCorner) return kKitSize - (extent - x);
  return kKitCorner;
}

const ProbeOutside& CornerProbe() {
  static const ProbeOutside probe = ProbeOutline(2 * kCornerBox, 2 * kCornerBox);
  return probe;
}

}  // namespace

void BlendPremultiplied(const DibView& view, int x, int y, const uint32_t* pixels, int width,
                        int height, int stride) {
  const int left = std::max(x, 0), right = std::min(x + width, view.width);
  const int top = std::max(y, 0), bottom = std::min(y + height, view.height);
  for (int row = top; row < bottom; ++row) {
    const uint32_t* source = pixels + static_cast<size_t>(row - y) * stride + (left - x);
    uint32_t* target = view.Row(row) + left;
    for (int n = 0; n < right - left; ++n) {
      const uint32_t s = source[n];
      const uint32_t a = s >> 24;
      if (a == 255) {
        target[n] = s;
      } else if (a != 0) {
        const uint32_t d = target[n], keep = 255 - a;
        uint32_t out = 0;
        for (int shift = 0; shift < 32; shift += 8) {
          const uint32_t mixed = ((s >> shift) & 0xFF) + (((d >> shift) & 0xFF) * keep + 127) / 255;
          out |= std::min<uint32_t>(mixed, 255) << shift;
        }
        target[n] = out;
      }
    }
  }
}

PictureQuality PaintGround(SkinnedWindow& w, const DibView& view, graphics::Graphics& g,
                           PictureQuality wanted) {
  const bool own = !w.BackImage.empty();
  const std::vector<uint8_t>& bytes = own ? w.BackImage : Module.BackgroundImage;
  const int mode = own ? w.BackMode : Module.BackgroundMode;
  const bool decoded = !bytes.empty() && Decode(w.Background, bytes);
  ::GdiFlush();
  // An opaque picture drawn draft over the whole frame hides the colour.
  const bool covered =
      decoded && mode == 3 && w.Background.opaque && wanted == PictureQuality::kDraft;
  if (!covered) Fill(view, MakeArgb(own ? w.BackColour : Module.ThemeColour));

  PictureQuality drawn = PictureQuality::kFull;
  if (decoded) drawn = PlacePicture(w.Background, mode, view, wanted);

  if (w.CaptionGloss) {
    const float top = static_cast<float>(w.CaptionHeight);
    graphics::LineBrush gloss;
    gloss.CreateLineBrush(Gdiplus::PointF(0, 0), Gdiplus::PointF(0, top), MakeArgb(kWhite, 150),
                          MakeArgb(kWhite, 0));
    g.FillRectangle(gloss, 0, 0, static_cast<float>(view.width), top);
    g.Flush(Gdiplus::FlushIntentionSync);
  }
  return drawn;
}

void DrawOutline(const DibView& view) {
  const int W = view.width, H = view.height;
  const OutlineKit& kit = Kit();
  if (W < 2 * kKitCorner + 1 || H < 2 * kKitCorner + 1 || kit.pixels.empty()) {
    // Too small to be pieced together: drawn as it is.
    const std::vector<uint32_t> pixels = OutlinePixels(W, H);
    if (!pixels.empty()) BlendPremultiplied(view, 0, 0, pixels.data(), W, H, W);
    return;
  }
  ::GdiFlush();
  std::vector<uint32_t> row(W);
  auto blendRow = [&](int y, int from, int to) {
    const uint32_t* source = &kit.pixels[static_cast<size_t>(KitIndex(y, H)) * kKitSize];
    for (int x = from; x < to; ++x) row[x] = source[KitIndex(x, W)];
    BlendPremultiplied(view, from, y, row.data() + from, to - from, 1, W);
  };
  for (int y = 0; y < H; ++y) {
    if (y < kKitCorner || y >= H - kKitCorner) {
      blendRow(y, 0, W);
    } else {
      blendRow(y, 0, kKitCorner);
      blendRow(y, W - kKitCorner, W);
    }
  }
}

void MaskOutsideOutline(const DibView& view) {
  ::GdiFlush();
  const int W = view.width, H = view.height;
  const int box = 2 * kCornerBox;
  if (W < box || H < box) {
    for (const POINT& p : ProbeOutline(W, H).pixels) view.Row(p.y)[p.x] = kOpaqueMagenta;
    return;
  }
  for (const POINT& p : CornerProbe().pixels) {
    const int x = p.x < kCornerBox ? p.x : W - box + p.x;
    const int y = p.y < kCornerBox ? p.y : H - box + p.y;
    view.Row(y)[x] = kOpaqueMagenta;
  }
}

void SkinEngine::DrawBackground(graphics::Graphics& g, int i) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w) return;
  const SIZE size = FrameSize(*w);
  if (size.cx <= 0 || size.cy <= 0) return;
  const float W = static_cast<float>(size.cx), H = static_cast<float>(size.cy);
  // The ground as a render draws it, in pixels of its own, then drawn on
  // `g` within the outline.
  std::vector<uint32_t> pixels(static_cast<size_t>(size.cx) * size.cy);
  graphics::Bitmap ground;
  if (!ground.CreateBitmapFromScan0(size.cx, size.cy, size.cx * 4, PixelFormat32bppPARGB,
                                    reinterpret_cast<BYTE*>(pixels.data())))
    return;
  {
    graphics::Graphics own;
    if (!own.GetImageGraphicsContext(ground)) return;
    DibView view;
    view.bits = pixels.data();
    view.width = size.cx;
    view.height = size.cy;
    view.bottomUp = false;
    PaintGround(*w, view, own, PictureQuality::kFull);
  }
  g.GraphicsClear(kOpaqueMagenta);
  graphics::Path outline;
  outline.CreatePath();
  RoundRectPath(outline, 0, 0, W, H, kOutlineRadius);
  g.SetClipPath(outline);  // stays the clip for the rest of the frame
  g.DrawImageRectRectI(ground, 0, 0, size.cx, size.cy);
}

void SkinEngine::DrawFrameBorder(int i, graphics::Graphics& g) {
  const SkinnedWindow* w = WindowRecord(i);
  if (!w) return;
  const SIZE size = FrameSize(*w);
  DrawOutlinePaths(g, static_cast<float>(size.cx), static_cast<float>(size.cy));
}

}  // namespace skin
