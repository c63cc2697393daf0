#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>

#include "app/globals.h"
#include "app/paths.h"
#include "app/settings.h"
#include "platform/profile.h"
#include "tests/app/temp_class_folder.h"

namespace {

using app::SettingTextToNumber;

TEST(SettingNumbers, DecimalPrefixTruncatedTowardZero) {
  EXPECT_EQ(SettingTextToNumber("15"), 15);
  EXPECT_EQ(SettingTextToNumber("3.7"), 3);
  EXPECT_EQ(SettingTextToNumber("-2.9"), -2);
  EXPECT_EQ(SettingTextToNumber("-1"), -1);
  EXPECT_EQ(SettingTextToNumber("+8"), 8);
  EXPECT_EQ(SettingTextToNumber("   42"), 42);
  EXPECT_EQ(SettingTextToNumber("\t7"), 7);
  EXPECT_EQ(SettingTextToNumber("12abc"), 12);
  EXPECT_EQ(SettingTextToNumber("1e3"), 1000);
  EXPECT_EQ(SettingTextToNumber("2.5E+2x"), 250);
  EXPECT_EQ(SettingTextToNumber("1e"), 1);  // an exponent needs digits
  EXPECT_EQ(SettingTextToNumber(".5"), 0);
  EXPECT_EQ(SettingTextToNumber("7."), 7);
}

TEST(SettingNumbers, TextsWithoutADecimalNumberReadAsZero) {
  EXPECT_EQ(SettingTextToNumber(""), 0);
  EXPECT_EQ(SettingTextToNumber("abc"), 0);
  EXPECT_EQ(SettingTextToNumber("-"), 0);
  EXPECT_EQ(SettingTextToNumber("."), 0);
  EXPECT_EQ(SettingTextToNumber("一千"), 0);
  // Only the decimal grammar: no infinity, no NaN, no hexadecimal.
  EXPECT_EQ(SettingTextToNumber("inf"), 0);
  EXPECT_EQ(SettingTextToNumber("-infinity"), 0);
  EXPECT_EQ(SettingTextToNumber("nan"), 0);
  EXPECT_EQ(SettingTextToNumber("0x10"), 0);
  EXPECT_EQ(SettingTextToNumber("16x"), 16);
}

TEST(SettingNumbers, ValuesBeyondTheIntegerRangeSaturate) {
  EXPECT_EQ(SettingTextToNumber("2147483647"), INT32_MAX);
  EXPECT_EQ(SettingTextToNumber("2147483648"), INT32_MAX);
  EXPECT_EQ(SettingTextToNumber("99999999999999999999"), INT32_MAX);
  EXPECT_EQ(SettingTextToNumber("1e400"), INT32_MAX);
  EXPECT_EQ(SettingTextToNumber("-2147483648"), INT32_MIN);
  EXPECT_EQ(SettingTextToNumber("-1e30"), INT32_MIN);
  EXPECT_EQ(SettingTextToNumber("1e-400"), 0);
}

TEST(SettingNumbers, FullWidthFormsReadLikeAscii) {
  EXPECT_EQ(SettingTextToNumber("１０００"), 1000);
  EXPECT_EQ(SettingTextToNumber("－３．７"), -3);
  EXPECT_EQ(SettingTextToNumber("　　５"), 5);  // full-width blanks are skipped
  EXPECT_EQ(SettingTextToNumber("１２秒"), 12);
  EXPECT_EQ(app::FoldFullWidth("～＊＃"), "~*#");
  EXPECT_EQ(app::FoldFullWidth("\xA1\xAB\xA1\xEE\xA1\xEF"), "~**");
  EXPECT_EQ(app::FoldFullWidth("名字"), "名字");
  // A lone lead byte at the end passes unchanged.
  EXPECT_EQ(app::FoldFullWidth("1\xA3"), "1\xA3");
}

// Reads a profile file as plain text: sections and their keys, in order.
std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(SettingsFile, FirstStartCreatesTheDefaultsAndReadsThem) {
  TempClassFolder folder("settings_first_start");
  app::LoadSettings();
  EXPECT_EQ(app::TotalCount, 15);
  EXPECT_EQ(app::Phase1Count, 1);
  EXPECT_EQ(app::Phase2Count, 5);
  EXPECT_EQ(app::Phase1IntervalMs, 1000);
  EXPECT_EQ(app::Phase2IntervalMs, 1000);

  const std::string path = app::SettingsPath();
  EXPECT_EQ(platform::ReadProfileKey(path, "循环次数", "次数"), "15");
  EXPECT_EQ(platform::ReadProfileKey(path, "循环两遍", "第一次循环多少次"), "1");
  EXPECT_EQ(platform::ReadProfileKey(path, "循环两遍", "第二次循环多少次"), "5");
  EXPECT_EQ(platform::ReadProfileKey(path, "一次时间", "第一次循环间隔"), "1000");
  EXPECT_EQ(platform::ReadProfileKey(path, "两次时间", "第二次循环间隔"), "1000");
  EXPECT_EQ(platform::ReadProfileKey(path, "说明情况:", "说明:"),
            "循环次数 是两个次数加起来总数, 间隔时间是 1000=一秒");

  // Five sections, in the order written.
  const std::string text = ReadFileText(path);
  size_t a = text.find("[循环次数]"), b = text.find("[循环两遍]"), c = text.find("[一次时间]"),
         d = text.find("[两次时间]"), e = text.find("[说明情况:]");
  ASSERT_NE(e, std::string::npos);
  EXPECT_LT(a, b);
  EXPECT_LT(b, c);
  EXPECT_LT(c, d);
  EXPECT_LT(d, e);
}

TEST(SettingsFile, AnExistingFileIsNeverRewritten) {
  TempClassFolder folder("settings_existing");
  // Lacks 第二次循环多少次 and holds edited values.
  folder.WriteFile("pz.ini",
                   "[循环次数]\r\n次数=3.9\r\n[循环两遍]\r\n第一次循环多少次=２\r\n"
                   "[一次时间]\r\n第一次循环间隔=  250ms\r\n[两次时间]\r\n第二次循环间隔=fast\r\n");
  const std::string before = ReadFileText(app::SettingsPath());
  app::LoadSettings();
  EXPECT_EQ(ReadFileText(app::SettingsPath()), before);
  EXPECT_EQ(app::TotalCount, 3);
  EXPECT_EQ(app::Phase1Count, 2);
  EXPECT_EQ(app::Phase2Count, 0);  // missing key: not repaired, reads 0
  EXPECT_EQ(app::Phase1IntervalMs, 250);
  EXPECT_EQ(app::Phase2IntervalMs, 0);
}

TEST(SettingsFile, AnUnwritableFolderGivesZeroes) {
  app::SetDataDirectory("Z:\\no\\such\\folder\\at\\all");
  app::TotalCount = app::Phase1Count = 9;
  app::LoadSettings();
  EXPECT_EQ(app::TotalCount, 0);
  EXPECT_EQ(app::Phase1Count, 0);
  EXPECT_EQ(app::Phase2IntervalMs, 0);
}

}  // namespace
