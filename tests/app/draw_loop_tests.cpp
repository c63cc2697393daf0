#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/draw_loop.h"
#include "app/draw_random.h"
#include "app/globals.h"
#include "tests/app/temp_class_folder.h"

namespace {

struct Step {
  std::string name;
  uint32_t colour;
  std::string picture;
};

// Records what the draw shows; `onStep` runs after each name is shown.
class RecordingView : public app::DrawView {
 public:
  void ShowName(const std::string& name) override {
    steps.push_back({name, colour, ""});
    if (steps.size() > kRunawaySteps) runaway = true;
    if (onStep) onStep(static_cast<int>(steps.size()));
  }
  void SetNameColour(uint32_t c) override {
    colour = c;
    steps.back().colour = c;
    ++colourChanges;
  }
  void ShowPicture(const std::vector<uint8_t>& bytes) override {
    steps.back().picture.assign(bytes.begin(), bytes.end());
  }
  // A draw that never ends fails the test instead of hanging it.
  bool IsAlive() const override { return !runaway; }

  static constexpr size_t kRunawaySteps = 5000;
  std::vector<Step> steps;
  uint32_t colour = 0;
  int colourChanges = 0;
  bool runaway = false;
  std::function<void(int)> onStep;
};

// A window whose messages press Start and Stop, as the buttons would.
constexpr UINT kPressStart = WM_USER + 1;
constexpr UINT kPressStop = WM_USER + 2;

LRESULT CALLBACK ButtonsProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == kPressStart) {
    app::OnStartClick();
    return 0;
  }
  if (m == kPressStop || (m == WM_TIMER && wp == 1)) {
    ::KillTimer(w, 1);
    app::OnStopClick();
    return 0;
  }
  return ::DefWindowProcA(w, m, wp, lp);
}

class DrawLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ButtonsProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "DrawLoopTestButtons";
    ::RegisterClassA(&wc);
    buttons = ::CreateWindowA("DrawLoopTestButtons", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
    // Names N1..N5, photo k holds "P<k>".
    std::string text;
    for (int k = 1; k <= 5; ++k) {
      text += "N" + std::to_string(k) + "\r\n";
      folder.WriteFile("img\\" + std::to_string(k) + ".jpg", "P" + std::to_string(k));
    }
    app::Roster = {"N1", "N2", "N3", "N4", "N5"};
    app::RosterCount = 5;
    app::RunningCount = 0;
    app::StopFlag = app::kNoDrawEnded;
    Settings(15, 1, 5, 1, 1);
    app::SetDrawView(&view);
  }
  void TearDown() override {
    app::SetDrawView(nullptr);
    ::DestroyWindow(buttons);
  }
  static void Settings(int total, int p1, int p2, int ms1, int ms2) {
    app::TotalCount = total;
    app::Phase1Count = p1;
    app::Phase2Count = p2;
    app::Phase1IntervalMs = ms1;
    app::Phase2IntervalMs = ms2;
  }
  void ExpectPhotosMatchNames() const {
    for (const Step& s : view.steps) EXPECT_EQ("P" + s.name.substr(1), s.picture);
  }

  TempClassFolder folder{"draw_loop"};
  RecordingView view;
  HWND buttons = nullptr;
};

TEST_F(DrawLoopTest, DefaultSettingsShowSixNamesTheFirstInARedShade) {
  app::OnStartClick();
  ASSERT_EQ(view.steps.size(), 6u);
  EXPECT_EQ(view.colourChanges, 1);
  EXPECT_LE(view.steps[0].colour, 0xFFu);  // red only: green and blue are 0
  for (const Step& s : view.steps) EXPECT_EQ(s.colour, view.steps[0].colour);
  ExpectPhotosMatchNames();
  EXPECT_EQ(app::RunningCount, 7);
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);
}

