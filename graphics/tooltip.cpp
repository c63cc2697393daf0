#include "graphics/tooltip.h"

#include <commctrl.h>

#include <cstddef>

namespace graphics {

HWND Tooltip::Create(HWND owner, bool balloon) {
  // Created as a popup from the start. Without WS_POPUP the window would be
  // made as an overlapped, captioned window (the control only turns it into a
  // popup while it is being created), and a window system that decided from
  // that first style to hand it to the window manager makes every hide wait
  // for that manager: under Wine without one, two seconds in which the owner
  // paints nothing and the tip stays on the screen.
  DWORD style = WS_POPUP | TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
  tip_window_ =
      ::CreateWindowExA(0, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  owner_ = owner;
  return tip_window_;
}

namespace {
// The first layout of the record ends with the text pointer.
constexpr UINT kFirstToolRecordSize = offsetof(TOOLINFOA, lParam);
static_assert(sizeof(void*) != 4 || kFirstToolRecordSize == 40, "40-byte tool record");
}  // namespace

// Every tool message carries a fresh record in the first (40-byte) layout,
// which every version of the common controls accepts.
void Tooltip::SendTool(UINT message, UINT id, const RECT* rect, const char* text) const {
  TOOLINFOA tool{};
  tool.cbSize = kFirstToolRecordSize;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = id;
  if (rect) tool.rect = *rect;
  tool.hinst = nullptr;
  tool.lpszText = const_cast<char*>(text);
  ::SendMessageA(tip_window_, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltip::AddTool(const RECT& rect, const std::string& text, UINT id) {
  SendTool(TTM_ADDTOOLA, id, &rect, text.c_str());
}

void Tooltip::AddCallbackTool(const RECT& rect, UINT id) {
  SendTool(TTM_ADDTOOLA, id, &rect, LPSTR_TEXTCALLBACKA);
}

void Tooltip::SetBackColour(COLORREF colour) {
  ::SendMessageA(tip_window_, TTM_SETTIPBKCOLOR, colour, 0);
}

void Tooltip::SetTextColour(COLORREF colour) {
  ::SendMessageA(tip_window_, TTM_SETTIPTEXTCOLOR, colour, 0);
}

void Tooltip::SetMaxWidth(int width) { ::SendMessageA(tip_window_, TTM_SETMAXTIPWIDTH, 0, width); }

void Tooltip::DeleteTool(UINT id) { SendTool(TTM_DELTOOLA, id, nullptr, nullptr); }

void Tooltip::SetToolRect(UINT id, const RECT& rect) {
  SendTool(TTM_NEWTOOLRECTA, id, &rect, nullptr);
}

void Tooltip::SetToolText(UINT id, const std::string& text) {
  SendTool(TTM_UPDATETIPTEXTA, id, nullptr, text.c_str());
}

}  // namespace graphics
