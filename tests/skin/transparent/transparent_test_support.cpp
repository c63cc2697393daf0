#include "tests/skin/transparent/transparent_test_support.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "tests/skin/support/control_test_support.h"

namespace transparent_test {
namespace {

using frame_test::Engine;

int g_paints = 0;

void PaintInk(HDC dc, HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  ::FillRect(dc, &kInk, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}

LRESULT CALLBACK ScreenPainterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    ++g_paints;
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(window, &ps);
    PaintInk(dc, window);
    ::EndPaint(window, &ps);
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK DCPainterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    ++g_paints;
    if (wParam) {
      PaintInk(reinterpret_cast<HDC>(wParam), window);
      return 0;
    }
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(window, &ps);
    PaintInk(dc, window);
    ::EndPaint(window, &ps);
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK SilentPainterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT && wParam) {
    ++g_paints;
    return 0;
  }
  return DCPainterProc(window, message, wParam, lParam);
}

void RegisterPainters() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSA c{};
  c.lpfnWndProc = ScreenPainterProc;
  c.hInstance = ::GetModuleHandleA(nullptr);
  c.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  c.lpszClassName = kScreenPainter;
  ::RegisterClassA(&c);
  c.lpfnWndProc = DCPainterProc;
  c.lpszClassName = kDCPainter;
  ::RegisterClassA(&c);
  c.lpfnWndProc = SilentPainterProc;
  c.lpszClassName = kSilentPainter;
  ::RegisterClassA(&c);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&icc);
}

}  // namespace

const char kScreenPainter[] = "TransparentTestScreenPainter";
const char kDCPainter[] = "TransparentTestDCPainter";
const char kSilentPainter[] = "TransparentTestSilentPainter";

int& PaintsSeen() { return g_paints; }

COLORREF Veiled(COLORREF under) {
  auto mix = [](int c) { return (c * (255 - kTranslucency) + 255 * kTranslucency + 127) / 255; };
  return RGB(mix(GetRValue(under)), mix(GetGValue(under)), mix(GetBValue(under)));
}

COLORREF ButtonFace() { return ::GetSysColor(COLOR_BTNFACE); }

void TransparentTest::SetUp() {
  RegisterPainters();
  skin::SetModuleDefaults();
  Engine().SetOptions(true, kTranslucency);
  Engine().SetTheme({}, frame_test::SolidPng(64, 48, kPicture), 0x000000, 0xFFFFFF, 3);
  control_test::PointerAway(0);
  window = frame_test::MakeWindow(440, 330, 0, 40, 40);
  skin::SkinWindowOptions o;
  o.showCaption = false;
  i = frame_test::SkinAndShow(window, o);
  ASSERT_GE(i, 1);
}

void TransparentTest::TearDown() {
  frame_test::DestroyTestWindows();
  Engine().SetTheme({}, {}, 0x808080);
  Engine().SetOptions(true);
}

HWND TransparentTest::Child(const char* cls, const char* text, DWORD style, int x, int y, int w,
                            int h, HWND parent, DWORD exStyle) {
  return ::CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                           parent ? parent : window, nullptr, nullptr, nullptr);
}

HWND TransparentTest::Tab(int x, int y, int w, int h, bool classic) {
  HWND tab = Child(WC_TABCONTROLA, "", WS_CLIPCHILDREN, x, y, w, h);
  if (classic) ::SetWindowTheme(tab, L" ", L" ");
  char first[] = "第一页", second[] = "第二页";
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = first;
  ::SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  item.pszText = second;
  ::SendMessageA(tab, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));
  return tab;
}

HWND TransparentTest::Toolbar(int x, int y, int w, int h, bool classic) {
  HWND bar =
      Child(TOOLBARCLASSNAMEA, "", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, x, y, w, h);
  if (classic) ::SetWindowTheme(bar, L" ", L" ");
  ::SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  const int open = static_cast<int>(
      ::SendMessageA(bar, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>("打开\0保存\0")));
  TBBUTTON buttons[2] = {};
  for (int k = 0; k < 2; ++k) {
    buttons[k].iBitmap = I_IMAGENONE;
    buttons[k].idCommand = 100 + k;
    buttons[k].fsState = TBSTATE_ENABLED;
    buttons[k].fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
    buttons[k].iString = open + k;
  }
  ::SendMessageA(bar, TB_ADDBUTTONSA, 2, reinterpret_cast<LPARAM>(buttons));
  return bar;
}

void TransparentTest::Repaint(HWND control) {
  ::RedrawWindow(control, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  testing_support::PumpFor(30);
}

Pixels TransparentTest::Shown(HWND control) { return control_test::ControlPixels(control); }

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return testing_support::ColourDistance(a, b) <= tolerance;
}

std::string Rgb(COLORREF c) {
  return "(" + std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
         std::to_string(GetBValue(c)) + ")";
}

int ExpectKeyedTwin(const Pixels& keyed, const Pixels& plain, COLORREF key, COLORREF through,
                    const RECT& area) {
  int count = 0, reported = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF twin = plain.at(x, y), seen = keyed.at(x, y);
      const bool isKey = twin == key;
      count += isKey ? 1 : 0;
      const bool ok = isKey ? Near(seen, through) : seen == twin;
      if (!ok && reported++ < 5)
        ADD_FAILURE() << "at " << x << "," << y << ": " << Rgb(seen) << ", twin " << Rgb(twin)
                      << (isKey ? " (key)" : "");
    }
  return count;
}

}  // namespace transparent_test
