#include "app/transparent_label.h"

#include <algorithm>
#include <cstdlib>

#include "platform/handles.h"

namespace app {
namespace {

constexpr UINT kSetTextColour = WM_USER + 1;  // wParam = colour
constexpr UINT kGetTextColour = WM_USER + 2;

// Room kept on each side of the measured text: a glyph's ink may reach a
// little past its advance width, and anti-aliasing adds a pixel.
constexpr int kTextMargin = 4;

struct LabelState {
  COLORREF colour = RGB(0, 0, 0);
  HFONT font = nullptr;          // the font in use (WM_SETFONT does not pass ownership)
  platform::UniqueFont ownFont;  // the font the label was created with
  platform::UniqueFont fitFont;  // a smaller copy of `font` when the text is too wide
  RECT home{};                   // the label's own box, in parent coordinates
  bool placing = false;          // the label is moving itself
};

LabelState* StateOf(HWND label) {
  return reinterpret_cast<LabelState*>(::GetWindowLongPtrA(label, GWLP_USERDATA));
}

std::string TextOf(HWND label) {
  int length = ::GetWindowTextLengthA(label);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  length = ::GetWindowTextA(label, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(length, 0)));
  return text;
}

HGDIOBJ FontOrDefault(HFONT font) {
  return font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT);
}

// The font the text is drawn in: the label's font, or its smaller copy.
HGDIOBJ DrawingFont(const LabelState& state) {
  return state.fitFont ? static_cast<HGDIOBJ>(state.fitFont.get()) : FontOrDefault(state.font);
}

