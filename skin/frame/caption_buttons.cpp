// Drawing the caption buttons: plain, with their hover face, and pressed.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "graphics/graphics.h"
#include "graphics/image.h"
#include "graphics/line_brush.h"
#include "graphics/pen.h"
#include "platform/handles.h"
#include "skin/drawing/colours.h"
#include "skin/drawing/top_rounded_paths.h"
#include "skin/engine/module_state.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "skin/frame/frame_layer_ops.h"
#include "skin/frame/frame_space.h"

namespace skin {
namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;  // #FF0000

// Where button k is drawn: one pixel left of its layout rectangle.
struct ButtonBox {
  int x, y, w, h;
};

ButtonBox BoxOf(const SkinnedWindow& w, const CaptionButton& b) {
  return ButtonBox{static_cast<int>(b.Rect.X - 1), w.ButtonsTop + 1, b.Width, b.Height};
}

// A vertical gradient from `top` at y to `bottom` at y + h.
bool VerticalGradient(graphics::LineBrush& brush, float x, float y, float h, Gdiplus::ARGB top,
                      Gdiplus::ARGB bottom) {
  return brush.CreateLineBrush(Gdiplus::PointF(x, y), Gdiplus::PointF(x, y + h), top, bottom);
}

// Fade steps are kept for a few buttons' worth of steps; beyond that the
// list starts again rather than grow.
constexpr size_t kMostKeptSteps = 96;
constexpr int kRing = 2;  // checked around a step's box: a step must not reach past it

// What a fade step of button k at `alpha` is drawn from: the clean caption
// strip of this generation and the buttons as they are now.
LayerKey StepKeyOf(const SkinnedWindow& w, int k, int alpha) {
  LayerKey key = ButtonsKeyOf(w);
  key.Add(static_cast<int64_t>(w.Layers.generation)).Add(k).Add(alpha);
  return key;
}

// The box a step of the button at `box` restores from the clean strip and
// draws in: its face and sheen, and the separators left and right of it.
KeptButtonStep StepBoxOf(const SkinnedWindow& w, const ButtonBox& box, const LayerKey& key) {
  KeptButtonStep step;
  step.key = key;
  const int right = std::min(box.x + box.w + 1, w.Layers.stripWidth);
  const int bottom = std::min(box.y + box.h + 1, w.Layers.stripHeight);
  step.x = std::max(box.x - 1, 0);
  step.y = std::max(box.y, 0);
  step.width = right - step.x;
  step.height = bottom - step.y;
  return step;
}

// The pixels of a ring of `kRing` around `box`, top-down, clipped to the view.
std::vector<uint32_t> RingAround(const DibView& view, const KeptButtonStep& box) {
  KeptButtonStep outer;
  outer.x = box.x - kRing;
  outer.y = box.y - kRing;
  outer.width = box.width + 2 * kRing;
  outer.height = box.height + 2 * kRing;
  if (!SaveBox(view, outer)) return {};
  std::vector<uint32_t> ring;
  for (int y = 0; y < outer.height; ++y)
    for (int x = 0; x < outer.width; ++x) {
      const int fx = outer.x + x, fy = outer.y + y;
      const bool inside =
          fx >= box.x && fx < box.x + box.width && fy >= box.y && fy < box.y + box.height;
      if (!inside) ring.push_back(outer.pixels[static_cast<size_t>(y) * outer.width + x]);
    }
  return ring;
}

}  // namespace

