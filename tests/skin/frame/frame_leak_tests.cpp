// Renders, fades and colour answers, repeated: every GDI and GDI+ object the
// frame makes is given back.
#include <windows.h>

#include <gtest/gtest.h>

#include "graphics/status.h"
#include "platform/handles.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;

TEST(FrameLeaks, FiveHundredRendersAndFadesLeaveTheObjectCountsFlat) {
  skin::SetModuleDefaults();
  Engine().SetOptions(true, 150);
  Engine().SetTheme(
      {},
      QuadrantPng(120, 90, RGB(200, 40, 40), RGB(40, 200, 40), RGB(40, 40, 200), RGB(200, 200, 40)),
      0x000000, 0xFFFFFF, 3);
  HWND window = MakeWindow(512, 394, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  HWND label = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 40, 300, 100, 30, window,
                                 nullptr, nullptr, nullptr);
  HWND button = ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 200, 300, 100, 30,
                                  window, nullptr, nullptr, nullptr);
  const int i = SkinAndShow(window);
  platform::WindowDC labelDC(label);

  auto round = [&](int n) {
    const WPARAM dc = reinterpret_cast<WPARAM>(labelDC.get());
    if (n % 2) {
      Engine().RenderFrame(i);
    } else {
      Record(i).Dirty = true;
      ::InvalidateRect(window, nullptr, FALSE);
      ::UpdateWindow(window);  // a paint that renders and shows the frame
    }
    const int k = 1 + n % 3;
    ::SendMessageA(window, WM_MOUSEMOVE, 0, ButtonCentre(i, k));
    ::SendMessageA(window, WM_MOUSEHOVER, 0, ButtonCentre(i, k));
    ::SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0);
    ::SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0);
    ::SendMessageA(window, WM_MOUSELEAVE, 0, 0);
    ::SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0);
    Engine().DrawCaptionButton(i, k, nullptr, true);
    ::SendMessageA(window, WM_CTLCOLORSTATIC, dc, reinterpret_cast<LPARAM>(label));
    ::SendMessageA(window, WM_CTLCOLORBTN, dc, reinterpret_cast<LPARAM>(button));
    Engine().DrawTitle(i, nullptr, std::string("标题"));
  };

  round(0);  // the frame, its caches and the brushes exist from here on
  round(1);
  const long gdi = platform::LiveGdiObjects();
  const long native = graphics::LiveNativeObjects();
  const long bitmaps = platform::LiveCount(platform::GdiKind::Bitmap);
  for (int n = 0; n < 500; ++n) {
    HBITMAP frame = Record(i).FrameBitmap.get();
    round(n);
    if (n % 2) {
      // A render at the size shown last draws into the same frame bitmap,
      // and the window's property still names it.
      EXPECT_EQ(Record(i).FrameBitmap.get(), frame) << n;
      EXPECT_EQ(::GetPropA(window, skin::prop::Ck_wtjbdx), Record(i).FrameBitmap.get());
    }
    if (n % 100 == 0) {
      EXPECT_EQ(platform::LiveGdiObjects(), gdi) << n;
      EXPECT_EQ(graphics::LiveNativeObjects(), native) << n;
    }
  }
  EXPECT_EQ(platform::LiveGdiObjects(), gdi);
  EXPECT_EQ(platform::LiveCount(platform::GdiKind::Bitmap), bitmaps);
  EXPECT_EQ(graphics::LiveNativeObjects(), native);
  EXPECT_TRUE(skin::Surfaces().empty());

  // Everything the window held goes with it: the frame, its caches, the brush.
  const long held = platform::LiveGdiObjects();
  ::DestroyWindow(window);
  EXPECT_EQ(platform::LiveGdiObjects(), held - 6);
  DestroyTestWindows();
}

}  // namespace
