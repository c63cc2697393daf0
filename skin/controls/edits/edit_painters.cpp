// The painters of edit rings and combo boxes: they gather the facts of one
// paint from the record, the control and the module switches, and draw the
// look over the captured background in one transfer.
#include <string>

#include "platform/handles.h"
#include "skin/controls/edits/edit_looks.h"
#include "skin/controls/edits/edits.h"
#include "skin/controls/scroll_bars.h"
#include "skin/drawing/paint_frame.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"

namespace skin {
namespace {

SIZE WindowSize(HWND window) {
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

}  // namespace

EditFrameLook EditFrameLookOf(HWND edit, bool focused, bool hot) {
  const SIZE size = WindowSize(edit);
  EditFrameLook look;
  look.width = size.cx;
  look.height = size.cy;
  look.inner = InnerRect(edit);
  look.translucent = Module.TranslucencyGiven;
  look.translucency = Module.Translucency;
  look.skinned = RecordOf<&SkinnedWindow::EditControls>(edit) != nullptr;
  look.hot = hot;
  look.focused = focused;
  look.accent = Module.AccentColour;
  return look;
}

namespace {

// What the combo leaves to its children: every child of a simple combo or a
// drop-down list (a list two pixels inside its rectangle, so the combo's
// border around it stays), only the edit of a drop-down combo.
std::vector<RECT> KeyedChildren(HWND combo, int type) {
  std::vector<RECT> keyed;
  for (HWND child = ::FindWindowExA(combo, nullptr, nullptr, nullptr); child;
       child = ::FindWindowExA(combo, child, nullptr, nullptr)) {
    RECT r = ChildRectInParent(child);
    if (GetClassText(child) == "ComboLBox") ::InflateRect(&r, -2, -2);
    keyed.push_back(r);
    if (!(type & 0x1)) break;
  }
  return keyed;
}

}  // namespace

ComboLook ComboLookOf(HWND combo, bool hot, bool focused) {
  const SIZE size = WindowSize(combo);
  ComboLook look;
  look.width = size.cx;
  look.height = size.cy;
  look.type = static_cast<int>(::GetWindowLongA(combo, GWL_STYLE) & 0x3);
  look.keyed = KeyedChildren(combo, look.type);
  look.translucent = Module.TranslucencyGiven;
  look.translucency = Module.Translucency;
  look.hot = hot;
  look.focused = focused;
  look.accent = Module.AccentColour;
  if (look.type == 3) {
    look.text = WindowText(combo);
    look.textColour = static_cast<Colour>(GetIntProp(combo, prop::Kj_Ztys));
  }
  return look;
}

void PaintEditFrame(HWND edit, std::optional<bool> focused, std::optional<bool> hot) {
  if (!focused) {
    const EditRecord* r = RecordOf<&SkinnedWindow::EditControls>(edit);
    focused = r && r->focused;
  }
  const EditFrameLook look = EditFrameLookOf(edit, *focused, hot.value_or(false));
  const RECT& in = look.inner;
  // No ring (a combo's borderless edit): nothing to draw.
  if (in.left <= 0 && in.top <= 0 && in.right >= look.width && in.bottom >= look.height) return;
  PaintFrame frame(edit, RECT{0, 0, look.width, look.height});
  if (!frame) return;
  DrawEditFrameLook(frame.graphics(), look);
  platform::WindowDC dc(edit, ::GetWindowDC(edit));
  if (!dc) return;
  ::ExcludeClipRect(dc.get(), in.left, in.top, in.right, in.bottom);
  frame.CopyTo(dc.get());
}

void PaintComboBox(int i, int index, bool hot, std::optional<bool> focused) {
  const SkinnedWindow* w = WindowRecord(i);
  const ComboRecord* r = w ? w->ComboControls.find(index) : nullptr;
  if (!r || !r->hwnd) return;
  HWND combo = r->hwnd;
  const ComboLook look = ComboLookOf(combo, hot, focused.value_or(r->focused != 0));
  PaintFrame frame(combo, RECT{0, 0, look.width, look.height});
  if (!frame) return;
  DrawComboLook(frame.graphics(), look);
  frame.graphics().Flush(Gdiplus::FlushIntentionSync);
  platform::WindowDC dc(combo, ::GetWindowDC(combo));
  if (dc)
    ::TransparentBlt(dc.get(), 0, 0, look.width, look.height, frame.surface(), 0, 0, look.width,
                     look.height, kComboKey);
}

RECT ChildRectInParent(HWND child) {
  RECT r{}, parent{};
  ::GetWindowRect(child, &r);
  ::GetWindowRect(::GetParent(child), &parent);
  ::OffsetRect(&r, -parent.left, -parent.top);
  return r;
}

}  // namespace skin
