// A size that is still changing (a border dragged, a maximise or restore
// under way) draws its picture with a fast filter; once the size settles the
// frame is drawn again at full quality, equal to a window made at that size.
// The pixels kept for a frame stay bounded, and a frame of the size shown
// last is drawn into the bitmap it already has.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/handles.h"
#include "skin/engine/properties.h"
#include "skin/frame/frame_layer_ops.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using testing_support::Pixels;

constexpr int kW = 360, kH = 260;

class FrameLiveResize : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    // Stretched over the frame (mode 3): a fast filter and the full one
    // differ where the quadrants meet.
    Engine().SetTheme({},
                      QuadrantPng(90, 70, RGB(200, 40, 40), RGB(40, 200, 40), RGB(40, 40, 200),
                                  RGB(200, 200, 40)),
                      0x405060, 0x30A0E0, 3);
  }
  void TearDown() override {
    SwallowFrameCommands(false);
    FrameTest::TearDown();
  }
  static int Make(int width = kW, int height = kH) {
    skin::SkinWindowOptions o;
    o.captionHeight = 30;
    return Skin(MakeWindow(width, height, WS_MINIMIZEBOX | WS_MAXIMIZEBOX), o);
  }
  static HWND Hwnd(int i) { return Record(i).Hwnd; }
  static void Resize(int i, int width, int height) {
    ::SetWindowPos(Hwnd(i), nullptr, 0, 0, width, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  static Pixels Render(int i) {
    Engine().RenderFrame(i);
    return FramePixels(i);
  }
  // Renders as a paint would once the window asked for one.
  static Pixels RenderIfAsked(int i) {
    if (Record(i).Dirty) Engine().RenderFrame(i);
    return FramePixels(i);
  }
};

TEST_F(FrameLiveResize, ADraggedBorderDrawsDraftsAndTheEndOfTheDragDrawsTheFrameAtRest) {
  const int i = Make();
  Render(i);
  ::SendMessageA(Hwnd(i), WM_ENTERSIZEMOVE, 0, 0);
  Resize(i, 500, 380);
  const Pixels draft = Render(i);
  EXPECT_TRUE(Record(i).DraftShown);
  Resize(i, 520, 390);
  Render(i);
  EXPECT_TRUE(Record(i).DraftShown) << "every size of the drag is a draft";

  ::SendMessageA(Hwnd(i), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_TRUE(Record(i).Dirty) << "the end of the drag asks for the frame at rest";
  const Pixels settled = RenderIfAsked(i);
  EXPECT_FALSE(Record(i).DraftShown);
  const Pixels reference = Render(Make(520, 390));
  settled.SavePng(testing_support::OutputPath("live_resize_settled.png"));
  EXPECT_EQ(Differing(settled, reference), 0) << "the frame at rest is the full-quality one";

  // The draft differs from the frame at rest only in the picture's filter:
  // the same colours away from where the quadrants meet.
  draft.SavePng(testing_support::OutputPath("live_resize_draft.png"));
  const Pixels full500 = Render(Make(500, 380));
  EXPECT_GT(Differing(draft, full500), 0);
  EXPECT_TRUE(Near(draft.at(100, 100), full500.at(100, 100), 2));
  EXPECT_TRUE(Near(draft.at(400, 300), full500.at(400, 300), 2));
}

TEST_F(FrameLiveResize, AMoveWithoutANewSizeRendersNothingAgain) {
  const int i = Make();
  Render(i);
  ::SendMessageA(Hwnd(i), WM_ENTERSIZEMOVE, 0, 0);
  ::SetWindowPos(Hwnd(i), nullptr, 90, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::SendMessageA(Hwnd(i), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_FALSE(Record(i).DraftShown);
  EXPECT_FALSE(Record(i).Dirty) << "a frame at full quality is not drawn again";
}

TEST_F(FrameLiveResize, RestoreAndMaximiseDrawDraftsUntilTheSizeSettles) {
  SwallowFrameCommands(true);  // the test sizes the window itself
  for (const WPARAM command : {WPARAM{SC_RESTORE}, WPARAM{SC_MAXIMIZE}}) {
    SCOPED_TRACE(command == SC_RESTORE ? "restore" : "maximise");
    const int i = Make();
    Render(i);
    ::SendMessageA(Hwnd(i), WM_SYSCOMMAND, command, 0);
    Resize(i, 600, 420);
    Render(i);
    EXPECT_TRUE(Record(i).DraftShown);
    // No further size for a moment: the frame asks to be drawn again.
    EXPECT_TRUE(PumpUntil([&] { return !Record(i).SizeSettling; }, 2000));
    EXPECT_TRUE(Record(i).Dirty);
    const Pixels settled = RenderIfAsked(i);
    EXPECT_FALSE(Record(i).DraftShown);
    if (command == SC_RESTORE) {
      EXPECT_EQ(Differing(settled, Render(Make(600, 420))), 0);
    }
    DestroyTestWindows();
  }
}

TEST_F(FrameLiveResize, AFrameOfTheSameSizeKeepsItsBitmapAndANewSizeReplacesIt) {
  const int i = Make();
  Render(i);
  HBITMAP first = Record(i).FrameBitmap.get();
  Render(i);
  EXPECT_EQ(Record(i).FrameBitmap.get(), first);
  Resize(i, kW + 20, kH);
  Render(i);
  EXPECT_NE(Record(i).FrameBitmap.get(), first);
  EXPECT_EQ(::GetObjectType(first), 0u) << "the bitmap of the old size is gone";
  EXPECT_EQ(::GetPropA(Hwnd(i), skin::prop::Ck_wtjbdx), Record(i).FrameBitmap.get());
}

TEST_F(FrameLiveResize, TheKeptPixelsOfAFullHdFrameStayUnderTwentyFourMegabytesAndShrinkAfter) {
  const int i = Make();
  Render(i);
  Resize(i, 1920, 1080);
  Render(i);
  const size_t big = skin::KeptFrameBytes(Record(i));
  EXPECT_LT(big, size_t{24} << 20) << big;
  Resize(i, 512, 394);
  Render(i);
  Render(i);
  const size_t small = skin::KeptFrameBytes(Record(i));
  EXPECT_LT(small, size_t{4} << 20) << "memory of the large frame kept: " << small;
}

TEST_F(FrameLiveResize, AThousandStepsOfADragKeepTheCountsFlat) {
  const int i = Make(200, 150);
  ::SendMessageA(Hwnd(i), WM_ENTERSIZEMOVE, 0, 0);
  ExpectCountsStayFlat(1000, [&](int n) {
    Resize(i, 200 + n % 40, 150 + n % 25);
    Engine().RenderFrame(i);
    if (n % 100 == 99) {
      ::SendMessageA(Hwnd(i), WM_EXITSIZEMOVE, 0, 0);
      RenderIfAsked(i);
      ::SendMessageA(Hwnd(i), WM_ENTERSIZEMOVE, 0, 0);
    }
  });
  ::SendMessageA(Hwnd(i), WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace
