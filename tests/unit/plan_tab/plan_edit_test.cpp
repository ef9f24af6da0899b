// "新規作成..." and "変更..." of the Plan tab: the edit goes to the plan thread, and the editor's
// answer is stored as a new file or over the plan's own file, or not at all.
#include <gtest/gtest.h>

#include "tabs/plan/plan_commands.h"
#include "tabs/plan/plan_menu.h"
#include "tabs/plan/plan_tab.h"
#include "tests/unit/plan_tab/plan_fixture.h"

namespace qb {
namespace {

namespace col = plan_column;

struct NoDialogs : PlanTabDialogs {
  std::optional<std::string> choosePlanFile() override { return std::nullopt; }
};

class PlanEditTest : public ::testing::Test {
 protected:
  void TearDown() override { ExpectUiScriptFinished(w.ui); }
  static PlanEditOutcome Saved(const std::string& name, bool maximized = false) {
    return {true, true, maximized, PlanItem{name, "V1.20", "0000000000", "0", "0", PlanText(name)}};
  }
  std::string fileBytes(int group, int number) { return *w.fs.readWhole(PlanPath(group, number)).value; }

  PlanWorld w;
  NoDialogs dialogs;
  PlanDirectory directory{w.store};
  PlanRoutes routes{{w.store, directory, w.requests, w.ui, w.settings}};
  PlanTab tab{{w.list, routes, w.requests, w.settings, w.ui, dialogs}};
};

TEST_F(PlanEditTest, ANewPlanIsStoredUnderTheNextNumberOfTheGroupShown) {
  w.putPlan(2, 1, "A");
  w.list.load();
  tab.newPlan();
  ASSERT_EQ(w.requests.edits.size(), 1u);
  EXPECT_EQ(w.requests.edits[0].group, 2);
  EXPECT_EQ(w.requests.edits[0].fileName, "");
  EXPECT_EQ(w.requests.edits[0].planText, "");
  EXPECT_FALSE(tab.controlsEnabled());

  w.requests.endEdit(Saved("行頭括弧", /*maximized=*/true));
  EXPECT_EQ(fileBytes(2, 2), ShiftBytesUp(PlanItemText("行頭括弧")));
  EXPECT_EQ(w.list.text(0, col::kName), "行頭括弧");
  EXPECT_EQ(w.list.fileName(0), "PLAN002.cln");
  EXPECT_EQ(w.settings.PlanMaxDspFlg, 1);
  EXPECT_TRUE(tab.controlsEnabled());
}

TEST_F(PlanEditTest, AChangeWritesOverThePlansFileAndCancelLeavesItByteForByte) {
  w.settings.PlanMaxDspFlg = 1;
  w.fs.putFile(PlanPath(2, 1), ShiftBytesUp(PlanItemText("A", "V1.00")));
  w.clock.advance(1000);
  w.putPlan(2, 2, "B");
  w.list.load();
  ASSERT_EQ(w.list.fileName(1), "PLAN001.cln");
  const std::string before = fileBytes(2, 1);

  tab.runMenuCommand(1, plan_command::kChange);
  ASSERT_EQ(w.requests.edits.size(), 1u);
  EXPECT_EQ(w.requests.edits[0].fileName, "PLAN001.cln");
  EXPECT_EQ(w.requests.edits[0].planText, PlanText("A"));
  EXPECT_EQ(w.requests.edits[0].planVersion, "V1.00");
  w.requests.endEdit({false, true, false, {}});
  EXPECT_EQ(fileBytes(2, 1), before);
  EXPECT_EQ(w.settings.PlanMaxDspFlg, 0);

  tab.changePlan(1);
  w.clock.advance(5000);
  w.requests.endEdit(Saved("A2"));
  EXPECT_EQ(fileBytes(2, 1), ShiftBytesUp(PlanItemText("A2")));
  EXPECT_EQ(w.fileCount(2), 2u);
  EXPECT_EQ(w.names(), "B,A2,");
  EXPECT_EQ(w.list.text(1, col::kUpdated), "20240501090007");
  const std::string size = std::to_string(PlanText("A2").size());
  EXPECT_EQ(w.list.text(1, col::kSize), std::string(8 - size.size(), '0') + size);
}

TEST_F(PlanEditTest, WhileAPlanIsEditedNewChangeAndRunAreRefused) {
  w.putPlan(2, 1, "A");
  w.list.load();
  tab.runMenuCommand(0, plan_command::kNew);
  tab.newPlan();
  tab.changePlan(0);
  tab.run(0);
  ASSERT_EQ(w.ui.boxes().size(), 3u);
  for (const MessageBoxRecord& box : w.ui.boxes()) {
    EXPECT_EQ(box.text, "プランの編集、または実行中のため操作できません。");
  }
  EXPECT_EQ(w.requests.edits.size(), 1u);
  EXPECT_TRUE(w.requests.runs.empty());
}

TEST_F(PlanEditTest, AnEmptyGroupTakesANewPlanFromTheListsEmptyArea) {
  w.list.chooseGroup(5);
  ASSERT_EQ(w.list.rowCount(), 0);
  const MenuModel menu = PlanMenuOfEmptyArea();
  ASSERT_EQ(menu.entries().size(), 2u);
  tab.runMenuCommand(-1, menu.entries()[0].command);
  ASSERT_EQ(w.requests.edits.size(), 1u);
  EXPECT_EQ(w.requests.edits[0].group, 5);
  w.requests.endEdit(Saved("新しいプラン"));
  EXPECT_EQ(fileBytes(5, 1), ShiftBytesUp(PlanItemText("新しいプラン")));
  EXPECT_EQ(w.names(), "新しいプラン,");
}

TEST_F(PlanEditTest, APlanWhoseFileVanishedIsNotOpened) {
  w.putPlan(2, 1, "A");
  w.list.load();
  w.fs.remove(PlanPath(2, 1));
  tab.changePlan(0);
  ASSERT_EQ(w.ui.boxes().size(), 1u);
  EXPECT_EQ(w.ui.boxes()[0].text, PlanReadFailure("6m_Update", PlanPath(2, 1)));
  EXPECT_TRUE(w.requests.edits.empty());
}

}  // namespace
}  // namespace qb
