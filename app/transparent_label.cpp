#include "app/transparent_label.h"

#include "platform/handles.h"

namespace app {
namespace {

constexpr UINT kSetTextColour = WM_USER + 1;  // wParam = colour
constexpr UINT kGetTextColour = WM_USER + 2;

struct LabelState {
  COLORREF colour = RGB(0, 0, 0);
  HFONT font = nullptr;           // the font in use (WM_SETFONT does not pass ownership)
  platform::UniqueFont ownFont;   // the font the label was created with
};

LabelState* StateOf(HWND label) {
  return reinterpret_cast<LabelState*>(::GetWindowLongPtrA(label, GWLP_USERDATA));
}

// Has the label's whole rectangle repainted by whatever lies behind it (the
// top-level window and the siblings and containers in between), then by the
// label itself.
void RepaintBehind(HWND label) {
  HWND top = ::GetAncestor(label, GA_ROOT);
  if (!top) return;
  RECT r;
  ::GetWindowRect(label, &r);
  ::MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&r), 2);
  ::RedrawWindow(top, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void OnPaint(HWND label, const LabelState& state) {
  platform::PaintScope paint(label);
  RECT client;
  ::GetClientRect(label, &client);
  int length = ::GetWindowTextLengthA(label);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  length = ::GetWindowTextA(label, text.data(), length + 1);
  platform::SelectScope font(paint.dc(), state.font ? static_cast<HGDIOBJ>(state.font)
                                                     : ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(paint.dc(), TRANSPARENT);
  ::SetTextColor(paint.dc(), state.colour);
  ::DrawTextA(paint.dc(), text.c_str(), length, &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  LabelState* state = StateOf(label);
  switch (message) {
    case WM_NCCREATE:
      ::SetWindowLongPtrA(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new LabelState));
      break;
    case WM_NCDESTROY:
      delete state;
      ::SetWindowLongPtrA(label, GWLP_USERDATA, 0);
      break;
    case WM_ERASEBKGND:
      return 1;  // nothing of its own behind the text
    case WM_PAINT:
      if (state) {
        OnPaint(label, *state);
        return 0;
      }
      break;
    case WM_SETTEXT: {
      LRESULT result = ::DefWindowProcA(label, message, wParam, lParam);
      RepaintBehind(label);
      return result;
    }
    case WM_SETFONT:
      if (state) {
        state->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) RepaintBehind(label);
      }
      return 0;
    case WM_GETFONT:
      return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case kSetTextColour:
      if (state && state->colour != static_cast<COLORREF>(wParam)) {
        state->colour = static_cast<COLORREF>(wParam);
        RepaintBehind(label);
      }
      return 0;
    case kGetTextColour:
      return state ? state->colour : 0;
  }
  return ::DefWindowProcA(label, message, wParam, lParam);
}

}  // namespace

void RegisterTransparentLabelClass(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  if (::GetClassInfoExA(instance, kTransparentLabelClass, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = LabelProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kTransparentLabelClass;
  ::RegisterClassExA(&wc);
}

HWND CreateTransparentLabel(HWND parent, int id, const RECT& b, const std::string& text,
                            int fontHeight, BYTE charset) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  RegisterTransparentLabelClass(instance);
  HWND label = ::CreateWindowExA(WS_EX_TRANSPARENT, kTransparentLabelClass, text.c_str(),
                                 WS_CHILD | WS_VISIBLE, b.left, b.top, b.right - b.left,
                                 b.bottom - b.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                 nullptr);
  if (!label) return nullptr;
  // An empty face name: the platform picks its default face for the charset.
  HFONT font = ::CreateFontA(fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, "");
  if (LabelState* state = StateOf(label)) {
    state->ownFont.reset(font);
    state->font = font;
  }
  return label;
}

void SetLabelTextColour(HWND label, COLORREF colour) {
  ::SendMessageA(label, kSetTextColour, colour, 0);
}

COLORREF GetLabelTextColour(HWND label) {
  return static_cast<COLORREF>(::SendMessageA(label, kGetTextColour, 0, 0));
}

HFONT GetLabelFont(HWND label) {
  return reinterpret_cast<HFONT>(::SendMessageA(label, WM_GETFONT, 0, 0));
}

}  // namespace app
