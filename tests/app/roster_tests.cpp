#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/paths.h"
#include "app/roster.h"
#include "tests/app/temp_class_folder.h"

namespace {

using Lines = std::vector<std::string>;

Lines Split(const std::string& text) {
  return app::SplitRosterText(app::Bytes(text.begin(), text.end()));
}

TEST(RosterSplit, CrLfSeparatesNamesAndAFinalOneAddsNothing) {
  EXPECT_EQ(Split("A\r\nB\r\n"), (Lines{"A", "B"}));
  EXPECT_EQ(Split("A\r\nB"), (Lines{"A", "B"}));
  EXPECT_EQ(Split("A\r\n\r\nB"), (Lines{"A", "", "B"}));
  EXPECT_EQ(Split("\r\nA"), (Lines{"", "A"}));
  EXPECT_EQ(Split("only one"), (Lines{"only one"}));
  EXPECT_EQ(Split(""), Lines{});
  EXPECT_EQ(Split("\r\n"), (Lines{""}));
}

TEST(RosterSplit, LoneCrOrLfIsNotALineEnd) {
  EXPECT_EQ(Split("A\nB\nC\n"), (Lines{"A\nB\nC\n"}));
  EXPECT_EQ(Split("A\rB"), (Lines{"A\rB"}));
  EXPECT_EQ(Split("A\r\r\nB"), (Lines{"A\r", "B"}));
  EXPECT_EQ(Split(" 张三 \r\n"), (Lines{" 张三 "}));  // names are not trimmed
}

TEST(RosterSplit, TextEndsAtTheFirstZeroByte) {
  std::string text("A\r\nB\0C\r\nD", 9);
  EXPECT_EQ(Split(text), (Lines{"A", "B"}));
  EXPECT_EQ(Split(std::string("\0A", 2)), Lines{});
}

TEST(RosterSplit, DelimiterIsNeverMatchedInsideADoubleByteCharacter) {
  // 0x81 0x0D is one double-byte character: the CR is its trail byte, so the
  // following LF alone does not end the line.
  EXPECT_EQ(Split("X\x81\r\nY"), (Lines{"X\x81\r\nY"}));
  // A high byte right before the end stands alone.
  EXPECT_EQ(Split("A\r\n\xB0"), (Lines{"A", "\xB0"}));
  EXPECT_EQ(Split("王小明\r\n李四\r\n"), (Lines{"王小明", "李四"}));
}

TEST(RosterFile, LoadReplacesTheRosterAndPhotosGoByLineNumber) {
  TempClassFolder folder("roster_load");
  app::Roster = {"old"};
  app::RosterCount = 1;
  app::LoadRoster();  // no ming.txt
  EXPECT_EQ(app::RosterCount, 0);
  EXPECT_TRUE(app::Roster.empty());

  folder.WriteFile("ming.txt", std::string("甲\r\n乙\r\n丙\r\n"));
  app::LoadRoster();
  ASSERT_EQ(app::RosterCount, 3);
  EXPECT_EQ(app::RosterName(1), "甲");
  EXPECT_EQ(app::RosterName(3), "丙");

  EXPECT_EQ(app::PhotoPath(12), folder.path() + "\\img\\12.jpg");
  EXPECT_EQ(app::BackgroundPath(), folder.path() + "\\img\\背景.jpg");
  folder.WriteFile("img\\2.jpg", std::string("photo two"));
  EXPECT_EQ(app::ReadPhoto(2), app::Bytes({'p', 'h', 'o', 't', 'o', ' ', 't', 'w', 'o'}));
  EXPECT_TRUE(app::ReadPhoto(3).empty());
  EXPECT_TRUE(app::ReadBackground().empty());
}

}  // namespace
