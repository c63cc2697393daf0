#include "app/roster.h"

#include <algorithm>
#include <climits>

#include "app/globals.h"
#include "app/paths.h"
#include "platform/files.h"

namespace app {

std::vector<std::string> SplitRosterText(const Bytes& bytes) {
  const size_t end = static_cast<size_t>(std::find(bytes.begin(), bytes.end(), 0) - bytes.begin());
  std::vector<std::string> lines;
  size_t cut = 0;
  size_t i = 0;
  while (i < end) {
    if ((bytes[i] & 0x80) && i + 1 < end) {
      i += 2;  // a double-byte character: its trail byte is never a delimiter
    } else if (bytes[i] == '\r' && i + 1 < end && bytes[i + 1] == '\n') {
      lines.emplace_back(reinterpret_cast<const char*>(bytes.data()) + cut, i - cut);
      i += 2;
      cut = i;
    } else {
      ++i;
    }
  }
  if (cut < end) lines.emplace_back(reinterpret_cast<const char*>(bytes.data()) + cut, end - cut);
  return lines;
}

void LoadRoster() {
  std::vector<std::string> lines = SplitRosterText(platform::ReadWholeFile(RosterPath()));
  // A list longer than the 32-bit count could say is cut, never miscounted.
  if (lines.size() > static_cast<size_t>(INT32_MAX)) lines.resize(INT32_MAX);
  Roster = std::move(lines);
  RosterCount = static_cast<int32_t>(Roster.size());
}

Bytes ReadBackground() { return platform::ReadWholeFile(BackgroundPath()); }

Bytes ReadPhoto(int32_t line) { return platform::ReadWholeFile(PhotoPath(line)); }

}  // namespace app
