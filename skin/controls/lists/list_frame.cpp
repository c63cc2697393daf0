// The border ring of a skinned list-type control: composed over what lies
// behind the ring, strip by strip, and copied to the window DC with the
// colour key, so the client area the control paints itself is never
// overwritten.
#include "platform/handles.h"
#include "skin/controls/lists/list_looks.h"
#include "skin/controls/lists/lists.h"
#include "skin/controls/scroll_bars.h"
#include "skin/drawing/paint_frame.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"

namespace skin {
namespace {

constexpr LONG kBorderExStyles = WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;

}  // namespace

bool HasBorder(HWND control) {
  return (::GetWindowLongA(control, GWL_STYLE) & WS_BORDER) ||
         (::GetWindowLongA(control, GWL_EXSTYLE) & kBorderExStyles);
}

void PaintListFrame(int i, int index, std::optional<bool> hot, std::optional<bool> focused) {
  const SkinnedWindow* w = WindowRecord(i);
  const ListRecord* r = w ? w->ListControls.find(index) : nullptr;
  if (!r || !r->hwnd) return;
  HWND control = r->hwnd;

  ListFrameLook look;
  RECT bounds;
  ::GetWindowRect(control, &bounds);
  look.width = bounds.right - bounds.left;
  look.height = bounds.bottom - bounds.top;
  look.inner = InnerRect(control);
  look.drawn = GetClassText(control) != "ComboLBox" && HasBorder(control);
  look.translucent = Module.TranslucencyGiven;
  look.translucency = Module.Translucency;
  look.accent = Module.AccentColour;
  look.hot = hot.value_or(r->hover != 0);
  look.focused = focused.value_or(r->focused != 0);
  // Nothing of a control without a border would pass the colour key.
  if (!look.drawn) return;

  platform::WindowDC dc(control, ::GetWindowDC(control));
  if (!dc) return;
  // Only the ring is captured and drawn, strip by strip, each with the look
  // moved to its place: the inner rectangle is the control's own.
  const RECT& in = look.inner;
  const RECT strips[] = {{0, 0, look.width, in.top},
                         {0, in.bottom, look.width, look.height},
                         {0, in.top, in.left, in.bottom},
                         {in.right, in.top, look.width, in.bottom}};
  for (const RECT& r : strips) {
    if (r.right <= r.left || r.bottom <= r.top) continue;
    PaintFrame frame(control, r);
    if (!frame) return;
    frame.graphics().TranslateWorldTransform(static_cast<float>(-r.left),
                                             static_cast<float>(-r.top));
    DrawListFrameLook(frame.graphics(), look);
    frame.graphics().Flush(Gdiplus::FlushIntentionSync);
    ::TransparentBlt(dc.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, frame.surface(),
                     0, 0, r.right - r.left, r.bottom - r.top, RGB(255, 0, 255));
  }
}

}  // namespace skin
