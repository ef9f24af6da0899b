// The host's side of plans: the plan thread and its requests, the plan library's copy-data
// commands, the capture plan, and the plan thread at the program's end.
#include <gtest/gtest.h>

#include <future>

#include "app/plan/capture_plan.h"
#include "app/plan/plan_commands.h"
#include "app/plan/plan_shutdown.h"
#include "app/shell/copy_data_router.h"
#include "base/byte_shift.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_ui.h"
#include "tests/support/ui_expect.h"

namespace qb {
namespace {

// <chrono> holds a literal without a Shift-JIS form; <future> brings the durations.
const auto k10s = std::chrono::seconds(10);

// A plan library whose runs last until the test lets them end.
struct ScriptedLibrary : PlanLibraryCalls {
  struct Shared {
    std::mutex mutex;
    std::vector<std::string> calls;
    std::promise<void> runStarted;
    std::promise<void> releaseRun;
    std::shared_future<void> released{releaseRun.get_future().share()};
  };
  explicit ScriptedLibrary(Shared& shared) : shared(shared) {}
  void init() override { note("init"); }
  void run(const PlanRunRequest& request, const std::function<void(std::uintptr_t)>& windowCreated) override {
    note("run " + request.text);
    windowCreated(77);
    shared.runStarted.set_value();
    shared.released.wait_for(k10s);
    note("end " + request.text);
  }
  PlanEditResult edit(const PlanEditRequest& request,
                      const std::function<void(std::uintptr_t)>& windowCreated) override {
    note("edit " + request.planText + " " + request.userId);
    windowCreated(78);
    return {0, true, true, request.planText + "!", "name", "V1.20", "0000000000"};
  }
  ~ScriptedLibrary() override { note("destroyed"); }
  void note(std::string call) {
    std::lock_guard lock(shared.mutex);
    shared.calls.push_back(std::move(call));
  }
  Shared& shared;
};

class PlanThreadTest : public ::testing::Test {
 protected:
  PlanThread thread{[this] { return std::make_unique<ScriptedLibrary>(shared); },
                    [this](int milliseconds) { sleeps.push_back(milliseconds); }};
  ScriptedLibrary::Shared shared;
  std::vector<int> sleeps;
};

TEST_F(PlanThreadTest, OneRequestAtATimeWithItsHiddenWindow) {
  std::promise<void> finished;
  thread.setFinishedHook([&] { finished.set_value(); });
  thread.start();
  ASSERT_TRUE(thread.requestRun({"plan", "V1.00", "ｱｲｳ", "メモ帳", false}));
  ASSERT_EQ(shared.runStarted.get_future().wait_for(k10s), std::future_status::ready);
  EXPECT_EQ(thread.mode(), PlanMode::kRunning);
  EXPECT_EQ(thread.planWindow(), 77u);
  EXPECT_FALSE(thread.requestRun({"plan", "", "second", "", false}));
  shared.releaseRun.set_value();
  ASSERT_EQ(finished.get_future().wait_for(k10s), std::future_status::ready);
  EXPECT_EQ(thread.mode(), PlanMode::kIdle);
  EXPECT_EQ(thread.planWindow(), 0u);

  thread.requestExit();
  for (int i = 0; i < 1000 && thread.running(); ++i) std::this_thread::yield();
  EXPECT_EQ(sleeps, (std::vector<int>{500}));
  std::lock_guard lock(shared.mutex);
  EXPECT_EQ(shared.calls, (std::vector<std::string>{"init", "run ｱｲｳ", "end ｱｲｳ", "destroyed"}));
}

TEST_F(PlanThreadTest, AnEditHandsItsResultOnWhileTheModeIsStillEditing) {
  std::promise<void> finished;
  thread.setFinishedHook([&] { finished.set_value(); });
  thread.start();
  PlanEditResult seen;
  PlanMode modeSeen = PlanMode::kIdle;
  std::uintptr_t windowSeen = 1;
  ASSERT_TRUE(thread.requestEdit({"plan", "V1.00", "user1", "", false}, [&](PlanEditResult result) {
    seen = std::move(result);
    modeSeen = thread.mode();
    windowSeen = thread.planWindow();
  }));
  EXPECT_FALSE(thread.requestRun({"plan", "", "t", "", false}));
  ASSERT_EQ(finished.get_future().wait_for(k10s), std::future_status::ready);
  EXPECT_EQ(modeSeen, PlanMode::kEditing);
  EXPECT_EQ(windowSeen, 0u);
  EXPECT_EQ(seen.planText, "plan!");
  EXPECT_EQ(seen.returned, 0);
  EXPECT_EQ(thread.mode(), PlanMode::kIdle);
  thread.requestExit();
  const auto deadline = std::chrono::steady_clock::now() + k10s;
  while (thread.running() && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  ASSERT_FALSE(thread.running());
  std::lock_guard lock(shared.mutex);
  EXPECT_EQ(shared.calls, (std::vector<std::string>{"init", "edit plan user1", "destroyed"}));
}

TEST_F(PlanThreadTest, ShutdownAsksARunningPlanToStopAndEndsTheThread) {
  ScriptedUi ui;
  FakeClock clock;
  std::promise<void> ended;
  std::shared_future<void> threadEnded = ended.get_future().share();
  thread.setFinishedHook([] {});
  thread.start();
  ASSERT_TRUE(thread.requestRun({"plan", "", "t", "", false}));
  ASSERT_EQ(shared.runStarted.get_future().wait_for(k10s), std::future_status::ready);
  std::vector<std::uintptr_t> stopRequests;
  // The first wait of the stop rounds lasts until the thread has ended.
  clock.schedule(30, [&] {
    for (int i = 0; i < 100000 && thread.running(); ++i) std::this_thread::yield();
  });
  bool stopped = ShutDownPlanThread({ui, clock, thread, [&](std::uintptr_t window) {
                                       stopRequests.push_back(window);
                                       shared.releaseRun.set_value();
                                     }});
  EXPECT_TRUE(stopped);
  EXPECT_FALSE(thread.running());
  EXPECT_EQ(stopRequests, (std::vector<std::uintptr_t>{77}));
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "プラン編集、または実行中です。「OK」で強制終了します。　");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kExclamation);
  std::lock_guard lock(shared.mutex);
  EXPECT_EQ(shared.calls.back(), "destroyed");
}

struct RecordingTargets : PlanCommandTargets {
  void activateWorkingWindow() override { calls.push_back("activate"); }
  void outputToStack(std::string_view command) override { calls.push_back("out " + std::string(command)); }
  void clearStack(std::string_view command) override { calls.push_back("clear " + std::string(command)); }
  std::vector<std::string> calls;
};

TEST(PlanCommandsTest, TheFlagAndTheCommandsReachTheirTargets) {
  RecordingTargets targets;
  PlanCommands commands(targets);
  EXPECT_TRUE(commands.handle("0927Plan_HotKeyStop"));
  EXPECT_TRUE(commands.clipboardFlag());
  EXPECT_TRUE(commands.handle("0927Plan_ActWin"));
  EXPECT_TRUE(commands.handle("0927Plan_OutStack:::01:::p:::a:::b"));
  EXPECT_TRUE(commands.handle("0927Plan_ClrStack:::02"));
  EXPECT_TRUE(commands.handle("0927Plan_HotKeyStart"));
  EXPECT_FALSE(commands.clipboardFlag());
  EXPECT_FALSE(commands.handle("0927Plan_Unknown"));
  EXPECT_EQ(targets.calls, (std::vector<std::string>{"activate", "out 0927Plan_OutStack:::01:::p:::a:::b",
                                                     "clear 0927Plan_ClrStack:::02"}));
}

TEST(CopyDataRouterTest, CommandsAreBoundedTextsRoutedByTheirLongestPrefix) {
  const char text[] = "0927Plan_ActWin\0rest";
  EXPECT_EQ(CopyDataRouter::CommandText(0, text, sizeof text), "0927Plan_ActWin");
  EXPECT_EQ(CopyDataRouter::CommandText(0, text, 4), "0927");  // no zero within the bytes
  EXPECT_FALSE(CopyDataRouter::CommandText(1, text, sizeof text));
  EXPECT_FALSE(CopyDataRouter::CommandText(0, nullptr, 4));
  EXPECT_FALSE(CopyDataRouter::CommandText(0, text, 0));
  EXPECT_FALSE(CopyDataRouter::CommandText(0, text, kMaxCopyDataBytes + 1));

  CopyDataRouter router;
  std::vector<std::string> seen;
  router.add("Mouse", [&](std::string_view c) { seen.push_back("short " + std::string(c)); return true; });
  router.add("MouseHook", [&](std::string_view c) { seen.push_back("long " + std::string(c)); return true; });
  EXPECT_TRUE(router.route("MouseHook2:::x"));
  EXPECT_TRUE(router.route("MouseOther"));
  EXPECT_FALSE(router.route("1234HistoryGetON"));
  EXPECT_EQ(seen, (std::vector<std::string>{"long MouseHook2:::x", "short MouseOther"}));
}

struct QueuedPlans : PlanRequests {
  PlanMode mode() const override { return busy; }
  bool requestRun(PlanRunRequest request) override {
    requests.push_back(std::move(request));
    return accept;
  }
  PlanMode busy = PlanMode::kIdle;
  bool accept = true;
  std::vector<PlanRunRequest> requests;
};

class CapturePlanTest : public ::testing::Test {
 protected:
  FakeClock clock;
  FakeFileSystem fs{clock};
  ScriptedUi ui;
  QueuedPlans plans;
  CapturePlan capture{fs, ui, plans, "C:\\QB\\", [] { return std::string("メモ帳"); }};
};

TEST_F(CapturePlanTest, TheStoredPlanRunsOnTheCapturedText) {
  fs.putFile("C:\\QB\\Plan\\PlanDir01\\PLAN003.cln",
             ShiftBytesUp("変換:::V1.00:::0000000000:::0:::0:::<@@PLAN_NAME>変換<@@/PLAN_NAME>:::"));
  capture.onCapture("PLAN003.cln", "ｱｲｳ");
  ASSERT_EQ(plans.requests.size(), 1u);
  const PlanRunRequest& request = plans.requests[0];
  EXPECT_EQ(request.planText, "<@@PLAN_NAME>変換<@@/PLAN_NAME>:::");
  EXPECT_EQ(request.planVersion, "V1.00");
  EXPECT_EQ(request.text, "ｱｲｳ");
  EXPECT_EQ(request.actWinName, "メモ帳");
  EXPECT_EQ(capture.skippedCaptures(), 0);
  ExpectUiScriptFinished(ui);
}

TEST_F(CapturePlanTest, CapturesWhileAPlanIsBusyAreCounted) {
  plans.busy = PlanMode::kRunning;
  capture.onCapture("PLAN003.cln", "a");
  capture.onCapture("PLAN003.cln", "b");
  EXPECT_EQ(capture.skippedCaptures(), 2);
  EXPECT_TRUE(plans.requests.empty());
}

TEST_F(CapturePlanTest, AMissingPlanOrAFolderInTheNameShowsTheReadFailure) {
  for (std::string name : {"PLAN009.cln", "..\\..\\secret.cln", ""}) {
    EXPECT_EQ(capture.m_PlanRrCallGo(name, "a"), -1);
    EXPECT_EQ(ui.boxes().back().text,
              "ﾌｧｲﾙの読み込みに失敗しました(m_PlanRrCallGo)。\n履歴取得時呼び出しのプランが存在しない可能性があります。　　\n"
              "\n( C:\\QB\\Plan\\PlanDir01\\" + name + " )");
  }
  EXPECT_TRUE(plans.requests.empty());
}

}  // namespace
}  // namespace qb
