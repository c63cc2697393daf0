// The frame procedure: hover fades, presses, caption-button actions and the
// messages it answers itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/frame/frame_zones.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;

class FrameBehaviour : public FrameTest {
 protected:
  // The mouse arrives at (x, y) the way TrackMouseEvent reports it: a move,
  // then the hover notice (posted moves never raise one).
  void MoveTo(HWND window, LPARAM at) {
    ::SendMessageA(window, WM_MOUSEMOVE, 0, at);
    ::SendMessageA(window, WM_MOUSEHOVER, 0, at);
  }
  void Tick(HWND window) { ::SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0); }
  // Distance of a point inside button k from the way it looked at rest.
  int Glow(int i, int k, const testing_support::Pixels& rest) {
    const int x = static_cast<int>(Record(i).CaptionButtons.at(k).Rect.X) + 2;
    return testing_support::ColourDistance(FramePixels(i).at(x, 3), rest.at(x, 3));
  }
};

TEST_F(FrameBehaviour, HoverFadesInAndTheLastButtonFadesOutAtTwentyMillisecondTicks) {
  HWND window = MakeWindow(400, 260, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  const int i = Skin(window);
  Engine().RenderFrame(i);
  const testing_support::Pixels rest = FramePixels(i);
  skin::SkinnedWindow& w = Record(i);

  MoveTo(window, ButtonCentre(i, 1));
  EXPECT_EQ(Engine().HotButton, 1);
  EXPECT_TRUE(w.MouseTracking);
  EXPECT_TRUE(w.FadeTimerOn);
  EXPECT_EQ(w.FadeIn.button, 1);
  EXPECT_EQ(w.FadeIn.step, 0);
  int glow = 0;
  for (int step = 1; step <= 8; ++step) {
    Tick(window);
    EXPECT_EQ(w.FadeIn.step, step);  // alpha step x 30: 30 .. 240
    const int now = Glow(i, 1, rest);
    EXPECT_GT(now, glow) << "step " << step;
    glow = now;
  }
  Tick(window);
  EXPECT_EQ(w.FadeIn.step, 8);  // the fade-in holds at 240

  // On to the close button: minimise fades out while close fades in.
  MoveTo(window, ButtonCentre(i, 3));
  EXPECT_EQ(w.FadeOut.button, 1);
  EXPECT_EQ(w.FadeIn.button, 3);
  std::vector<int> in, out;
  int closeGlow = 0;
  for (int step = 1; step <= 8; ++step) {
    Tick(window);
    in.push_back(w.FadeIn.step * 30);
    out.push_back(240 - w.FadeOut.step * 30);
    const int now = Glow(i, 3, rest);
    EXPECT_GT(now, closeGlow) << "step " << step;
    closeGlow = now;
    if (step < 8) {
      EXPECT_LT(Glow(i, 1, rest), glow) << "step " << step;
    }
    glow = Glow(i, 1, rest);
  }
  EXPECT_EQ(in, (std::vector<int>{30, 60, 90, 120, 150, 180, 210, 240}));
  EXPECT_EQ(out, (std::vector<int>{210, 180, 150, 120, 90, 60, 30, 0}));
  EXPECT_LE(Glow(i, 1, rest), 2);  // back at rest
  EXPECT_TRUE(w.FadeTimerOn);

  // Leaving the window fades the lit button out, then the timer stops.
  ::SendMessageA(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(w.MouseTracking);
  EXPECT_EQ(w.FadeOut.button, 3);
  EXPECT_EQ(w.LastHotButton, 0);
  for (int step = 1; step <= 7; ++step) {
    Tick(window);
    EXPECT_EQ(w.FadeOut.step, step);
  }
  Tick(window);
  EXPECT_FALSE(w.FadeTimerOn);
  EXPECT_EQ(w.FadeOut.button, 0);
  EXPECT_EQ(w.FadeIn.button, 0);
  EXPECT_FALSE(::KillTimer(window, reinterpret_cast<UINT_PTR>(window)));  // already stopped
  EXPECT_LE(Glow(i, 3, rest), 2);
}

TEST_F(FrameBehaviour, ANewHoverFinishesTheFadeOutAtOnce) {
  HWND window = MakeWindow(400, 260, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  const int i = Skin(window);
  Engine().RenderFrame(i);
  const testing_support::Pixels rest = FramePixels(i);
  MoveTo(window, ButtonCentre(i, 1));
  for (int n = 0; n < 8; ++n) Tick(window);
  MoveTo(window, ButtonCentre(i, 2));
  Tick(window);  // minimise at 210
  EXPECT_GT(Glow(i, 1, rest), 10);
  MoveTo(window, ButtonCentre(i, 3));
  EXPECT_LE(Glow(i, 1, rest), 2);  // drawn plain at once
  EXPECT_EQ(Record(i).FadeOut.button, 2);
  // Outside the strip the timer is let go once the fade-out is over.
  ::SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(100, 150));
  EXPECT_FALSE(Record(i).FadeTimerOn);
  for (int n = 0; n < 8; ++n) Tick(window);
  EXPECT_EQ(Record(i).FadeOut.button, 0);
  EXPECT_FALSE(::KillTimer(window, reinterpret_cast<UINT_PTR>(window)));
}

TEST_F(FrameBehaviour, AButtonLitBeforeAnyHoverNoticeStillFadesOutWhenThePointerMovesOn) {
  // The platform's hover notice comes only once the pointer rests: a pointer
  // that keeps moving over a button brings moves alone.
  HWND window = MakeWindow(400, 260, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  const int i = Skin(window);
  Engine().RenderFrame(i);
  const testing_support::Pixels rest = FramePixels(i);
  skin::SkinnedWindow& w = Record(i);
  ::SendMessageA(window, WM_MOUSEMOVE, 0, ButtonCentre(i, 3));
  ASSERT_FALSE(w.MouseTracking);
  for (int step = 1; step <= 8; ++step) {
    Tick(window);
    EXPECT_EQ(w.FadeIn.step, step);
  }
  EXPECT_EQ(w.LastHotButton, 3);
  EXPECT_GT(Glow(i, 3, rest), 40);
  ::SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(100, 10));  // the caption, off the strip
  EXPECT_EQ(w.FadeOut.button, 3);
  for (int n = 0; n < 8; ++n) Tick(window);
  EXPECT_LE(Glow(i, 3, rest), 2);
  EXPECT_FALSE(w.FadeTimerOn);
  EXPECT_EQ(w.FadeOut.button, 0);
  EXPECT_FALSE(::KillTimer(window, reinterpret_cast<UINT_PTR>(window)));
}

TEST_F(FrameBehaviour, CloseButtonClickClosesTheWindow) {
  HWND window = MakeWindow(300, 200);
  const int i = Skin(window);
  const LPARAM centre = ButtonCentre(i, 1);
  ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  EXPECT_EQ(Engine().HotButton, 1);
  EXPECT_TRUE(::IsWindow(window));
  ::SendMessageA(window, WM_LBUTTONUP, 0, centre);
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(skin::FindSkinnedWindow(window), 0);
}

TEST_F(FrameBehaviour, MaximiseFillsTheScreenAboveTheTaskbarAndRestoreGoesBack) {
  HWND window = MakeWindow(300, 200, WS_MAXIMIZEBOX, 70, 80);
  const int i = SkinAndShow(window);
  const int k = Engine().FindMaxButton(i);
  ASSERT_EQ(k, 1);
  Engine().DoCaptionButton(i, k);
  testing_support::PumpFor(30);
  skin::SkinnedWindow& w = Record(i);
  EXPECT_TRUE(w.Maximised);
  EXPECT_FALSE(w.Minimised);
  EXPECT_TRUE(::IsZoomed(window));
  RECT r;
  ::GetWindowRect(window, &r);
  // No taskbar under this display (no shell): the whole screen.
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(r.bottom, ::GetSystemMetrics(SM_CYSCREEN) - skin::TaskbarHeight());
  // The strip follows the new width.
  EXPECT_EQ(w.CaptionButtons.at(2).Rect.X, ::GetSystemMetrics(SM_CXSCREEN) - 38);
  MINMAXINFO info{};
  ::SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  EXPECT_EQ(info.ptMinTrackSize.y, 150);
  EXPECT_EQ(info.ptMaxTrackSize.y, ::GetSystemMetrics(SM_CYSCREEN) - skin::TaskbarHeight());

  Engine().DoCaptionButton(i, k);
  testing_support::PumpFor(30);
  EXPECT_FALSE(Record(i).Maximised);
  EXPECT_FALSE(::IsZoomed(window));
  ::GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 70);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 200);
  EXPECT_EQ(Record(i).CaptionButtons.at(2).Rect.X, 300 - 38);
}

