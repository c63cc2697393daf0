// Slots 3 and 10 to 26 and 36: rendering and showing the frame, its drawing
// steps, the caption buttons' layout, hit test, drawing and actions, the
// frame's mouse handling, the help and menu handlers and the title; and
// every operation that takes a window number, given one that names nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include "graphics/graphics.h"
#include "platform/handles.h"
#include "skin/engine/module_state.h"
#include "tests/skin/engine/slot_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace frame_test;
using namespace slot_test;
using control_test::Canvas;
using testing_support::Pixels;

class EngineFrameAndCaption : public SlotTest {};

constexpr COLORREF kGreen = RGB(0, 255, 0);

// Runs `draw` on a graphics context over `canvas` and flushes it.
template <typename Draw>
void DrawOn(Canvas& canvas, Draw draw) {
  graphics::Graphics g;
  ASSERT_TRUE(g.CreateFromHDC(canvas.dc()));
  draw(g);
  g.Flush(Gdiplus::FlushIntentionSync);
}

void Fill(HDC dc, RECT r, COLORREF colour) {
  platform::UniqueBrush brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &r, brush.get());
}

int CaptionButtonX(int i, int k) { return static_cast<int>(Record(i).CaptionButtons.at(k).Rect.X); }

TEST_F(EngineFrameAndCaption, EveryNumberedOperationIgnoresANumberThatNamesNoWindow) {
  Engine().SetHelpHandler(target_, CountingHandler);
  const WindowSnapshot targetBefore = Snapshot(i_);
  Canvas canvas(300, 200, kGreen);
  const Pixels blank = canvas.pixels();
  const RECT client{0, 0, 300, 200};
  const LPARAM onCaption = MAKELPARAM(150, 12), onBorder = MAKELPARAM(1, 100);
  const HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
  ::SetCursor(arrow);
  SeenMessages().clear();
  SwallowFrameCommands(true);
  for (int n : BadNumbers()) {
    SCOPED_TRACE(n);
    for (int k : {1, 2, 5}) Engine().DoCaptionButton(n, k);
    Engine().RenderFrame(n);
    Engine().RenderFrame(n, canvas.dc());
    Engine().PresentFrame(n, canvas.dc());
    DrawOn(canvas, [&](graphics::Graphics& g) {
      Engine().DrawBackground(g, n);
      Engine().DrawFrameBorder(n, g);
      Engine().DrawButtonSeparators(n, 1, g);
      Engine().DrawCaptionButton(n, 1, &g, false, 255);
      Engine().DrawButtonFace(g, n, 1, 255);
      Engine().DrawTitle(n, &g, std::string("title"));
      Engine().DrawStatusBar(n, &g, 1);
    });
    Engine().RestoreFromCaptionCache(n, client);
    Engine().RestoreFromStatusCache(n, client);
    Engine().DrawCaptionButton(n, 1, nullptr, true);
    Engine().DrawCaptionButton(n, 1, nullptr, false);
    Engine().LayoutCaptionButtons(n);
    EXPECT_EQ(Engine().HitTestCaptionButton(
                  n, static_cast<int>(Record(i_).CaptionButtons.at(1).Rect.X) + 5, 8),
              0);
    EXPECT_EQ(Engine().FindMaxButton(n), 0);
    Engine().OnFrameButtonDown(n, onCaption, client);
    Engine().OnFrameButtonDown(n, onBorder, client);
    Engine().OnFrameMouseMove(n, onBorder, client);
    Engine().DrawTitle(n, nullptr, std::string("title"));
    Engine().SetStatusBar(n, 30);
    Engine().LayoutStatusBar(n);
    Engine().DrawStatusBar(n, nullptr, 1);
    Engine().LayoutDockedChildren(n);
  }
  SwallowFrameCommands(false);
  EXPECT_EQ(ChangedPixels(blank, canvas.pixels()), 0) << "something was drawn";
  EXPECT_TRUE(SeenMessages().empty()) << "a command reached a window";
  EXPECT_EQ(CountCalls(), 0) << "a handler ran";
  EXPECT_EQ(::GetCursor(), arrow);
  EXPECT_EQ(skin::WindowCount(), 2);
  ExpectBystanderUntouched("calls with window numbers that name nothing");
  EXPECT_EQ(Differences(targetBefore, Snapshot(i_)), "");
}

