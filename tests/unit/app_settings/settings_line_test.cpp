#include "app/settings/settings_line.h"

#include <gtest/gtest.h>

#include "app/settings/loaded_line_table.h"

namespace qb {
namespace {

TEST(SettingsLineTest, ThreeQuotedFieldsLoseTheirQuotes) {
  EXPECT_EQ(ParseSettingsLine("\"Wareki_Base=\",\"1989\",\"<=和暦基準年(V2.10)\""),
            (SettingsLine{"Wareki_Base=", "1989", "<=和暦基準年(V2.10)"}));
  EXPECT_EQ(ParseSettingsLine("\"MyIp=\",\"\",\"\""), (SettingsLine{"MyIp=", "", ""}));
}

TEST(SettingsLineTest, ValueWithACommaIsCutAndTheRestGoesToTheComment) {
  EXPECT_EQ(ParseSettingsLine("\"Open_MyName=\",\"a,b\",\"c\""),
            (SettingsLine{"Open_MyName=", "a", "b\",\"c"}));
}

TEST(SettingsLineTest, HandEditedLinesKeepWhatTheyHave) {
  // A missing quote costs no character of the key or the value.
  EXPECT_EQ(ParseSettingsLine("\"Wareki_Base=\",1990,\"c\""),
            (SettingsLine{"Wareki_Base=", "1990", "c"}));
  EXPECT_EQ(ParseSettingsLine("MaxFile=\",\"900\",\"x"), (SettingsLine{"MaxFile=", "900", "x"}));
  // Fewer than three fields.
  EXPECT_EQ(ParseSettingsLine("\"MaxFile=\",\"900\""), (SettingsLine{"MaxFile=", "900", ""}));
  EXPECT_EQ(ParseSettingsLine("garbage"), (SettingsLine{"garbage", "", ""}));
  EXPECT_EQ(ParseSettingsLine("\""), (SettingsLine{"", "", ""}));
  EXPECT_EQ(ParseSettingsLine(",,"), (SettingsLine{"", "", ""}));
}

TEST(SettingsLineTest, QuotesInsideFieldsStay) {
  // No escaping: only the outermost quote at each end goes.
  EXPECT_EQ(ParseSettingsLine("\"K=\",\"\"q\"\",\"c\"\""), (SettingsLine{"K=", "\"q\"", "c\""}));
}

TEST(SettingsLineTest, FormatQuotesTheFieldsAndEndsWithCrLf) {
  EXPECT_EQ(FormatSettingsLine("MaxFile=", "500", "x"), "\"MaxFile=\",\"500\",\"x\"\r\n");
  EXPECT_EQ(FormatSettingsLine("MyIp=", "", ""), "\"MyIp=\",\"\",\"\"\r\n");
}

TEST(SettingsLineTest, SplitDropsEmptyLinesAndLineEnds) {
  auto lines = SplitSettingsText("a\r\n\r\n\nb\nc\r\r\nd", 100);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[1], "b");
  EXPECT_EQ(lines[2], "c\r");  // only the CR of the line end goes
  EXPECT_EQ(lines[3], "d");    // a last line without its line end (a cut file) still counts
  EXPECT_TRUE(SplitSettingsText("", 100).empty());
  EXPECT_TRUE(SplitSettingsText("\r\n\n\r\n", 100).empty());
  EXPECT_EQ(SplitSettingsText("a\nb\nc", 2).size(), 2u);
}

TEST(LoadedLineTableTest, LookupIsExactAndGivesTheFirstLine) {
  LoadedLineTable table;
  table.load("\"A=\",\"1\",\"\"\r\n\"B=\",\"2\",\"\"\r\n\"A=\",\"3\",\"\"\r\n");
  EXPECT_EQ(table.find("A="), 0);
  EXPECT_EQ(table.find("B="), 1);
  EXPECT_EQ(table.find("a="), LoadedLineTable::kNotFound);
  EXPECT_EQ(table.find("A"), LoadedLineTable::kNotFound);
  EXPECT_EQ(LoadedLineTable::kNotFound, 99999);
}

TEST(LoadedLineTableTest, TakesAtMost500LinesFromAFileButAppendsWithoutLimit) {
  std::string text;
  for (int i = 0; i < 600; ++i) text += "\"K" + std::to_string(i) + "=\",\"\",\"\"\r\n";
  LoadedLineTable table;
  table.load(text);
  EXPECT_EQ(table.size(), 500u);
  EXPECT_EQ(table.find("K499="), 499);
  EXPECT_EQ(table.find("K500="), LoadedLineTable::kNotFound);
  table.append({"New=", "", ""});
  EXPECT_EQ(table.find("New="), 500);
}

}  // namespace
}  // namespace qb
