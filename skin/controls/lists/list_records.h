// Records of skinned list-type controls and headers.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

namespace skin {

// A list box, the list of a simple combo box, a list view, a tree view, an
// IP-address field or a date-time picker: the engine draws its border ring.
struct ListRecord {
  HWND hwnd = nullptr;  // null marks a free slot
  WNDPROC savedProc = nullptr;
  int32_t focused = 0;  // 1 between WM_SETFOCUS and WM_KILLFOCUS
  int32_t hover = 0;    // 1 while the mouse is over the control
};

// A header control, stand-alone or inside a list view: the engine draws it
// whole, item by item.
struct HeaderRecord {
  HWND hwnd = nullptr;  // null marks a free slot
  WNDPROC savedProc = nullptr;
  int32_t hover = 0;        // 1 while the mouse is over the header
  int32_t hotItem = 0;      // 1-based item under the mouse, 0 when none
  int32_t lastHotItem = 0;  // hotItem at the last repaint
  int32_t buttons = 0;      // 1 with HDS_BUTTONS: items look clickable
  int32_t pressedItem = 0;  // item pressed with the left button, 0 after its release
  int32_t pressed = 0;      // 1 while the left button is down on the header
  // The font of a list view's header; empty for a stand-alone header, whose
  // captions take the default GUI font.
  std::string fontName;
  int32_t fontStyle = 0;
  int32_t fontSize = 0;
  // The header's image list, owned by whoever set it (the list view or the
  // caller), never by the engine.
  HIMAGELIST imageList = nullptr;
};

}  // namespace skin
