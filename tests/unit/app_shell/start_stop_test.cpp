#include <gtest/gtest.h>

#include "app/shell/instance_identity.h"
#include "app/shell/translucency.h"
#include "app/shell/worker_stop.h"
#include "platform/fake/fixed_system_info.h"
#include "tests/unit/app_shell/shell_test_support.h"

namespace qb {
namespace {

TEST(WorkerStopTest, ALoopWorkerIsAwaitedInHundredMillisecondStepsAndWokenBetween) {
  FakeClock clock;
  bool ended = false;
  std::vector<std::uint64_t> wakeUps;
  const LoopWorkerStop worker{[] {}, [&] { return ended; },
                              [&] { wakeUps.push_back(clock.milliseconds()); }};
  clock.schedule(350, [&] { ended = true; });
  EXPECT_TRUE(StopLoopWorker(clock, worker));
  EXPECT_EQ(clock.milliseconds(), 400u);
  EXPECT_EQ(wakeUps, (std::vector<std::uint64_t>{0, 100, 200, 300}));

  ended = false;  // a worker that never ends: twenty waits, then the caller goes on
  wakeUps.clear();
  EXPECT_FALSE(StopLoopWorker(clock, worker));
  EXPECT_EQ(clock.milliseconds(), 2400u);
  EXPECT_EQ(wakeUps.size(), 20u);
  EXPECT_EQ(wakeUps.back(), 2300u);
}

TEST(WorkerStopTest, ThePlanThreadGetsRoundsOfAskWaitWakeWaitAndAGraceAfterItEnds) {
  FakeClock clock;
  bool running = true;
  std::vector<std::string> log;
  const PlanThreadStop plan{[&] { log.push_back("ask " + std::to_string(clock.milliseconds())); },
                            [&] { log.push_back("wake " + std::to_string(clock.milliseconds())); },
                            [&] { return running; }};
  clock.schedule(250, [&] { running = false; });
  EXPECT_TRUE(StopPlanThread(clock, plan));
  EXPECT_EQ(log, (std::vector<std::string>{"ask 0", "wake 30", "ask 130", "wake 160"}));
  EXPECT_EQ(clock.milliseconds(), 460u);  // ended at 250, seen at 260, then 200 ms more

  running = true;
  log.clear();
  EXPECT_FALSE(StopPlanThread(clock, plan));
  EXPECT_EQ(log.size(), 40u);
  EXPECT_EQ(clock.milliseconds(), 460u + 20u * 130u);
}

TEST(InstanceIdentityTest, ComputerNameThenStartTime) {
  FakeClock clock;
  FixedSystemInfo system;
  EXPECT_EQ(MakeInstanceIdentity(system, clock), "TESTPC20240401090000");
  system.computer = "ABCDEFGHIJKLMNOPQ";
  EXPECT_EQ(MakeInstanceIdentity(system, clock), "ABCDEFGHIJKLMNO20240401090000");
}

class RecordingTranslucency : public Translucency {
 public:
  void setLayered(WindowId, bool layered) override { calls.push_back(layered ? "on" : "off"); }
  void setOpacity(WindowId, int alpha) override { calls.push_back(std::to_string(alpha)); }
  std::vector<std::string> calls;
};

TEST(TranslucencyTest, AlwaysOnTopWithTheOptionIsLayeredAndFadesOnlyWhileInactive) {
  RecordingTranslucency library;
  RecordingTimers timers;
  int redraws = 0;
  TranslucencyController translucency(library, timers, 42, [&] { ++redraws; });
  translucency.alwaysOnTopChanged(true, false, 70);  // option off: nothing
  translucency.alwaysOnTopChanged(true, true, 70);
  translucency.activationChanged(false);
  EXPECT_EQ(timers.calls.back(), (TimerCall{true, frame_timer::kTranslucency, 300}));
  translucency.onTimer(frame_timer::kTranslucency);
  translucency.activationChanged(true);
  translucency.alwaysOnTopChanged(false, true, 70);
  EXPECT_EQ(library.calls, (std::vector<std::string>{"on", "255", "70", "255", "off"}));
  EXPECT_EQ(redraws, 1);
  EXPECT_EQ(timers.calls.back(), (TimerCall{false, frame_timer::kTranslucency, 0}));
}

}  // namespace
}  // namespace qb
