// The caption-button strip, hit testing and the move / resize zones.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/frame/frame_zones.h"
#include "skin/engine/module_state.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;

class FrameGeometry : public FrameTest {};

TEST_F(FrameGeometry, OneCloseButtonMakesAStrip41Wide) {
  const int W = 300;
  HWND window = MakeWindow(W, 200);
  const int i = Skin(window);
  const skin::SkinnedWindow& w = Record(i);
  ASSERT_EQ(w.CaptionButtons.count(), 1);
  const skin::CaptionButton& close = w.CaptionButtons.at(1);
  EXPECT_EQ(close.Kind, skin::kCloseButton);
  EXPECT_EQ(close.Width, 38);
  EXPECT_EQ(close.Height, 18);
  EXPECT_EQ(close.TipText, "关闭");
  EXPECT_EQ(w.ButtonsWidth, 41);
  EXPECT_EQ(w.ButtonsHeight, 22);
  EXPECT_EQ(w.ButtonsLeft, W - 40);
  EXPECT_EQ(close.Rect.X, W - 38);
  EXPECT_EQ(close.Rect.Y, 1);
  EXPECT_EQ(close.Rect.Width, 40);
  EXPECT_EQ(close.Rect.Height, 18);
  RECT strip{};
  ASSERT_TRUE(Engine().GetCaptionButtonsRect(window, strip));
  EXPECT_EQ(strip.left, W - 40);
  EXPECT_EQ(strip.top, 0);
  EXPECT_EQ(strip.right, W + 1);
  EXPECT_EQ(strip.bottom, 22);
  EXPECT_EQ(Engine().FindMaxButton(i), 0);
}

