// The program's state. Everything lives for the whole run and is touched only
// on the user-interface thread.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace skin {
class SkinEngine;
}

namespace app {

// Names from ming.txt. Member k (one-based, as the photo k.jpg) is Roster[k - 1];
// use RosterName(k).
extern std::vector<std::string> Roster;
extern int32_t RosterCount;

// Draw settings from pz.ini; 0 until the main window's creation has read them.
extern int32_t TotalCount;
extern int32_t Phase1Count;
extern int32_t Phase2Count;
extern int32_t Phase1IntervalMs;
extern int32_t Phase2IntervalMs;

// Switched on by the teacher in pz.ini, off when the file does not say so:
// draws land on names not yet called in the round ([抽取方式] 不重复=1), and
// each landing is logged ([记录] 保存=1).
extern bool FairRounds;
extern bool KeepPickLog;
// The window starts filling its monitor ([显示] 全屏=1).
extern bool StartFullScreen;
// Landed names are read aloud ([朗读] 开启=1).
extern bool ReadAloud;
// The system-wide key that raises the window and starts a draw ([热键] 开始=),
// as written; nothing when the file has no such key.
extern std::optional<std::string> StartHotKeyText;

// Step counter shared by both phases and every draw; compared with TotalCount.
extern int32_t RunningCount;

// 0 = no draw has ended yet, 1 = the last draw ended, 2 = stop requested.
enum : int32_t { kNoDrawEnded = 0, kDrawEnded = 1, kStopRequested = 2 };
extern int32_t StopFlag;

// The one skin engine.
extern std::unique_ptr<skin::SkinEngine> SkinEngine;

// One-based access to the roster.
const std::string& RosterName(int32_t k);

}  // namespace app
