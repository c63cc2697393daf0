// The border ring of a skinned list-type control: composed over what lies
// behind the control, with the inner rectangle left the colour key, and
// copied to the window DC with that key, so the client area the control
// paints itself is never overwritten.
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

  PaintFrame frame(control, RECT{0, 0, look.width, look.height});
  if (!frame) return;
  DrawListFrameLook(frame.graphics(), look);
  frame.graphics().Flush(Gdiplus::FlushIntentionSync);
  platform::WindowDC dc(control, ::GetWindowDC(control));
  if (!dc) return;
  ::ExcludeClipRect(dc.get(), look.inner.left, look.inner.top, look.inner.right, look.inner.bottom);
  ::TransparentBlt(dc.get(), 0, 0, look.width, look.height, frame.surface(), 0, 0, look.width,
                   look.height, RGB(255, 0, 255));
}

}  // namespace skin
