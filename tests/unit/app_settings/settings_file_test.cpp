#include "app/settings/settings_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "golden_settings_files.h"
#include "settings_test_support.h"

namespace qb {
namespace {

// --- A new data home --------------------------------------------------------------------------

TEST_F(SettingsFilesTest, EmptyStartWritesEveryKeyOfEachFileWithItsDefault) {
  ASSERT_EQ(files().load(), 0);
  EXPECT_EQ(content(kEnvironmentPath), "");  // missing files are created empty when read
  EXPECT_EQ(content(kPlanPath), "");
  ASSERT_EQ(files().save(), 0);
  EXPECT_EQ(content(kEnvironmentPath), GoldenSettingsFile("quillbox2.dat"));
  EXPECT_EQ(content(kRelatedPath), GoldenSettingsFile("quillboxtxt.dat"));
  EXPECT_EQ(content(kPlanPath), GoldenSettingsFile("quillboxplan.dat"));
  EXPECT_TRUE(environment().version.createdNew);
  EXPECT_TRUE(files().settings().relatedFiles.version.createdNew);
  EXPECT_FALSE(environment().version.upgraded);
  EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(SettingsFilesTest, AnEmptyFileReadsLikeAMissingOne) {
  fs.putFile(kEnvironmentPath, "\r\n\r\n");
  ASSERT_EQ(files().loadEnvironment(), 0);
  ASSERT_EQ(files().save(), 0);
  EXPECT_EQ(content(kEnvironmentPath), GoldenSettingsFile("quillbox2.dat"));
}

TEST_F(SettingsFilesTest, DefaultsHoldBeforeLoadingAndFollowTheScreen) {
  system.screen = ScreenSize{1920, 1080};
  EXPECT_EQ(environment().MaxFile, 300);
  EXPECT_EQ(environment().SCREEN_X, 50.0);
  EXPECT_EQ(environment().WIN_SIZE_T, (1080 - 330) / 2);
  EXPECT_EQ(environment().WIN_SIZE_L, (1920 - 420) / 2);
  EXPECT_EQ(environment().FontName, "ＭＳ Ｐゴシック");
  EXPECT_EQ(environment().PlanDir_Ar[3], "プラングループ4");
  EXPECT_EQ(environment().MultiHotKey4[0], 100);
  EXPECT_EQ(environment().MultiHotKey4[1], 0);
  EXPECT_EQ(files().settings().relatedFiles.SANSYO_TEXT_TAB[6], "関連7");
  EXPECT_EQ(files().settings().planHotkeys.PlanHotKeyGroup[49], 2);
}

// --- Values and limits ------------------------------------------------------------------------

TEST_F(SettingsFilesTest, TooHighMaxFileIsWrittenBackAs500WithItsComment) {
  std::vector<std::string> saved = roundTrip({Line("MaxFile=", "900", "x")});
  EXPECT_EQ(environment().MaxFile, 500);
  ASSERT_GE(saved.size(), 2u);
  EXPECT_EQ(saved[0], Line("MaxFile=", "500", "x"));
  EXPECT_EQ(saved[1], Line("VL=", "V3.34", "<= ﾊﾞｰｼﾞｮﾝ"));  // added keys follow, VL first
  EXPECT_EQ(saved.size(), 356u);
}

TEST_F(SettingsFilesTest, LimitsApplyToReadValuesOnly) {
  struct Case {
    const char* key;
    const char* value;
    std::int32_t EnvironmentSettings::*single;
    std::int32_t expected;
  };
  using E = EnvironmentSettings;
  const Case cases[] = {
      {"Layered_SelectWin_Alpha=", "5", &E::Layered_SelectWin_Alpha, 20},
      {"Layered_SelectWin_Alpha=", "201", &E::Layered_SelectWin_Alpha, 200},
      {"WIN3_SIZE_H_100=", "100", &E::WIN3_SIZE_H_100, 270},
      {"WIN3_SIZE_H_100=", "160", &E::WIN3_SIZE_H_100, 160},
      {"WIN3_SIZE_W_100=", "100", &E::WIN3_SIZE_W_100, 1000},
      {"WIN2_SIZE_W_100=", "89", &E::WIN2_SIZE_W_100, 190},
      {"WIN2_SIZE_H_100=", "101", &E::WIN2_SIZE_H_100, 101},
      {"Open_Name_Width=", "161", &E::Open_Name_Width, 160},
      {"PlanMenuNowGroup=", "12", &E::PlanMenuNowGroup, 9},
      {"PlanMenuNowGroup=", "9", &E::PlanMenuNowGroup, 9},
      {"MaxFile=", "-3", &E::MaxFile, -3},
      {"Wareki_Base=", "abc", &E::Wareki_Base, 0},
      {"Wareki_Base=", "+2019年", &E::Wareki_Base, 2019},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + c.value);
    ScriptedUi caseUi;
    FakeFileSystem caseFs{clock};
    caseFs.putFile(kEnvironmentPath, Line(c.key, c.value, "") + "\r\n");
    SettingsFiles caseFiles(caseFs, caseUi, system, kHome, [] {});
    ASSERT_EQ(caseFiles.loadEnvironment(), 0);
    EXPECT_EQ(caseFiles.settings().environment.*c.single, c.expected);
  }
}

TEST_F(SettingsFilesTest, LabelWidthFamiliesAreClamped) {
  roundTrip({Line("Hozon_Label_Width3=", "7", ""), Line("Common_Label_Width9=", "11", ""),
             Line("Hozon_Label_Width0=", "601", "")});
  EXPECT_EQ(environment().Hozon_Label_Width[3], 8);
  EXPECT_EQ(environment().Common_Label_Width[9], 12);
  EXPECT_EQ(environment().Hozon_Label_Width[0], 600);
  EXPECT_EQ(environment().Hozon_Label_Width[1], 75);
}

TEST_F(SettingsFilesTest, DecimalsAndTextsKeepTheirForm) {
  std::vector<std::string> saved =
      roundTrip({Line("SCREEN_X=", "12.3456abc", "c"),
                 Line("SCREEN_Y=", "-1" + std::string(300, '0'), "c"),
                 Line("CLIPDIR_AR0=", "表ソ 予定", "c"), Line("MyIp=", " 10.0.0.1 ", "")});
  EXPECT_EQ(saved[0], Line("SCREEN_X=", "12.346", "c"));
  // -1e300 in full: 301 digits and three places.
  EXPECT_EQ(saved[1].size(), Line("SCREEN_Y=", "", "c").size() + 1 + 301 + 4);
  EXPECT_EQ(saved[1].rfind("\"SCREEN_Y=\",\"-1000000000000000", 0), 0u);
  EXPECT_EQ(saved[1].substr(saved[1].size() - 9), ".000\",\"c\"");
  EXPECT_EQ(saved[2], Line("CLIPDIR_AR0=", "表ソ 予定", "c"));
  EXPECT_EQ(saved[3], Line("MyIp=", " 10.0.0.1 ", ""));
}

TEST_F(SettingsFilesTest, AValueWithACommaIsCutAtTheComma) {
  std::vector<std::string> saved = roundTrip({"\"Open_MyName=\",\"山田,太郎\",\"<=名\""});
  EXPECT_EQ(environment().Open_MyName, "山田");
  EXPECT_EQ(saved[0], "\"Open_MyName=\",\"山田\",\"太郎\",\"<=名\"");
  // The line written back reads the same again.
  files().loadEnvironment();
  EXPECT_EQ(environment().Open_MyName, "山田");
}

TEST_F(SettingsFilesTest, OfTwoLinesWithOneKeyTheFirstCountsAndStays) {
  std::vector<std::string> saved = roundTrip({Line("PasteWait=", "5", "a"), Line("MaxFile=", "9", ""),
                                              Line("PasteWait=", "7", "b")});
  EXPECT_EQ(environment().PasteWait, 5);
  EXPECT_EQ(saved[0], Line("PasteWait=", "5", "a"));
  EXPECT_EQ(saved[1], Line("MaxFile=", "9", ""));
  EXPECT_EQ(saved[2], Line("VL=", "V3.34", "<= ﾊﾞｰｼﾞｮﾝ"));
  EXPECT_EQ(saved.size(), 356u);
  EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(SettingsFilesTest, ChangedSettingsReachTheFileAtTheNextSave) {
  ASSERT_EQ(files().load(), 0);
  environment().MaxFile = 120;
  environment().SCREEN_X = 33.5;
  files().settings().planHotkeys.PlanHotKeyFileName[7] = "整形.pln";
  ASSERT_EQ(files().save(), 0);
  std::vector<std::string> saved = LinesOf(content(kEnvironmentPath));
  EXPECT_NE(std::find(saved.begin(), saved.end(),
                      Line("MaxFile=", "120", "<=履歴の最大ﾌｧｲﾙ数(V2.00)")),
            saved.end());
  EXPECT_EQ(saved[1], Line("SCREEN_X=", "33.500", "<= 表示Ｘ座標(-2～99)"));
  EXPECT_NE(content(kPlanPath).find(Line("PlanHotKeyFileName_07=", "整形.pln", "->ファイル名(V3.10)")),
            std::string::npos);
}

TEST_F(SettingsFilesTest, LookupGivesTheLineIndexOr99999) {
  fs.putFile(kEnvironmentPath, Line("MaxFile=", "1", "") + "\r\n" + Line("Zzz=", "", "") + "\r\n");
  ASSERT_EQ(files().loadEnvironment(), 0);
  EXPECT_EQ(files().environmentFile().lookup("MaxFile="), 0);
  EXPECT_EQ(files().environmentFile().lookup("Zzz="), 1);
  EXPECT_EQ(files().environmentFile().lookup("VL="), 2);
  EXPECT_EQ(files().environmentFile().lookup("maxfile="), 99999);
  EXPECT_EQ(files().environmentFile().lookup("MaxFile"), 99999);
}

// --- Versions ---------------------------------------------------------------------------------

TEST_F(SettingsFilesTest, AnOlderFileIsUpgradedAndGainsTheLaterKeys) {
  std::vector<std::string> old = {Line("VL=", "V3.20", "<= ﾊﾞｰｼﾞｮﾝ"),
                                  Line("MaxFile=", "200", "<=old"),
                                  Line("MouseEdgeLeft=", "0", "<=old")};
  std::vector<std::string> saved = roundTrip(old);
  EXPECT_TRUE(environment().version.upgraded);
  EXPECT_FALSE(environment().version.createdNew);
  EXPECT_EQ(environment().version.previousVersion, "V3.20");
  EXPECT_EQ(environment().VL, "V3.34");
  EXPECT_EQ(environment().MouseEdgeLeft, 0);

  std::vector<std::string> expected = {Line("VL=", "V3.34", "<= ﾊﾞｰｼﾞｮﾝ"), old[1], old[2]};
  for (const std::string& line : LinesOf(GoldenSettingsFile("quillbox2.dat"))) {
    const std::string key = KeyOf(line);
    if (key != "VL=" && key != "MaxFile=" && key != "MouseEdgeLeft=") expected.push_back(line);
  }
  EXPECT_EQ(saved, expected);
}

TEST_F(SettingsFilesTest, TheCurrentVersionIsNeitherNewNorUpgraded) {
  roundTrip({Line("VL=", "V3.34", "")});
  EXPECT_FALSE(environment().version.createdNew);
  EXPECT_FALSE(environment().version.upgraded);
  EXPECT_EQ(environment().version.previousVersion, "");
}

TEST_F(SettingsFilesTest, ANewerFileStopsTheProgramAndIsLeftUntouched) {
  const std::string newer = Line("VL=", "V3.40", "<= ﾊﾞｰｼﾞｮﾝ") + "\r\n" + Line("MaxFile=", "900", "") +
                            "\r\n" + Line("Future=", "1", "") + "\r\n";
  fs.putFile(kEnvironmentPath, newer);
  fs.clearCalls();
  EXPECT_EQ(files().load(), -1);
  EXPECT_EQ(closeRequests, 1);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text,
            "Quillboxのバージョンが古くなっています。\n"
            "アンインストール後にクリーンインストールを行うか、最新のバージョンをインストールしてください。");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kStop);
  EXPECT_TRUE(files().environmentFile().writeBlocked());
  EXPECT_EQ(files().save(), 0);
  EXPECT_EQ(content(kEnvironmentPath), newer);
  EXPECT_FALSE(fs.exists(kRelatedPath));  // the companions were not loaded, so not written
  for (const FileCall& call : fs.calls()) {
    EXPECT_TRUE(call.operation == FileOperation::kAttributes ||
                call.operation == FileOperation::kReadWhole)
        << call.path;
  }
  EXPECT_EQ(environment().MaxFile, 300);  // nothing of the newer file was taken
}

TEST_F(SettingsFilesTest, VersionsCompareByteWise) {
  fs.putFile(kEnvironmentPath, Line("VL=", "V3.4", ""));  // "V3.4" > "V3.34"
  EXPECT_EQ(files().loadEnvironment(), -1);
  EXPECT_EQ(files().save(), 0);
  EXPECT_EQ(closeRequests, 1);
  EXPECT_EQ(content(kEnvironmentPath), Line("VL=", "V3.4", ""));
  ui.clear();
  fs.putFile(kEnvironmentPath, Line("VL=", "V3.340", ""));
  EXPECT_EQ(files().loadEnvironment(), -1);
  fs.putFile(kEnvironmentPath, Line("VL=", "V3.33z", ""));
  EXPECT_EQ(files().loadEnvironment(), 0);
  EXPECT_TRUE(environment().version.upgraded);
}

// --- Unknown keys -----------------------------------------------------------------------------

TEST_F(SettingsFilesTest, UnknownKeysAreDroppedAtSaveWithOneMessageEach) {
  fs.putFile(kEnvironmentPath, Line("Obsolete=", "1", "") + "\r\n" + Line("maxfile=", "1", "") +
                                   "\r\n" + Line("MaxFile=", "5", "") + "\r\n");
  fs.putFile(kRelatedPath, Line("SANSYO_TEXT7_ON=", "1", "") + "\r\n");
  fs.putFile(kPlanPath, Line("PlanHotKey1_50=", "1", "") + "\r\n");
  ASSERT_EQ(files().load(), 0);
  ASSERT_EQ(files().save(), 0);
  EXPECT_EQ(boxTexts(), (std::vector<std::string>{"環境設定ﾌｧｲﾙに書き込み不整合=[Obsolete=]",
                                                  "環境設定ﾌｧｲﾙに書き込み不整合=[maxfile=]",
                                                  "関連ﾌｧｲﾙ環境設定ﾌｧｲﾙに書き込み不整合=[SANSYO_TEXT7_ON=]",
                                                  "ﾌﾟﾗﾝ環境設定ﾌｧｲﾙに書き込み不整合=[PlanHotKey1_50=]"}));
  for (const MessageBoxRecord& box : ui.boxes()) EXPECT_EQ(box.icon, MessageIcon::kStop);
  EXPECT_EQ(LinesOf(content(kEnvironmentPath))[0], Line("MaxFile=", "5", ""));
  EXPECT_EQ(content(kEnvironmentPath).find("bsolete"), std::string::npos);
  EXPECT_EQ(content(kEnvironmentPath).find("maxfile"), std::string::npos);
  // The file no longer has them, so the save at exit does not complain again.
  ui.clear();
  ASSERT_EQ(files().save(), 0);
  EXPECT_TRUE(ui.boxes().empty());
}

// --- Read and write failures ------------------------------------------------------------------

TEST_F(SettingsFilesTest, AnUnreadableFileIsReportedAndNeverWritten) {
  fs.putFile(kEnvironmentPath, Line("MaxFile=", "7", ""));
  fs.failNext(FileOperation::kReadWhole, kEnvironmentPath, FakeFileError::kSharingViolation);
  EXPECT_EQ(files().load(), -1);
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"環境設定ファイルの読み込みに失敗しました"});
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kStop);
  EXPECT_EQ(closeRequests, 0);
  EXPECT_EQ(files().save(), 0);
  EXPECT_EQ(content(kEnvironmentPath), Line("MaxFile=", "7", ""));
}

