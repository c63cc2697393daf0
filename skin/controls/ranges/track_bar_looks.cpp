#include "skin/controls/ranges/track_bar_looks.h"

#include <algorithm>

#include "graphics/line_brush.h"
#include "graphics/path.h"
#include "graphics/pen.h"
#include "graphics/solid_fill.h"
#include "skin/drawing/colours.h"
#include "skin/drawing/shape_painting.h"

namespace skin {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;
constexpr float kStrip = 4;       // channel thickness with a selection range
constexpr float kCircle = 11;     // hovered thumb
constexpr float kDot = 4;         // resting thumb
constexpr int kAtMaxShift = 8;    // the dot at the maximum sits further on
constexpr int kAtMaxLonger = 10;  // and the filled line reaches further

using graphics::PointF;
using graphics::RectF;

// Along the channel: its start and length as the control reports them.
int ChannelStart(const TrackBarLook& look) { return look.channel.left; }
int ChannelLength(const TrackBarLook& look) { return look.channel.right - look.channel.left; }

bool AtMax(const TrackBarLook& look) { return look.position == look.max; }

void DrawFrame(graphics::Graphics& g, const TrackBarLook& look) {
  const float w = static_cast<float>(look.width), h = static_cast<float>(look.height);
  Outline(g, RoundRectShape(0, 0, w - 1, h - 1, 5), MakeArgb(kBlack, 30));
  const PointF across = look.vertical ? PointF(w - 1, 0) : PointF(0, h - 1);
  FillGradient(g, RoundRectShape(1, 1, w - 2, h - 2, 3), PointF(0, 0), across,
               MakeArgb(kWhite, 160), MakeArgb(kBlack, 30));
}

void DrawChannel(graphics::Graphics& g, const TrackBarLook& look, const RectF& c) {
  const PointF from(c.X, c.Y);
  const PointF to = look.vertical ? PointF(c.X + c.Width, c.Y) : PointF(c.X, c.Y + c.Height);
  FillGradient(g, RoundRectShape(c.X, c.Y, c.Width, c.Height, 1), from, to, MakeArgb(kBlack, 50),
               MakeArgb(kBlack, 30));
}

void DrawThumb(graphics::Graphics& g, const TrackBarLook& look) {
  const RectF t = ThumbShape(look);
  graphics::Path ellipse;
  if (!ellipse.CreatePath() || !ellipse.AddPathEllipse(t.X, t.Y, t.Width, t.Height)) return;
  FillSolid(g, ellipse, MakeArgb(kWhite, 255));
  const PointF to = look.vertical ? PointF(t.X + t.Width, t.Y) : PointF(t.X, t.Y + t.Height);
  FillGradient(g, ellipse, PointF(t.X, t.Y), to, MakeArgb(kWhite, 0), MakeArgb(kBlack, 90));
  Outline(g, ellipse, MakeArgb(kBlack, 50));
}

void StrokeLine(graphics::Graphics& g, Gdiplus::ARGB colour, float x, float y, float w, float h) {
  graphics::Pen pen;
  if (pen.CreatePen1(colour, 1.0f)) g.DrawRectangle(pen, x, y, w, h);
}

// The stretch from value `from` to value `to` along the channel, each as
// value / max of its length, kept within the channel.
void SelectionSpan(const TrackBarLook& look, int& start, int& length) {
  const int channel = ChannelLength(look);
  auto along = [&](int value) {
    return static_cast<int>(static_cast<long long>(value) * channel / look.max);
  };
  const int first = std::clamp(along(look.selStart), 0, channel);
  const int last = std::clamp(along(look.selEnd), 0, channel);
  start = ChannelStart(look) + first - 1;
  length = std::max(last - first, 0);
}

void DrawSelection(graphics::Graphics& g, const TrackBarLook& look, const RectF& strip) {
  int start = 0, length = 0;
  SelectionSpan(look, start, length);
  const float s = static_cast<float>(start), n = static_cast<float>(length);
  if (look.vertical)
    StrokeLine(g, MakeArgb(kWhite, 160), strip.X + 1, s, 1, n);
  else
    StrokeLine(g, MakeArgb(kWhite, 160), s, strip.Y + 1, n, 1);
}

void DrawFilledPart(graphics::Graphics& g, const TrackBarLook& look, const RectF& c) {
  const int thumbStart = look.vertical ? look.thumb.top : look.thumb.left;
  int length = thumbStart - ChannelStart(look) - 1 + (AtMax(look) ? kAtMaxLonger : 0);
  // Never past the channel's far end, whatever the thumb reports.
  length = std::clamp(length, 0, ChannelLength(look) + kAtMaxLonger);
  if (length <= 0) return;
  const float s = static_cast<float>(ChannelStart(look)), n = static_cast<float>(length);
  if (look.vertical)
    StrokeLine(g, MakeArgb(look.accent, 200), c.X + 1, s, 1, n);
  else
    StrokeLine(g, MakeArgb(look.accent, 200), s, c.Y + 1, n, 1);
}

}  // namespace

RectF ChannelShape(const TrackBarLook& look) {
  const RECT& ch = look.channel;
  const float along = static_cast<float>(ch.left);
  const float length = static_cast<float>(ch.right - ch.left);
  float across = static_cast<float>(ch.top);
  float thickness = static_cast<float>(ch.bottom - ch.top);
  if (look.selRange) {
    across = static_cast<float>(ch.top + (ch.bottom - ch.top - 4) / 2);
    thickness = kStrip;
  }
  return look.vertical ? RectF(across, along, thickness, length)
                       : RectF(along, across, length, thickness);
}

RectF ThumbShape(const TrackBarLook& look) {
  const RectF c = ChannelShape(look);
  // Across the channel: the circle leans away from ticks on the near side.
  const float lean = look.tickSide == 0 ? 2.0f : look.tickSide == 2 ? 1.0f : 0.0f;
  const float channelAcross = look.vertical ? c.X : c.Y;
  float along = static_cast<float>(look.vertical ? look.thumb.top : look.thumb.left);
  float across = 0, size = 0;
  if (look.hover) {
    across = channelAcross - 4 + lean;
    size = kCircle;
  } else {
    across = channelAcross - 0.5f;
    size = kDot;
    if (AtMax(look)) along += kAtMaxShift;
  }
  return look.vertical ? RectF(across, along, size, size) : RectF(along, across, size, size);
}

void DrawTrackBarLook(graphics::Graphics& g, const TrackBarLook& look) {
  if (look.frame) DrawFrame(g, look);
  const RectF channel = ChannelShape(look);
  DrawChannel(g, look, channel);
  DrawThumb(g, look);
  // Proportions are value / max: a range ending at 0 has none, so neither a
  // selection nor a filled part; one ending below 0 has no selection.
  if (look.max == 0) return;
  if (look.selRange && look.max > 0) DrawSelection(g, look, channel);
  DrawFilledPart(g, look, channel);
}

}  // namespace skin