void SkinEngine::DrawCaptionButton(int i, int k, graphics::Graphics* into, bool pressed,
                                   std::optional<int> alpha) {
  SkinnedWindow* w = WindowRecord(i);
  const CaptionButton* b = w ? w->CaptionButtons.find(k) : nullptr;
  if (!b || !w->FrameDC) return;
  const ButtonBox box = BoxOf(*w, *b);
  const float x = static_cast<float>(box.x), y = static_cast<float>(box.y);
  const float bw = static_cast<float>(box.w), bh = static_cast<float>(box.h);

  // A fade step drawn before over the same clean strip is copied back.
  DibView view;
  const bool keepable =
      !pressed && !into && w->Layers.stripWidth > 0 && ViewOf(w->FrameBitmap.get(), view);
  LayerKey stepKey;
  KeptButtonStep step;
  std::vector<uint32_t> ringBefore;
  if (keepable) {
    stepKey = StepKeyOf(*w, k, alpha.value_or(0));
    for (const KeptButtonStep& s : w->Layers.buttonSteps)
      if (s.key == stepKey) {
        LoadBox(view, s);
        platform::WindowDC screen = FrameScreenDC(*w, false);
        ::BitBlt(screen.get(), box.x, box.y, box.w, box.h, w->FrameDC.get(), box.x, box.y, SRCCOPY);
        return;
      }
    step = StepBoxOf(*w, box, stepKey);
    ringBefore = RingAround(view, step);
  }

  const bool showRestore = b->Kind == kMaxButton && w->Maximised;
  graphics::Image glyph;
  const std::vector<uint8_t>& bytes = showRestore ? b->AltImage : b->ButtonImage;
  const bool haveGlyph = !bytes.empty() && glyph.LoadImageFromStream(bytes);
  const RECT area{box.x, box.y, box.x + box.w, box.y + box.h};

  if (!pressed) {
    graphics::Graphics own;
    graphics::Graphics* g = into;
    if (!into) {
      own.CreateFromHDC(w->FrameDC.get());
      own.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
      g = &own;
      RestoreFromCaptionCache(i, area);
    }
    DrawButtonFace(*g, i, k, alpha.value_or(0));
    graphics::LineBrush sheen;
    VerticalGradient(sheen, x, y, bh, MakeArgb(kWhite, 50), MakeArgb(kBlack, 0));
    g->FillRectangle(sheen, x - 1, y, bw + 1, bh - 1);
    if (haveGlyph) g->DrawImageRectRect(glyph, x, y, bw, bh);
    DrawButtonSeparators(i, k, *g);
    g->Flush(Gdiplus::FlushIntentionSync);
  } else {
    graphics::Graphics g;
    g.CreateFromHDC(w->FrameDC.get());
    RestoreFromCaptionCache(i, area);
    const bool close = b->Kind == kCloseButton;
    graphics::Path shape;
    shape.CreatePath();
    if (close)
      TopRightRoundedPath(shape, x, y, bw, bh, 5);
    else
      shape.AddPathRectangle(x, y, bw, bh);
    graphics::LineBrush fill;
    if (close)
      VerticalGradient(fill, x, y, bh, MakeArgb(kRed), MakeArgb(kWhite, 30));
    else
      VerticalGradient(fill, x, y, bh, MakeArgb(kBlack, 80), MakeArgb(kWhite, 5));
    g.FillPath(fill, shape);
    if (haveGlyph) g.DrawImageRectRect(glyph, x, y, bw - 1, bh);
    g.Flush(Gdiplus::FlushIntentionSync);
  }

  // Kept only when the step drew nothing outside its box: then the box
  // alone is all it leaves, whatever was drawn there before.
  if (keepable && step.width > 0 && step.height > 0 && !ringBefore.empty() &&
      RingAround(view, step) == ringBefore && SaveBox(view, step)) {
    std::vector<KeptButtonStep>& steps = w->Layers.buttonSteps;
    if (steps.size() >= kMostKeptSteps) steps.clear();
    steps.push_back(std::move(step));
  }

  if (!into) {
    platform::WindowDC screen = FrameScreenDC(*w, false);
    ::BitBlt(screen.get(), box.x, box.y, box.w, box.h, w->FrameDC.get(), box.x, box.y, SRCCOPY);
  }
}

void SkinEngine::DrawButtonFace(graphics::Graphics& g, int i, int k, int alpha) {
  SkinnedWindow* w = WindowRecord(i);
  const CaptionButton* b = w ? w->CaptionButtons.find(k) : nullptr;
  if (!b) return;
  const ButtonBox box = BoxOf(*w, *b);
  const float x = static_cast<float>(box.x), y = static_cast<float>(box.y);
  const float bw = static_cast<float>(box.w), bh = static_cast<float>(box.h);
  const bool close = b->Kind == kCloseButton;

  g.Flush(Gdiplus::FlushIntentionSync);
  RestoreFromCaptionCache(i, RECT{box.x - 1, box.y, box.x + box.w + 1, box.y + box.h + 1});

  graphics::Path face;
  face.CreatePath();
  TopRoundedPath(face, x, y, bw, bh, 1);
  graphics::LineBrush shade;
  VerticalGradient(shade, x, y, bh, MakeArgb(kBlack, alpha / 5), MakeArgb(kWhite, 0));
  g.FillPath(shade, face);

  graphics::LineBrush colour;
  if (close) {
    graphics::Path closeFace;
    closeFace.CreatePath();
    TopRightRoundedPath(closeFace, x, y, bw, bh, 5);
    VerticalGradient(colour, x, y, bh, MakeArgb(kRed, alpha), MakeArgb(kWhite, 0));
    g.FillPath(colour, closeFace);
  } else {
    VerticalGradient(colour, x, y, bh, MakeArgb(Module.AccentColour, alpha), MakeArgb(kWhite, 0));
    g.FillPath(colour, face);
  }

  const float outlineHeight = static_cast<float>(static_cast<int>(bh * 0.8f));
  graphics::Path outline;
  outline.CreatePath();
  if (close)
    TopRightRoundedPath(outline, x, y, bw - 1, outlineHeight, 5);
  else
    TopRoundedPath(outline, x, y, bw - 1, outlineHeight, 1);
  graphics::LineBrush rim;
  VerticalGradient(rim, x, y, bh, MakeArgb(kWhite, static_cast<int>(alpha * 0.8)),
                   MakeArgb(kWhite, 0));
  graphics::Pen pen;
  pen.CreatePen2(rim, 1.0f);
  g.DrawPath(pen, outline);
}

void SkinEngine::DrawButtonSeparators(int i, int k, graphics::Graphics& g) {
  const SkinnedWindow* w = WindowRecord(i);
  if (!w || !w->CaptionButtons.valid(k)) return;
  auto separator = [&](int button, int alpha) {
    const float sx = static_cast<float>(static_cast<int>(w->CaptionButtons.at(button).Rect.X - 2));
    const float top = static_cast<float>(w->ButtonsTop);
    graphics::LineBrush fade;
    VerticalGradient(fade, sx, top, static_cast<float>(w->ButtonsHeight - 3),
                     MakeArgb(kBlack, alpha), MakeArgb(kBlack, 0));
    graphics::Pen pen;
    pen.CreatePen2(fade, 1.0f);
    g.DrawLine(pen, sx, top + 1, sx, top + w->ButtonsHeight - 4);
  };
  separator(k, k == 1 ? 100 : 60);
  if (k < w->CaptionButtons.count()) separator(k + 1, 60);
}

}  // namespace skin
