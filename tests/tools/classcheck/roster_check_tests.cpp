// How ming.txt is read: by the program, and as the teacher meant it.
#include <gtest/gtest.h>

#include "tools/classcheck/roster_check.h"
#include "tests/tools/classcheck/class_folder_helpers.h"

using classcheck::Encoding;
using classcheck::Kind;
using classcheck::Report;
using classcheck_test::ToBytes;

namespace {

classcheck::RosterCheck Check(const std::string& bytes, Report& report) {
  return classcheck::CheckRosterBytes(ToBytes(bytes), report);
}

TEST(RosterCheck, Utf8WithMarkAndLfOnlyIsSeenAsTheProgramReadsItAndConvertible) {
  Report report;
  auto c = Check(std::string("\xEF\xBB\xBF") + u8"张三\n李四\n王五\n", report);
  EXPECT_EQ(Encoding::kUtf8Bom, c.text.encoding);
  EXPECT_EQ(1u, c.programLines.size());  // no CR LF: one name
  ASSERT_EQ(3, c.LineCount());
  EXPECT_EQ("张三", c.text.lines[0]);  // GBK: the test's literals are compiled to it
  EXPECT_TRUE(c.canConvert);
  EXPECT_TRUE(report.Contains("UTF-8(带 BOM)"));
  EXPECT_TRUE(report.Contains("会把 3 个名字读成 1 个"));
  EXPECT_EQ(2, report.FixableCount());
  EXPECT_EQ(ToBytes("张三\r\n李四\r\n王五\r\n"), classcheck::JoinCrLf(c.text));
}

TEST(RosterCheck, EveryUnicodeFormAndLineEndGivesTheSameGbkLines) {
  const std::vector<std::string> meant = {"张三", "李四"};
  struct Case {
    std::string bytes;
    Encoding encoding;
    std::vector<std::string> lines;
  } cases[] = {
      {u8"张三\r李四", Encoding::kUtf8, meant},
      {std::string("\xFF\xFE\x20\x5F\x09\x4E\x0D\x00\x0A\x00\x4E\x67\xDB\x56", 14),
       Encoding::kUtf16Le, meant},
      {std::string("\xFE\xFF\x5F\x20\x4E\x09\x00\x0A\x67\x4E\x56\xDB", 12), Encoding::kUtf16Be,
       meant},
      {std::string("A\0B\0\r\0\n\0C\0", 10), Encoding::kUtf16Le, {"AB", "C"}},  // no mark
      {"张三\n李四", Encoding::kGbk, meant},
  };
  for (const Case& k : cases) {
    Report report;
    auto c = Check(k.bytes, report);
    EXPECT_EQ(k.encoding, c.text.encoding) << k.bytes;
    EXPECT_EQ(k.lines, c.text.lines) << k.bytes;
    EXPECT_TRUE(c.needsConversion && c.canConvert);
  }
}

TEST(RosterCheck, CleanGbkListNeedsNothing) {
  Report report;
  auto c = Check("张三\r\n李四\r\n", report);
  EXPECT_FALSE(c.needsConversion);
  EXPECT_EQ(0, report.Count(Kind::kProblem));
  EXPECT_TRUE(report.Contains("名单共 2 行"));
}

TEST(RosterCheck, NamesEmptyBlankAndDuplicateAreListedByLine) {
  Report report;
  auto c = Check("张三\r\n\r\n 李四\r\n王五　\r\n张三 \r\n李四\r\n", report);
  EXPECT_EQ(6, c.LineCount());
  EXPECT_TRUE(report.Contains("第 2 行 是空行"));
  EXPECT_TRUE(report.Contains("第 3、4、5 行 的名字前后有空格"));  // full-width blank too
  EXPECT_TRUE(report.Contains("「张三」 在 第 1、5 行"));
  EXPECT_TRUE(report.Contains("「李四」 在 第 3、6 行"));
  EXPECT_EQ(0, report.FixableCount());  // --fix keeps lines as they are
}

TEST(RosterCheck, CharactersGbkLacksBlockTheConversionAndAreNamed) {
  Report report;
  auto c = Check(u8"张三\r\n李\U0001F600\r\n王五\r\n", report);
  EXPECT_EQ(std::vector<int32_t>{2}, c.text.unrepresentable);
  EXPECT_FALSE(c.canConvert);
  EXPECT_TRUE(report.Contains("第 2 行 有 GBK 里没有的字"));
}

TEST(RosterCheck, AZeroByteEndsWhatTheProgramReadsAndBlocksTheFix) {
  Report report;
  const char bytes[] = "张三\r\n李四\0\r\n王五\n";
  auto c = Check(std::string(bytes, sizeof bytes - 1), report);
  EXPECT_EQ(2, c.nulLine);
  EXPECT_EQ(2u, c.programLines.size());
  EXPECT_FALSE(c.canConvert);
  EXPECT_TRUE(report.Contains("第 2 行有空字节"));
}

TEST(RosterCheck, RandomBytesGiveAReportNotACrash) {
  uint32_t state = 12345;
  for (int round = 0; round < 20; ++round) {
    std::string bytes;
    for (int i = 0; i < 4096; ++i) {
      state = state * 1664525u + 1013904223u;
      bytes += static_cast<char>(state >> 24);
    }
    Report report;
    Check(bytes, report);
    EXPECT_GT(report.Count(Kind::kProblem), 0);
    for (const auto& line : report.lines)  // nothing of the garbage reaches the console raw
      for (char ch : line.text) EXPECT_FALSE(ch == '\0' || ch == '\n' || ch == '\r');
  }
}

}  // namespace
