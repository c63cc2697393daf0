// ming.txt, the class list, and the pictures found beside it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace app {

using Bytes = std::vector<uint8_t>;

// Replaces the roster with the lines of ming.txt (empty when it is missing).
void LoadRoster();

// Splits code page 936 text into lines at CR LF. The text ends at its first
// zero byte; a CR LF inside a double-byte character is not a line end; a last
// empty line is dropped, empty lines between names are kept.
std::vector<std::string> SplitRosterText(const Bytes& bytes);

// The whole file, or nothing when it is missing.
Bytes ReadBackground();
Bytes ReadPhoto(int32_t line);

}  // namespace app