TEST_F(SettingsFilesTest, AMissingFileThatCannotBeCreatedIsAReadFailure) {
  fs.failNext(FileOperation::kWriteNew, kEnvironmentPath, FakeFileError::kAccessDenied);
  EXPECT_EQ(files().loadEnvironment(), -1);
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"環境設定ファイルの読み込みに失敗しました"});
}

TEST_F(SettingsFilesTest, ACompanionThatCannotBeReadKeepsItsDefaultsAndItsFile) {
  fs.putFile(kRelatedPath, Line("ENABLE=", "0", ""));
  fs.failNext(FileOperation::kReadWhole, kRelatedPath, FakeFileError::kSharingViolation);
  EXPECT_EQ(files().load(), -1);
  EXPECT_EQ(boxTexts(),
            std::vector<std::string>{"関連ファイル環境設定ファイルの読み込みに失敗しました"});
  EXPECT_EQ(files().settings().relatedFiles.ENABLE, 1);
  EXPECT_TRUE(files().planHotkeysFile().loaded());
  ASSERT_EQ(files().save(), 0);
  EXPECT_EQ(content(kRelatedPath), Line("ENABLE=", "0", ""));
  EXPECT_EQ(content(kEnvironmentPath), GoldenSettingsFile("quillbox2.dat"));
  EXPECT_EQ(content(kPlanPath), GoldenSettingsFile("quillboxplan.dat"));
}

