// The whole gallery built in this process, as its program builds it: every
// repaint of the window with all its controls, and every drag step of the
// sample window, gives back every object it takes; closing both gives back
// what they held.
#include <windows.h>

#include <gtest/gtest.h>

#include "examples/gallery/gallery_main_window.h"
#include "examples/gallery/gallery_window.h"
#include "graphics/status.h"
#include "platform/handles.h"
#include "skin/engine/registry.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;

constexpr UINT kWholeWindow =
    RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

class WholeGallery : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    font_.reset(::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH, "宋体"));
  }
  void TearDown() override {
    for (HWND w : {gallery_, gallery::Sample().window})
      if (w && ::IsWindow(w)) ::DestroyWindow(w);
    DrainMessages();  // the gallery's WM_QUIT goes too
    FrameTest::TearDown();
    font_.reset();
  }
  HWND gallery_ = nullptr;
  platform::UniqueFont font_;
};

TEST_F(WholeGallery, RepaintsAndDragStepsLeaveTheCountsFlatAndClosingGivesEverythingBack) {
  const long gdiBefore = platform::LiveGdiObjects();
  const long nativeBefore = graphics::LiveNativeObjects();
  gallery_ = gallery::CreateSkinnedGallery(Engine(), font_.get());
  ASSERT_NE(gallery_, nullptr);
  ::ShowWindow(gallery_, SW_SHOW);
  ::UpdateWindow(gallery_);
  ASSERT_GT(skin::FindSkinnedWindow(gallery_), 0);

  // The gallery with every control, repainted at once. (Counts are exact:
  // a paint that kept an object would show at its second round.)
  ExpectCountsStayFlat(30, [&](int) {
    ::RedrawWindow(gallery_, nullptr, nullptr, kWholeWindow);
    DrainMessages();
  });

  // The sample window dragged larger and back, each step painted.
  HWND sample = gallery::OpenSampleWindow(Engine(), font_.get());
  ASSERT_NE(sample, nullptr);
  RECT start;
  ::GetWindowRect(sample, &start);
  ::SendMessageA(sample, WM_ENTERSIZEMOVE, 0, 0);
  ExpectCountsStayFlat(60, [&](int n) {
    const int step = n % 20 < 10 ? n % 10 : 10 - n % 10;
    ::SetWindowPos(sample, nullptr, 0, 0, start.right - start.left + 12 * step,
                   start.bottom - start.top + 9 * step, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::RedrawWindow(sample, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  });
  ::SendMessageA(sample, WM_EXITSIZEMOVE, 0, 0);
  DrainMessages();

  ::DestroyWindow(sample);
  ::DestroyWindow(gallery_);
  DrainMessages();
  EXPECT_EQ(platform::LiveGdiObjects(), gdiBefore);
  EXPECT_EQ(graphics::LiveNativeObjects(), nativeBefore);
}

}  // namespace
