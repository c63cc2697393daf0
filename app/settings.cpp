#include "app/settings.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "app/globals.h"
#include "app/paths.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace app {
namespace {

struct DefaultKey {
  const char* section;
  const char* key;
  const char* value;
};

// Written in this order when the file is created.
constexpr DefaultKey kDefaults[] = {
    {"循环次数", "次数", "15"},
    {"循环两遍", "第一次循环多少次", "1"},
    {"循环两遍", "第二次循环多少次", "5"},
    {"一次时间", "第一次循环间隔", "1000"},
    {"两次时间", "第二次循环间隔", "1000"},
    {"说明情况:", "说明:", "循环次数 是两个次数加起来总数, 间隔时间是 1000=一秒"},
};

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number at text[start]: sign, digits, fraction,
// exponent. Only the plain decimal form counts: no "inf", "nan" or hex.
size_t DecimalPrefixLength(const std::string& text, size_t start) {
  size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i - start;
}

}  // namespace

std::string FoldFullWidth(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80 || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    unsigned char trail = static_cast<unsigned char>(text[i + 1]);
    ++i;
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out += static_cast<char>(trail & 0x7F);
    } else if (lead == 0xA1 && trail == 0xA1) {
      out += ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      out += '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      out += '*';
    } else {
      out += static_cast<char>(lead);
      out += static_cast<char>(trail);
    }
  }
  return out;
}

int32_t SettingTextToNumber(const std::string& raw) {
  std::string text = FoldFullWidth(raw);
  size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  size_t length = DecimalPrefixLength(text, start);
  if (length == 0) return 0;
  // The prefix is plain decimal ASCII, so strtod reads exactly it.
  double value = std::strtod(text.substr(start, length).c_str(), nullptr);
  value = std::trunc(value);
  if (value >= static_cast<double>(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (value <= static_cast<double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

void CreateSettingsFileIfMissing() {
  const std::string path = SettingsPath();
  if (platform::FileExists(path)) return;
  for (const DefaultKey& row : kDefaults)
    platform::WriteProfileKey(path, row.section, row.key, row.value);
}

void ReadSettings() {
  const std::string path = SettingsPath();
  auto read = [&path](int row) {
    return SettingTextToNumber(
        platform::ReadProfileKey(path, kDefaults[row].section, kDefaults[row].key));
  };
  TotalCount = read(0);
  Phase1Count = read(1);
  Phase2Count = read(2);
  Phase1IntervalMs = read(3);
  Phase2IntervalMs = read(4);
  // Switches only the teacher writes: the file the program creates has none.
  auto on = [&path](const char* section, const char* key) {
    return SettingTextToNumber(platform::ReadProfileKey(path, section, key)) != 0;
  };
  FairRounds = on("抽取方式", "不重复");
  KeepPickLog = on("记录", "保存");
  StartFullScreen = on("显示", "全屏");
  ReadAloud = on("朗读", "开启");
  // An empty value is the teacher's too, and is reported: only a missing key
  // means no hot key.
  constexpr char kMissing[] = "\x01";
  const std::string hotKey = platform::ReadProfileKey(path, "热键", "开始", kMissing);
  StartHotKeyText = hotKey == kMissing ? std::nullopt : std::optional<std::string>(hotKey);
}

void LoadSettings() {
  CreateSettingsFileIfMissing();
  ReadSettings();
}

}  // namespace app