TEST_F(FrameBehaviour, MinimiseAndTheWaysBackFromIt) {
  HWND window = MakeWindow(300, 200, WS_MINIMIZEBOX);
  const int i = SkinAndShow(window);
  Engine().DoCaptionButton(i, 1);
  testing_support::PumpFor(30);
  EXPECT_TRUE(Record(i).Minimised);
  EXPECT_TRUE(::IsIconic(window));
  ::SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
  testing_support::PumpFor(30);
  EXPECT_FALSE(Record(i).Minimised);
  EXPECT_FALSE(::IsIconic(window));
  Record(i).Minimised = true;
  ::SendMessageA(window, WM_QUERYOPEN, 0, 0);
  EXPECT_FALSE(Record(i).Minimised);
}

TEST_F(FrameBehaviour, DoubleClickInTheCaptionTogglesMaximiseOnlyWithAMaximiseButton) {
  SwallowFrameCommands(true);
  HWND plain = MakeWindow(300, 200);
  const int p = Skin(plain);
  ::SendMessageA(plain, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 10));
  EXPECT_TRUE(SeenMessages().empty());
  EXPECT_FALSE(Record(p).Maximised);

  HWND window = MakeWindow(300, 200, WS_MAXIMIZEBOX);
  const int i = Skin(window);
  ::SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 10));
  ASSERT_EQ(SeenMessages().size(), 1u);
  EXPECT_EQ(SeenMessages()[0].wParam, static_cast<WPARAM>(SC_MAXIMIZE));
  EXPECT_TRUE(Record(i).Maximised);
  ::SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 24));
  ASSERT_EQ(SeenMessages().size(), 2u);
  EXPECT_EQ(SeenMessages()[1].wParam, static_cast<WPARAM>(SC_RESTORE));
  EXPECT_FALSE(Record(i).Maximised);
  ::SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 26));  // below the caption
  EXPECT_EQ(SeenMessages().size(), 2u);
  Record(i).Resizable = false;
  ::SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 10));
  EXPECT_EQ(SeenMessages().size(), 2u);
}

