#include "tests/skin/containers/container_test_support.h"

#include <algorithm>
#include <string>

#include "skin/controls/containers/containers.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"

namespace container_test {
namespace {

using frame_test::Engine;

// One log at a time: hook procedures take no context.
std::vector<HWND> g_watched;
std::vector<MessageLog::Entry> g_entries;
HHOOK g_sentHook = nullptr, g_postedHook = nullptr;

void Note(HWND window, UINT message) {
  if (std::find(g_watched.begin(), g_watched.end(), window) != g_watched.end())
    g_entries.push_back({window, message});
}

LRESULT CALLBACK OnSent(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
    Note(m->hwnd, m->message);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK OnRetrieved(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    const auto* m = reinterpret_cast<const MSG*>(lParam);
    Note(m->hwnd, m->message);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

Canvas::Canvas(int width, int height, COLORREF fill)
    : width_(width),
      height_(height),
      surface_(nullptr, platform::UniqueBitmap(testing_support::MakeDibSection(width, height))) {
  platform::UniqueBrush brush(::CreateSolidBrush(fill));
  RECT all{0, 0, width, height};
  ::FillRect(surface_.dc(), &all, brush.get());
}

Pixels Canvas::Read() const { return testing_support::CaptureDC(dc(), 0, 0, width_, height_); }

MessageLog::MessageLog(std::vector<HWND> watched) {
  g_watched = std::move(watched);
  g_entries.clear();
  const DWORD thread = ::GetCurrentThreadId();
  g_sentHook = ::SetWindowsHookExA(WH_CALLWNDPROC, OnSent, nullptr, thread);
  g_postedHook = ::SetWindowsHookExA(WH_GETMESSAGE, OnRetrieved, nullptr, thread);
}

MessageLog::~MessageLog() {
  ::UnhookWindowsHookEx(g_sentHook);
  ::UnhookWindowsHookEx(g_postedHook);
  g_watched.clear();
}

const std::vector<MessageLog::Entry>& MessageLog::entries() const { return g_entries; }

bool MessageLog::Saw(HWND window, UINT message) const {
  return std::any_of(g_entries.begin(), g_entries.end(),
                     [&](const Entry& e) { return e.window == window && e.message == message; });
}

void MessageLog::Clear() { g_entries.clear(); }

void ContainerTest::SetUp() {
  skin::SetModuleDefaults();
  Engine().SetOptions(true, 150);
  Engine().SetTheme({}, frame_test::SolidPng(64, 48, kGrey), 0x000000, 0xFFFFFF, 3);
  window = frame_test::MakeWindow(400, 300);
  skin::SkinWindowOptions o;
  o.showCaption = false;
  i = frame_test::Skin(window, o);
  ASSERT_GE(i, 1);
}

void ContainerTest::TearDown() {
  frame_test::DestroyTestWindows();
  Engine().SetTheme({}, {}, 0x808080);
  Engine().SetOptions(true);
}

HWND ContainerTest::Child(const char* cls, const char* text, DWORD style, int x, int y, int w,
                          int h, HWND parent, DWORD exStyle) {
  return ::CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                           parent ? parent : window, nullptr, nullptr, nullptr);
}

void ContainerTest::Show() {
  ::ShowWindow(window, SW_SHOWNOACTIVATE);
  ::UpdateWindow(window);
  testing_support::PumpFor(50);
}

skin::ContainerRecord* ContainerTest::Container(HWND container) {
  return skin::RecordOf<&skin::SkinnedWindow::Containers>(container);
}

Pixels ContainerTest::FullPaint(HWND container) {
  RECT client;
  ::GetClientRect(container, &client);
  Canvas canvas(client.right, client.bottom);
  skin::FullPaintContainer(container, canvas.dc());
  return canvas.Read();
}

Pixels ContainerTest::Behind(HWND control) {
  RECT r;
  ::GetWindowRect(control, &r);
  const RECT own{0, 0, r.right - r.left, r.bottom - r.top};
  HDC surface = skin::CaptureParentBackground(control, own);
  if (!surface) return {};
  Pixels p = testing_support::CaptureDC(surface, 0, 0, own.right, own.bottom);
  skin::ReleaseSurface(surface);
  return p;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return testing_support::ColourDistance(a, b) <= tolerance;
}

std::string Rgb(COLORREF c) {
  return "(" + std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
         std::to_string(GetBValue(c)) + ")";
}

}  // namespace container_test
