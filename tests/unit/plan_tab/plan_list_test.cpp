// The Plan tab's list and store: loading a group, delete, move, copy, import, order, menu.
#include <gtest/gtest.h>

#include "app/tablist/menu_commands.h"
#include "tabs/plan/plan_commands.h"
#include "tabs/plan/plan_tab.h"
#include "tests/unit/plan_tab/plan_fixture.h"

namespace qb {
namespace {

namespace col = plan_column;
namespace mc = menu_command;

class PlanListTest : public ::testing::Test {
 protected:
  void TearDown() override { ExpectUiScriptFinished(w.ui); }
  PlanWorld w;
};

TEST_F(PlanListTest, AGroupLoadsNewestFirstWithItsUsesAndHotkeys) {
  w.putPlan(2, 1, "古いプラン");
  w.putPlan(2, 2, "新しいプラン");
  w.giveHotkey(0, 2, "PLAN001.cln");
  ASSERT_EQ(w.list.load(), 0);
  EXPECT_EQ(w.names(), "新しいプラン,古いプラン,");
  EXPECT_EQ(w.list.text(1, col::kFileName), "PLAN001.cln");
  EXPECT_EQ(w.list.text(1, col::kCreated), "20240501090000");
  EXPECT_EQ(w.list.text(0, col::kCreated), "20240501090001");
  EXPECT_EQ(w.list.text(1, col::kSize), "00000" + std::to_string(PlanText("古いプラン").size()));
  EXPECT_EQ(w.list.text(1, col::kUse), "ホットキー");
  EXPECT_EQ(w.list.text(1, col::kHotkey), "Ctrl+Alt+1");
  EXPECT_EQ(w.list.text(0, col::kUse), "");

  w.putPlan(0, 1, "呼び出し");
  w.putPlan(1, 1, "取得時");
  w.settings.RirekiGetPlanFlg = 1;
  w.settings.RirekiGetPlanName = "PLAN001.cln";
  w.list.chooseGroup(0);
  EXPECT_EQ(w.list.text(0, col::kUse), "プラン呼び出し");
  w.list.chooseGroup(1);
  EXPECT_EQ(w.list.text(0, col::kUse), "履歴取得時呼び出し");
}

TEST_F(PlanListTest, AFileThatHoldsNoPlanIsNamedAndTheOthersAreListed) {
  w.putPlan(2, 1, "読める");
  w.fs.putFile(PlanPath(2, 2), "not a plan");
  w.list.load();
  EXPECT_EQ(w.names(), "読める,");
  ASSERT_EQ(w.ui.boxes().size(), 1u);
  EXPECT_EQ(w.ui.boxes()[0].text, "ﾌｧｲﾙの読み込みに失敗しました(6m_FileGet)　\n\n( " +
                                       PlanPath(2, 2) + " )");
}

TEST_F(PlanListTest, DeleteAsksThePlainQuestionOrTheHotkeyQuestion) {
  w.putPlan(2, 1, "A");
  w.putPlan(2, 2, "B");
  w.putPlan(2, 3, "C");
  w.giveHotkey(0, 2, "PLAN001.cln");
  w.giveHotkey(1, 2, "PLAN003.cln");
  w.list.load();  // C, B, A

  w.ui.expectAnswer(MessageAnswer::kNo);
  EXPECT_EQ(w.list.deletePlan(1), 0);
  EXPECT_EQ(w.ui.boxes().back().text, "削除します。\nよろしいですか。");
  EXPECT_TRUE(w.fs.exists(PlanPath(2, 2)));

  w.ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(w.list.deletePlan(2), 0);
  EXPECT_EQ(w.ui.boxes().back().text,
            "このプランにはホットキーが割り当てられています。 \n削除してよろしいですか。");
  EXPECT_EQ(w.ui.boxes().back().icon, MessageIcon::kQuestion);
  EXPECT_FALSE(w.fs.exists(PlanPath(2, 1)));
  EXPECT_EQ(w.names(), "C,B,");
  // The released slot is gone and the other hotkey moved up into its place.
  EXPECT_EQ(w.hotkeys.PlanHotKeyFileName[0], "PLAN003.cln");
  EXPECT_EQ(w.hotkeys.PlanHotKeyFileName[1], "");
  EXPECT_EQ(w.hotkeys.PlanHotKeyIdx, 1);
  EXPECT_EQ(w.hotkeyChanges, 1);
  EXPECT_EQ(w.changedGroups, std::vector<int>{2});
}

TEST_F(PlanListTest, AProtectedFileStaysWithItsRow) {
  w.putPlan(2, 1, "A");
  w.list.load();
  w.fs.setReadOnly(PlanPath(2, 1), true);
  w.ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(w.list.deletePlan(0), -1);
  EXPECT_EQ(w.ui.boxes().back().text,
            "ﾌｧｲﾙの削除に失敗しました(6m_Dell) \nアクセスが制限されています　\n保護されて削除できません　");
  EXPECT_EQ(w.list.rowCount(), 1);
}

TEST_F(PlanListTest, MovingAPlanWithAHotkeyAsksAndReleasesTheHotkey) {
  w.putPlan(2, 1, "A");
  w.putPlan(2, 2, "B");
  w.giveHotkey(0, 2, "PLAN001.cln");
  w.list.load();  // B, A
  EXPECT_EQ(w.list.movePlan(0, 5), 0);  // no hotkey, no question
  EXPECT_TRUE(w.ui.boxes().empty());
  EXPECT_EQ(w.fileCount(5), 1u);

  w.ui.expectAnswer(MessageAnswer::kNo);
  EXPECT_EQ(w.list.movePlan(0, 5), 0);
  EXPECT_EQ(w.ui.boxes().back().text,
            "このプランにはホットキーが割り当てられています。 \n移動するとホットキーは解除されます。 \n\n"
            "移動してよろしいですか。");
  EXPECT_TRUE(w.fs.exists(PlanPath(2, 1)));

  w.ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(w.list.movePlan(0, 5), 0);
  EXPECT_EQ(w.fileCount(2), 0u);
  EXPECT_EQ(w.fileCount(5), 2u);
  EXPECT_EQ(w.hotkeys.PlanHotKeyFileName[0], "");
  EXPECT_EQ(w.hotkeys.PlanHotKeyIdx, 0);
  EXPECT_EQ(w.list.rowCount(), 0);
}

TEST_F(PlanListTest, TheCapturePlanIsNoLongerCalledOnceItLeavesItsGroup) {
  w.putPlan(1, 1, "取得時");
  w.settings.PlanDir_Idx = 1;
  w.settings.RirekiGetPlanFlg = 1;
  w.settings.RirekiGetPlanName = "PLAN001.cln";
  w.list.load();
  EXPECT_EQ(w.list.copyPlan(0, 3), 0);
  EXPECT_EQ(w.settings.RirekiGetPlanFlg, 1);
  EXPECT_EQ(w.list.movePlan(0, 3), 0);
  EXPECT_EQ(w.settings.RirekiGetPlanFlg, 0);
  EXPECT_EQ(w.settings.RirekiGetPlanName, "");
  EXPECT_EQ(w.fileCount(3), 2u);
}

TEST_F(PlanListTest, AFullGroupTakesNoMorePlans) {
  for (int n = 1; n <= 100; ++n) w.fs.putFile(PlanPath(4, n), ShiftBytesUp(PlanItemText("p")));
  w.putPlan(2, 1, "A");
  w.list.load();
  EXPECT_EQ(w.list.copyPlan(0, 4), -1);
  EXPECT_EQ(w.ui.boxes().back().text, "指定された保存場所は最大数に達しています");
  EXPECT_EQ(w.ui.boxes().back().icon, MessageIcon::kInformation);
  EXPECT_EQ(w.fileCount(4), 100u);
}

TEST_F(PlanListTest, ANewPlanTakesTheLowestFreeNumber) {
  w.putPlan(2, 1, "A");
  w.putPlan(2, 3, "C");
  w.fs.putFile(std::string(kPlanHome) + "Plan\\PlanDir02\\PLAN002 copy.cln", "x");
  w.list.load();
  w.ui.clear();
  PlanItem record;
  ASSERT_TRUE(SplitPlanItem(PlanItemText("D"), record));
  EXPECT_EQ(w.list.storePlan(2, record), 0);
  EXPECT_TRUE(w.fs.exists(PlanPath(2, 2)));
  EXPECT_EQ(w.list.text(0, col::kName), "D");
  EXPECT_EQ(w.list.selectedRow(), 0);
}

TEST_F(PlanListTest, ImportTakesAPlanTextOrAPlanItemFileAndRefusesTheRest) {
  w.list.load();
  w.fs.putFile("C:\\in\\text.txt", PlanText("取り込み") + "<@@PLAN_GVL>V1.00<@@/PLAN_GVL>");
  EXPECT_EQ(w.list.importPlanFile("C:\\in\\text.txt"), 0);
  EXPECT_EQ(w.fs.contentOf(PlanPath(2, 1)),
            ShiftBytesUp("取り込み:::V1.00:::0000000000:::0:::0:::" + PlanText("取り込み") +
                         "<@@PLAN_GVL>V1.00<@@/PLAN_GVL>"));
  w.fs.putFile("C:\\in\\PLAN009.cln", ShiftBytesUp(PlanItemText("他の端末")));
  EXPECT_EQ(w.list.importPlanFile("C:\\in\\PLAN009.cln"), 0);
  EXPECT_EQ(w.names(), "他の端末,取り込み,");

  w.fs.putFile("C:\\in\\memo.txt", "ただのメモ");
  EXPECT_EQ(w.list.importPlanFile("C:\\in\\memo.txt"), -1);
  EXPECT_EQ(w.ui.boxes().back().text, "プランのファイルではないため取り込めません。　\n( C:\\in\\memo.txt )");
  w.fs.putFile("C:\\in\\broken.txt", "<@@PLAN_NAME>x<@@/PLAN_NAME><@@LINE>");
  EXPECT_EQ(w.list.importPlanFile("C:\\in\\broken.txt"), -1);
  EXPECT_EQ(w.ui.boxes().back().text, "プラン解析中にエラーが発生しました　\n( C:\\in\\broken.txt )");
  // A name that ends in a colon would run into the record's separator.
  w.fs.putFile("C:\\in\\colon.txt", PlanText("名前:"));
  EXPECT_EQ(w.list.importPlanFile("C:\\in\\colon.txt"), -1);
  EXPECT_EQ(w.ui.boxes().back().text, "プラン名が正しくないため取り込めません。　\n( C:\\in\\colon.txt )");
  w.fs.putFile("C:\\in\\later.txt", PlanText("新版") + "<@@PLAN_GVL>V1.21<@@/PLAN_GVL>");
  EXPECT_EQ(w.list.importPlanFile("C:\\in\\later.txt"), -1);
  EXPECT_EQ(w.ui.boxes().back().text, "上位のバージョンで作成/保存されたプランのため操作できません　");
  EXPECT_EQ(w.list.importPlanFile("C:\\in\\missing.txt"), -1);
  EXPECT_EQ(w.ui.boxes().back().text,
            "プランファイルの読み込みに失敗しました。　\nエラー詳細：ファイル未定義\n( C:\\in\\missing.txt )");
  EXPECT_EQ(w.fileCount(2), 2u);
}

TEST_F(PlanListTest, DraggingARowWritesTheCreationOrder) {
  w.putPlan(2, 1, "A");
  w.putPlan(2, 2, "B");
  w.putPlan(2, 3, "C");
  w.list.load();  // C, B, A
  EXPECT_EQ(w.list.reorder(2, 0), 0);
  EXPECT_EQ(w.names(), "A,C,B,");
  w.list.load();
  EXPECT_EQ(w.names(), "A,C,B,");
  w.list.sortByCommand(col::kName);
  EXPECT_FALSE(w.list.reorderable());
  EXPECT_EQ(w.list.reorder(0, 1), 0);
  EXPECT_EQ(w.names(), "A,B,C,");
}

TEST_F(PlanListTest, TheMenuRunsByDefaultAndGraysTheGroupShown) {
  TabMenuContext context;
  MenuModel menu = w.list.loadMenu(context);
  ASSERT_NE(menu.find(plan_command::kRun), nullptr);
  EXPECT_TRUE(menu.find(plan_command::kRun)->isDefault);
  EXPECT_FALSE(menu.find(mc::MoveToGroupCommand(2))->enabled);
  EXPECT_TRUE(menu.find(mc::MoveToGroupCommand(3))->enabled);
  EXPECT_EQ(menu.find(mc::MoveToGroupCommand(2))->caption, "ホットキー呼び出し専用");
  EXPECT_FALSE(menu.find(plan_command::kCopyToGroupFirst + 2)->enabled);
  // Without a Shared tab there is no copy to it.
  EXPECT_EQ(menu.find(mc::kCopyToShared), nullptr);
  w.list.sharedStore = [](std::string_view, std::string_view) { return 0; };
  EXPECT_NE(w.list.loadMenu(context).find(mc::kCopyToShared), nullptr);
}

TEST_F(PlanListTest, CopyToSharedAsksFirstAndHandsOverTheRecord) {
  w.putPlan(2, 1, "A");
  w.list.load();
  std::string label;
  std::string value;
  w.list.sharedStore = [&](std::string_view l, std::string_view v) {
    label = l;
    value = v;
    return 0;
  };
  w.ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_EQ(w.list.copyToShared(0), 0);
  EXPECT_EQ(w.ui.boxes().back().text, "プランを共有に複写してよろしいですか？　");
  EXPECT_EQ(label, "A");
  EXPECT_EQ(value, PlanItemText("A"));
}

TEST_F(PlanListTest, WhileAPlanRunsTheTabRefusesChanges) {
  struct NoDialogs : PlanTabDialogs {
    std::optional<std::string> choosePlanFile() override { return std::nullopt; }
  } dialogs;
  PlanDirectory directory(w.store);
  PlanRoutes routes({w.store, directory, w.requests, w.ui, w.settings});
  PlanTab tab({w.list, routes, w.requests, w.settings, w.ui, dialogs});
  w.putPlan(2, 1, "A");
  w.list.load();
  w.requests.setBusy(true);
  EXPECT_FALSE(tab.controlsEnabled());
  tab.deleteRow(0);
  tab.runMenuCommand(0, mc::MoveToGroupCommand(4));
  tab.run(0);
  ASSERT_EQ(w.ui.boxes().size(), 3u);
  for (const MessageBoxRecord& box : w.ui.boxes()) {
    EXPECT_EQ(box.text, "プランの編集、または実行中のため操作できません。");
  }
  EXPECT_TRUE(w.fs.exists(PlanPath(2, 1)));
  EXPECT_TRUE(w.requests.runs.empty());
}

}  // namespace
}  // namespace qb