TEST_F(DrawLoopTest, PhaseCountsAndTheRepeatThreshold) {
  Settings(15, 3, 0, 1, 1);
  app::RunDraw();
  EXPECT_EQ(view.steps.size(), 3u);
  EXPECT_EQ(app::RunningCount, 4);

  // Counts of 0 or less run no step; the phase leaves RunningCount at 1.
  view.steps.clear();
  Settings(15, -4, 2, 1, 1);
  app::RunDraw();
  EXPECT_EQ(view.steps.size(), 2u);
  EXPECT_EQ(app::RunningCount, 3);
}

TEST_F(DrawLoopTest, StopInPhaseOneEndsAfterOnePhaseTwoStep) {
  Settings(15, 10, 5, 1, 1);  // every pass reaches 16: repeats until Stop
  view.onStep = [](int step) {
    if (step == 4) app::OnStopClick();
  };
  app::RunDraw();
  EXPECT_EQ(view.steps.size(), 5u);
  EXPECT_EQ(app::RunningCount, 6);
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);
}

TEST_F(DrawLoopTest, StopLateInAPassRunsOneShortPassMore) {
  Settings(15, 10, 5, 1, 1);
  // Phase 1 shows 10 names; the 14th step is phase 2's fourth: the pass ends at 15.
  view.onStep = [](int step) {
    if (step == 14) app::OnStopClick();
  };
  app::RunDraw();
  EXPECT_EQ(view.steps.size(), 16u);
  EXPECT_EQ(app::RunningCount, 3);
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);
}

TEST_F(DrawLoopTest, StopInPhaseTwoTakesTheRepeatTestAtOnce) {
  Settings(15, 1, 5, 1, 1);
  view.onStep = [](int step) {
    if (step == 4) app::OnStopClick();
  };  // phase 2, third step
  app::RunDraw();
  EXPECT_EQ(view.steps.size(), 4u);
  EXPECT_EQ(app::RunningCount, 5);
}

TEST_F(DrawLoopTest, StopWhileIdleLeavesEachPhaseAfterOneStep) {
  app::OnStopClick();
  app::RunDraw();
  EXPECT_EQ(view.steps.size(), 2u);
  EXPECT_EQ(app::RunningCount, 3);
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);
}

TEST_F(DrawLoopTest, StopEndsADrawWhoseShortPassesWouldRepeatForever) {
  // A stopped pass ends at 3, which is still at or above the threshold.
  Settings(2, 1, 5, 1, 1);
  view.onStep = [](int step) {
    if (step == 2) app::OnStopClick();
  };
  app::RunDraw();
  EXPECT_FALSE(view.runaway);
  EXPECT_EQ(view.steps.size(), 4u);
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);

  // Stop pending before the start, with a threshold of 1.
  view.steps.clear();
  view.onStep = nullptr;
  Settings(1, 1, 1, 1, 1);
  app::OnStopClick();
  app::RunDraw();
  EXPECT_FALSE(view.runaway);
  EXPECT_EQ(view.steps.size(), 2u);
}

TEST_F(DrawLoopTest, StopMessageIsSeenWhenNoStepWaits) {
  // Every setting 0: no step and no wait, yet the window keeps handling its
  // messages and a Stop pressed later ends the draw.
  Settings(0, 0, 0, 0, 0);
  ::SetTimer(buttons, 1, 50, nullptr);
  app::RunDraw();
  EXPECT_FALSE(view.runaway);
  EXPECT_TRUE(view.steps.empty());
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);

  // Steps with intervals of 0 repeating forever: Stop still gets through.
  Settings(1, 2, 2, 0, 0);
  ::SetTimer(buttons, 1, 50, nullptr);
  app::RunDraw();
  EXPECT_FALSE(view.runaway);
  EXPECT_GE(view.steps.size(), 4u);
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);
}

TEST_F(DrawLoopTest, StopArrivesAsAWindowMessageDuringTheWait) {
  Settings(15, 10, 5, 20, 20);
  view.onStep = [this](int step) {
    if (step == 3) ::PostMessageA(buttons, kPressStop, 0, 0);
  };
  app::RunDraw();
  EXPECT_EQ(view.steps.size(), 4u);  // the third step's wait, then one phase-2 step
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);
}

