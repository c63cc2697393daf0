// The gallery's sample window built in this process: its status bar, docked
// transparent tab with skinned pages, transparent calendar and caption
// pictures are all the engine's; the pointer maximises and restores it with
// everything following, and its button changes a panel's text.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "examples/gallery/gallery_pictures.h"
#include "examples/gallery/gallery_window.h"
#include "platform/handles.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/registry.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;

class GallerySample : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    Engine().SetTheme(std::nullopt, gallery::Background(), 0x000000, std::nullopt, 3);
    Engine().SetOptions(true, 150);
    font_.reset(::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH, "宋体"));
    window_ = gallery::OpenSampleWindow(Engine(), font_.get());
    ASSERT_NE(window_, nullptr);
    i_ = skin::FindSkinnedWindow(window_);
    testing_support::PumpFor(150);
  }
  void TearDown() override {
    if (::IsWindow(window_)) ::DestroyWindow(window_);
    FrameTest::TearDown();
    font_.reset();
  }
  // The tab's place in the window's client area.
  RECT TabRect() const {
    RECT r;
    ::GetWindowRect(gallery::Sample().tab, &r);
    ::MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  void ExpectTabDocked(const char* when) const {
    RECT c;
    ::GetClientRect(window_, &c);
    const RECT t = TabRect();
    EXPECT_EQ(t.left, 2) << when;
    EXPECT_EQ(t.right, c.right - 2) << when;
    EXPECT_EQ(t.bottom, c.bottom - gallery::kSampleStatusHeight - 3) << when;
  }
  void ClickMaximise() {
    const int k = Engine().FindMaxButton(i_);
    ASSERT_GT(k, 0);
    const Gdiplus::RectF& b = Record(i_).CaptionButtons.at(k).Rect;
    control_test::PointerTo(window_, int(b.X + b.Width / 2), int(b.Y + b.Height / 2), 120);
    control_test::LeftDown();
    control_test::LeftUp(150);
    control_test::PointerAway();
  }
  platform::UniqueFont font_;
  HWND window_ = nullptr;
  int i_ = 0;
};

TEST_F(GallerySample, EveryPartIsTheEnginesOwn) {
  ASSERT_GE(i_, 1);
  const skin::SkinnedWindow& w = Record(i_);
  const gallery::SampleWindow& s = gallery::Sample();
  ASSERT_EQ(w.StatusPanels.count(), 3);
  EXPECT_EQ(w.StatusPanels.at(1).width, 120);
  EXPECT_FALSE(w.StatusPanels.at(1).image.empty());
  EXPECT_EQ(w.StatusPanels.at(3).width, -1);
  EXPECT_TRUE(w.StatusGlow);
  EXPECT_EQ(w.DockedChildren.count(), 1);
  EXPECT_EQ(w.DockedChildren.at(1).hwnd, s.tab);
  EXPECT_GE(skin::FindChild(w.TransparentChildren, s.tab), 1);
  EXPECT_GE(skin::FindChild(w.TransparentChildren, s.calendar), 1);
  for (HWND button : {s.call, s.reset, s.log})
    EXPECT_GE(skin::FindChild(w.ButtonControls, button), 1);
  EXPECT_GE(skin::FindChild(w.EditControls, s.remark), 1);
  // The window's own caption pictures: minimise, maximise (restore beside
  // it) and close, in that order at the end of the strip.
  const int m = w.CaptionButtons.count();
  ASSERT_GE(m, 3);
  EXPECT_EQ(w.CaptionButtons.at(m).ButtonImage, gallery::CaptionGlyph(gallery::Glyph::Close));
  EXPECT_EQ(w.CaptionButtons.at(m - 1).ButtonImage,
            gallery::CaptionGlyph(gallery::Glyph::Maximise));
  EXPECT_EQ(w.CaptionButtons.at(m - 1).AltImage, gallery::CaptionGlyph(gallery::Glyph::Restore));
  EXPECT_EQ(w.CaptionButtons.at(m - 2).ButtonImage,
            gallery::CaptionGlyph(gallery::Glyph::Minimise));
  ExpectTabDocked("opened");
}

TEST_F(GallerySample, ItsButtonChangesAPanelsText) {
  const gallery::SampleWindow& s = gallery::Sample();
  RECT b;
  ::GetWindowRect(s.call, &b);
  POINT centre{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
  ::ScreenToClient(window_, &centre);
  // Two clicks, further apart than a double-click (whose second click a
  // skinned button leaves out).
  for (int n = 0; n < 2; ++n) {
    control_test::PointerTo(window_, centre.x, centre.y);
    control_test::LeftDown();
    control_test::LeftUp(::GetDoubleClickTime() + 50);
  }
  EXPECT_EQ(gallery::Sample().calls, 2);
  EXPECT_EQ(Record(i_).StatusPanels.at(1).text, gallery::CallsText(2));
  // The image and the colour stay with the panel.
  EXPECT_FALSE(Record(i_).StatusPanels.at(1).image.empty());
  ::SendMessageA(s.reset, BM_CLICK, 0, 0);
  EXPECT_EQ(Record(i_).StatusPanels.at(1).text, gallery::CallsText(0));
  control_test::PointerAway();
}

TEST_F(GallerySample, MaximiseAndRestoreCarryTheStatusBarAndTheTab) {
  ClickMaximise();
  ASSERT_TRUE(PumpUntil([&] { return Record(i_).Maximised && ::IsZoomed(window_); }, 2000));
  testing_support::PumpFor(100);
  RECT c;
  ::GetClientRect(window_, &c);
  EXPECT_EQ(c.right, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(Record(i_).StatusRect.y, c.bottom - 3 - gallery::kSampleStatusHeight - 1);
  EXPECT_EQ(Record(i_).StatusPanelRects.at(3).width, c.right - 120 - 170 - 6);
  ExpectTabDocked("maximised");
  // The pages fill the tab's display area.
  RECT page;
  ::GetWindowRect(gallery::Sample().pages[0], &page);
  const RECT tab = TabRect();
  EXPECT_GT(page.right - page.left, (tab.right - tab.left) - 20);
  // What the engine drew at the new size (under Wine without a window
  // manager the display may go on showing the old size).
  FramePixels(i_).SavePng(testing_support::OutputPath("gallery-sample-maximised-frame.png"));

  ClickMaximise();
  ASSERT_TRUE(PumpUntil([&] { return !Record(i_).Maximised && !::IsZoomed(window_); }, 2000));
  testing_support::PumpFor(100);
  ::GetClientRect(window_, &c);
  EXPECT_EQ(c.right, gallery::kSampleWidth);
  EXPECT_EQ(c.bottom, gallery::kSampleHeight);
  ExpectTabDocked("restored");
}

TEST_F(GallerySample, ARoundOfRepaintsLeavesTheCountsFlat) {
  const gallery::SampleWindow& s = gallery::Sample();
  ExpectCountsStayFlat(100, [&](int n) {
    ::SendMessageA(s.tab, TCM_SETCURSEL, n % 2, 0);
    for (int k = 0; k < 2; ++k) ::ShowWindow(s.pages[k], k == n % 2 ? SW_SHOW : SW_HIDE);
    Engine().SetStatusPanelText(window_, 1, gallery::CallsText(n));
    ::RedrawWindow(window_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DrainMessages();
  });
}

}  // namespace