TEST_F(FrameGeometry, MinimiseMaximiseCloseStandAtWMinus92_65_38) {
  const int W = 400;
  HWND window = MakeWindow(W, 260, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  skin::SkinWindowOptions o;
  o.helpButton = false;
  const int i = Skin(window, o);
  const skin::SkinnedWindow& w = Record(i);
  ASSERT_EQ(w.CaptionButtons.count(), 3);
  EXPECT_EQ(w.ButtonsWidth, 95);
  EXPECT_EQ(w.CaptionButtons.at(1).Kind, skin::kMinButton);
  EXPECT_EQ(w.CaptionButtons.at(2).Kind, skin::kMaxButton);
  EXPECT_EQ(w.CaptionButtons.at(3).Kind, skin::kCloseButton);
  EXPECT_EQ(w.CaptionButtons.at(1).Rect.X, W - 92);
  EXPECT_EQ(w.CaptionButtons.at(2).Rect.X, W - 65);
  EXPECT_EQ(w.CaptionButtons.at(3).Rect.X, W - 38);
  EXPECT_EQ(w.CaptionButtons.at(2).TipText, "最大化");
  EXPECT_EQ(w.CaptionButtons.at(1).TipText, "最小化");
  EXPECT_FALSE(w.CaptionButtons.at(2).AltImage.empty());
  EXPECT_EQ(Engine().FindMaxButton(i), 2);

  // Help and main menu come first when wanted.
  HWND all = MakeWindow(400, 260, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  o.helpButton = true;
  o.menuButton = true;
  const int j = Skin(all, o);
  const skin::SkinnedWindow& a = Record(j);
  ASSERT_EQ(a.CaptionButtons.count(), 5);
  EXPECT_EQ(a.CaptionButtons.at(1).Kind, skin::kHelpButton);
  EXPECT_EQ(a.CaptionButtons.at(2).Kind, skin::kMenuButton);
  EXPECT_EQ(a.ButtonsWidth, 26 * 4 + 38 + 4 + 3);
}

TEST_F(FrameGeometry, HitTestingIsStrictOnEveryEdge) {
  const int W = 400;
  HWND window = MakeWindow(W, 260, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  const int i = Skin(window);
  auto hit = [&](int x, int y) { return Engine().HitTestCaptionButton(i, x, y); };
  // Minimise: Rect x W-92 .. W-66, y 1 .. 19.
  EXPECT_EQ(hit(W - 92, 10), 0);
  EXPECT_EQ(hit(W - 91, 10), 1);
  EXPECT_EQ(hit(W - 67, 10), 1);
  EXPECT_EQ(hit(W - 66, 10), 0);  // its right edge
  EXPECT_EQ(hit(W - 65, 10), 0);  // the maximise button's left edge
  EXPECT_EQ(hit(W - 64, 10), 2);
  EXPECT_EQ(hit(W - 80, 1), 0);
  EXPECT_EQ(hit(W - 80, 2), 1);
  EXPECT_EQ(hit(W - 80, 18), 1);
  EXPECT_EQ(hit(W - 80, 19), 0);
  EXPECT_EQ(hit(W - 37, 10), 3);
  EXPECT_EQ(hit(W - 1, 10), 3);  // the close rectangle runs past the edge
  EXPECT_EQ(hit(W - 200, 10), 0);
  EXPECT_EQ(hit(W - 80, 30), 0);
  EXPECT_EQ(hit(W - 80, -1), 0);
}

TEST_F(FrameGeometry, ResizeZonesTheirCursorsAndCommands) {
  const RECT c{0, 0, 300, 200};
  struct Case {
    int x, y;
    LPCSTR cursor;
    UINT command;
  };
  const Case cases[] = {
      {0, 100, IDC_SIZEWE, 0xF001},     {3, 11, IDC_SIZEWE, 0xF001},
      {297, 100, IDC_SIZEWE, 0xF002},   {300, 189, IDC_SIZEWE, 0xF002},
      {150, 0, IDC_SIZENS, 0xF003},     {11, 3, IDC_SIZENS, 0xF003},
      {150, 197, IDC_SIZENS, 0xF006},   {289, 199, IDC_SIZENS, 0xF006},
      {0, 0, IDC_SIZENWSE, 0xF004},     {10, 10, IDC_SIZENWSE, 0xF004},
      {290, 5, IDC_SIZENESW, 0xF005},   {5, 195, IDC_SIZENESW, 0xF007},
      {295, 195, IDC_SIZENWSE, 0xF008}, {4, 10, IDC_SIZENWSE, 0xF004},
  };
  for (const Case& k : cases) {
    auto zone = skin::ResizeZoneAt(k.x, k.y, c, 3);
    ASSERT_TRUE(zone.has_value()) << k.x << "," << k.y;
    EXPECT_EQ(zone->cursor, k.cursor) << k.x << "," << k.y;
    EXPECT_EQ(zone->command, k.command) << k.x << "," << k.y;
  }
  for (POINT p : {POINT{4, 100}, POINT{150, 4}, POINT{296, 100}, POINT{150, 196}, POINT{11, 11},
                  POINT{150, 100}})
    EXPECT_FALSE(skin::ResizeZoneAt(p.x, p.y, c, 3).has_value()) << p.x << "," << p.y;
}

TEST_F(FrameGeometry, PressesResizeFromBordersAndMoveFromTheCaption) {
  const int W = 300, H = 200;
  HWND window = MakeWindow(W, H);
  const int i = Skin(window);
  SwallowFrameCommands(true);
  auto press = [&](int x, int y) {
    SeenMessages().clear();
    ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    return SeenMessages();
  };
  auto seen = press(1, 100);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_SYSCOMMAND));
  EXPECT_EQ(seen[0].wParam, 0xF001u);
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_SIZEWE));
  EXPECT_TRUE(Record(i).Dirty);
  seen = press(W - 2, 2);  // top-right corner, above the button strip
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].wParam, 0xF005u);
  seen = press(150, 20);  // caption: move
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_NCLBUTTONDOWN));
  EXPECT_EQ(seen[0].wParam, static_cast<WPARAM>(HTCAPTION));
  EXPECT_TRUE(press(150, 100).empty());    // client area below the caption
  EXPECT_TRUE(press(W - 39, 10).empty());  // inside the strip, left of the button
  // The move / size cursor shows over the borders while the mouse moves.
  ::SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(150, H - 1));
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_SIZENS));

  // Not resizable: the caption moves the window, a border does nothing.
  Record(i).Resizable = false;
  EXPECT_TRUE(press(1, 100).empty());
  seen = press(1, 20);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_NCLBUTTONDOWN));
  // No caption: presses are left alone.
  Record(i).ShowCaption = false;
  EXPECT_TRUE(press(150, 20).empty());
}

TEST_F(FrameGeometry, TheStripEdgesForTheFadeTimer) {
  HWND window = MakeWindow(300, 200);
  const skin::SkinnedWindow& w = Record(Skin(window));
  EXPECT_TRUE(skin::IsInButtonStrip(w, w.ButtonsLeft - 2, 0));
  EXPECT_FALSE(skin::IsInButtonStrip(w, w.ButtonsLeft - 3, 0));
  EXPECT_TRUE(skin::IsInButtonStrip(w, w.ButtonsLeft + w.ButtonsWidth, 22));
  EXPECT_FALSE(skin::IsInButtonStrip(w, w.ButtonsLeft + 10, 23));
}

}  // namespace
