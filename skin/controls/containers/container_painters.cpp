// Full and normal paints of a container: the facts from its record and
// properties, the look drawn over what lies behind it, one transfer.
#include "platform/handles.h"
#include "skin/controls/containers/container_looks.h"
#include "skin/controls/containers/containers.h"
#include "skin/drawing/background_capture.h"
#include "skin/drawing/paint_frame.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/properties.h"

namespace skin {
namespace {

ContainerRecord* RecordOfContainer(HWND container) {
  return RecordOf<&SkinnedWindow::Containers>(container);
}

GroupBoxCaption CaptionOf(const ContainerRecord& c, HWND container) {
  GroupBoxCaption caption;
  caption.text = WindowText(container);
  caption.fontName = c.fontName;
  caption.fontSize = c.fontSize;
  caption.fontStyle = c.fontStyle;
  caption.textColour = static_cast<Colour>(GetIntProp(container, prop::Kj_Ztys));
  caption.style = ::GetWindowLongA(container, GWL_STYLE);
  return caption;
}

// The frame lines must not run through the caption: the place under it gets
// back what lies behind the container there, tints included.
void RestoreUnderCaption(HWND container, PaintFrame& frame, const graphics::RectF& place) {
  const int left = static_cast<int>(place.X), top = static_cast<int>(place.Y);
  const RECT r{left, top, static_cast<int>(place.X + place.Width),
               static_cast<int>(place.Y + place.Height)};
  if (r.right <= r.left || r.bottom <= r.top) return;
  PaintFrame behind(container, r);
  if (!behind) return;
  frame.graphics().Flush(Gdiplus::FlushIntentionSync);
  behind.CopyTo(frame.surface(), r.left, r.top);
}

// The container's look on its captured background, ready to be copied.
void Compose(HWND container, const ContainerRecord& c, PaintFrame& frame) {
  if (c.isGroupBox) {
    DrawGroupBoxFrame(frame.graphics(), frame.width(), frame.height());
    const GroupBoxCaption caption = CaptionOf(c, container);
    const graphics::RectF place = PlaceCaption(caption, frame.width(), MeasureCaption(caption));
    RestoreUnderCaption(container, frame, place);
    DrawCaptionText(frame.graphics(), caption, place);
  } else if (c.drawBorder) {
    DrawContainerBorder(frame.graphics(), frame.width(), frame.height());
  }
}

RECT ClientOf(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  return client;
}

}  // namespace

void FullPaintContainer(HWND container, HDC target) {
  const ContainerRecord* c = RecordOfContainer(container);
  if (!c) return;
  PaintFrame frame(container, ClientOf(container));
  if (!frame) return;
  Compose(container, *c, frame);
  if (target) {
    frame.CopyTo(target);
  } else {
    platform::WindowDC dc = ChildExcludedDC(container);
    frame.CopyTo(dc.get());
  }
  if (ContainerRecord* now = RecordOfContainer(container)) now->needsFullPaint = 0;
}

void NormalPaintContainer(HWND container) {
  const ContainerRecord* c = RecordOfContainer(container);
  if (!c) return;
  {
    PaintFrame frame(container, ClientOf(container));
    if (!frame) return;
    Compose(container, *c, frame);
    platform::WindowDC dc = ChildExcludedDC(container);
    frame.CopyTo(dc.get());
  }
  // Translucent children draw over the new background.
  for (HWND child = ::GetWindow(container, GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT))
    if (::GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT)
      ::InvalidateRect(child, nullptr, FALSE);
}

}  // namespace skin