TEST_F(EngineFrameAndCaption, AWindowNotRenderedYetTakesSettingsAndDrawsNothingUntilItsRender) {
  HWND fresh = MakeWindow(260, 180, WS_MINIMIZEBOX, 400, 260);
  skin::SkinWindowOptions o;
  o.statusHeight = 20;
  ASSERT_TRUE(Engine().SkinWindow(fresh, o));
  const int n = skin::FindSkinnedWindow(fresh);
  const skin::SkinnedWindow& w = Record(n);
  ASSERT_FALSE(w.FrameDC);
  Canvas canvas(260, 180, kGreen);
  const Pixels blank = canvas.pixels();
  Engine().PresentFrame(n, canvas.dc());
  Engine().RestoreFromCaptionCache(n, RECT{0, 0, 260, 30});
  Engine().RestoreFromStatusCache(n, RECT{0, 0, 260, 180});
  for (int k = 1; k <= w.CaptionButtons.count(); ++k) {
    Engine().DrawCaptionButton(n, k, nullptr, true);
    Engine().DrawCaptionButton(n, k, nullptr, false);
  }
  Engine().DrawTitle(n, nullptr, std::string("title"));
  Engine().DrawStatusBar(n, nullptr, 1);
  EXPECT_TRUE(Engine().SetTitleFont(fresh, {}, 14));
  EXPECT_TRUE(Engine().SetStatusPanelText(fresh, 1, "text"));
  EXPECT_TRUE(Engine().SetCaptionButtonImages(fresh, SolidPng(26, 18, 0x0000FF)));
  EXPECT_EQ(ChangedPixels(blank, canvas.pixels()), 0);
  EXPECT_FALSE(w.FrameDC) << "something rendered the frame on the way";
  EXPECT_EQ(w.TitleFontSize, 14);
  EXPECT_EQ(w.StatusPanels.at(1).text, "text");
  // The first render draws it all.
  Engine().RenderFrame(n);
  ASSERT_TRUE(w.FrameDC);
  EXPECT_TRUE(Near(FramePixels(n).at(130, 90), 0x808080, 8));
  ExpectBystanderUntouched("work on a window not rendered yet");
}

TEST_F(EngineFrameAndCaption, RenderFrameDrawsTheFrameAfreshAndPresentFrameCopiesIt) {
  skin::SkinnedWindow& w = Record(i_);
  Fill(w.FrameDC.get(), RECT{0, 0, 300, 200}, RGB(0, 0, 0));
  w.Dirty = true;
  Engine().RenderFrame(i_);
  EXPECT_FALSE(w.Dirty);
  const Pixels frame = FramePixels(i_);
  EXPECT_TRUE(Near(frame.at(150, 100), 0x808080, 8));
  EXPECT_EQ(frame.width(), 300);

  Canvas canvas(300, 200, kGreen);
  Engine().PresentFrame(i_, canvas.dc());
  EXPECT_EQ(ChangedPixels(canvas.pixels(), frame), 0);
  Engine().PresentFrame(i_, nullptr);  // no device context: nothing to do
  ExpectBystanderUntouched("rendering the target");
}

