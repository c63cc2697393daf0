#include "tools/classcheck/report.h"

#include <windows.h>

namespace classcheck {

int Report::Count(Kind kind) const {
  int n = 0;
  for (const Line& line : lines) n += line.kind == kind;
  return n;
}

int Report::FixableCount() const {
  int n = 0;
  for (const Line& line : lines) n += line.kind == Kind::kProblem && line.fixable;
  return n;
}

bool Report::Contains(const std::string& part) const {
  for (const Line& line : lines)
    if (line.text.find(part) != std::string::npos) return true;
  return false;
}

void Report::Append(const Report& other) {
  lines.insert(lines.end(), other.lines.begin(), other.lines.end());
}

std::string FormatReport(const Report& report) {
  std::string out;
  for (const Line& line : report.lines) {
    switch (line.kind) {
      case Kind::kNote: out += "[说明] "; break;
      case Kind::kProblem: out += "[问题] "; break;
      case Kind::kFixed: out += "[已修正] "; break;
      case Kind::kNotFixed: out += "[未修正] "; break;
    }
    out += line.text;
    out += "\r\n";
  }
  return out;
}

std::string LineList(const std::vector<int32_t>& lines, size_t shown) {
  std::string out = "第 ";
  for (size_t i = 0; i < lines.size() && i < shown; ++i) {
    if (i) out += "、";
    out += std::to_string(lines[i]);
  }
  out += " 行";
  if (lines.size() > shown) out += "等共 " + std::to_string(lines.size()) + " 行";
  return out;
}

std::string Quote(const std::string& name) {
  std::string out = "「";
  for (size_t i = 0; i < name.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(name[i]);
    if (c >= 0x81 && c <= 0xFE && i + 1 < name.size()) {
      char pair[2] = {name[i], name[i + 1]};
      wchar_t wide;
      if (::MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, pair, 2, &wide, 1) == 1) {
        out.append(pair, 2);
        ++i;
        continue;
      }
      out += '?';
    } else if (c < 0x20 || c == 0x7F || c >= 0x80) {
      out += '?';
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "」";
}

std::string JoinList(const std::vector<std::string>& items, size_t shown) {
  std::string out;
  for (size_t i = 0; i < items.size() && i < shown; ++i) {
    if (i) out += "、";
    out += items[i];
  }
  if (items.size() > shown) out += " 等共 " + std::to_string(items.size()) + " 个";
  return out;
}

}  // namespace classcheck
