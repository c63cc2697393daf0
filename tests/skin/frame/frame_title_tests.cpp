// The title in the caption: drawn on its own when the text changes, kept out
// of the caption-button strip, copied whole to the window, and only drawn
// when the window shows a title.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using testing_support::OutputPath;
using testing_support::Pixels;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
// Long enough to run past the title box's width into its second line.
const char kLongTitle[] =
    "点名点名点名点名点名点名点名点名点名点名点名点名点名点名点名点名点名点名";

// Pixels of `a` and `b` that differ inside `r`.
int Differences(const Pixels& a, const Pixels& b, const RECT& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += a.raw(x, y) != b.raw(x, y);
  return n;
}

RECT Whole(const Pixels& p) { return RECT{0, 0, p.width(), p.height()}; }

class FrameTitle : public FrameTest {
 protected:
  // A 400 x 260 window with minimise, maximise and close, its frame rendered
  // with no title text yet; shown only when the test looks at the window.
  int TitledWindow(const skin::SkinWindowOptions& options = {}, bool shown = false) {
    window_ = MakeWindow(400, 260, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    const int i = shown ? SkinAndShow(window_, options) : Skin(window_, options);
    Engine().RenderFrame(i);
    return i;
  }
  // Icon, text box and halo, up to the caption-button strip.
  RECT TitleArea(int i) const { return RECT{9, 5, Record(i).ButtonsLeft, 41}; }
  HWND window_ = nullptr;
};

TEST_F(FrameTitle, ANewTitleLeavesTheCaptionButtonsAsTheyWere) {
  const int i = TitledWindow();
  const skin::SkinnedWindow& w = Record(i);
  ASSERT_EQ(w.ButtonsLeft, 400 - 95 + 1);
  const Pixels before = FramePixels(i);
  ::SetWindowTextA(window_, kLongTitle);  // the frame draws the title on its own
  const Pixels after = FramePixels(i);
  after.SavePng(OutputPath("title_long.png"));
  const RECT strip{w.ButtonsLeft, 0, 400, w.ButtonsTop + w.ButtonsHeight};
  EXPECT_EQ(Differences(before, after, strip), 0);
  // The title was drawn, up to the strip.
  EXPECT_GT(Differences(before, after, TitleArea(i)), 100);
  EXPECT_GT(Differences(before, after, RECT{w.ButtonsLeft - 24, 5, w.ButtonsLeft, 41}), 0);

  // A shorter title repaints the box from the clean caption, still not the buttons.
  ::SetWindowTextA(window_, "点名");
  const Pixels shorter = FramePixels(i);
  EXPECT_EQ(Differences(before, shorter, strip), 0);
  EXPECT_EQ(Differences(before, shorter, RECT{80, 5, w.ButtonsLeft, w.CaptionHeight}), 0);
  EXPECT_GT(Differences(before, shorter, RECT{29, 5, 60, 41}), 0);
}

TEST_F(FrameTitle, TheWholeTitleBoxReachesTheWindow) {
  const int i = TitledWindow({}, true);
  // Paint the window magenta behind the engine's back: what the title copies
  // to the window shows through.
  {
    platform::WindowDC dc(window_);
    RECT client;
    ::GetClientRect(window_, &client);
    platform::UniqueBrush magenta(::CreateSolidBrush(kMagenta));
    ::FillRect(dc.get(), &client, magenta.get());
  }
  ::SetWindowTextA(window_, kLongTitle);
  const Pixels frame = FramePixels(i);
  const Pixels screen = testing_support::CaptureClient(window_);
  screen.SavePng(OutputPath("title_on_screen.png"));
  const RECT area = TitleArea(i);
  EXPECT_EQ(Differences(frame, screen, area), 0);
  EXPECT_EQ(screen.at(area.left - 1, 20), kMagenta);  // nothing beyond it
  EXPECT_EQ(screen.at(area.left, area.bottom), kMagenta);
}

TEST_F(FrameTitle, TitleFontRedrawsOnlyAShownTitle) {
  // ShowTitle 0, and ShowCaption 0: the title font changes no pixel.
  for (const bool showCaption : {true, false}) {
    SCOPED_TRACE(showCaption ? "no title" : "no caption");
    skin::SkinWindowOptions o;
    o.showTitle = !showCaption;
    o.showCaption = showCaption;
    const int i = TitledWindow(o);
    ::SetWindowTextA(window_, "点名");
    const Pixels frame = FramePixels(i);
    EXPECT_TRUE(Engine().SetTitleFont(window_, std::string("宋体"), 20, 0x0000FF, 0x00FF00, 1));
    EXPECT_EQ(Differences(frame, FramePixels(i), Whole(frame)), 0);
    EXPECT_EQ(Record(i).TitleFontSize, 20);  // kept for the next render
    DestroyTestWindows();
  }

  // A shown title takes the new font and colour at once.
  const int i = TitledWindow();
  ::SetWindowTextA(window_, "点名");
  EXPECT_TRUE(Engine().SetTitleFont(window_, std::string("宋体"), 20, 0x0000FF, 0x00FF00, 1));
  const Pixels red = FramePixels(i);
  red.SavePng(OutputPath("title_red.png"));
  int reddish = 0;
  for (int y = 5; y < 41; ++y)
    for (int x = 29; x < 80; ++x) {
      const COLORREF c = red.at(x, y);
      reddish += GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60;
    }
  EXPECT_GT(reddish, 20);
}

}  // namespace
