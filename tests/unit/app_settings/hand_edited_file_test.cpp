// Settings files are edited by hand: whatever they hold, reading never fails on their content,
// keeps what parsed, and the next save writes a complete file that reads back the same.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "golden_settings_files.h"
#include "settings_test_support.h"

namespace qb {
namespace {

// Every key of the golden file exactly once, and nothing else.
::testing::AssertionResult HasEveryKeyOnce(const std::string& text, const std::string& golden) {
  std::map<std::string, int> counts;
  for (const std::string& line : LinesOf(text)) ++counts[KeyOf(line)];
  std::vector<std::string> goldenLines = LinesOf(golden);
  if (counts.size() != goldenLines.size()) {
    return ::testing::AssertionFailure() << counts.size() << " keys, expected "
                                         << goldenLines.size();
  }
  for (const std::string& line : goldenLines) {
    if (counts[KeyOf(line)] != 1) {
      return ::testing::AssertionFailure() << KeyOf(line) << " " << counts[KeyOf(line)] << " times";
    }
  }
  return ::testing::AssertionSuccess();
}

class HandEditedFileTest : public SettingsFilesTest {
 protected:
  // Saves, then loads and saves the saved file again: it must come out unchanged and silently.
  void expectStableAfterSave() {
    ASSERT_EQ(files().save(), 0);
    const std::string first = content(kEnvironmentPath);
    EXPECT_TRUE(HasEveryKeyOnce(first, GoldenSettingsFile("quillbox2.dat")));
    ui.clear();
    ASSERT_EQ(files().loadEnvironment(), 0);
    ASSERT_EQ(files().save(), 0);
    EXPECT_EQ(content(kEnvironmentPath), first);
    EXPECT_TRUE(ui.boxes().empty());
  }
};

TEST_F(HandEditedFileTest, AnOverlongFileIsReadUpTo500LinesAndSavedComplete) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += Line("Note" + std::to_string(i) + "=", "", "") + "\r\n";
  text += Line("MaxFile=", "100", "") + "\r\n";  // line 501: beyond what is read
  fs.putFile(kEnvironmentPath, text);
  ASSERT_EQ(files().loadEnvironment(), 0);
  EXPECT_EQ(environment().MaxFile, 300);
  expectStableAfterSave();
}

TEST_F(HandEditedFileTest, ChangesSavedIntoAFileOfManyRepeatedLinesAreReadBack) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += Line("PasteWait=", "1", "") + "\r\n";
  fs.putFile(kEnvironmentPath, text);
  ASSERT_EQ(files().loadEnvironment(), 0);
  environment().PasteRefoFlg = 0;  // a key the reader added at the end
  ASSERT_EQ(files().save(), 0);
  ASSERT_EQ(files().loadEnvironment(), 0);
  EXPECT_EQ(environment().PasteRefoFlg, 0);
  expectStableAfterSave();
}

TEST_F(HandEditedFileTest, BinaryGarbageReadsAsDefaults) {
  std::string garbage;
  unsigned state = 12345;
  for (int i = 0; i < 65536; ++i) {
    state = state * 1103515245u + 12345u;
    garbage += static_cast<char>((state >> 16) & 0xFF);
    if (i % 97 == 0) garbage += "\",\"";
  }
  fs.putFile(kEnvironmentPath, garbage);
  ASSERT_EQ(files().loadEnvironment(), 0);
  EXPECT_EQ(environment().MaxFile, 300);
  EXPECT_EQ(environment().FontName, "ＭＳ Ｐゴシック");
  expectStableAfterSave();
}

