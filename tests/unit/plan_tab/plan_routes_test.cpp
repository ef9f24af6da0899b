// How plans are run: from the Plan tab, "プラン呼び出し", plan hotkeys and the plan popup menu;
// the "プラン呼び出し" submenu; the capture plan switch.
#include <gtest/gtest.h>

#include "app/tablist/menu_commands.h"
#include "app/tablist/tab_menu.h"
#include "tabs/plan/capture_plan_switch.h"
#include "tabs/plan/plan_call_menu.h"
#include "tabs/plan/plan_directory.h"
#include "tabs/plan/plan_menu.h"
#include "tabs/plan/plan_routes.h"
#include "tests/unit/plan_tab/plan_fixture.h"

namespace qb {
namespace {

namespace mc = menu_command;

class PlanRoutesTest : public ::testing::Test {
 protected:
  void TearDown() override { ExpectUiScriptFinished(w.ui); }
  std::string lastMessage() const { return w.ui.boxes().empty() ? "" : w.ui.boxes().back().text; }

  PlanWorld w;
  PlanDirectory directory{w.store};
  PlanRoutes routes{{w.store, directory, w.requests, w.ui, w.settings}};
};

TEST_F(PlanRoutesTest, ThePlanTabRunsTheChosenPlanFromAnEmptyText) {
  w.putPlan(2, 1, "A");
  EXPECT_EQ(routes.m_PlanGo(2, "PLAN001.cln", "", true), 0);
  ASSERT_EQ(w.requests.runs.size(), 1u);
  EXPECT_EQ(w.requests.runs[0].planText, PlanText("A"));
  EXPECT_EQ(w.requests.runs[0].planVersion, "V1.20");
  EXPECT_EQ(w.requests.runs[0].inputText, "");
  EXPECT_TRUE(w.requests.runs[0].hideMainWindow);

  w.requests.setBusy(true);
  EXPECT_EQ(routes.m_PlanGo(2, "PLAN001.cln", "", true), -1);
  EXPECT_EQ(lastMessage(), "プランの編集、または実行中のため操作できません。");
  EXPECT_EQ(w.requests.runs.size(), 1u);
}

TEST_F(PlanRoutesTest, PlanCallRunsThePlanAtItsMenuPositionOnTheRowsValue) {
  w.putPlan(0, 1, "一");
  w.putPlan(0, 2, "二");
  std::vector<int> told;
  directory.changed = [&](int group) { told.push_back(group); };
  directory.refreshAll();
  directory.refresh(0);
  EXPECT_EQ(told, (std::vector<int>{-1, 0}));
  // The hook library's plan menu lists the group as the Plan tab does.
  std::vector<PlanEntry> menu = directory.plans(0);
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_EQ(menu[0].name, "二");
  EXPECT_EQ(menu[1].fileName, "PLAN001.cln");
  EXPECT_EQ(routes.m_PlanCallGo(1, "ABC", true), 0);
  ASSERT_EQ(w.requests.runs.size(), 1u);
  EXPECT_EQ(w.requests.runs[0].planText, PlanText("一"));
  EXPECT_EQ(w.requests.runs[0].inputText, "ABC");

  w.fs.remove(PlanPath(0, 2));
  EXPECT_EQ(routes.m_PlanCallGo(0, "ABC", true), -1);
  EXPECT_EQ(lastMessage(), "ﾌｧｲﾙの読み込みに失敗しました(m_PlanCallGo)　\n\n( " + PlanPath(0, 2) + " )");
}

TEST_F(PlanRoutesTest, APlanHotkeyRunsItsPlanUnlessAPlanOrADialogIsBusy) {
  w.putPlan(2, 1, "半角変換");
  EXPECT_EQ(routes.runHotkeyPlan(2, "PLAN001.cln"), 0);
  ASSERT_EQ(w.requests.runs.size(), 1u);
  EXPECT_EQ(w.requests.runs[0].inputText, "");
  EXPECT_FALSE(w.requests.runs[0].hideMainWindow);
  EXPECT_EQ(routes.runHotkeyPlan(2, ""), -1);

  w.requests.setBusy(true);
  EXPECT_EQ(routes.runHotkeyPlan(2, "PLAN001.cln"), -1);
  EXPECT_EQ(lastMessage(),
            "次の状態ではプランの実行はできません。　\n　・プランの実行中\n　・プランの編集中\n"
            "　・Quillboxのサブウィンドウ表示中　");
  w.requests.setBusy(false);
  {
    Ui::BusyScope dialogOpen(w.ui);
    EXPECT_EQ(routes.runHotkeyPlan(2, "PLAN001.cln"), -1);
  }
  EXPECT_EQ(w.ui.boxes().size(), 2u);
  EXPECT_EQ(w.requests.runs.size(), 1u);
  // A hotkey whose plan file is gone says which file it read.
  EXPECT_EQ(routes.runHotkeyPlan(2, "PLAN009.cln"), -1);
  EXPECT_EQ(lastMessage(), "ﾌｧｲﾙの読み込みに失敗しました(m_PlanGGetSub)　\n\n( " + PlanPath(2, 9) + " )");
}

TEST_F(PlanRoutesTest, ThePopupMenuRunsThePlanItListedAndKeepsItsGroup) {
  w.putPlan(3, 1, "一");
  w.putPlan(3, 2, "二");
  directory.refreshAll();
  w.settings.PlanMenuNowGroup = 0;
  EXPECT_EQ(routes.runMenuPlan(3, 0, "PLAN001.cln"), 0);
  EXPECT_EQ(w.settings.PlanMenuNowGroup, 3);
  // Without the listed file name the position is looked up in the group's order.
  EXPECT_EQ(routes.runMenuPlan(3, 0, ""), 0);
  ASSERT_EQ(w.requests.runs.size(), 2u);
  EXPECT_EQ(w.requests.runs[0].planText, PlanText("一"));
  EXPECT_EQ(w.requests.runs[1].planText, PlanText("二"));
  EXPECT_EQ(routes.runMenuPlan(3, 5, ""), -1);
  EXPECT_EQ(routes.runMenuPlan(10, 0, "PLAN001.cln"), -1);
  w.settings.Plan_Enable = 0;
  EXPECT_EQ(routes.runMenuPlan(3, 0, "PLAN001.cln"), -1);
  EXPECT_EQ(w.requests.runs.size(), 2u);
}

TEST_F(PlanRoutesTest, PlanNamesInTheMenuStayOneLineEach) {
  w.putPlan(2, 1, "一行目\r\n二行目");
  directory.refresh(2);
  EXPECT_EQ(directory.plans(2).at(0).name, "一行目  二行目");
  EXPECT_EQ(directory.groupPlans(2).at(0).name, "一行目\r\n二行目");
}

TEST_F(PlanRoutesTest, AHotkeyFileNameCannotReachAFileElsewhere) {
  w.putPlan(0, 1, "別のグループ");
  for (const char* name : {"..\\PlanDir00\\PLAN001.cln", "C:PLAN001.cln", "../PlanDir00/PLAN001.cln"}) {
    EXPECT_EQ(routes.runHotkeyPlan(2, name), -1) << name;
    EXPECT_TRUE(lastMessage().starts_with("ﾌｧｲﾙの読み込みに失敗しました(m_PlanGGetSub)")) << name;
  }
  EXPECT_TRUE(w.requests.runs.empty());
  EXPECT_TRUE(w.store.remove(0, "..\\PlanDir00\\PLAN001.cln").has_value());
  EXPECT_TRUE(w.fs.exists(PlanPath(0, 1)));
}

TEST(PlanCallMenuTest, TheSubmenuListsTheCallGroupOrSaysWhyItCannot) {
  auto submenu = [](bool enabled, int plans) {
    std::vector<PlanFileInfo> entries;
    for (int i = 0; i < plans; ++i) entries.push_back({"f", "plan" + std::to_string(i), {}, {}, 0});
    MenuModel menu = HistoryMenuPattern();
    PreparePlanCallMenu(menu, enabled, entries);
    for (const MenuEntry& entry : menu.entries()) {
      for (const MenuEntry& child : entry.children) {
        if (child.caption == "プラン呼び出し") return child.children;
      }
    }
    return std::vector<MenuEntry>{};
  };
  std::vector<MenuEntry> off = submenu(false, 3);
  ASSERT_EQ(off.size(), 1u);
  EXPECT_EQ(off[0].caption, "プラン使用不可");
  EXPECT_FALSE(off[0].enabled);
  std::vector<MenuEntry> none = submenu(true, 0);
  ASSERT_EQ(none.size(), 1u);
  EXPECT_EQ(none[0].caption, "プラン無し");
  EXPECT_FALSE(none[0].enabled);
  std::vector<MenuEntry> three = submenu(true, 3);
  ASSERT_EQ(three.size(), 3u);
  EXPECT_EQ(three[2].caption, "plan2");
  EXPECT_EQ(PlanCallPositionOf(three[2].command), 2);
  std::vector<MenuEntry> many = submenu(true, 25);
  ASSERT_EQ(many.size(), 22u);
  EXPECT_EQ(many[19].command, 61262);
  EXPECT_EQ(many[21].caption, "プラン一覧...");
  EXPECT_EQ(PlanCallPositionOf(61263), -1);
}

struct CountedCaptures : SkippedCaptures {
  int count() const override { return skipped; }
  void reset() override { skipped = 0; }
  int skipped = 0;
};

class ScriptedChooser : public PlanChooser {
 public:
  std::optional<int> choose(std::string_view, std::string_view note,
                            const std::vector<std::string>& names) override {
    shownNote = note;
    shownNames = names;
    return answer;
  }
  std::optional<int> answer;
  std::string shownNote;
  std::vector<std::string> shownNames;
};

TEST_F(PlanRoutesTest, TheCapturePlanIsChosenFromItsGroupOnly) {
  ScriptedChooser chooser;
  CountedCaptures skipped;
  CapturePlanSwitch capture(w.settings, directory, w.ui, chooser, skipped);
  EXPECT_FALSE(capture.toggle());
  EXPECT_EQ(lastMessage(), "プランが存在しません　");
  EXPECT_EQ(w.settings.RirekiGetPlanFlg, 0);
  EXPECT_TRUE(chooser.shownNames.empty());

  w.putPlan(2, 1, "ホットキーのプラン");
  w.putPlan(1, 1, "取得時A");
  w.putPlan(1, 2, "取得時B");
  chooser.answer = 1;
  EXPECT_TRUE(capture.toggle());
  EXPECT_EQ(chooser.shownNames, (std::vector<std::string>{"取得時B", "取得時A"}));
  EXPECT_EQ(chooser.shownNote,
            "履歴取得時に呼び出すプランを選択してください。\n指定できるのは、「履歴取得時呼び出し専用」"
            "グループだけです。\n用意するプランはなるべく処理を軽くしてください。");
  EXPECT_EQ(w.settings.RirekiGetPlanFlg, 1);
  EXPECT_EQ(w.settings.RirekiGetPlanName, "PLAN001.cln");
}

TEST_F(PlanRoutesTest, SwitchingTheCapturePlanOffTellsTheSkippedCaptures) {
  ScriptedChooser chooser;
  CountedCaptures skipped;
  CapturePlanSwitch capture(w.settings, directory, w.ui, chooser, skipped);
  w.putPlan(1, 1, "取得時A");
  directory.refreshAll();
  w.settings.RirekiGetPlanFlg = 1;
  w.settings.RirekiGetPlanName = "PLAN001.cln";
  w.ui.expectAnswer(MessageAnswer::kNo);
  EXPECT_FALSE(capture.toggle());
  EXPECT_EQ(lastMessage(), "プランの呼び出しを解除しますか？　\n\nプラン名：【 取得時A 】　　\n\n");
  skipped.skipped = 2;
  w.ui.expectAnswer(MessageAnswer::kYes);
  EXPECT_TRUE(capture.toggle());
  EXPECT_EQ(lastMessage(),
            "プランの呼び出し不可回数は 2 回です。  プランの呼び出しを解除しますか？　\n\n"
            "プラン名：【 取得時A 】　　\n\n");
  EXPECT_EQ(w.settings.RirekiGetPlanFlg, 0);
  EXPECT_EQ(w.settings.RirekiGetPlanName, "");
  EXPECT_EQ(skipped.skipped, 0);
}

TEST_F(PlanRoutesTest, PlanCallCommandsRunOnTheRowsValue) {
  ScriptedChooser chooser;
  PlanCallMenu call(directory, routes, w.settings, chooser);
  for (int n = 1; n <= 22; ++n) w.putPlan(0, n, "p" + std::to_string(n));
  directory.refreshAll();
  MenuModel menu = HistoryMenuPattern();
  call.prepare(menu);
  ASSERT_NE(menu.find(mc::kRunPlanFirst), nullptr);
  EXPECT_EQ(menu.find(mc::kRunPlanFirst)->caption, "p22");
  EXPECT_TRUE(call.run(mc::kRunPlanFirst + 1, "値"));
  ASSERT_EQ(w.requests.runs.size(), 1u);
  EXPECT_EQ(w.requests.runs[0].planText, PlanText("p21"));
  EXPECT_EQ(w.requests.runs[0].inputText, "値");
  EXPECT_TRUE(w.requests.runs[0].hideMainWindow);
  // "プラン一覧..." offers all 22; the 22nd chosen is the oldest.
  chooser.answer = 21;
  EXPECT_TRUE(call.run(mc::kPlanList, "値"));
  EXPECT_EQ(chooser.shownNames.size(), 22u);
  EXPECT_EQ(w.requests.runs.back().planText, PlanText("p1"));
  EXPECT_FALSE(call.run(mc::kCopyToClipboard, "値"));
}

}  // namespace
}  // namespace qb
