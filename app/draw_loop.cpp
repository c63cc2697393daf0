#include "app/draw_loop.h"

#include <windows.h>

#include "app/draw_random.h"
#include "app/fair_rounds.h"
#include "app/globals.h"
#include "app/pick_log.h"
#include "app/roster.h"
#include "app/speech.h"
#include "platform/messages.h"

namespace app {
namespace {

DrawView* g_view = nullptr;

// Set when the message pump met WM_QUIT: the window is gone, draws end.
bool g_quitting = false;

// Draws under way: a Start pressed during a draw runs one inside it.
int g_running = 0;

class RunningScope {
 public:
  RunningScope() { ++g_running; }
  ~RunningScope() { --g_running; }
};

bool ViewAlive() { return !g_quitting && (!g_view || g_view->IsAlive()); }

// The line the draw showed last: where it lands.
int32_t g_lastShown = 0;

void ShowMember(int32_t k) {
  g_lastShown = k;
  if (g_view) g_view->ShowName(RosterName(k));
}

// Shows one randomly picked member; returns its line number.
int32_t ShowRandomMember() {
  int32_t k = DrawGenerator().InRange(1, RosterCount);
  ShowMember(k);
  return k;
}

void ShowPhotoOf(int32_t k) {
  if (g_view) g_view->ShowPicture(ReadPhoto(k));
}

// What the teacher switched on happens where the draw lands: in a fair
// round a name already called gives way to one not yet called, shown as
// the draw's last step; the landing is logged.
void Land() {
  int32_t landing = g_lastShown;
  if (landing < 1 || landing > RosterCount) return;
  if (FairRounds) {
    landing = LandFairly(landing);
    if (landing != g_lastShown && landing >= 1 && landing <= RosterCount) {
      ShowMember(landing);
      ShowPhotoOf(landing);
    }
  }
  if (KeepPickLog) LogPick(landing);
  OnDrawLanded(RosterName(landing));
}

// Phase 1: names in a random shade of red. RunningCount follows the phase's
// own counter, then counts the step.
void RunPhase1(bool& waited) {
  for (int32_t i = 1;; ++i) {
    RunningCount = i;
    if (i > Phase1Count || !ViewAlive()) return;
    ++RunningCount;
    int32_t k = ShowRandomMember();
    int32_t shade = DrawGenerator().InRange(0, 255);
    if (g_view) g_view->SetNameColour(static_cast<uint32_t>(shade));
    ShowPhotoOf(k);
    WaitPumping(Phase1IntervalMs);
    waited = waited || Phase1IntervalMs > 0;
    if (StopFlag == kStopRequested) return;
  }
}

// Phase 2: names in the colour phase 1 left.
void RunPhase2(bool& waited) {
  for (int32_t j = 1; j <= Phase2Count; ++j) {
    if (!ViewAlive()) return;
    ++RunningCount;
    ShowPhotoOf(ShowRandomMember());
    WaitPumping(Phase2IntervalMs);
    waited = waited || Phase2IntervalMs > 0;
    if (StopFlag == kStopRequested) return;
  }
}

}  // namespace

void SetDrawView(DrawView* view) {
  g_view = view;
  g_quitting = false;
}

void OnStartClick() { RunDraw(); }

void OnStopClick() { StopFlag = kStopRequested; }

void RunDraw() {
  // Nothing to show: leave the window as it is.
  if (RosterCount <= 0) return;

  RunningScope running;
  OnDrawStarting();
  g_lastShown = 0;
  ReseedDrawGenerator(::GetTickCount());
  for (;;) {
    // A pass that starts with a stop already pending is the last one: with a
    // threshold at or below such a short pass, the repeat test alone would
    // never end the draw.
    const bool stopPendingAtStart = StopFlag == kStopRequested;
    bool waited = false;
    RunPhase1(waited);
    RunPhase2(waited);
    if (!ViewAlive()) break;
    if (RunningCount < TotalCount) break;
    if (stopPendingAtStart) break;
    if (!waited) {
      // A pass without any wait handled no message; handle them now so the
      // window repaints and Stop can be pressed. A pass that showed nothing
      // at all also sleeps briefly rather than spin.
      if (!platform::PumpPendingMessages()) g_quitting = true;
      if (Phase1Count <= 0 && Phase2Count <= 0) platform::WaitForMessage(15);
    }
  }
  if (ViewAlive()) Land();
  StopFlag = kDrawEnded;
}

bool DrawRunning() { return g_running > 0; }

void WaitPumping(int32_t ms) {
  if (ms <= 0) return;
  const uint64_t end = platform::TickCount64() + static_cast<uint64_t>(ms);
  for (;;) {
    if (!platform::PumpPendingMessages()) {
      g_quitting = true;
      return;
    }
    const uint64_t now = platform::TickCount64();
    if (now > end) return;
    platform::WaitForMessage(static_cast<uint32_t>(end - now + 1));
  }
}

}  // namespace app
