// Installing the standard plans: at the first start, after an upgrade, from the settings sheet;
// the room check, the library and export failures, the interruption.
#include <gtest/gtest.h>

#include "tabs/plan/standard_plan_installer.h"
#include "tests/unit/plan_tab/plan_fixture.h"

namespace qb {
namespace {

class StandardPlanInstallerTest : public ::testing::Test {
 protected:
  void TearDown() override { ExpectUiScriptFinished(w.ui); }
  std::vector<std::string> namesOf(int group) {
    std::vector<std::string> names;
    for (const PlanFileInfo& plan : w.store.list(group)) names.push_back(plan.name);
    return names;
  }
  std::string lastMessage() const { return w.ui.boxes().empty() ? "" : w.ui.boxes().back().text; }

  PlanWorld w;
  LinkedPlanDataLibrary library;
  StandardPlanInstaller installer{library, w.store, w.ui, w.clock};
};

TEST_F(StandardPlanInstallerTest, ANewUserStartsWithTheStandardPlansAndASecondStartAddsNone) {
  w.settings.version.createdNew = true;
  std::vector<int> changed;
  installer.groupChanged = [&](int group) { changed.push_back(group); };
  installer.installWhenDue(w.settings);
  EXPECT_TRUE(w.ui.boxes().empty());
  EXPECT_EQ(w.fileCount(0), 9u);
  EXPECT_EQ(w.fileCount(2), 36u);
  EXPECT_EQ(changed, (std::vector<int>{0, 2, 2}));
  // Newest first: each set keeps its order, the later set above the earlier one.
  std::vector<std::string> callGroup = namesOf(0);
  EXPECT_EQ(callGroup.front(), "引用符付け");
  EXPECT_EQ(callGroup.back(), "括弧「」括り");
  std::vector<std::string> hotkeyGroup = namesOf(2);
  EXPECT_EQ(hotkeyGroup.front(), "Web検索（Yahoo）");
  EXPECT_EQ(hotkeyGroup[32], "定型句の貼り付け５");
  EXPECT_EQ(hotkeyGroup[33], "スクラップブックへ取り込み");
  EXPECT_EQ(hotkeyGroup.back(), "文字列検索のブラウザ表示");
  PlanItem record;
  ASSERT_TRUE(w.store.read(0, "PLAN001.cln", record));
  EXPECT_EQ(record.name, "括弧「」括り");
  EXPECT_EQ(record.version, "V1.00");

  EnvironmentSettings again = w.settings;
  again.version = VersionState{};
  installer.installWhenDue(again);
  EXPECT_EQ(w.fileCount(0), 9u);
  EXPECT_EQ(w.fileCount(2), 36u);
}

TEST_F(StandardPlanInstallerTest, AStartOnAnOldHomeDoesNotDoublePlansItHas) {
  installer.install(StandardPlanSet::kRireki);
  w.settings.version.upgraded = true;
  w.settings.version.previousVersion = "V2.43";
  installer.installWhenDue(w.settings);
  EXPECT_EQ(w.fileCount(0), 9u);
  EXPECT_EQ(w.fileCount(2), 36u);
}

TEST_F(StandardPlanInstallerTest, AVersionThreeHomeIsAskedAboutGroupThree) {
  w.settings.PlanDir_Ar[2] = "プラングループ3";
  w.settings.version.upgraded = true;
  w.settings.version.previousVersion = "V3.00";
  w.ui.expectAnswer(MessageAnswer::kNo);
  installer.installWhenDue(w.settings);
  ASSERT_EQ(w.ui.boxes().size(), 2u);
  EXPECT_EQ(w.ui.boxes()[0].text,
            "プラングループ３に標準プランを追加します。　\nまた、グループ名が「ホットキー呼び出し専用」に"
            "変更されます。　\n\nグループ名の変更と、標準プランの格納を行いますか？　");
  EXPECT_EQ(w.ui.boxes()[1].text, "標準プランは環境設定の補助からでも格納できます。　");
  EXPECT_EQ(w.fileCount(2), 0u);
  EXPECT_EQ(w.settings.PlanDir_Ar[2], "プラングループ3");

  w.ui.expectAnswer(MessageAnswer::kYes);
  installer.installWhenDue(w.settings);
  EXPECT_EQ(w.settings.PlanDir_Ar[2], "ホットキー呼び出し専用");
  EXPECT_EQ(w.fileCount(2), 33u);
  EXPECT_EQ(w.fileCount(0), 0u);

  w.settings.version.previousVersion = "V3.10";
  installer.installWhenDue(w.settings);
  EXPECT_EQ(w.fileCount(2), 33u);
}

TEST_F(StandardPlanInstallerTest, AGroupWithoutRoomForTheWholeSetTakesNone) {
  for (int n = 1; n <= 95; ++n) w.fs.putFile(PlanPath(0, n), ShiftBytesUp(PlanItemText("p")));
  EXPECT_EQ(installer.install(StandardPlanSet::kRireki), -1);
  EXPECT_EQ(lastMessage(),
            "標準プランを9件追加しようとしましたが、プランの最大格納数を超えるため格納できません。　\n"
            "空きを作って環境設定の補助から再度格納してください。　");
  EXPECT_EQ(w.fileCount(0), 95u);
  for (int n = 96; n <= 91 + 9; ++n) w.fs.remove(PlanPath(0, n));
  w.fs.remove(PlanPath(0, 95));
  EXPECT_EQ(w.fileCount(0), 94u);
  EXPECT_EQ(installer.install(StandardPlanSet::kHotKey), 0);
}

TEST_F(StandardPlanInstallerTest, AMissingLibraryOrExportNamesTheSet) {
  library.present = false;
  installer.install(StandardPlanSet::kRireki);
  installer.install(StandardPlanSet::kHotKey);
  installer.install(StandardPlanSet::kHotKey2);
  library.present = true;
  library.missingExport = "m_GetPlanDataHotKey";
  installer.install(StandardPlanSet::kHotKey);
  library.missingExport = "m_GetPlanDataRireki";
  installer.install(StandardPlanSet::kRireki);
  library.missingExport = "m_GetPlanDataHotKey2";
  installer.install(StandardPlanSet::kHotKey2);
  std::vector<std::string> texts;
  for (const MessageBoxRecord& box : w.ui.boxes()) texts.push_back(box.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "PLANDATA.DLL  LOAD ERROR_1", "PLANDATA.DLL  LOAD ERROR_3",
                       "PLANDATA.DLL  LOAD ERROR_5", "PLANDATA.DLL LOAD ERROR_4",
                       "PLANDATA.DLL LOAD ERROR_2", "PLANDATA.DLL LOAD ERROR_6"}));
  EXPECT_EQ(w.fileCount(0) + w.fileCount(2), 0u);
}

