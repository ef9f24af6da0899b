#include "hooklib/hook_core.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace qb::hook {
namespace {

class FakeHookHost : public HookHost {
 public:
  int screenWidth() override { return 1280; }
  int screenHeight() override { return 800; }
  bool mainWindowAt(Point point) override { return point.x >= 600 && point.x < 700; }
  bool ctrlHeld() override { return ctrl; }
  void report(std::string_view text) override { reports.emplace_back(text); }
  void synthesizeLeftButtonUp() override { ++synthesizedUps; }
  WindowHandle foregroundWindow() override { return foreground; }
  Point clientTopLeft(WindowHandle) override { return {40, 60}; }
  int trackMenu(const PlanMenu& menu, WindowHandle owner, Point point) override {
    menus.push_back(menu);
    owners.push_back(owner);
    points.push_back(point);
    if (choices.empty()) return 0;
    const int choice = choices.front();
    choices.pop_front();
    return choice;
  }

  bool ctrl = false;
  WindowHandle foreground = 77;
  std::deque<int> choices;
  std::vector<std::string> reports;
  int synthesizedUps = 0;
  std::vector<PlanMenu> menus;
  std::vector<WindowHandle> owners;
  std::vector<Point> points;
};

SharedState* NewShared() {
  auto* shared = new SharedState{};
  shared->buttonReleased = 1;
  shared->awayFromEdge = 1;
  std::strcpy(shared->groupNames, "プラン呼び出し専用\r\n履歴取得時呼び出し専用\r\nホットキー呼び出し専用");
  std::strcpy(shared->planNames[2], "括弧で括る\r\n日付を付ける");
  std::strcpy(shared->planNames[0], "一つ目");
  return shared;
}

class HookCoreTest : public ::testing::Test {
 protected:
  std::unique_ptr<SharedState> shared{NewShared()};
  FakeHookHost host;
  HookCore core{*shared, host};
};

TEST_F(HookCoreTest, EdgeClicksNeedTheSwitchAndTheMiddleOfTheEdge) {
  shared->leftEdgeOn = 1;
  shared->clickReportOn = 1;
  // Within 50 px of the top or bottom: an ordinary click elsewhere.
  EXPECT_FALSE(core.onMouse(MouseEvent::kLeftDown, {0, 30}, 5));
  EXPECT_FALSE(core.onMouse(MouseEvent::kLeftDown, {0, 751}, 5));
  EXPECT_EQ(host.reports, (std::vector<std::string>{"MouseHook3", "MouseHook3"}));
  host.reports.clear();
  EXPECT_TRUE(core.onMouse(MouseEvent::kLeftDown, {0, 50}, 5));
  EXPECT_EQ(host.reports, std::vector<std::string>{"MouseHook"});
  core.onMouse(MouseEvent::kLeftUp, {0, 50}, 5);
  EXPECT_TRUE(core.onMouse(MouseEvent::kLeftDown, {0, 750}, 5));
  // x = 1 is near the edge but not on it.
  core.onMouse(MouseEvent::kLeftUp, {0, 50}, 5);
  host.reports.clear();
  EXPECT_FALSE(core.onMouse(MouseEvent::kLeftDown, {1, 400}, 5));
  EXPECT_EQ(host.reports, std::vector<std::string>{"MouseHook3"});
}

TEST_F(HookCoreTest, AnEdgeClickIsSwallowedWithASynthesisedButtonUpOncePerRelease) {
  shared->leftEdgeOn = 1;
  EXPECT_TRUE(core.onMouse(MouseEvent::kLeftDown, {0, 300}, 5));
  EXPECT_EQ(host.synthesizedUps, 1);
  EXPECT_EQ(shared->buttonReleased, 0);
  // Until a button-up is seen, the next edge click goes through to the application.
  EXPECT_FALSE(core.onMouse(MouseEvent::kLeftDown, {0, 300}, 5));
  EXPECT_EQ(host.reports, std::vector<std::string>{"MouseHook"});
  EXPECT_FALSE(core.onMouse(MouseEvent::kLeftUp, {0, 300}, 5));
  EXPECT_TRUE(core.onMouse(MouseEvent::kLeftDown, {0, 300}, 5));
  EXPECT_EQ(host.synthesizedUps, 2);
}

TEST_F(HookCoreTest, WithOnlyTheRightEdgeOnALeftEdgeClickIsAClickElsewhere) {
  shared->rightEdgeOn = 1;
  shared->clickReportOn = 1;
  EXPECT_FALSE(core.onMouse(MouseEvent::kLeftDown, {0, 300}, 5));
  EXPECT_EQ(host.reports, std::vector<std::string>{"MouseHook3"});
  EXPECT_TRUE(core.onMouse(MouseEvent::kLeftDown, {1279, 300}, 5));
  EXPECT_EQ(host.reports.back(), "MouseHook");
}

TEST_F(HookCoreTest, ClicksElsewhereAreReportedOnlyWhenAskedAndNotOnTheMainWindow) {
  EXPECT_FALSE(core.onMouse(MouseEvent::kLeftDown, {300, 300}, 5));
  EXPECT_TRUE(host.reports.empty());
  shared->clickReportOn = 1;
  core.onMouse(MouseEvent::kLeftDown, {650, 300}, 5);  // on the main window
  EXPECT_TRUE(host.reports.empty());
  core.onMouse(MouseEvent::kRightDown, {300, 300}, 5);
  EXPECT_EQ(host.reports, std::vector<std::string>{"MouseHook3"});
}

TEST_F(HookCoreTest, ArrivingAtAnEdgeIsReportedOnceUntilThePointerLeaves) {
  core.onMouse(MouseEvent::kMove, {0, 300}, 5);
  EXPECT_TRUE(host.reports.empty());  // neither edge switched on
  core.onMouse(MouseEvent::kMove, {400, 300}, 5);
  shared->rightEdgeOn = 1;
  core.onMouse(MouseEvent::kMove, {1278, 300}, 5);
  core.onMouse(MouseEvent::kMove, {1279, 310}, 5);
  core.onMouse(MouseEvent::kMove, {1, 310}, 5);
  EXPECT_EQ(host.reports, std::vector<std::string>{"MouseHook2"});
  core.onMouse(MouseEvent::kMove, {2, 310}, 5);
  core.onMouse(MouseEvent::kMove, {1, 310}, 5);
  EXPECT_EQ(host.reports, (std::vector<std::string>{"MouseHook2", "MouseHook2"}));
}

TEST_F(HookCoreTest, CtrlRightClickShowsThePlanMenuAndSwallowsBothButtonMessages) {
  shared->planMenuOn = 1;
  shared->currentPlanGroup = 2;
  host.ctrl = true;
  EXPECT_TRUE(core.onMouse(MouseEvent::kRightDown, {300, 200}, 9));
  ASSERT_EQ(host.menus.size(), 1u);
  EXPECT_EQ(host.owners[0], 9);
  EXPECT_EQ(host.points[0].x, 300);
  EXPECT_TRUE(core.onMouse(MouseEvent::kRightUp, {300, 200}, 9));
  // A plain right click afterwards goes through.
  host.ctrl = false;
  EXPECT_FALSE(core.onMouse(MouseEvent::kRightDown, {300, 200}, 9));
  EXPECT_FALSE(core.onMouse(MouseEvent::kRightUp, {300, 200}, 9));
  EXPECT_EQ(host.menus.size(), 1u);
}

TEST_F(HookCoreTest, WhileTheProgramIsBusyCtrlRightClickReachesTheApplication) {
  shared->planMenuOn = 1;
  shared->planMenuStopped = 1;
  host.ctrl = true;
  EXPECT_FALSE(core.onMouse(MouseEvent::kRightDown, {300, 200}, 9));
  EXPECT_FALSE(core.onMouse(MouseEvent::kRightUp, {300, 200}, 9));
  EXPECT_TRUE(host.menus.empty());
  shared->planMenuStopped = 0;
  shared->planMenuOn = 0;
  EXPECT_FALSE(core.onMouse(MouseEvent::kRightDown, {300, 200}, 9));
  EXPECT_TRUE(host.menus.empty());
}

TEST_F(HookCoreTest, TheMenuListsGroupsWithTheCurrentCheckedAndTheSecondAlwaysGrayed) {
  shared->currentPlanGroup = 2;
  const PlanMenu menu = BuildPlanMenu(*shared);
  ASSERT_EQ(menu.groups.size(), 3u);
  EXPECT_EQ(menu.groups[0].command, 7001);
  EXPECT_TRUE(menu.groups[2].checked);
  EXPECT_FALSE(menu.groups[0].checked);
  EXPECT_TRUE(menu.groups[1].grayed);
  ASSERT_EQ(menu.plans.size(), 2u);
  EXPECT_EQ(menu.plans[1].text, "日付を付ける");
  EXPECT_EQ(menu.plans[1].command, 7102);
  shared->currentPlanGroup = 5;  // an empty slot: no plans
  EXPECT_TRUE(BuildPlanMenu(*shared).plans.empty());
  shared->currentPlanGroup = 12;  // never read past the ten slots
  EXPECT_TRUE(BuildPlanMenu(*shared).plans.empty());
}

TEST_F(HookCoreTest, AnElevenLineGroupTextShowsTenGroups) {
  std::string names;
  for (int i = 1; i <= 11; ++i) names += "G" + std::to_string(i) + (i < 11 ? "\r\n" : "");
  std::strcpy(shared->groupNames, names.c_str());
  const PlanMenu menu = BuildPlanMenu(*shared);
  ASSERT_EQ(menu.groups.size(), 10u);
  EXPECT_EQ(menu.groups[9].text, "G10\r\nG11");
  EXPECT_EQ(menu.groups[9].command, 7010);
}

TEST_F(HookCoreTest, ChoosingAPlanAfterSwitchingGroupsReportsTheNewGroup) {
  shared->planMenuOn = 1;
  host.choices = {7003, 7102};
  EXPECT_EQ(core.showPlanMenu(9, {10, 10}), 0);
  ASSERT_EQ(host.menus.size(), 2u);
  EXPECT_EQ(host.menus[1].plans.size(), 2u);
  EXPECT_EQ(host.reports, std::vector<std::string>{"MouseHook4:::2:::1"});
  EXPECT_EQ(shared->currentPlanGroup, 2);
}

TEST_F(HookCoreTest, TwentyGroupSwitchesCloseTheMenuWithoutAResult) {
  shared->planMenuOn = 1;
  for (int i = 0; i < 25; ++i) host.choices.push_back(7001 + (i % 3));
  EXPECT_EQ(core.showPlanMenu(9, {10, 10}), 0);
  EXPECT_EQ(host.menus.size(), 20u);
  EXPECT_TRUE(host.reports.empty());
}

TEST_F(HookCoreTest, NoMenuWithoutAnOwner) {
  shared->planMenuOn = 1;
  EXPECT_EQ(core.showPlanMenu(0, {10, 10}), -1);
  EXPECT_TRUE(host.menus.empty());
}

TEST_F(HookCoreTest, CtrlApplicationsKeyShowsTheMenuAtTheForegroundWindowsClientCorner) {
  shared->planMenuOn = 1;
  host.ctrl = true;
  EXPECT_TRUE(core.onKey(kVkApplications, false));
  EXPECT_TRUE(host.menus.empty());
  EXPECT_TRUE(core.onKey(kVkApplications, true));
  ASSERT_EQ(host.menus.size(), 1u);
  EXPECT_EQ(host.owners[0], 77);
  EXPECT_EQ(host.points[0].x, 40);
  EXPECT_EQ(host.points[0].y, 60);
  // Without a foreground window the key-up is swallowed and no menu is shown.
  host.foreground = 0;
  EXPECT_TRUE(core.onKey(kVkApplications, true));
  EXPECT_EQ(host.menus.size(), 1u);
  // Stopped while busy: the key-up reaches the application.
  host.foreground = 77;
  shared->planMenuStopped = 1;
  EXPECT_FALSE(core.onKey(kVkApplications, true));
}

TEST_F(HookCoreTest, OtherKeysAndTheKeyWithoutCtrlPassOn) {
  shared->planMenuOn = 1;
  EXPECT_FALSE(core.onKey(kVkApplications, false));
  host.ctrl = true;
  EXPECT_FALSE(core.onKey('A', false));
  shared->planMenuOn = 0;
  EXPECT_FALSE(core.onKey(kVkApplications, false));
}

}  // namespace
}  // namespace qb::hook
