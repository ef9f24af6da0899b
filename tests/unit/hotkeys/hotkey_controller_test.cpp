#include "hotkeys/hotkey_controller.h"

#include <gtest/gtest.h>

#include "base/byte_shift.h"
#include "hotkeys/fake/fake_hook_library.h"
#include "hotkeys/fake/fake_hotkey_registrar.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_keyboard.h"
#include "platform/fake/scripted_ui.h"
#include "tests/support/ui_expect.h"
#include "tests/unit/hotkeys/hotkey_test_support.h"

namespace qb {
namespace {

constexpr WindowId kMain = 0x1234;
constexpr int kShift = 16;

class FakeTimers : public ShellTimers {
 public:
  void start(int id, int milliseconds) override { running[id] = milliseconds; }
  void stop(int id) override { running.erase(id); }
  std::map<int, int> running;
};

class FakeCallUpHost : public CallUpHost {
 public:
  bool mainWindowInFront() override { return inFront; }
  bool mainWindowShown() override { return shown; }
  bool pointerOverMainWindow() override { return pointerOver; }
  bool busy() override { return isBusy; }
  bool occupied() override { return isOccupied; }
  void callUp(int source, bool link) override {
    log.push_back("callUp " + std::to_string(source) + (link ? " linked" : ""));
    shown = true;
  }
  bool tabShown(TabKind kind) override { return kind != TabKind::kShared; }
  void selectTab(TabKind kind) override { log.push_back("tab " + std::to_string(static_cast<int>(kind))); }
  int currentGroup(TabKind) override { return group; }
  void selectGroup(TabKind kind, int g) override {
    log.push_back("group " + std::to_string(static_cast<int>(kind)) + " " + std::to_string(g));
  }
  void selectRelatedTab(int number) override { log.push_back("related " + std::to_string(number)); }
  void letGo() override {
    log.push_back("letGo");
    shown = false;
  }
  void recordCaret() override { log.push_back("caret"); }
  void resumeCapture() override { log.push_back("resume"); }

  bool inFront = false, shown = false, pointerOver = false, isBusy = false, isOccupied = false;
  int group = 0;
  std::vector<std::string> log;
};

class RecordingPlanRuns : public PlanRunRequests {
 public:
  void runPlanOfHotkey(int slot, int group, const std::string& file) override {
    log.push_back("hotkey " + std::to_string(slot) + " " + std::to_string(group) + " " + file);
  }
  void runPlanFromMenu(int group, int index, const std::string& file) override {
    log.push_back("menu " + std::to_string(group) + " " + std::to_string(index) + " " + file);
  }
  std::vector<std::string> log;
};

class HotkeyControllerTest : public ::testing::Test {
 protected:
  void start() {
    controller.setPlanRuns(runs);
    controller.addCopyDataEntries(router);
    controller.start(kMain);
  }
  // The frame timer as the window runs it: each expiry of a running timer calls onTimer.
  void runTimersUntil(std::uint64_t until) {
    while (clock.milliseconds() < until) {
      clock.pumpWait(10);
      for (int id : {frame_timer::kDoubleTap, frame_timer::kMouseCallUp, frame_timer::kPlanMenuRun}) {
        if (timers.running.count(id)) controller.onTimer(id);
      }
    }
  }
  void doubleTapShift(std::uint64_t at) {
    keyboard.holdAt(at, kShift, true);
    keyboard.holdAt(at + 40, kShift, false);
    keyboard.holdAt(at + 100, kShift, true);
    keyboard.holdAt(at + 140, kShift, false);
  }
  void putPlan(int group, const std::string& file, const std::string& name) {
    const std::string path = "C:\\home\\Plan\\PlanDir0" + std::to_string(group) + "\\" + file;
    fs.putFile(path, ShiftBytesUp(name + ":::V1.20:::0000000000:::0:::0:::text"));
  }

