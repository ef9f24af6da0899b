// The virtual clock: waits in steps, callbacks as the messages that arrive during a wait.
#include "platform/fake/fake_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qb {
namespace {

TEST(FakeClockTime, LocalTimeMovesWithTheCounter) {
  FakeClock clock(DateTime{2024, 12, 31, 23, 59, 59, 500}, 1000);
  EXPECT_EQ(clock.milliseconds(), 1000u);
  clock.advance(700);
  DateTime now = clock.localNow();
  EXPECT_EQ(now, (DateTime{2025, 1, 1, 0, 0, 0, 200}));
  EXPECT_EQ(now.dayOfWeek, 3);  // Wednesday
}

TEST(FakeClockTime, SettingTheWallClockLeavesTheCounter) {
  FakeClock clock;
  clock.advance(250);
  clock.setLocalNow(DateTime{2030, 6, 1, 12, 0, 0});
  EXPECT_EQ(clock.milliseconds(), 250u);
  clock.advance(1000);
  EXPECT_EQ(clock.localNow(), (DateTime{2030, 6, 1, 12, 0, 1}));
}

TEST(FakeClockWait, AWaitTakesWholeStepsAndAtLeastOne) {
  FakeClock clock;
  clock.pumpWait(25);
  EXPECT_EQ(clock.milliseconds(), 20u);
  clock.pumpWait(0);
  clock.pumpWait(-3);
  EXPECT_EQ(clock.milliseconds(), 40u);
  EXPECT_EQ(clock.waits(), (std::vector<int>{25, 0, -3}));
}

TEST(FakeClockWait, ACallbackRunsAfterTheStepThatReachesItsTime) {
  FakeClock clock;
  std::vector<std::uint64_t> ranAt;
  clock.schedule(15, [&] { ranAt.push_back(clock.milliseconds()); });
  clock.schedule(100, [&] { ranAt.push_back(clock.milliseconds()); });
  clock.pumpWait(50);
  EXPECT_EQ(ranAt, std::vector<std::uint64_t>{20});
  EXPECT_EQ(clock.pendingCount(), 1u);
}

TEST(FakeClockWait, DueCallbacksRunByTimeThenByScheduling) {
  FakeClock clock;
  std::string order;
  clock.scheduleAt(10, [&] { order += 'a'; });
  clock.scheduleAt(10, [&] { order += 'b'; });
  clock.scheduleAt(5, [&] { order += 'c'; });
  clock.pumpWait(10);
  EXPECT_EQ(order, "cab");
}

TEST(FakeClockWait, CallbacksMayScheduleMoreAndWaitThemselves) {
  FakeClock clock;
  std::vector<std::string> events;
  clock.schedule(0, [&] {
    events.push_back("first at " + std::to_string(clock.milliseconds()));
    clock.schedule(0, [&] { events.push_back("now at " + std::to_string(clock.milliseconds())); });
    clock.schedule(20, [&] { events.push_back("later at " + std::to_string(clock.milliseconds())); });
    clock.pumpWait(10);  // a nested wait, as a message handler's own wait
  });
  clock.pumpWait(50);
  EXPECT_EQ(events, (std::vector<std::string>{"first at 10", "now at 20", "later at 30"}));
  EXPECT_EQ(clock.milliseconds(), 60u);
}

TEST(FakeClockWait, AdvancingDispatchesNothingUntilAskedTo) {
  FakeClock clock;
  int ran = 0;
  clock.schedule(5, [&] { ++ran; });
  clock.advance(100);
  EXPECT_EQ(ran, 0);
  EXPECT_EQ(clock.runDue(), 1);
  EXPECT_EQ(ran, 1);
}

}  // namespace
}  // namespace qb
