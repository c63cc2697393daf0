#include "tests/skin/support/frame_test_support.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "app/globals.h"
#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "graphics/image_codecs.h"
#include "graphics/solid_fill.h"
#include "graphics/status.h"
#include "platform/handles.h"
#include "skin/frame/frame_space.h"

namespace frame_test {
namespace {

constexpr char kClassName[] = "SkinFrameTestWindow";
constexpr char kChildClassName[] = "SkinFrameTestBlackChild";
std::vector<Seen> g_seen;
bool g_swallow = false;
std::vector<HWND> g_windows;

bool IsFrameCommand(UINT message, WPARAM wParam) {
  if (message == WM_NCLBUTTONDOWN) return true;
  if (message != WM_SYSCOMMAND) return false;
  const WPARAM code = wParam & 0xFFF0;
  return code == SC_SIZE || code == SC_MOVE || code == SC_MAXIMIZE || code == SC_MINIMIZE ||
         code == SC_RESTORE || code == SC_CLOSE;
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsFrameCommand(message, wParam)) {
    g_seen.push_back(Seen{message, wParam});
    if (g_swallow) return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

void RegisterTestClass() {
  WNDCLASSEXA wc{};
  if (::GetClassInfoExA(::GetModuleHandleA(nullptr), kClassName, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = TestWindowProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  ::RegisterClassExA(&wc);
  wc.style = 0;
  wc.lpfnWndProc = ::DefWindowProcA;
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = kChildClassName;
  ::RegisterClassExA(&wc);
}

std::vector<uint8_t> Png(const graphics::Bitmap& bitmap) {
  return bitmap.SaveToStream(std::string(graphics::kImageFormatPng));
}

Gdiplus::ARGB Argb(COLORREF c) {
  return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

}  // namespace

skin::SkinEngine& Engine() {
  if (!app::SkinEngine) app::SkinEngine = std::make_unique<skin::SkinEngine>();
  return *app::SkinEngine;
}

HWND MakeWindow(int width, int height, DWORD extraStyle, int x, int y) {
  RegisterTestClass();
  HWND window = ::CreateWindowExA(0, kClassName, "", WS_POPUP | extraStyle, x, y, width, height,
                                  nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (window) g_windows.push_back(window);
  return window;
}

HWND MakeBlackChild(HWND parent, int x, int y, int width, int height, DWORD exStyle) {
  RegisterTestClass();
  return ::CreateWindowExA(exStyle, kChildClassName, "", WS_CHILD | WS_VISIBLE, x, y, width, height,
                           parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

int Skin(HWND window, const skin::SkinWindowOptions& options) {
  Engine().SkinWindow(window, options);
  const int i = skin::FindSkinnedWindow(window);
  Engine().RenderFrame(i);
  return i;
}

int SkinAndShow(HWND window, const skin::SkinWindowOptions& options) {
  Engine().SkinWindow(window, options);
  ::ShowWindow(window, SW_SHOWNOACTIVATE);
  ::UpdateWindow(window);
  testing_support::PumpFor(30);
  return skin::FindSkinnedWindow(window);
}

skin::SkinnedWindow& Record(int i) {
  if (skin::SkinnedWindow* w = skin::WindowRecord(i)) return *w;
  // A test that lost its window fails here instead of crashing.
  ADD_FAILURE() << "no skinned window number " << i;
  static skin::SkinnedWindow none;
  return none;
}

std::vector<Seen>& SeenMessages() { return g_seen; }
void SwallowFrameCommands(bool on) { g_swallow = on; }

testing_support::Pixels FramePixels(int i) {
  skin::SkinnedWindow* w = skin::WindowRecord(i);
  if (!w || !w->FrameDC) return {};
  const SIZE size = skin::FrameSize(*w);
  return testing_support::CaptureDC(w->FrameDC.get(), 0, 0, size.cx, size.cy);
}

int Differing(const testing_support::Pixels& a, const testing_support::Pixels& b) {
  if (a.width() != b.width() || a.height() != b.height()) return a.width() * a.height() + 1;
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.at(x, y) != b.at(x, y);
  return n;
}

std::vector<uint8_t> SolidPng(int width, int height, COLORREF colour) {
  return QuadrantPng(width, height, colour, colour, colour, colour);
}

std::vector<uint8_t> QuadrantPng(int width, int height, COLORREF topLeft, COLORREF topRight,
                                 COLORREF bottomLeft, COLORREF bottomRight) {
  graphics::Bitmap bitmap;
  if (!bitmap.CreateBitmap(width, height)) return {};
  const int hw = width / 2, hh = height / 2;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      COLORREF c = y < hh ? (x < hw ? topLeft : topRight) : (x < hw ? bottomLeft : bottomRight);
      bitmap.BitmapSetPixel(x, y, Argb(c));
    }
  return Png(bitmap);
}

void DrainMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    if (msg.message != WM_QUIT) ::DispatchMessageA(&msg);
}

void DestroyTestWindows() {
  for (HWND w : g_windows)
    if (::IsWindow(w)) ::DestroyWindow(w);
  g_windows.clear();
  DrainMessages();
}

LPARAM ButtonCentre(int i, int k) {
  const Gdiplus::RectF& r = Record(i).CaptionButtons.at(k).Rect;
  return MAKELPARAM(static_cast<int>(r.X + r.Width / 2), static_cast<int>(r.Y + r.Height / 2));
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return testing_support::ColourDistance(a, b) <= tolerance;
}

void GlidePointer(POINT to, int steps, unsigned msPerStep) {
  POINT from;
  ::GetCursorPos(&from);
  const int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
  for (int n = 1; n <= steps; ++n) {
    const int x = from.x + (to.x - from.x) * n / steps, y = from.y + (to.y - from.y) * n / steps;
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute positions are in 65536ths of the screen; rounded up so that
    // the pixel reached is the one asked for.
    input.mi.dx = (x * 65536 + sw - 1) / sw;
    input.mi.dy = (y * 65536 + sh - 1) / sh;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
    testing_support::PumpFor(msPerStep);
  }
}

bool PumpUntil(const std::function<bool()>& done, unsigned ms) {
  const ULONGLONG end = ::GetTickCount64() + ms;
  while (!done()) {
    if (::GetTickCount64() >= end) return false;
    testing_support::PumpFor(10);
  }
  return true;
}

int ButtonGlow(int i, int k, const testing_support::Pixels& now,
               const testing_support::Pixels& rest) {
  const int x = static_cast<int>(Record(i).CaptionButtons.at(k).Rect.X) + 3;
  return testing_support::ColourDistance(now.at(x, 4), rest.at(x, 4));
}

void ExpectButtonRestsAfterLeaving(int i, int k, HWND tip, const testing_support::Pixels& rest,
                                   POINT to, int steps) {
  const ULONGLONG start = ::GetTickCount64();
  GlidePointer(to, steps, 15);
  const bool back = PumpUntil(
      [&] {
        return !::IsWindowVisible(tip) && ButtonGlow(i, k, FramePixels(i), rest) <= 2 &&
               Record(i).FadeOut.button == 0;
      },
      1000);
  const ULONGLONG took = ::GetTickCount64() - start;
  EXPECT_TRUE(back && took < 1000)
      << "the caption button stayed lit and the tip up for " << took << " ms";
}

void ExpectCountsStayFlat(int rounds, const std::function<void(int)>& round) {
  round(0);
  round(1);
  const long gdi = platform::LiveGdiObjects();
  const long native = graphics::LiveNativeObjects();
  const int quarter = rounds >= 4 ? rounds / 4 : 1;
  for (int n = 0; n < rounds; ++n) {
    round(n);
    if (n % quarter == 0 || n == rounds - 1) {
      ASSERT_EQ(platform::LiveGdiObjects(), gdi) << "after round " << n;
      ASSERT_EQ(graphics::LiveNativeObjects(), native) << "after round " << n;
      ASSERT_TRUE(skin::Surfaces().empty()) << "after round " << n;
    }
  }
}

void FrameTest::SetUp() {
  skin::SetModuleDefaults();
  Engine().SetOptions(true);
  Engine().SetTheme({}, {}, 0x808080);
  SeenMessages().clear();
}

void FrameTest::TearDown() {
  SwallowFrameCommands(false);
  DestroyTestWindows();
}

}  // namespace frame_test
