// pz.ini as the program reads it, and the settings that spoil a draw.
#include <gtest/gtest.h>

#include "tests/app/temp_class_folder.h"
#include "tools/classcheck/settings_check.h"

using classcheck::Kind;
using classcheck::Report;

namespace {

std::string Ini(const std::string& total, const std::string& p1, const std::string& p2,
                const std::string& i1, const std::string& i2) {
  std::string text =
      "[循环次数]\r\n次数=" + total + "\r\n[循环两遍]\r\n第一次循环多少次=" + p1 + "\r\n";
  if (!p2.empty()) text += "第二次循环多少次=" + p2 + "\r\n";
  return text + "[一次时间]\r\n第一次循环间隔=" + i1 + "\r\n[两次时间]\r\n第二次循环间隔=" + i2 +
         "\r\n";
}

TEST(SettingsCheck, MissingFileIsReportedWithTheDefaultsAndNotCreated) {
  TempClassFolder folder("settings_missing");
  Report report;
  classcheck::DrawSettings s = classcheck::CheckSettings(report);
  EXPECT_FALSE(s.fileExists);
  EXPECT_EQ(15, s.total);
  EXPECT_EQ(0, report.Count(Kind::kProblem));
  EXPECT_FALSE(platform::FileExists(folder.path() + "\\pz.ini"));
}

TEST(SettingsCheck, ValuesAndWarningsFollowTheProgramsReading) {
  struct Case {
    std::string ini;
    int32_t total, phase1, interval1;
    bool repeats, intervalWarning, missingWarning;
  } cases[] = {
      {Ini("15", "1", "5", "1000", "1000"), 15, 1, 1000, false, false, false},
      {Ini("15", "10", "5", "1000", "1000"), 15, 10, 1000, true, false, false},   // 11 + 5 >= 15
      {Ini("17", "10", "5", "1000", "1000"), 17, 10, 1000, false, false, false},  // 16 < 17
      {Ini("0", "1", "5", "1000", "1000"), 0, 1, 1000, true, false, false},
      {Ini("15", "３.７", "5", " 800", "1000"), 15, 3, 800, false, false, false},  // full width
      {Ini("15", "1", "5", "0", "1000"), 15, 1, 0, false, true, false},
      {Ini("15", "-2", "5", "0", "1000"), 15, -2, 0, false, false, false},    // phase 1 never waits
      {Ini("15", "1", "", "1000", "1000"), 15, 1, 1000, false, false, true},  // key missing
  };
  for (const Case& k : cases) {
    TempClassFolder folder("settings_values");
    folder.WriteFile("pz.ini", k.ini);
    Report report;
    classcheck::DrawSettings s = classcheck::CheckSettings(report);
    EXPECT_EQ(k.total, s.total) << k.ini;
    EXPECT_EQ(k.phase1, s.phase1) << k.ini;
    EXPECT_EQ(k.interval1, s.interval1) << k.ini;
    EXPECT_EQ(k.repeats, report.Contains("直到按「停止」")) << k.ini;
    EXPECT_EQ(k.intervalWarning, report.Contains("第一次循环间隔 是 0")) << k.ini;
    EXPECT_EQ(k.missingWarning, report.Contains("缺少 [循环两遍] 下的 第二次循环多少次")) << k.ini;
    EXPECT_TRUE(report.Contains("次数 = " + std::to_string(k.total))) << k.ini;
  }
}

}  // namespace