  Settings settings = DefaultSettings();
  FakeClock clock{DateTime{}, 0};
  FakeKeyboard keyboard{clock};
  ScriptedUi ui;
  FakeTimers timers;
  FakeHotkeyRegistrar registrar;
  FakeHookLibrary hooks;
  FakeFileSystem fs{clock};
  PlanFolderCatalog catalog{fs, "C:\\home\\"};
  FakeCallUpHost host;
  RecordingPlanRuns runs;
  CopyDataRouter router;
  HotkeyController controller{HotkeyParts{clock, keyboard, ui, timers, registrar, hooks, catalog,
                                          settings.environment, settings.planHotkeys, host}};
};

TEST_F(HotkeyControllerTest, StartRegistersInstallsTheHooksAndArmsThePoll) {
  start();
  EXPECT_EQ(timers.running.at(frame_timer::kDoubleTap), 50);
  // Defaults: left edge, click report and the plan menu on; plan group 2.
  EXPECT_EQ(hooks.log().front(), "init");
  EXPECT_TRUE(hooks.installed());
  EXPECT_EQ(hooks.receiver(), kMain);
  EXPECT_EQ(hooks.switches(), (HookSwitches{true, false, true, true, 2}));
  EXPECT_EQ(hooks.groupNames(),
            "プラン呼び出し専用\r\n履歴取得時呼び出し専用\r\nホットキー呼び出し専用\r\n"
            "プラングループ4\r\nプラングループ5\r\nプラングループ6\r\nプラングループ7\r\n"
            "プラングループ8\r\nプラングループ9\r\nプラングループ10");
  runTimersUntil(100);
  EXPECT_EQ(timers.running.at(frame_timer::kDoubleTap), 10);
}

TEST_F(HotkeyControllerTest, TheHooksStayOffWhenNoneOfTheFourSwitchesIsOn) {
  settings.environment.MouseEdgeLeft = 0;
  settings.environment.NoActClose = 0;
  settings.environment.PlanMenu = 0;
  start();
  EXPECT_EQ(hooks.log(), std::vector<std::string>{"init"});
  controller.stop();
  EXPECT_EQ(hooks.log(), std::vector<std::string>{"init"});  // nothing installed, nothing reset
  // The plan menu needs the plan function as well.
  settings.environment.PlanMenu = 1;
  settings.environment.Plan_Enable = 0;
  EXPECT_FALSE(HookSwitchesFrom(settings.environment, true).any());
}

TEST_F(HotkeyControllerTest, PlanNamesGoToTheHooksInTheGroupsOrder) {
  putPlan(2, "PLAN002.cln", "日付を付ける");
  clock.advance(1000);
  putPlan(2, "PLAN001.cln", "括弧で括る");
  putPlan(0, "PLAN001.cln", "呼び出し");
  start();
  EXPECT_EQ(hooks.planNames()[2], "日付を付ける\r\n括弧で括る");
  EXPECT_EQ(hooks.planNames()[0], "呼び出し");
  EXPECT_EQ(hooks.planNames()[5], "");
  ASSERT_TRUE(controller.hooks().planFileAt(2, 1));
  EXPECT_EQ(*controller.hooks().planFileAt(2, 1), "PLAN001.cln");
  EXPECT_FALSE(controller.hooks().planFileAt(2, 2));
}

TEST_F(HotkeyControllerTest, AChangedPlanGroupReachesTheInstalledMenu) {
  putPlan(2, "PLAN001.cln", "一");
  start();
  putPlan(2, "PLAN002.cln", "二");
  settings.environment.PlanDir_Ar[3] = "新しい名前";
  controller.planMenuChanged();
  EXPECT_EQ(hooks.planNames()[2], "一\r\n二");
  EXPECT_NE(hooks.groupNames().find("新しい名前"), std::string::npos);
  EXPECT_EQ(controller.hooks().planFileAt(2, 1).value_or(""), "PLAN002.cln");
  // Removed hooks are not told.
  controller.stop();
  putPlan(2, "PLAN003.cln", "三");
  controller.planMenuChanged();
  EXPECT_EQ(hooks.planNames()[2], "一\r\n二");
}

TEST_F(HotkeyControllerTest, ADoubleTapCallsUpMultiHotkeyZeroWithItsTab) {
  settings.environment.MultiHotKeyTabKind[0] = 2;
  settings.environment.MultiHotKeyGroup[0] = 4;  // group 3
  start();
  doubleTapShift(200);
  runTimersUntil(600);
  EXPECT_EQ(host.log, (std::vector<std::string>{"callUp 3", "tab 2", "group 2 3"}));
}

TEST_F(HotkeyControllerTest, DoubleTapsDoNothingWhileTheWindowIsInFrontOrThePlanStoppedThem) {
  start();
  host.inFront = true;
  doubleTapShift(200);
  runTimersUntil(600);
  host.inFront = false;
  EXPECT_TRUE(router.routeText("0927Plan_HotKeyStop"));
  EXPECT_TRUE(controller.planClipboard());
  doubleTapShift(700);
  runTimersUntil(1100);
  EXPECT_TRUE(host.log.empty());
  EXPECT_TRUE(router.routeText("0927Plan_HotKeyStart"));
  doubleTapShift(1200);
  runTimersUntil(1600);
  EXPECT_EQ(host.log, std::vector<std::string>{"callUp 3"});
}

TEST_F(HotkeyControllerTest, PauseRemovesTheHooksAndSilencesTapsAndHotkeysUntilResumed) {
  settings.environment.MultiHotKeyOn[1] = 1;
  settings.environment.MultiHotKey1[1] = 17;
  settings.environment.MultiHotKey2[1] = 18;
  settings.environment.MultiHotKey3[1] = 'Q';
  start();
  controller.togglePause();
  EXPECT_TRUE(controller.paused());
  EXPECT_FALSE(hooks.installed());
  doubleTapShift(200);
  runTimersUntil(600);
  controller.onHotkey(1024);
  EXPECT_TRUE(host.log.empty());
  controller.togglePause();
  EXPECT_TRUE(hooks.installed());
  controller.onHotkey(1024);
  EXPECT_EQ(host.log, std::vector<std::string>{"callUp 3"});
}

// The window takes the pause command while the program is still starting, and an edge click
// reported just before the hooks went away must not call the window up.
TEST_F(HotkeyControllerTest, APauseTakenBeforeTheStartHoldsAndSilencesLateEdgeReports) {
  controller.togglePause();
  EXPECT_FALSE(hooks.installed());
  start();
  EXPECT_FALSE(hooks.installed());
  EXPECT_TRUE(router.routeText("MouseHook"));
  runTimersUntil(30);
  EXPECT_TRUE(host.log.empty());
  controller.togglePause();
  EXPECT_TRUE(hooks.installed());
  EXPECT_TRUE(router.routeText("MouseHook"));
  runTimersUntil(60);
  EXPECT_EQ(host.log, std::vector<std::string>{"callUp 4"});
}

TEST_F(HotkeyControllerTest, ARegisteredHotkeyCallsUpItsRowLinkedOnItsTab) {
  settings.environment.MultiHotKeyOn[3] = 1;
  settings.environment.MultiHotKey1[3] = 17;
  settings.environment.MultiHotKey2[3] = 18;
  settings.environment.MultiHotKey3[3] = 'Q';
  settings.environment.MultiHotKeyTabKind[3] = 7;
  settings.environment.MultiHotKeyGroup[3] = 1;  // group 0, which is the current one
  settings.environment.MultiHotKeyWinRen[3] = 1;
  start();
  controller.onHotkey(1024);
  EXPECT_EQ(host.log, (std::vector<std::string>{"callUp 3 linked", "tab 7"}));
  host.log.clear();
  // The related-file tab by its number; a tab that is not shown is left alone.
  settings.environment.MultiHotKeyTabKind[3] = 3;
  settings.environment.MultiHotKeyTabKindNo[3] = 5;
  controller.onHotkey(1024);
  settings.environment.MultiHotKeyTabKind[3] = 4;
  controller.onHotkey(1024);
  EXPECT_EQ(host.log, (std::vector<std::string>{"callUp 3 linked", "related 5", "callUp 3 linked"}));
}

TEST_F(HotkeyControllerTest, APlanHotkeyRunsItsPlanUnlessThePlanFunctionIsOff) {
  settings.planHotkeys.PlanHotKey1[4] = 17;
  settings.planHotkeys.PlanHotKey4[4] = '5';
  settings.planHotkeys.PlanHotKeyGroup[4] = 2;
  settings.planHotkeys.PlanHotKeyFileName[4] = "PLAN007.cln";
  start();
  controller.onHotkey(768);
  EXPECT_EQ(runs.log, std::vector<std::string>{"hotkey 4 2 PLAN007.cln"});
  settings.environment.Plan_Enable = 0;
  controller.settingsChanged();
  EXPECT_EQ(controller.registration().planSlotOf(768), -1);
}

TEST_F(HotkeyControllerTest, AnEdgeClickCallsUpOnItsOwnOneShotTimer) {
  start();
  EXPECT_TRUE(router.routeText("MouseHook"));
  EXPECT_EQ(timers.running.at(frame_timer::kMouseCallUp), 10);
  EXPECT_TRUE(host.log.empty());  // never inside the sender's wait
  runTimersUntil(30);
  EXPECT_EQ(host.log, std::vector<std::string>{"callUp 4"});
  EXPECT_EQ(timers.running.count(frame_timer::kMouseCallUp), 0u);
}

TEST_F(HotkeyControllerTest, AClickElsewhereLetsTheWindowGoOnlyWhenEverythingAgrees) {
  start();
  router.routeText("MouseHook3");  // not shown
  host.shown = true;
  host.pointerOver = true;
  router.routeText("MouseHook3");
  host.pointerOver = false;
  host.isBusy = true;
  router.routeText("MouseHook3");
  host.isBusy = false;
  settings.environment.NoActClose = 0;
  router.routeText("MouseHook3");
  EXPECT_TRUE(host.log.empty());
  settings.environment.NoActClose = 1;
  router.routeText("MouseHook3");
  EXPECT_EQ(host.log, std::vector<std::string>{"letGo"});
}

TEST_F(HotkeyControllerTest, ArrivingAtAnEdgeRecordsTheCaretOnlyWhileIdleAndElsewhere) {
  start();
  host.inFront = true;
  router.routeText("MouseHook2");
  host.inFront = false;
  host.isBusy = true;
  router.routeText("MouseHook2");
  host.isBusy = false;
  router.routeText("MouseHook2");
  EXPECT_EQ(host.log, std::vector<std::string>{"caret"});
}

TEST_F(HotkeyControllerTest, AChosenPlanRunsLaterAndBecomesTheMenusGroup) {
  putPlan(4, "PLAN010.cln", "一");
  putPlan(4, "PLAN011.cln", "二");
  start();
  EXPECT_TRUE(router.routeText("MouseHook4:::4:::1"));
  EXPECT_TRUE(runs.log.empty());
  runTimersUntil(60);
  EXPECT_EQ(runs.log, std::vector<std::string>{"menu 4 1 PLAN011.cln"});
  EXPECT_EQ(settings.environment.PlanMenuNowGroup, 4);
  // Malformed or out of range: nothing runs.
  for (const char* text : {"MouseHook4:::10:::1", "MouseHook4:::4:::-1", "MouseHook4:::4", "MouseHook4x",
                           "MouseHook4:::4:::100", "MouseHook4:::a:::1"}) {
    router.routeText(text);
    runTimersUntil(clock.milliseconds() + 60);
  }
  EXPECT_EQ(runs.log.size(), 1u);
}

TEST_F(HotkeyControllerTest, HistoryCaptureIsPausedAndResumedByAnyProgram) {
  start();
  ASSERT_EQ(settings.environment.RirekiStop, 0);
  EXPECT_TRUE(router.routeText("1234HistoryGetOFF"));
  EXPECT_EQ(settings.environment.RirekiStop, 1);
  router.routeText("1234HistoryGetOFF");
  EXPECT_TRUE(router.routeText("1234HistoryGetON"));
  EXPECT_EQ(settings.environment.RirekiStop, 0);
  router.routeText("1234HistoryGetON");
  EXPECT_EQ(host.log, std::vector<std::string>{"resume"});
  EXPECT_FALSE(router.routeText("1234HistoryGetOf"));
}

TEST_F(HotkeyControllerTest, ThePlanMenuStopsWhileTheProgramIsBusy) {
  start();
  controller.busyChanged(true);
  EXPECT_TRUE(hooks.planMenuStopped());
  controller.busyChanged(false);
  EXPECT_FALSE(hooks.planMenuStopped());
  // Installed again while busy: stopped at once.
  controller.busyChanged(true);
  controller.togglePause();
  controller.togglePause();
  EXPECT_TRUE(hooks.planMenuStopped());
}

TEST_F(HotkeyControllerTest, StopRemovesTheHooksAndEndsTheTimers) {
  start();
  router.routeText("MouseHook");
  controller.stop();
  EXPECT_FALSE(hooks.installed());
  EXPECT_TRUE(timers.running.empty());
}

TEST(CopyDataRouterTest, TextsAreReadWithinTheirDataAndOnlyWithDataWordZero) {
  CopyDataRouter router;
  std::vector<std::string> seen;
  router.addText("MouseHook", [&](std::string_view t) { seen.emplace_back(t); });
  router.addPrefix("MouseHook4", [&](std::string_view t) { seen.emplace_back(t); });
  const char report[256] = "MouseHook";
  EXPECT_TRUE(router.route(0, report, sizeof report));
  EXPECT_FALSE(router.route(1, report, sizeof report));
  // No zero byte inside the data: the text ends with the data.
  const char unterminated[] = {'M', 'o', 'u', 's', 'e', 'H', 'o', 'o', 'k', '4', ':'};
  EXPECT_TRUE(router.route(0, unterminated, sizeof unterminated));
  EXPECT_FALSE(router.route(0, report, 5));
  EXPECT_FALSE(router.route(0, nullptr, 100));
  EXPECT_EQ(seen, (std::vector<std::string>{"MouseHook", "MouseHook4:"}));
}

}  // namespace
}  // namespace qb
