// List boxes, list views, tree views, IP-address fields, date-time pickers
// and headers of a skinned window. The list-type controls keep their own
// item drawing: the engine draws their border ring and, while a
// translucency is in force, shows the window's picture under a white veil
// behind their items. Headers are drawn by the engine, item by item.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Register and subclass the direct children of `parent` of each family for
// window number i. Nothing while SkinChildControls is off; a control
// registered before, or running the engine's procedure already, is skipped.
void SkinListControls(int i, HWND parent);
void SkinHeaders(int i, HWND parent);

// Index of the record of `control` in window i's list, 0 if none.
int FindListControl(int i, HWND control);
int FindHeader(int i, HWND header);

LRESULT CALLBACK ListWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HeaderWndProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam);

// WS_BORDER, or a window-edge, client-edge or modal-frame extended style.
bool HasBorder(HWND control);

// Draws the border ring of list control `index` of window i on its window
// DC; hot and focused default to the record's hover and focus. The client
// area is never touched. A control without a border gets nothing.
void PaintListFrame(int i, int index, std::optional<bool> hot = std::nullopt,
                    std::optional<bool> focused = std::nullopt);

// Draws every item of header `index` of window i into `target` (the
// header's own DC when null), each composed off-screen over what lies
// behind it and copied in one transfer.
void PaintHeader(int i, int index, HDC target = nullptr);

// The 1-based item of the header under the mouse lParam, or 0: the five
// pixels at either edge of an item are its divider zone and hit nothing.
int HitTestHeader(int i, int index, LPARAM lParam);

}  // namespace skin
