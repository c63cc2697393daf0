// Where one frame render spends its time, stage by stage. Filled only while
// a profile is installed (the frame benchmark does); otherwise a render pays
// one pointer test per stage.
#pragma once

#include <windows.h>

namespace skin {

struct RenderProfile {
  enum Stage {
    kRegion,       // the rounded window region set afresh
    kCanvas,       // the frame bitmap made and selected
    kKeys,         // what the frame is drawn from, against what was kept
    kKept,         // kept pixels copied into the frame bitmap
    kBackground,   // background colour, picture and gloss
    kBorder,       // the outline
    kStripCopies,  // the clean caption and status strips kept for repaints
    kTitle,
    kButtons,
    kStatus,  // the status panels
    kCopy,    // the frame copied to the window, children refreshed
    kStageCount
  };
  double ms[kStageCount] = {};
  int renders = 0;

  void Clear() { *this = RenderProfile{}; }
};

// The profile renders add to, or null (the default) for none.
inline RenderProfile*& ActiveRenderProfile() {
  static RenderProfile* active = nullptr;
  return active;
}

// Adds the time from construction (or the last Lap) to a stage.
class ProfileLap {
 public:
  ProfileLap() : profile_(ActiveRenderProfile()) {
    if (profile_) ::QueryPerformanceCounter(&last_);
  }
  void Lap(RenderProfile::Stage stage) {
    if (!profile_) return;
    ::GdiFlush();  // GDI may batch: charge its work to the stage that asked for it
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    profile_->ms[stage] +=
        1000.0 * static_cast<double>(now.QuadPart - last_.QuadPart) / frequency.QuadPart;
    last_ = now;
  }

 private:
  RenderProfile* profile_;
  LARGE_INTEGER last_{};
};

}  // namespace skin
