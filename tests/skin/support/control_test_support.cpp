#include "tests/skin/support/control_test_support.h"

#include <commctrl.h>
#include <objbase.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <sstream>

#include "graphics/bitmap.h"
#include "graphics/solid_fill.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "tests/support/display_capture.h"

namespace control_test {
namespace {

constexpr char kParentClass[] = "SkinControlTestParent";

struct Logged {
  WNDPROC previous = nullptr;
  int who = 0;
};
std::map<HWND, Logged> g_below, g_above;
std::map<HWND, int> g_tags;
std::vector<Msg> g_log;
std::vector<HWND> g_parents;

bool Logs(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_CAPTURECHANGED:
    case WM_SETTEXT:
    case BM_SETSTATE:
    case BM_SETCHECK: return true;
  }
  return false;
}

void Append(const Msg& row) {
  if (row.message == WM_MOUSEMOVE && !g_log.empty()) {
    const Msg& last = g_log.back();
    if (last.message == WM_MOUSEMOVE && last.flags == row.flags && last.who == row.who) return;
  }
  g_log.push_back(row);
}

LRESULT Logging(std::map<HWND, Logged>& loggers, unsigned flag, HWND window, UINT message,
                WPARAM wParam, LPARAM lParam) {
  const Logged entry = loggers[window];
  if (Logs(message)) {
    const UINT state = message == WM_MOUSEMOVE ? 0u : static_cast<UINT>(wParam);
    Append(Msg{message, flag, entry.who, state});
  }
  const LRESULT result = ::CallWindowProcA(entry.previous, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    loggers.erase(window);
    g_tags.erase(window);
  }
  return result;
}

LRESULT CALLBACK BelowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Logging(g_below, kSent, window, message, wParam, lParam);
}

LRESULT CALLBACK AboveProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Logging(g_above, kOuter, window, message, wParam, lParam);
}

int TagOf(HWND control) {
  const auto found = g_tags.find(control);
  return found == g_tags.end() ? -1 : found->second;
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    Append(Msg{WM_DRAWITEM, kParent, TagOf(item->hwndItem), item->itemState});
  } else if (message == WM_COMMAND && lParam) {
    Append(Msg{WM_COMMAND, kParent, TagOf(reinterpret_cast<HWND>(lParam)), HIWORD(wParam)});
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

std::string Name(UINT message) {
  static const std::map<UINT, const char*> names = {{WM_MOUSEMOVE, "WM_MOUSEMOVE"},
                                                    {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
                                                    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
                                                    {WM_LBUTTONUP, "WM_LBUTTONUP"},
                                                    {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
                                                    {WM_PAINT, "WM_PAINT"},
                                                    {WM_ERASEBKGND, "WM_ERASEBKGND"},
                                                    {WM_NCPAINT, "WM_NCPAINT"},
                                                    {WM_SETFOCUS, "WM_SETFOCUS"},
                                                    {WM_KILLFOCUS, "WM_KILLFOCUS"},
                                                    {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
                                                    {WM_SETTEXT, "WM_SETTEXT"},
                                                    {BM_SETSTATE, "BM_SETSTATE"},
                                                    {BM_SETCHECK, "BM_SETCHECK"},
                                                    {WM_DRAWITEM, "WM_DRAWITEM"},
                                                    {WM_COMMAND, "WM_COMMAND"}};
  const auto found = names.find(message);
  if (found != names.end()) return found->second;
  std::ostringstream hex;
  hex << "0x" << std::hex << message;
  return hex.str();
}

std::string Describe(const Msg& m) {
  std::ostringstream text;
  text << "{" << Name(m.message) << ", "
       << (m.flags & kParent  ? "parent"
           : m.flags & kOuter ? "outer"
                              : "sent")
       << (m.flags & kOptional ? "|optional" : "") << ", who " << m.who << ", state 0x" << std::hex
       << m.state << "}";
  return text.str();
}

bool Matches(const Msg& expected, const Msg& actual) {
  const unsigned kind = kSent | kOuter | kParent;
  return expected.message == actual.message && (expected.flags & kind) == (actual.flags & kind) &&
         expected.who == actual.who &&
         (!(expected.flags & kState) || expected.state == actual.state);
}

std::string Dump() {
  std::string text;
  for (const Msg& m : g_log) text += "  " + Describe(m) + "\n";
  return text;
}

void SendButton(DWORD flag) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flag;
  ::SendInput(1, &input, sizeof input);
}

}  // namespace

void LogControl(HWND control, int who, bool above) {
  std::map<HWND, Logged>& loggers = above ? g_above : g_below;
  g_tags[control] = who;
  Logged& entry = loggers[control];
  entry.who = who;
  entry.previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
      control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(above ? AboveProc : BelowProc)));
}

