// The whole check of one class folder, with --fix and the exit status.
#pragma once

#include <string>

#include "tools/classcheck/photo_check.h"
#include "tools/classcheck/report.h"

namespace classcheck {

struct CheckResult {
  Report report;
  int exitCode = 0;  // 0: nothing needs fixing (after --fix, if asked); 1: something does
};

// Checks `folder` (no trailing separator needed) as the program would read it
// from there; with `fix`, fixes what it can, then checks again for the exit
// status. The data folder of app/paths.h is restored afterwards.
CheckResult RunClassCheck(const std::string& folder, bool fix, const Progress& progress = {});

}  // namespace classcheck