TEST_F(DrawLoopTest, StartDuringAWaitNestsADrawThatSharesTheCounter) {
  Settings(15, 1, 3, 5, 5);
  view.onStep = [this](int step) {
    if (step == 2) ::PostMessageA(buttons, kPressStart, 0, 0);  // outer phase 2, first step
  };
  app::RunDraw();
  // Inner draw: 4 names ending at 5; the outer's two remaining phase-2 steps
  // count on from there.
  EXPECT_EQ(view.steps.size(), 8u);
  EXPECT_EQ(app::RunningCount, 7);
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);
}

TEST_F(DrawLoopTest, StopDuringANestedDrawIsSeenByTheInnerDrawOnly) {
  Settings(15, 1, 3, 5, 5);
  view.onStep = [this](int step) {
    if (step == 2) ::PostMessageA(buttons, kPressStart, 0, 0);
    if (step == 3) app::OnStopClick();  // first step of the inner draw
  };
  app::RunDraw();
  // Inner: one step per phase; outer: all three phase-2 steps.
  EXPECT_EQ(view.steps.size(), 2u + 2u + 2u);
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);
}

TEST_F(DrawLoopTest, EmptyRosterDoesNothing) {
  app::Roster.clear();
  app::RosterCount = 0;
  app::RunningCount = 42;
  app::OnStopClick();
  app::RunDraw();
  EXPECT_TRUE(view.steps.empty());
  EXPECT_EQ(app::RunningCount, 42);
  EXPECT_EQ(app::StopFlag, app::kStopRequested);
}

TEST_F(DrawLoopTest, OneNameRosterAlwaysShowsItWithPhotoOne) {
  app::Roster = {"N1"};
  app::RosterCount = 1;
  app::RunDraw();
  ASSERT_EQ(view.steps.size(), 6u);
  for (const Step& s : view.steps) EXPECT_EQ(s.name, "N1");
  ExpectPhotosMatchNames();
}

TEST_F(DrawLoopTest, AGoneWindowEndsTheDraw) {
  Settings(15, 10, 5, 1, 1);
  view.onStep = [this](int step) {
    if (step == 3) view.runaway = true;
  };
  app::RunDraw();
  EXPECT_EQ(view.steps.size(), 3u);
}

TEST_F(DrawLoopTest, WaitHandlesMessagesOnlyForPositiveTimes) {
  ::PostMessageA(buttons, kPressStop, 0, 0);
  app::WaitPumping(0);
  app::WaitPumping(-5);
  EXPECT_EQ(app::StopFlag, app::kNoDrawEnded);  // nothing handled

  ULONGLONG start = ::GetTickCount64();
  app::WaitPumping(30);
  EXPECT_EQ(app::StopFlag, app::kStopRequested);
  EXPECT_GE(::GetTickCount64() - start, 30u);  // returns only once the time is up
}

TEST(DrawRandom, RangesAndReseeding) {
  app::DrawRandom r;
  r.Seed(7);
  app::DrawRandom copy = r;
  EXPECT_EQ(r.InRange(4, 4), 4);  // uses no value
  EXPECT_EQ(r.Next(), copy.Next());
  for (int i = 0; i < 2000; ++i) {
    int v = r.InRange(1, 3);
    EXPECT_TRUE(v >= 1 && v <= 3);
    int c = r.InRange(0, 255);
    EXPECT_TRUE(c >= 0 && c <= 255);
    int n = r.Next();
    EXPECT_TRUE(n >= 0 && n <= 32767);
  }
  uint32_t first = app::ReseedDrawGenerator(0);
  uint32_t second = app::ReseedDrawGenerator(0);
  EXPECT_EQ(second, first + (first & 0xFF) + 100);
}

}  // namespace