TEST_F(SettingsFilesTest, PlanHotkeysThatCannotBeReadAreNotOverwrittenWithDefaults) {
  const std::string hotkeys = Line("PlanHotKey1_00=", "17", "") + "\r\n";
  fs.putFile(kPlanPath, hotkeys);
  fs.failNext(FileOperation::kReadWhole, kPlanPath, FakeFileError::kSharingViolation);
  EXPECT_EQ(files().load(), -1);
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"プラン環境設定ファイルの読み込みに失敗しました"});
  EXPECT_EQ(files().settings().planHotkeys.PlanHotKey1[0], 0);
  ASSERT_EQ(files().save(), 0);
  EXPECT_EQ(content(kPlanPath), hotkeys);
  EXPECT_EQ(closeRequests, 0);
}

TEST_F(SettingsFilesTest, AWriteFailureIsReportedAndAsksTheProgramToClose) {
  ASSERT_EQ(files().load(), 0);
  fs.failNext(FileOperation::kReplaceAtomically, kEnvironmentPath, FakeFileError::kAccessDenied);
  EXPECT_EQ(files().save(), -1);
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"環境設定ファイルの書き込みに失敗しました"});
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kStop);
  EXPECT_EQ(closeRequests, 1);
  EXPECT_EQ(content(kPlanPath), GoldenSettingsFile("quillboxplan.dat"));  // the others go on

  ui.clear();
  fs.failNext(FileOperation::kReplaceAtomically, kRelatedPath, FakeFileError::kAccessDenied);
  fs.failNext(FileOperation::kReplaceAtomically, kPlanPath, FakeFileError::kAccessDenied);
  EXPECT_EQ(files().save(), -1);
  EXPECT_EQ(boxTexts(),
            (std::vector<std::string>{"関連ファイル環境設定ファイルの書き込みに失敗しました",
                                      "プラン環境設定ファイルの書き込みに失敗しました"}));
  EXPECT_EQ(closeRequests, 3);
}

}  // namespace
}  // namespace qb