HWND MakeParent(int width, int height, int x, int y) {
  WNDCLASSEXA wc{};
  if (!::GetClassInfoExA(::GetModuleHandleA(nullptr), kParentClass, &wc)) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kParentClass;
    ::RegisterClassExA(&wc);
  }
  HWND window = ::CreateWindowExA(0, kParentClass, "", WS_POPUP, x, y, width, height, nullptr,
                                  nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (window) g_parents.push_back(window);
  return window;
}

void DestroyParents() {
  for (HWND window : g_parents)
    if (::IsWindow(window)) ::DestroyWindow(window);
  g_parents.clear();
  testing_support::PumpFor(0);
}

HWND MakeControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
                 int width, int height, int id) {
  return ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleA(nullptr), nullptr);
}

std::vector<Msg>& Log() { return g_log; }
void ClearLog() { g_log.clear(); }

void ExpectSequence(const std::vector<Msg>& expected, const std::string& context) {
  size_t a = 0;
  for (const Msg& row : expected) {
    if (a < g_log.size() && Matches(row, g_log[a])) {
      ++a;
      continue;
    }
    if (row.flags & kOptional) continue;
    ADD_FAILURE() << context << ": expected " << Describe(row) << ", got "
                  << (a < g_log.size() ? Describe(g_log[a]) : std::string("the end")) << "\nlog:\n"
                  << Dump();
    return;
  }
  if (a < g_log.size())
    ADD_FAILURE() << context << ": unexpected " << Describe(g_log[a]) << "\nlog:\n" << Dump();
}

int CountLogged(UINT message, int who, unsigned flags) {
  int count = 0;
  for (const Msg& m : g_log)
    if (m.message == message && m.who == who && (m.flags & (kSent | kOuter | kParent)) == flags)
      ++count;
  return count;
}

void PointerTo(HWND window, int x, int y, unsigned ms) {
  POINT at{x, y};
  ::ClientToScreen(window, &at);
  ::SetCursorPos(at.x, at.y);
  testing_support::PumpFor(ms);
}

void PointerAway(unsigned ms) {
  ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  testing_support::PumpFor(ms);
}

void LeftDown(unsigned ms) {
  SendButton(MOUSEEVENTF_LEFTDOWN);
  testing_support::PumpFor(ms);
}

void LeftUp(unsigned ms) {
  SendButton(MOUSEEVENTF_LEFTUP);
  testing_support::PumpFor(ms);
}

testing_support::Pixels DrawOnBitmap(int width, int height, COLORREF ground,
                                     const std::function<void(graphics::Graphics&)>& draw) {
  graphics::Bitmap bitmap;
  if (!bitmap.CreateBitmap(width, height)) return {};
  {
    graphics::Graphics g;
    if (!g.GetImageGraphicsContext(bitmap)) return {};
    graphics::SolidFill fill;
    fill.CreateSolidFill(0xFF000000u | (GetRValue(ground) << 16) | (GetGValue(ground) << 8) |
                         GetBValue(ground));
    g.FillRectangleI(fill, 0, 0, width, height);
    draw(g);
  }
  testing_support::Pixels pixels(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Gdiplus::ARGB colour = 0;
      bitmap.BitmapGetPixel(x, y, colour);
      pixels.data()[size_t(y) * width + x] = colour;
    }
  return pixels;
}

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
  surface_ = platform::MemorySurface(
      nullptr, platform::UniqueBitmap(testing_support::MakeDibSection(width, height)));
  platform::UniqueBrush brush(::CreateSolidBrush(fill));
  const RECT all = rect();
  ::FillRect(dc(), &all, brush.get());
}

testing_support::Pixels Canvas::pixels() const {
  return testing_support::CaptureDC(dc(), 0, 0, width_, height_);
}

testing_support::Pixels ControlPixels(HWND control) {
  return testing_support::CaptureClient(control);
}

testing_support::Pixels WindowPixels(HWND control) {
  RECT r{};
  ::GetWindowRect(control, &r);
  platform::WindowDC dc(control, ::GetWindowDC(control));
  return testing_support::CaptureDC(dc.get(), 0, 0, r.right - r.left, r.bottom - r.top);
}

int TooltipWindows() {
  int count = 0;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM counter) -> BOOL {
        char name[64] = {};
        ::GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

testing_support::Pixels CaptureShown(HWND window, const std::string& name) {
  return testing_support::CaptureShown(window, name);
}

}  // namespace control_test