TEST_F(EngineFrameAndCaption, DrawingStepsPaintOntoTheContextTheyAreGiven) {
  Canvas background(300, 200, kGreen);
  DrawOn(background, [&](graphics::Graphics& g) { Engine().DrawBackground(g, i_); });
  EXPECT_TRUE(Near(background.pixels().at(150, 100), 0x808080, 8));

  Canvas border(300, 200, kGreen);
  DrawOn(border, [&](graphics::Graphics& g) { Engine().DrawFrameBorder(i_, g); });
  EXPECT_FALSE(Near(border.pixels().at(150, 0), kGreen, 20)) << "no outline at the top";
  EXPECT_EQ(border.pixels().at(150, 100), kGreen);

  // Slot 14: the line left of button k and left of the next one; an index
  // that names no button draws nothing.
  const skin::SkinnedWindow& w = Record(i_);
  Canvas lines(300, 200, kGreen);
  const Pixels blank = lines.pixels();
  DrawOn(lines, [&](graphics::Graphics& g) {
    Engine().DrawButtonSeparators(i_, 0, g);
    Engine().DrawButtonSeparators(i_, w.CaptionButtons.count() + 1, g);
  });
  EXPECT_EQ(ChangedPixels(blank, lines.pixels()), 0);
  DrawOn(lines, [&](graphics::Graphics& g) { Engine().DrawButtonSeparators(i_, 2, g); });
  const Pixels drawn = lines.pixels();
  const int y = w.ButtonsTop + 3;
  EXPECT_FALSE(Near(drawn.at(CaptionButtonX(i_, 2) - 2, y), kGreen, 20));
  EXPECT_FALSE(Near(drawn.at(CaptionButtonX(i_, 3) - 2, y), kGreen, 20));
  EXPECT_EQ(drawn.at(CaptionButtonX(i_, 4) - 2, y), kGreen);
}

TEST_F(EngineFrameAndCaption, RestoringFromTheCachesPutsBackOnlyTheCleanStrip) {
  skin::SkinnedWindow& w = Record(i_);
  HDC frame = w.FrameDC.get();
  ASSERT_TRUE(w.CaptionCacheDC && w.StatusCacheDC);
  const Pixels caption =
      testing_support::CaptureDC(w.CaptionCacheDC.dc(), 0, 0, 300, w.CaptionHeight);
  const int sx = w.StatusRect.x, sy = w.StatusRect.y;
  const Pixels status = testing_support::CaptureDC(w.StatusCacheDC.dc(), 0, 0, w.StatusRect.width,
                                                   w.StatusRect.height);

  Fill(frame, RECT{0, 0, 300, 200}, RGB(255, 0, 255));
  Engine().RestoreFromCaptionCache(i_, RECT{10, 2, 60, 20});
  Engine().RestoreFromStatusCache(i_, RECT{sx + 5, sy + 2, sx + 50, sy + 10});
  // Rectangles outside the strips, empty or upside down restore nothing.
  Engine().RestoreFromCaptionCache(i_, RECT{10, 100, 60, 150});
  Engine().RestoreFromCaptionCache(i_, RECT{60, 20, 10, 2});
  Engine().RestoreFromStatusCache(i_, RECT{10, 40, 60, 80});
  Engine().RestoreFromStatusCache(i_, RECT{sx + 50, sy + 10, sx + 5, sy + 2});
  const Pixels after = FramePixels(i_);
  EXPECT_EQ(after.at(30, 10), caption.at(30, 10));
  EXPECT_EQ(after.at(sx + 20, sy + 5), status.at(20, 5));
  EXPECT_EQ(after.at(100, 10), RGB(255, 0, 255));
  EXPECT_EQ(after.at(30, 120), RGB(255, 0, 255));
  EXPECT_EQ(after.at(30, 60), RGB(255, 0, 255));
  EXPECT_EQ(after.at(sx + 60, sy + 5), RGB(255, 0, 255));
}

