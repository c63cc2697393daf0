// Where the status strip and its panels lie: set up once, laid out again for
// every new window position.
#include <windows.h>

#include <algorithm>

#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "skin/frame/frame_space.h"
#include "skin/frame/status_bar.h"

namespace skin {
namespace {

std::vector<int32_t> WidthsOf(const OneBasedList<StatusPanel>& panels) {
  std::vector<int32_t> widths;
  for (const StatusPanel& p : panels) widths.push_back(p.width);
  return widths;
}

void StoreRects(SkinnedWindow& w, const std::vector<IntRect>& rects) {
  w.StatusPanelRects.clear();
  for (const IntRect& r : rects) w.StatusPanelRects.append(r);
}

}  // namespace

IntRect StatusStripRect(int clientRight, int clientBottom, int margin, int height) {
  return IntRect{margin, clientBottom - margin - height - 1, clientRight - 2 * margin, height};
}

std::vector<IntRect> StatusPanelLayout(const IntRect& strip, int clientRight, int margin,
                                       const std::vector<int32_t>& widths) {
  std::vector<IntRect> rects;
  int x = margin, sum = 0;
  for (int32_t given : widths) {
    // A window narrower than the fixed panels leaves the rest panel empty
    // rather than giving it a negative width.
    const int width = given == -1 ? std::max(0, clientRight - sum - 2 * margin) : given;
    rects.push_back(IntRect{x, strip.y, width, strip.height});
    x += width;
    sum += width;
  }
  return rects;
}

RECT VisiblePanelPart(const IntRect& panel, const IntRect& strip) {
  const RECT p{panel.x, panel.y, panel.x + panel.width, panel.y + panel.height};
  const RECT s{strip.x, strip.y, strip.x + strip.width, strip.y + strip.height};
  RECT visible{};
  if (!::IntersectRect(&visible, &p, &s)) return RECT{};
  return visible;
}

void SkinEngine::SetStatusBar(int i, int height, std::optional<std::vector<StatusPanel>> panels) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w) return;
  const SIZE frame = FrameSize(*w);
  const RECT client{0, 0, frame.cx, frame.cy};
  w->StatusHeight = height;
  w->StatusRect = StatusStripRect(client.right, client.bottom, FrameMargin, height);
  w->StatusPanels.clear();
  if (!panels) {
    w->StatusPanels.append(StatusPanel{});
    StoreRects(*w, {w->StatusRect});
    return;
  }
  for (const StatusPanel& p : *panels) w->StatusPanels.append(p);
  StoreRects(
      *w, StatusPanelLayout(w->StatusRect, client.right, FrameMargin, WidthsOf(w->StatusPanels)));
}

void SkinEngine::LayoutStatusBar(int i) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w) return;
  const SIZE frame = FrameSize(*w);
  const RECT client{0, 0, frame.cx, frame.cy};
  w->StatusRect = StatusStripRect(client.right, client.bottom, FrameMargin, w->StatusHeight);
  StoreRects(
      *w, StatusPanelLayout(w->StatusRect, client.right, FrameMargin, WidthsOf(w->StatusPanels)));
}

}  // namespace skin
