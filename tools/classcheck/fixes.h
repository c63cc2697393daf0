// classcheck --fix: rewrites ming.txt as GBK with CR LF and scales photos
// larger than the box. Nothing of the teacher's is overwritten: the old list
// becomes ming.txt.bak (or .bak2 ...), old photos move to img\原图\. When any
// file to change cannot be written, nothing at all is changed.
#pragma once

#include "tools/classcheck/photo_check.h"
#include "tools/classcheck/report.h"
#include "tools/classcheck/roster_check.h"

namespace classcheck {

// The folder "img\原图" under the data folder, where originals go.
std::string OriginalsFolder();

// Applies what the checks found fixable; says what it did in `report`.
// Returns whether something was changed.
bool ApplyFixes(const RosterCheck& roster, const PhotoCheck& photos, Report& report,
                const Progress& progress = {});

}  // namespace classcheck