TEST_F(EngineFrameAndCaption, CaptionButtonsDrawPressedAndAtRestAndTheirFace) {
  const skin::SkinnedWindow& w = Record(i_);
  const int close = w.CaptionButtons.count();
  const Pixels rest = FramePixels(i_);
  Engine().DrawCaptionButton(i_, 0, nullptr, true);
  Engine().DrawCaptionButton(i_, close + 1, nullptr, true);
  EXPECT_EQ(ChangedPixels(rest, FramePixels(i_)), 0) << "a button that does not exist was drawn";
  Engine().DrawCaptionButton(i_, close, nullptr, true);
  const Pixels pressed = FramePixels(i_);
  EXPECT_GT(ChangedPixels(rest, pressed), 20);
  // Everything drawn stays inside the button's box.
  const int left = CaptionButtonX(i_, close) - 1;
  for (int y = 0; y < pressed.height(); ++y)
    for (int x = 0; x < pressed.width(); ++x)
      if (rest.raw(x, y) != pressed.raw(x, y)) {
        ASSERT_GE(x, left) << "drawn at " << x << ", " << y;
        ASSERT_LE(y, w.ButtonsTop + w.ButtonsHeight) << "drawn at " << x << ", " << y;
      }
  Engine().DrawCaptionButton(i_, close, nullptr, false);
  EXPECT_LE(ChangedPixels(rest, FramePixels(i_)), 4) << "the button did not come back to rest";

  // Slot 18: the hover face, in full, where the button is.
  Canvas canvas(300, 200, kGreen);
  const Pixels blank = canvas.pixels();
  DrawOn(canvas, [&](graphics::Graphics& g) {
    Engine().DrawButtonFace(g, i_, 0, 255);
    Engine().DrawButtonFace(g, i_, close + 1, 255);
  });
  EXPECT_EQ(ChangedPixels(blank, canvas.pixels()), 0);
  DrawOn(canvas, [&](graphics::Graphics& g) { Engine().DrawButtonFace(g, i_, 1, 255); });
  const Pixels face = canvas.pixels();
  EXPECT_FALSE(Near(face.at(CaptionButtonX(i_, 1) + 8, w.ButtonsTop + 3), kGreen, 20));
  EXPECT_EQ(face.at(50, 100), kGreen);
}

TEST_F(EngineFrameAndCaption, LayoutHitTestAndMaximiseButtonFollowTheStrip) {
  skin::SkinnedWindow& w = Record(i_);
  const int count = w.CaptionButtons.count();
  ASSERT_EQ(count, 5);  // help, menu, minimise, maximise, close
  for (skin::CaptionButton& b : w.CaptionButtons) b.Rect = Gdiplus::RectF();
  w.ButtonsLeft = 0;
  Engine().LayoutCaptionButtons(i_);
  EXPECT_EQ(w.ButtonsLeft, 300 - w.ButtonsWidth + 1);
  EXPECT_EQ(w.CaptionButtons.at(count).Rect.Width, 40.0f);
  EXPECT_EQ(w.CaptionButtons.at(1).Rect.X, static_cast<float>(w.ButtonsLeft + 2));
  for (int k = 1; k <= count; ++k) {
    const LPARAM centre = ButtonCentre(i_, k);
    EXPECT_EQ(Engine().HitTestCaptionButton(i_, LOWORD(centre), HIWORD(centre)), k);
  }
  EXPECT_EQ(Engine().HitTestCaptionButton(i_, 20, 10), 0);
  EXPECT_EQ(Engine().HitTestCaptionButton(i_, 150, 100), 0);
  const int max = Engine().FindMaxButton(i_);
  ASSERT_EQ(max, 4);
  EXPECT_EQ(w.CaptionButtons.at(max).Kind, skin::kMaxButton);
  EXPECT_EQ(Engine().FindMaxButton(bystanderNumber_), 0) << "the bystander has no maximise box";
}

TEST_F(EngineFrameAndCaption, FrameMouseDownAndMoveActOnTheirWindowOnly) {
  const RECT client{0, 0, 300, 200};
  SeenMessages().clear();
  SwallowFrameCommands(true);
  Engine().OnFrameButtonDown(i_, MAKELPARAM(150, 12), client);
  Engine().OnFrameButtonDown(i_, MAKELPARAM(1, 100), client);
  Engine().OnFrameButtonDown(i_, ButtonCentre(i_, 1), client);  // the buttons' own
  SwallowFrameCommands(false);
  ASSERT_EQ(SeenMessages().size(), 2u);
  EXPECT_EQ(SeenMessages()[0].message, static_cast<UINT>(WM_NCLBUTTONDOWN));
  EXPECT_EQ(SeenMessages()[0].wParam, static_cast<WPARAM>(HTCAPTION));
  EXPECT_EQ(SeenMessages()[1].message, static_cast<UINT>(WM_SYSCOMMAND));
  EXPECT_EQ(SeenMessages()[1].wParam, static_cast<WPARAM>(SC_SIZE | WMSZ_LEFT));

  const HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
  ::SetCursor(arrow);
  Engine().OnFrameMouseMove(i_, MAKELPARAM(150, 100), client);
  EXPECT_EQ(::GetCursor(), arrow);
  Engine().OnFrameMouseMove(i_, MAKELPARAM(1, 100), client);
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_SIZEWE));
  ::SetCursor(arrow);
  Record(i_).Resizable = false;
  Engine().OnFrameMouseMove(i_, MAKELPARAM(1, 100), client);
  EXPECT_EQ(::GetCursor(), arrow) << "a window that does not resize showed a sizing cursor";
}