int g_help = 0, g_menu = 0, g_deactivated = 0;

TEST_F(FrameBehaviour, HelpAndMenuButtonsRunTheirHandlers) {
  HWND window = MakeWindow(300, 200);
  skin::SkinWindowOptions o;
  o.helpButton = true;
  o.menuButton = true;
  const int i = Skin(window, o);
  Engine().DoCaptionButton(i, 1);  // no handlers yet: nothing
  Engine().DoCaptionButton(i, 2);
  Engine().SetHelpHandler(window, [] { ++g_help; });
  Engine().SetMainMenuHandler(window, [] { ++g_menu; });
  Engine().DoCaptionButton(i, 1);
  Engine().DoCaptionButton(i, 2);
  Engine().DoCaptionButton(i, 2);
  EXPECT_EQ(g_help, 1);
  EXPECT_EQ(g_menu, 2);
  Engine().DoCaptionButton(i, 9);  // out of range: nothing
  EXPECT_TRUE(::IsWindow(window));
}

TEST_F(FrameBehaviour, DeactivationRunsTheHandlerAndSizesMarkTheFrame) {
  HWND window = MakeWindow(300, 200);
  const int i = Skin(window);
  const skin::DeactivationHandler previous = skin::GetDeactivationHandler();
  skin::SetDeactivationHandler([] { ++g_deactivated; });
  ::SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
  ::SendMessageA(window, WM_ACTIVATEAPP, TRUE, 0);
  skin::SetDeactivationHandler(previous);
  EXPECT_EQ(g_deactivated, 1);

  skin::Module.FirstSizePending = true;
  Record(i).Dirty = true;
  ::SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
  EXPECT_FALSE(Record(i).Dirty);
  EXPECT_FALSE(skin::Module.FirstSizePending);
  ::SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
  EXPECT_TRUE(Record(i).Dirty);
  ::SendMessageA(window, WM_PAINT, 0, 0);
  EXPECT_FALSE(Record(i).Dirty);  // the paint rendered it
  EXPECT_EQ(::SendMessageA(window, WM_ERASEBKGND,
                           reinterpret_cast<WPARAM>(platform::WindowDC(window).get()), 0),
            1);
}

TEST_F(FrameBehaviour, ResizingThroughThePlatformLaysTheStripOutAgain) {
  HWND window = MakeWindow(300, 200);
  const int i = Skin(window);
  ::SetWindowPos(window, nullptr, 0, 0, 360, 240, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Record(i).ButtonsLeft, 360 - 40);
  EXPECT_TRUE(Record(i).Dirty);
  ::SendMessageA(window, WM_PAINT, 0, 0);
  EXPECT_FALSE(Record(i).Dirty);  // repainted at the new size
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  ::GetWindowRgn(window, region);
  RECT box;
  ::GetRgnBox(region, &box);
  ::DeleteObject(region);
  EXPECT_EQ(box.right, 360);
  EXPECT_EQ(box.bottom, 240);
}

}  // namespace
