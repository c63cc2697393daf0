#include "tools/classcheck/settings_check.h"

#include <algorithm>
#include <string>

#include "app/globals.h"
#include "app/paths.h"
#include "app/settings.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace classcheck {
namespace {

struct Key {
  const char* section;
  const char* key;
};

// In the order of DrawSettings' numbers.
constexpr Key kKeys[] = {
    {"循环次数", "次数"},
    {"循环两遍", "第一次循环多少次"},
    {"循环两遍", "第二次循环多少次"},
    {"一次时间", "第一次循环间隔"},
    {"两次时间", "第二次循环间隔"},
};

// Read when the program starts in a folder without pz.ini, which it then creates.
constexpr DrawSettings kCreatedDefaults = {false, 15, 1, 5, 1000, 1000};

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

void CheckInterval(const char* key, int32_t count, int32_t interval, const char* phase,
                   Report& report) {
  if (count <= 0 || interval > 0) return;
  report.Problem(std::string("pz.ini 的 ") + key + " 是 " + std::to_string(interval) + ": " +
                 phase +
                 "的名字不停顿地换, 抽签结束前窗口不刷新, 看不到抽到谁。办法: 改为 1000 "
                 "(一秒) 左右");
}

}  // namespace

bool RepeatsUntilStop(const DrawSettings& s) {
  const int64_t pass = int64_t(std::max(s.phase1, 0)) + 1 + std::max(s.phase2, 0);
  return pass >= s.total;
}

DrawSettings CheckSettings(Report& report) {
  const std::string path = app::SettingsPath();
  DrawSettings s = kCreatedDefaults;
  if (!platform::FileExists(path)) {
    report.Note(
        "没有 pz.ini: 程序第一次启动时会创建它, 次数 15, 第一次循环 1 次, 第二次循环 5 "
        "次, 间隔都是 1000 毫秒");
    return s;
  }
  s.fileExists = true;
  app::ReadSettings();
  s = {true,
       app::TotalCount,
       app::Phase1Count,
       app::Phase2Count,
       app::Phase1IntervalMs,
       app::Phase2IntervalMs};
  const int32_t values[] = {s.total, s.phase1, s.phase2, s.interval1, s.interval2};

  std::string summary = "pz.ini 读出:";
  const char* missingMark = "\x01";
  for (size_t i = 0; i < 5; ++i) {
    summary += std::string(i ? ", " : " ") + kKeys[i].key + " = " + std::to_string(values[i]);
    const std::string raw =
        platform::ReadProfileKey(path, kKeys[i].section, kKeys[i].key, missingMark);
    if (raw == missingMark) {
      report.Problem(std::string("pz.ini 缺少 [") + kKeys[i].section + "] 下的 " + kKeys[i].key +
                     ", 程序按 0 处理。办法: 加上一行 " + kKeys[i].key +
                     "=数字, 或删除 pz.ini "
                     "让程序重新创建");
    } else if (Trim(raw) != std::to_string(values[i])) {
      report.Note(std::string("pz.ini 的 ") + kKeys[i].key + " 写的是 " + Quote(raw) +
                  ", 程序读作 " + std::to_string(values[i]));
    }
  }
  report.Note(summary);

  if (RepeatsUntilStop(s)) {
    const int64_t pass = int64_t(std::max(s.phase1, 0)) + 1 + std::max(s.phase2, 0);
    report.Problem("按这些设置, 每次抽签会一直重复, 直到按「停止」: 两次循环加一是 " +
                   std::to_string(pass) + ", 不小于 次数 " + std::to_string(s.total) +
                   "。办法: 把 [循环次数] 的 次数 改为大于 " + std::to_string(pass) + " 的数");
  }
  CheckInterval("第一次循环间隔", s.phase1, s.interval1, "第一阶段", report);
  CheckInterval("第二次循环间隔", s.phase2, s.interval2, "第二阶段", report);
  if (s.phase1 <= 0 && s.phase2 <= 0)
    report.Problem(
        "pz.ini 的两个循环次数都不大于 0: 抽签时不显示任何名字。办法: 改为 1 和 5 这样的"
        "正数");
  return s;
}

}  // namespace classcheck
