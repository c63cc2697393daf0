#include "app/globals.h"

#include "skin/engine/skin_engine.h"

namespace app {

std::vector<std::string> Roster;
int32_t RosterCount = 0;
int32_t TotalCount = 0;
int32_t Phase1Count = 0;
int32_t Phase2Count = 0;
int32_t Phase1IntervalMs = 0;
int32_t Phase2IntervalMs = 0;
bool FairRounds = false;
bool KeepPickLog = false;
bool StartFullScreen = false;
bool ReadAloud = false;
std::optional<std::string> StartHotKeyText;
int32_t RunningCount = 0;
int32_t StopFlag = kNoDrawEnded;
std::unique_ptr<skin::SkinEngine> SkinEngine;

const std::string& RosterName(int32_t k) { return Roster.at(static_cast<size_t>(k) - 1); }

}  // namespace app
