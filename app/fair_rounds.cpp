#include "app/fair_rounds.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "app/globals.h"
#include "app/paths.h"
#include "platform/files.h"

namespace app {
namespace {

constexpr int64_t kMostProgressBytes = 1 << 20;
constexpr char kHeading[] = "名单";

bool IsEmptyLine(const std::vector<std::string>& roster, int32_t line) {
  return roster[static_cast<size_t>(line) - 1].empty();
}

std::string HeadingOf(const std::vector<std::string>& roster) {
  char fingerprint[16];
  std::snprintf(fingerprint, sizeof fingerprint, "%08X",
                static_cast<unsigned>(RosterFingerprint(roster)));
  return std::string(kHeading) + " " + std::to_string(roster.size()) + " " + fingerprint;
}

// A line number as the whole text of a line: digits only, within the roster.
bool ParseLine(const std::string& text, size_t count, int32_t& line) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  const long value = std::stol(text);
  if (value < 1 || static_cast<size_t>(value) > count) return false;
  line = static_cast<int32_t>(value);
  return true;
}

}  // namespace

uint32_t RosterFingerprint(const std::vector<std::string>& roster) {
  // FNV-1a over every name and its end.
  uint32_t hash = 2166136261u;
  auto mix = [&hash](unsigned char byte) {
    hash ^= byte;
    hash *= 16777619u;
  };
  for (const std::string& name : roster) {
    for (char c : name) mix(static_cast<unsigned char>(c));
    mix('\n');
  }
  return hash;
}

std::string RoundText(const std::vector<std::string>& roster, const std::vector<int32_t>& called) {
  std::string text = HeadingOf(roster) + "\r\n";
  for (int32_t line : called) text += std::to_string(line) + "\r\n";
  return text;
}

std::vector<int32_t> ParseRound(const std::string& text, const std::vector<std::string>& roster) {
  std::istringstream lines(text);
  std::string line;
  auto next = [&]() -> bool {
    if (!std::getline(lines, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  };
  if (!next() || line != HeadingOf(roster)) return {};
  std::vector<int32_t> called;
  std::vector<bool> seen(roster.size() + 1, false);
  while (next()) {
    if (line.empty()) continue;
    int32_t k = 0;
    if (!ParseLine(line, roster.size(), k) || seen[static_cast<size_t>(k)] ||
        IsEmptyLine(roster, k))
      return {};
    seen[static_cast<size_t>(k)] = true;
    called.push_back(k);
  }
  return called;
}

int32_t ChooseLanding(int32_t shown, const std::vector<std::string>& roster,
                      std::vector<int32_t>& called, DrawRandom& random) {
  const int32_t count = static_cast<int32_t>(roster.size());
  auto candidates = [&] {
    std::vector<int32_t> open;
    for (int32_t k = 1; k <= count; ++k)
      if (!IsEmptyLine(roster, k) && std::find(called.begin(), called.end(), k) == called.end())
        open.push_back(k);
    return open;
  };
  std::vector<int32_t> open = candidates();
  if (open.empty()) {
    called.clear();  // everyone has been called: a new round
    open = candidates();
    if (open.empty()) return shown;
  }
  int32_t landing = shown;
  if (std::find(open.begin(), open.end(), shown) == open.end())
    landing = open[static_cast<size_t>(random.InRange(0, static_cast<int32_t>(open.size()) - 1))];
  called.push_back(landing);
  return landing;
}

int32_t LandFairly(int32_t shown) {
  const std::string path = ProgressPath();
  std::vector<int32_t> called;
  const int64_t size = platform::FileSize(path);
  if (size > 0 && size <= kMostProgressBytes) {
    const platform::Bytes bytes = platform::ReadWholeFile(path);
    called = ParseRound(std::string(bytes.begin(), bytes.end()), Roster);
  }
  const int32_t landing = ChooseLanding(shown, Roster, called, DrawGenerator());
  const std::string text = RoundText(Roster, called);
  // A folder that cannot be written keeps the draw going: the round is then
  // only as long as this landing remembers.
  platform::WriteWholeFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()),
                                     text.size());
  return landing;
}

}  // namespace app
