// Finding the list-type controls and headers a skinned window or container
// holds and taking them over.
#include <windows.h>
#include <commctrl.h>

#include "skin/controls/lists/lists.h"
#include "skin/drawing/control_font.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/registry.h"

namespace skin {
namespace {

constexpr LONG kListViewSortAscending = 0x10;  // LVS_SORTASCENDING
// A translucent tree draws on white, laid on the veil as ink.
constexpr COLORREF kTreeBackground = RGB(255, 255, 255);

// Calls `take` for each direct child of `parent` of class `className`,
// each search starting after the previous hit.
template <typename Take>
void ForEachChild(HWND parent, const char* className, Take take) {
  for (HWND child = ::FindWindowExA(parent, nullptr, className, nullptr); child;
       child = ::FindWindowExA(parent, child, className, nullptr))
    take(child);
}

void TakeList(int i, HWND control) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w) return;
  ListRecord record;
  record.hwnd = control;
  if (RegisterChild(w->ListControls, i, std::move(record), ListWndProc))
    // Shown already, it would keep the platform's border until its next paint.
    ::RedrawWindow(control, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

// A control already taken keeps the colour it was given then, and one
// another family has taken keeps its own.
bool Taken(int i, HWND control) {
  const SkinnedWindow* w = WindowRecord(i);
  return !w || !MayRegister(w->ListControls, control, ListWndProc);
}

void TakeComboList(int i, HWND combo) {
  HWND list = ::FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
  if (list && !(::GetWindowLongA(list, GWL_STYLE) & LBS_OWNERDRAWFIXED)) TakeList(i, list);
}

void TakeListView(int i, HWND view) {
  if (::GetWindowLongA(view, GWL_STYLE) & kListViewSortAscending) return;
  if (Module.TranslucencyGiven && !Taken(i, view)) {
    ::SendMessageA(view, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
    // Item texts too: some list views fill behind them with the window colour.
    ::SendMessageA(view, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
  }
  TakeList(i, view);
}

void TakeTreeView(int i, HWND tree) {
  if (Module.TranslucencyGiven && !Taken(i, tree))
    ::SendMessageA(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(kTreeBackground));
  TakeList(i, tree);
}

// Registers a header; its font is read only when asked (headers of list
// views): a stand-alone header draws in the default GUI font.
void TakeHeader(int i, HWND header, bool readFont) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w) return;
  HeaderRecord record;
  record.hwnd = header;
  record.buttons = (::GetWindowLongA(header, GWL_STYLE) & HDS_BUTTONS) ? 1 : 0;
  const int index = RegisterChild(w->Headers, i, std::move(record), HeaderWndProc);
  if (!index) return;
  const HIMAGELIST images =
      reinterpret_cast<HIMAGELIST>(::SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
  const ControlFont font = readFont ? ReadControlFont(header) : ControlFont{};
  w = WindowRecord(i);
  HeaderRecord* r = w ? w->Headers.find(index) : nullptr;
  if (!r || r->hwnd != header) return;
  r->imageList = images;
  r->fontName = font.face;
  r->fontStyle = font.style;
  r->fontSize = font.size;
  ::InvalidateRect(header, nullptr, TRUE);
}

}  // namespace

void SkinListControls(int i, HWND parent) {
  if (!Module.SkinChildControls || !WindowRecord(i)) return;
  ForEachChild(parent, "ListBox", [i](HWND c) { TakeList(i, c); });
  ForEachChild(parent, "ComboBox", [i](HWND c) { TakeComboList(i, c); });
  ForEachChild(parent, "SysListView32", [i](HWND c) { TakeListView(i, c); });
  ForEachChild(parent, "SysTreeView32", [i](HWND c) { TakeTreeView(i, c); });
  ForEachChild(parent, "SysIPAddress32", [i](HWND c) { TakeList(i, c); });
  ForEachChild(parent, "SysDateTimePick32", [i](HWND c) { TakeList(i, c); });
}

void SkinHeaders(int i, HWND parent) {
  if (!Module.SkinChildControls || !WindowRecord(i)) return;
  ForEachChild(parent, "SysHeader32", [i](HWND h) { TakeHeader(i, h, false); });
  ForEachChild(parent, "SysListView32", [i](HWND view) {
    if (HWND h = ::FindWindowExA(view, nullptr, "SysHeader32", nullptr)) TakeHeader(i, h, true);
  });
}

int FindListControl(int i, HWND control) {
  const SkinnedWindow* w = WindowRecord(i);
  return w ? FindChild(w->ListControls, control) : 0;
}

int FindHeader(int i, HWND header) {
  const SkinnedWindow* w = WindowRecord(i);
  return w ? FindChild(w->Headers, header) : 0;
}

}  // namespace skin
