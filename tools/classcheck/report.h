// What a check found and what a fix did: lines of code page 936 text, each
// marked with what it means for the exit status.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace classcheck {

enum class Kind {
  kNote,     // a fact, nothing to do
  kProblem,  // the teacher should act; makes the exit status 1
  kFixed,    // --fix changed something
  kNotFixed  // --fix could not or would not change something
};

struct Line {
  Kind kind;
  std::string text;
  bool fixable = false;  // --fix would deal with this problem
};

struct Report {
  std::vector<Line> lines;

  void Note(const std::string& text) { lines.push_back({Kind::kNote, text, false}); }
  void Problem(const std::string& text, bool fixable = false) {
    lines.push_back({Kind::kProblem, text, fixable});
  }
  void Fixed(const std::string& text) { lines.push_back({Kind::kFixed, text, false}); }
  void NotFixed(const std::string& text) { lines.push_back({Kind::kNotFixed, text, false}); }

  int Count(Kind kind) const;
  int FixableCount() const;
  bool Contains(const std::string& part) const;  // any line holding `part`
  void Append(const Report& other);
};

// The whole report as console text, one line each, CR LF line ends.
std::string FormatReport(const Report& report);

// "第 3、7、9 行": at most `shown` numbers, then how many more.
std::string LineList(const std::vector<int32_t>& lines, size_t shown = 10);
// "「name」", with control bytes and bytes that are not code page 936 text
// shown as '?' so a broken name cannot garble the console.
std::string Quote(const std::string& name);
// "a、b、c", at most `shown` items, then how many more.
std::string JoinList(const std::vector<std::string>& items, size_t shown = 10);

}  // namespace classcheck