TEST_F(EngineFrameAndCaption, HandlersAreStoredOnTheirWindowAndCaptionButtonsRunThem) {
  for (HWND window : NotSkinnedWindows()) {
    Engine().SetHelpHandler(window, CountingHandler);
    Engine().SetMainMenuHandler(window, CountingHandler);
  }
  ExpectBystanderUntouched("handlers given to what is not a skinned window");
  EXPECT_EQ(Record(i_).HelpHandler, nullptr);

  Engine().SetHelpHandler(target_, CountingHandler);
  Engine().SetMainMenuHandler(target_, CountingHandler);
  EXPECT_EQ(Record(i_).HelpHandler, &CountingHandler);
  EXPECT_EQ(Record(i_).MenuHandler, &CountingHandler);
  Engine().DoCaptionButton(i_, 1);  // help
  Engine().DoCaptionButton(i_, 2);  // main menu
  EXPECT_EQ(CountCalls(), 2);
  SeenMessages().clear();
  SwallowFrameCommands(true);
  Engine().DoCaptionButton(i_, 0);
  Engine().DoCaptionButton(i_, 6);
  EXPECT_TRUE(SeenMessages().empty());
  Engine().DoCaptionButton(i_, 5);  // close
  Engine().DoCaptionButton(i_, 3);  // minimise
  SwallowFrameCommands(false);
  ASSERT_EQ(SeenMessages().size(), 2u);
  EXPECT_EQ(SeenMessages()[0].wParam & 0xFFF0, static_cast<WPARAM>(SC_CLOSE));
  EXPECT_EQ(SeenMessages()[1].wParam & 0xFFF0, static_cast<WPARAM>(SC_MINIMIZE));
  EXPECT_EQ(CountCalls(), 2);
  EXPECT_TRUE(::IsWindow(target_));

  // A help button with no handler does nothing.
  Engine().SetHelpHandler(target_, nullptr);
  Engine().DoCaptionButton(i_, 1);
  EXPECT_EQ(CountCalls(), 2);
}

TEST_F(EngineFrameAndCaption, DrawTitleDrawsTheGivenTextInTheCaptionOnly) {
  const skin::SkinnedWindow& w = Record(i_);
  Engine().DrawTitle(i_, nullptr, std::string());
  const Pixels empty = FramePixels(i_);
  Engine().DrawTitle(i_, nullptr, std::string("WWWWWW"));
  const Pixels titled = FramePixels(i_);
  EXPECT_GT(ChangedPixels(empty, titled), 20);
  for (int y = 0; y < titled.height(); ++y)
    for (int x = 0; x < titled.width(); ++x)
      if (empty.raw(x, y) != titled.raw(x, y)) {
        ASSERT_LT(y, w.CaptionHeight) << "drawn at " << x << ", " << y;
        ASSERT_LT(x, w.ButtonsLeft) << "drawn at " << x << ", " << y;
      }
}

TEST_F(EngineFrameAndCaption, GetCaptionButtonsRectReadsTheStripAndRefusesTheRest) {
  for (HWND window : NotSkinnedWindows()) {
    RECT r{-7, -7, -7, -7};
    EXPECT_FALSE(Engine().GetCaptionButtonsRect(window, r));
    EXPECT_EQ(r.left, -7);
    EXPECT_EQ(r.bottom, -7);
  }
  const skin::SkinnedWindow& w = Record(i_);
  RECT r{};
  ASSERT_TRUE(Engine().GetCaptionButtonsRect(target_, r));
  EXPECT_EQ(r.left, w.ButtonsLeft);
  EXPECT_EQ(r.top, w.ButtonsTop);
  EXPECT_EQ(r.right, w.ButtonsLeft + w.ButtonsWidth);
  EXPECT_EQ(r.bottom, w.ButtonsTop + w.ButtonsHeight);
}

}  // namespace
