// Checks of ming.txt: how the program will read it and what the teacher meant.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/classcheck/report.h"
#include "tools/classcheck/roster_text.h"

namespace classcheck {

struct RosterCheck {
  bool exists = false;
  Bytes bytes;                            // the file as it is
  std::vector<std::string> programLines;  // what the program reads
  RosterText text;                        // what the teacher meant
  int32_t nulLine = 0;                    // line holding the first zero byte
  // The file can and should be rewritten as GBK with CR LF line ends.
  bool needsConversion = false;
  bool canConvert = false;
  // Lines the photo checks go by: the teacher's, which are the program's
  // once the file is fixed.
  int32_t LineCount() const { return static_cast<int32_t>(text.lines.size()); }
};

// Reads app::RosterPath() (the data folder must be set).
RosterCheck CheckRoster(Report& report);
// The same for bytes already read.
RosterCheck CheckRosterBytes(const Bytes& bytes, Report& report);

}  // namespace classcheck
