// Checks of pz.ini: the five numbers as the program reads them, and the
// settings that make a draw misbehave.
#pragma once

#include <cstdint>

#include "tools/classcheck/report.h"

namespace classcheck {

struct DrawSettings {
  bool fileExists = false;
  int32_t total = 0, phase1 = 0, phase2 = 0, interval1 = 0, interval2 = 0;
};

// Reads pz.ini of the data folder through the program's own reading; a
// missing file is reported with the values the program will create. The file
// is never created or changed.
DrawSettings CheckSettings(Report& report);

// Every pass of a draw ends at or above the threshold: names keep coming until
// Stop is pressed.
bool RepeatsUntilStop(const DrawSettings& s);

}  // namespace classcheck