int TextWidth(HDC dc, HGDIOBJ font, const std::string& text) {
  platform::SelectScope select(dc, font);
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// The window's rectangle in its parent's client coordinates.
RECT ParentRect(HWND child) {
  RECT r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// A rectangle of `child`'s parent, in `top`'s client coordinates.
RECT ParentToTop(HWND child, HWND top, RECT r) {
  ::MapWindowPoints(::GetParent(child), top, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The window's rectangle in `top`'s client coordinates.
RECT RectInTop(HWND window, HWND top) {
  RECT r;
  ::GetWindowRect(window, &r);
  ::MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The width of the widest span centred on the label's own box that stays
// visible: inside both the parent's client area and the top-level window's.
int CentredRoom(HWND label, HWND top, const RECT& home) {
  RECT parent, topClient;
  ::GetClientRect(::GetParent(label), &parent);
  ::GetClientRect(top, &topClient);
  parent = ParentToTop(label, top, parent);
  const int left = std::max(parent.left, topClient.left);
  const int right = std::min(parent.right, topClient.right);
  const RECT h = ParentToTop(label, top, home);
  const int centre2 = h.left + h.right;  // twice the centre: odd widths stay exact
  return std::max(0, std::min(centre2 - 2 * left, 2 * right - centre2));
}

// A copy of `font` whose text is at most `room` pixels wide, or none when
// the font fits as it is (or cannot be scaled).
platform::UniqueFont FittingFont(HDC dc, HGDIOBJ font, const std::string& text, int room) {
  int width = TextWidth(dc, font, text);
  LOGFONTA lf{};
  if (width <= room || room <= 0 || !::GetObjectA(font, sizeof lf, &lf)) return {};
  if (lf.lfHeight == 0) {
    TEXTMETRICA tm{};
    platform::SelectScope select(dc, font);
    ::GetTextMetricsA(dc, &tm);
    lf.lfHeight = tm.tmHeight;
  }
  const int sign = lf.lfHeight < 0 ? -1 : 1;
  // Text width grows about in proportion to the height; a rounded-down guess
  // usually fits at once, and each further try is a pixel smaller.
  int height =
      std::max(1, static_cast<int>(static_cast<long long>(std::abs(lf.lfHeight)) * room / width));
  platform::UniqueFont smaller;
  for (; height >= 1; --height) {
    lf.lfHeight = sign * height;
    lf.lfWidth = 0;
    smaller.reset(::CreateFontIndirectA(&lf));
    if (!smaller || TextWidth(dc, smaller.get(), text) <= room) break;
  }
  return smaller;
}

// Has `r` (top-level client coordinates) repainted by whatever lies behind
// it (the top-level window and the siblings and containers in between), then
// by the label itself.
void RepaintBehind(HWND top, const RECT& r) {
  ::RedrawWindow(top, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void RepaintBehind(HWND label) {
  HWND top = ::GetAncestor(label, GA_ROOT);
  if (top) RepaintBehind(top, RectInTop(label, top));
}

// A child window's painting is clipped to the window, so the label's window
// follows its text: it grows about the centre of its own box to the text's
// width (never below the box), as far as the window it sits in allows; text
// wider than that is drawn in a smaller font. The old and the new area are
// then repainted from behind, so nothing of the old text stays.
void FitToText(HWND label, LabelState& state, bool repaint) {
  HWND top = ::GetAncestor(label, GA_ROOT);
  if (!top || top == label) return;
  const std::string text = TextOf(label);
  const int room = CentredRoom(label, top, state.home);

  platform::UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
  if (!dc) return;
  state.fitFont = FittingFont(dc.get(), FontOrDefault(state.font), text, room - 2 * kTextMargin);
  const int homeWidth = state.home.right - state.home.left;
  int width = std::max(homeWidth, TextWidth(dc.get(), DrawingFont(state), text) + 2 * kTextMargin);
  width = std::min(width, std::max(room, homeWidth));
  // Same parity as the box, so that both share one centre pixel-exactly.
  if ((width - homeWidth) % 2) width += width < room ? 1 : -1;

  // Grown by the same amount on both sides of the box.
  const int height = state.home.bottom - state.home.top;
  const RECT wanted = {state.home.left - (width - homeWidth) / 2, state.home.top,
                       state.home.left - (width - homeWidth) / 2 + width, state.home.bottom};
  const RECT before = RectInTop(label, top);
  const RECT now = ParentRect(label);
  if (!::EqualRect(&wanted, &now)) {
    state.placing = true;
    ::SetWindowPos(label, nullptr, wanted.left, wanted.top, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    state.placing = false;
  }
  if (!repaint) return;
  const RECT after = RectInTop(label, top);
  RECT both;
  ::UnionRect(&both, &before, &after);
  RepaintBehind(top, both);
}

void OnPaint(HWND label, const LabelState& state) {
  platform::PaintScope paint(label);
  RECT client;
  ::GetClientRect(label, &client);
  const std::string text = TextOf(label);
  platform::SelectScope font(paint.dc(), DrawingFont(state));
  ::SetBkMode(paint.dc(), TRANSPARENT);
  ::SetTextColor(paint.dc(), state.colour);
  ::DrawTextA(paint.dc(), text.c_str(), static_cast<int>(text.size()), &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
}

// Someone else moved or sized the label: that is its box from now on.
void OnMoved(HWND label, LabelState& state, const WINDOWPOS& pos) {
  if (state.placing || (pos.flags & SWP_NOMOVE && pos.flags & SWP_NOSIZE)) return;
  state.home = ParentRect(label);
  FitToText(label, state, true);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  LabelState* state = StateOf(label);
  switch (message) {
    case WM_NCCREATE: {
      auto* fresh = new LabelState;
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      fresh->home = {create->x, create->y, create->x + create->cx, create->y + create->cy};
      ::SetWindowLongPtrA(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(fresh));
      break;
    }
    case WM_NCDESTROY:
      delete state;
      ::SetWindowLongPtrA(label, GWLP_USERDATA, 0);
      break;
    case WM_ERASEBKGND: return 1;  // nothing of its own behind the text
    case WM_PAINT:
      if (state) {
        OnPaint(label, *state);
        return 0;
      }
      break;
    case WM_WINDOWPOSCHANGED:
      if (state) OnMoved(label, *state, *reinterpret_cast<const WINDOWPOS*>(lParam));
      break;
    case WM_SETTEXT: {
      LRESULT result = ::DefWindowProcA(label, message, wParam, lParam);
      if (state) FitToText(label, *state, true);
      return result;
    }
    case WM_SETFONT:
      if (state) {
        state->font = reinterpret_cast<HFONT>(wParam);
        FitToText(label, *state, LOWORD(lParam) != 0);
      }
      return 0;
    case WM_GETFONT: return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case kSetTextColour:
      if (state && state->colour != static_cast<COLORREF>(wParam)) {
        state->colour = static_cast<COLORREF>(wParam);
        RepaintBehind(label);
      }
      return 0;
    case kGetTextColour: return state ? state->colour : 0;
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
  HWND label = ::CreateWindowExA(
      WS_EX_TRANSPARENT, kTransparentLabelClass, text.c_str(), WS_CHILD | WS_VISIBLE, b.left, b.top,
      b.right - b.left, b.bottom - b.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      instance, nullptr);
  if (!label) return nullptr;
  // An empty face name: the platform picks its default face for the charset.
  platform::UniqueFont font(::CreateFontA(fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                          charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, ""));
  if (LabelState* state = StateOf(label)) {
    state->font = font.get();
    state->ownFont = std::move(font);
    FitToText(label, *state, false);  // the new window is painted whole when shown
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