TEST_F(StandardPlanInstallerTest, AnInterruptedInstallationLeavesNothingOfTheSet) {
  w.putPlan(2, 1, "自分のプラン");
  w.fs.failNext(FakeFileSystem::Operation::kWriteNew, "*PLAN005.cln", FakeFileError::kAccessDenied);
  EXPECT_EQ(installer.install(StandardPlanSet::kHotKey2), -1);
  EXPECT_EQ(lastMessage(), "「ホットキー呼び出し専用」グループの標準プラン格納が中断されました。　");
  EXPECT_EQ(namesOf(2), std::vector<std::string>{"自分のプラン"});
}

TEST_F(StandardPlanInstallerTest, ReinstallationAsksFirst) {
  w.ui.expectAnswer(MessageAnswer::kNo);
  EXPECT_EQ(installer.reinstall(StandardPlanSet::kHotKey2), 1);
  EXPECT_EQ(lastMessage(),
            "「ホットキー呼び出し専用」グループの標準プラン（３３個：V3.10追加分）を格納します。　\n\n"
            "よろしいですか？　");
  w.ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(installer.reinstall(StandardPlanSet::kRireki), 0);
  EXPECT_EQ(lastMessage(),
            "「プラン呼び出し専用」グループの標準プラン（９個：V3.00追加分）を格納します。　\n\n"
            "よろしいですか？　");
  EXPECT_EQ(w.fileCount(0), 9u);
  // Asked for again, the set goes in again: the user wanted it.
  w.ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(installer.reinstall(StandardPlanSet::kRireki), 0);
  EXPECT_EQ(w.fileCount(0), 18u);
}

}  // namespace
}  // namespace qb
