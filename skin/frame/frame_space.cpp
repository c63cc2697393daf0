#include "skin/frame/frame_space.h"

#include "skin/drawing/background_capture.h"
#include "skin/engine/skinned_window.h"

namespace skin {

SIZE FrameSize(const SkinnedWindow& w) {
  RECT r{};
  if (w.Adopted.on)
    ::GetWindowRect(w.Hwnd, &r);
  else
    ::GetClientRect(w.Hwnd, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

POINT ClientOriginInFrame(const SkinnedWindow& w) {
  if (!w.Adopted.on) return POINT{0, 0};
  POINT client{0, 0};
  ::ClientToScreen(w.Hwnd, &client);
  const POINT frame = FrameOriginOnScreen(w);
  return POINT{client.x - frame.x, client.y - frame.y};
}

POINT FrameOriginOnScreen(const SkinnedWindow& w) {
  if (w.Adopted.on) {
    RECT r{};
    ::GetWindowRect(w.Hwnd, &r);
    return POINT{r.left, r.top};
  }
  POINT origin{0, 0};
  ::ClientToScreen(w.Hwnd, &origin);
  return origin;
}

platform::WindowDC FrameScreenDC(const SkinnedWindow& w, bool withoutChildren) {
  if (!w.Adopted.on) {
    if (withoutChildren) return ChildExcludedDC(w.Hwnd);
    return platform::WindowDC(w.Hwnd);
  }
  platform::WindowDC dc(w.Hwnd, ::GetWindowDC(w.Hwnd));
  RECT client{};
  ::GetClientRect(w.Hwnd, &client);
  const POINT at = ClientOriginInFrame(w);
  ::ExcludeClipRect(dc.get(), at.x, at.y, at.x + client.right, at.y + client.bottom);
  return dc;
}

}  // namespace skin
