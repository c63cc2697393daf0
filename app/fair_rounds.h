// Fair rounds, switched on by the teacher ([抽取方式] 不重复=1 in pz.ini):
// a draw lands only on a name not yet landed on in the current round, and
// the round starts again once every name has been called. The round is kept
// in 点名进度.txt beside the class list, so it survives closing the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/draw_random.h"

namespace app {

// Identifies a roster: a new line, a changed name or another count gives
// another fingerprint, and the round starts afresh.
uint32_t RosterFingerprint(const std::vector<std::string>& roster);

// The progress file's text: a first line naming the roster ("名单 <count>
// <fingerprint>"), then the lines called in this round, one a line, CR LF.
std::string RoundText(const std::vector<std::string>& roster, const std::vector<int32_t>& called);
// The lines called in this round, read back from that text. Anything that
// does not belong to this roster (another roster, garbage, numbers out of
// range, repeats) gives an empty round.
std::vector<int32_t> ParseRound(const std::string& text, const std::vector<std::string>& roster);

// Where a draw that showed `shown` last lands: `shown` itself when it is a
// name not yet called, else a random such name; when every name has been
// called, `called` is emptied and the new round's first pick is made the same
// way. Empty lines are never landed on; a roster of empty lines keeps `shown`.
int32_t ChooseLanding(int32_t shown, const std::vector<std::string>& roster,
                      std::vector<int32_t>& called, DrawRandom& random);

// The landing of a draw in a fair round, with the progress file read before
// and written after (safely: a new file renamed into place). The progress
// file is not trusted beyond 1 MB: a bigger one starts a new round.
int32_t LandFairly(int32_t shown);

}  // namespace app
