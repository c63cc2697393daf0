#include "tests/skin/engine/slot_test_support.h"

#include <algorithm>
#include <sstream>

#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "tests/skin/support/control_test_support.h"

namespace slot_test {
namespace {

int g_calls = 0;

std::vector<skin::StatusPanel> TwoPanels(const char* first, const char* second) {
  skin::StatusPanel a, b;
  a.width = 100;
  a.text = first;
  b.width = -1;
  b.text = second;
  return {a, b};
}

template <typename List>
std::vector<HWND> HandlesOf(const List& list) {
  std::vector<HWND> handles;
  for (const auto& record : list) handles.push_back(record.hwnd);
  return handles;
}

}  // namespace

WindowSnapshot Snapshot(int i) {
  WindowSnapshot s;
  const skin::SkinnedWindow& w = frame_test::Record(i);
  s.captionButtons = w.CaptionButtons.count();
  for (const skin::CaptionButton& b : w.CaptionButtons)
    s.buttonImageSizes.push_back(b.ButtonImage.size());
  s.buttonsLeft = w.ButtonsLeft;
  s.buttonsWidth = w.ButtonsWidth;
  s.buttonsHeight = w.ButtonsHeight;
  s.titleFontName = w.TitleFontName;
  s.titleFontSize = w.TitleFontSize;
  s.titleColour = w.TitleColour;
  s.backImageSize = w.BackImage.size();
  s.statusHeight = w.StatusHeight;
  for (const skin::StatusPanel& p : w.StatusPanels) s.panelTexts.push_back(p.text);
  s.panelRects = w.StatusPanelRects.count();
  s.statusThemeText = w.StatusThemeText;
  s.statusGlow = w.StatusGlow;
  s.statusTextColour = w.StatusTextColour;
  s.helpHandler = w.HelpHandler;
  s.menuHandler = w.MenuHandler;
  s.docked = HandlesOf(w.DockedChildren);
  s.buttons = HandlesOf(w.ButtonControls);
  s.containers = HandlesOf(w.Containers);
  s.transparent = HandlesOf(w.TransparentChildren);
  s.frame = frame_test::FramePixels(i);
  return s;
}

std::string Differences(const WindowSnapshot& a, const WindowSnapshot& b) {
  std::ostringstream out;
  auto note = [&](bool same, const char* what) {
    if (!same) out << " " << what;
  };
  note(a.captionButtons == b.captionButtons, "caption-buttons");
  note(a.buttonImageSizes == b.buttonImageSizes, "button-images");
  note(a.buttonsLeft == b.buttonsLeft && a.buttonsWidth == b.buttonsWidth &&
           a.buttonsHeight == b.buttonsHeight,
       "button-strip");
  note(a.titleFontName == b.titleFontName && a.titleFontSize == b.titleFontSize &&
           a.titleColour == b.titleColour,
       "title-style");
  note(a.backImageSize == b.backImageSize, "background");
  note(a.statusHeight == b.statusHeight && a.panelTexts == b.panelTexts &&
           a.panelRects == b.panelRects,
       "status-bar");
  note(a.statusThemeText == b.statusThemeText && a.statusGlow == b.statusGlow &&
           a.statusTextColour == b.statusTextColour,
       "status-style");
  note(a.helpHandler == b.helpHandler && a.menuHandler == b.menuHandler, "handlers");
  note(a.docked == b.docked, "docked-children");
  note(a.buttons == b.buttons && a.containers == b.containers && a.transparent == b.transparent,
       "child-lists");
  if (const int n = ChangedPixels(a.frame, b.frame)) out << " frame(" << n << " pixels)";
  return out.str();
}

int ChangedPixels(const testing_support::Pixels& a, const testing_support::Pixels& b) {
  if (a.width() != b.width() || a.height() != b.height())
    return std::max(1, a.width() * a.height());
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.raw(x, y) != b.raw(x, y)) ++n;
  return n;
}

int CountCalls() { return g_calls; }
void ResetCalls() { g_calls = 0; }
void CountingHandler() { ++g_calls; }

void SlotTest::SetUp() {
  FrameTest::SetUp();
  ResetCalls();
  ASSERT_EQ(skin::WindowCount(), 0) << "a window of an earlier test is still registered";

  bystander_ = frame_test::MakeWindow(320, 220, 0, 20, 20);
  bystanderButton_ =
      control_test::MakeControl(bystander_, "BUTTON", "push", BS_PUSHBUTTON, 20, 60, 80, 24, 101);
  bystanderDocked_ = frame_test::MakeBlackChild(bystander_, 0, 0, 10, 10);
  skin::SkinWindowOptions withStatus;
  withStatus.statusHeight = 20;
  withStatus.statusPanels = TwoPanels("one", "two");
  bystanderNumber_ = frame_test::Skin(bystander_, withStatus);
  ASSERT_EQ(bystanderNumber_, 1);
  ASSERT_EQ(skin::GetIntProp(bystanderButton_, skin::prop::Hw_lbID), 1)
      << "the bystander's button should sit at list position 1";
  ASSERT_TRUE(frame_test::Engine().DockChild(bystander_, bystanderDocked_, 40));

  target_ = frame_test::MakeWindow(300, 200, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 360, 20);
  ::SetWindowTextA(target_, "target");
  skin::SkinWindowOptions o;
  o.helpButton = true;
  o.menuButton = true;
  o.statusHeight = 22;
  o.statusPanels = TwoPanels("left", "right");
  i_ = frame_test::Skin(target_, o);
  ASSERT_EQ(i_, 2);

  plain_ = frame_test::MakeWindow(200, 150, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 20, 260);
  ::SetWindowTextA(plain_, "plain");
  plainChild_ = frame_test::MakeBlackChild(plain_, 5, 5, 20, 20);
  gone_ = frame_test::MakeWindow(100, 100);
  ::DestroyWindow(gone_);
  ASSERT_FALSE(::IsWindow(gone_));
  frame_test::DrainMessages();
  bystanderBefore_ = Snapshot(bystanderNumber_);
  ASSERT_FALSE(bystanderBefore_.frame.empty());
}

std::vector<HWND> SlotTest::NotSkinnedWindows() const {
  return {plain_, gone_, nullptr, bystanderButton_};
}

std::vector<int> SlotTest::BadNumbers() { return {0, -1, 999, skin::WindowCount() + 1}; }

void SlotTest::ExpectBystanderUntouched(const std::string& after) const {
  ASSERT_EQ(skin::FindSkinnedWindow(bystander_), bystanderNumber_) << after;
  EXPECT_EQ(Differences(bystanderBefore_, Snapshot(bystanderNumber_)), "")
      << "the bystander window changed after " << after;
}

}  // namespace slot_test
