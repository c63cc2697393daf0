#include "tools/classcheck/roster_check.h"

#include <algorithm>
#include <map>

#include "app/paths.h"
#include "app/roster.h"
#include "platform/files.h"

namespace classcheck {
namespace {

bool IsBlankAt(const std::string& s, size_t i, size_t& width) {
  width = 1;
  if (s[i] == ' ' || s[i] == '\t') return true;
  width = 2;  // the full-width blank
  return i + 1 < s.size() && uint8_t(s[i]) == 0xA1 && uint8_t(s[i + 1]) == 0xA1;
}

bool HasOuterBlanks(const std::string& s) {
  if (s.empty()) return false;
  size_t width;
  if (IsBlankAt(s, 0, width)) return true;
  if (s.back() == ' ' || s.back() == '\t') return true;
  return s.size() >= 2 && uint8_t(s[s.size() - 2]) == 0xA1 && uint8_t(s.back()) == 0xA1;
}

std::string Trimmed(const std::string& s) {
  size_t start = 0, width;
  while (start < s.size() && IsBlankAt(s, start, width)) start += width;
  std::string out = s.substr(start);
  for (;;) {
    if (!out.empty() && (out.back() == ' ' || out.back() == '\t')) {
      out.pop_back();
    } else if (out.size() >= 2 && uint8_t(out[out.size() - 2]) == 0xA1 &&
               uint8_t(out.back()) == 0xA1) {
      out.resize(out.size() - 2);
    } else {
      return out;
    }
  }
}

int32_t LineOfOffset(const Bytes& bytes, size_t offset) {
  int32_t line = 1;
  for (size_t i = 0; i < offset; ++i)
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
      ++line;
  return line;
}

void CheckEncodingAndLineEnds(RosterCheck& c, Report& report) {
  const RosterText& t = c.text;
  const std::string meant = std::to_string(t.lines.size());
  const std::string read = std::to_string(c.programLines.size());
  if (t.encoding != Encoding::kGbk) {
    report.Problem(std::string("ming.txt 保存成了 ") + EncodingName(t.encoding) +
                       " 编码, 程序按 GBK 读, 名字会显示成乱码 (程序读到 " + read + " 行, 应为 " +
                       meant + " 行)。办法: 运行 classcheck --fix, 或用记事本另存为 ANSI 编码",
                   c.canConvert);
  }
  if (t.lf + t.cr > 0) {
    std::string kinds = t.lf && t.cr ? "LF 或 CR" : t.lf ? "LF (换行)" : "CR (回车)";
    std::string how = t.crlf == 0 ? "全部行尾只有 " + kinds
                                  : "有 " + std::to_string(t.lf + t.cr) + " 处行尾只有 " + kinds;
    report.Problem("ming.txt " + how + ", 程序只认 CR LF: 会把 " + meant + " 个名字读成 " + read +
                       " 个。办法: 运行 classcheck --fix, 或用记事本重新保存",
                   c.canConvert);
  }
  if (!t.unrepresentable.empty()) {
    report.Problem("ming.txt " + LineList(t.unrepresentable) +
                   " 有 GBK 里没有的字 (如生僻字或表情符号), 程序无法显示, --fix 不转换这个文件。"
                   "办法: 把这些字换成常用字或拼音, 再运行 classcheck --fix");
  }
  if (!t.invalid.empty()) {
    report.Problem("ming.txt " + LineList(t.invalid) +
                   " 有不是 GBK 文字的字节, 会显示成乱码。办法: 重新输入这些名字, 用记事本另存为 "
                   "ANSI 编码");
  }
}

void CheckNames(const RosterCheck& c, Report& report) {
  const std::vector<std::string>& lines = c.text.lines;
  std::vector<int32_t> empty, blanks;
  std::map<std::string, std::vector<int32_t>> byName;
  std::vector<std::string> order;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int32_t number = static_cast<int32_t>(i + 1);
    std::string name = Trimmed(lines[i]);
    if (name.empty()) {
      empty.push_back(number);
      continue;
    }
    if (HasOuterBlanks(lines[i])) blanks.push_back(number);
    auto& at = byName[name];
    if (at.size() == 1) order.push_back(name);
    at.push_back(number);
  }
  if (!empty.empty())
    report.Problem("ming.txt " + LineList(empty) +
                   " 是空行 (或只有空格), 抽到时显示空白。办法: 填上名字; 删除该行时, 其后各行的"
                   "照片编号要减一");
  if (!blanks.empty())
    report.Problem("ming.txt " + LineList(blanks) +
                   " 的名字前后有空格, 显示会偏。办法: 删掉名字前后的空格");
  const size_t shown = 10;
  for (size_t i = 0; i < order.size() && i < shown; ++i)
    report.Problem("重名: " + Quote(order[i]) + " 在 " + LineList(byName[order[i]]) +
                   ", 抽到时分不清是谁。办法: 加上区分 (如 " + Quote(order[i] + "A") + ")");
  if (order.size() > shown)
    report.Problem("另有 " + std::to_string(order.size() - shown) + " 组重名未列出。办法: 同上");
}

}  // namespace

RosterCheck CheckRosterBytes(const Bytes& bytes, Report& report) {
  RosterCheck c;
  c.exists = true;
  c.bytes = bytes;
  c.programLines = app::SplitRosterText(bytes);
  c.text = ReadRosterText(bytes);
  const RosterText& t = c.text;
  const bool gbk = t.encoding == Encoding::kGbk;
  auto nul = std::find(bytes.begin(), bytes.end(), 0);
  if (gbk && nul != bytes.end()) c.nulLine = LineOfOffset(bytes, size_t(nul - bytes.begin()));
  c.needsConversion = !gbk || t.lf + t.cr > 0;
  c.canConvert = c.needsConversion && t.unrepresentable.empty() && t.invalid.empty() && !c.nulLine;

  CheckEncodingAndLineEnds(c, report);
  if (c.nulLine)
    report.Problem("ming.txt 第 " + std::to_string(c.nulLine) +
                   " 行有空字节 (NUL), 程序读到这里就停止, 其后的内容都读不到。办法: 删除这些"
                   "字符, 用记事本另存为 ANSI 编码");
  CheckNames(c, report);
  if (t.lines.empty())
    report.Problem("ming.txt 里没有名字: 按开始后不会抽出任何人。办法: 每行写一个名字");
  else
    report.Note("名单共 " + std::to_string(t.lines.size()) +
                " 行, 照片按行号对应 img\\1.jpg 到 img\\" + std::to_string(t.lines.size()) +
                ".jpg");
  return c;
}

RosterCheck CheckRoster(Report& report) {
  const std::string path = app::RosterPath();
  if (!platform::FileExists(path)) {
    report.Problem(
        "没有找到名单 ming.txt: 程序没有名字可抽。办法: 在程序旁建 ming.txt, 每行一个"
        "名字, 用记事本保存为 ANSI 编码");
    return RosterCheck{};
  }
  return CheckRosterBytes(platform::ReadWholeFile(path), report);
}

}  // namespace classcheck