TEST_F(HandEditedFileTest, ATruncatedFileKeepsTheKeysBeforeTheCut) {
  std::string text = GoldenSettingsFile("quillbox2.dat");
  const std::string maxFile = Line("MaxFile=", "300", "<=履歴の最大ﾌｧｲﾙ数(V2.00)");
  text.replace(text.find(maxFile), maxFile.size(), Line("MaxFile=", "123", "<=edited"));
  const std::string cut = "\"TabColorTextKf3=\",\"200";
  text = text.substr(0, text.find(cut) + cut.size());
  fs.putFile(kEnvironmentPath, text);
  ASSERT_EQ(files().loadEnvironment(), 0);
  EXPECT_EQ(environment().MaxFile, 123);
  EXPECT_EQ(environment().TabColorTextKf[3], 200);
  EXPECT_EQ(environment().TabColorTextKf[4], 20000000);
  EXPECT_FALSE(environment().version.createdNew);
  expectStableAfterSave();
  EXPECT_NE(content(kEnvironmentPath).find(Line("MaxFile=", "123", "<=edited")),
            std::string::npos);
}

TEST_F(HandEditedFileTest, BrokenLinesLoseNothingThatParsed) {
  using namespace std::string_literals;
  fs.putFile(kEnvironmentPath,
             "\"Wareki_Base=\",1990,\"c\"\n"   // unquoted value, LF only
             "PasteWait=\",\"40\r\n"           // quotes missing at both ends
             "\"SCREEN_X=\"\r\n"               // no value: 0
             "\"\r\n,,,,\r\n\x1A\x00\xFF\r\n"  // noise
             "\"TabHelpDsp=\",\"0\",\"c\""s);  // no line end
  ASSERT_EQ(files().loadEnvironment(), 0);
  EXPECT_EQ(environment().Wareki_Base, 1990);
  EXPECT_EQ(environment().PasteWait, 40);
  EXPECT_EQ(environment().SCREEN_X, 0.0);
  EXPECT_EQ(environment().TabHelpDsp, 0);
  expectStableAfterSave();
}

TEST_F(HandEditedFileTest, CompanionValuesAreReadWithTheirLimits) {
  fs.putFile(kRelatedPath, Line("SANSYO_TEXT2_WIDTH9=", "5", "") + "\r\n" +
                               Line("SANSYO_TEXT6_WIDTH0=", "9999", "") + "\r\n" +
                               Line("SANSYO_TEXT3_DIR4=", "D:\\表\\メモ.txt", "") + "\r\n" +
                               Line("SANSYO_TEXT0_ON=", "0", "") + "\r\n");
  fs.putFile(kPlanPath, Line("PlanHotKeyGroup_07=", "4", "") + "\r\n" +
                            Line("PlanHotKey3_49=", "65", "") + "\r\n");
  ASSERT_EQ(files().load(), 0);
  const RelatedFileSettings& related = files().settings().relatedFiles;
  EXPECT_EQ(related.SANSYO_TEXT_WIDTH[2][9], 8);
  EXPECT_EQ(related.SANSYO_TEXT_WIDTH[6][0], 600);
  EXPECT_EQ(related.SANSYO_TEXT_WIDTH[2][8], 75);
  EXPECT_EQ(related.SANSYO_TEXT_DIR[3][4], "D:\\表\\メモ.txt");
  EXPECT_EQ(related.SANSYO_TEXT_ON[0], 0);
  const PlanHotkeySettings& plan = files().settings().planHotkeys;
  EXPECT_EQ(plan.PlanHotKeyGroup[7], 4);
  EXPECT_EQ(plan.PlanHotKeyGroup[8], 2);
  EXPECT_EQ(plan.PlanHotKey3[49], 65);
  ASSERT_EQ(files().save(), 0);
  EXPECT_TRUE(HasEveryKeyOnce(content(kRelatedPath), GoldenSettingsFile("quillboxtxt.dat")));
  EXPECT_TRUE(HasEveryKeyOnce(content(kPlanPath), GoldenSettingsFile("quillboxplan.dat")));
  EXPECT_EQ(LinesOf(content(kRelatedPath))[2], Line("SANSYO_TEXT3_DIR4=", "D:\\表\\メモ.txt", ""));
}

}  // namespace
}  // namespace qb
