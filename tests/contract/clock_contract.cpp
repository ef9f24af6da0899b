// What every Clock must do, checked the same way on the virtual clock and the system's.
// Nothing here depends on how long a real wait takes.
#include <cstdint>
#include <vector>

#include "tests/contract/contract_factory.h"

namespace qb::contract {

int LinkClockContract() { return 0; }
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ClockContract);

TEST_P(ClockContract, LocalNowIsAValidTime) {
  DateTime now = clock().localNow();
  EXPECT_GE(now.year, 2000);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12);
  EXPECT_TRUE(now.day >= 1 && now.day <= 31);
  EXPECT_TRUE(now.hour >= 0 && now.hour <= 23);
  EXPECT_TRUE(now.minute >= 0 && now.minute <= 59);
  EXPECT_TRUE(now.second >= 0 && now.second <= 59);
  EXPECT_TRUE(now.millisecond >= 0 && now.millisecond <= 999);
  EXPECT_EQ(now.dayOfWeek, Normalized(now).dayOfWeek);
}

TEST_P(ClockContract, TimeNeverGoesBackAcrossWaits) {
  std::uint64_t firstCount = clock().milliseconds();
  std::int64_t firstTime = ToEpochMilliseconds(clock().localNow());
  clock().pumpWait(20);
  std::uint64_t secondCount = clock().milliseconds();
  std::int64_t secondTime = ToEpochMilliseconds(clock().localNow());
  EXPECT_GE(secondCount, firstCount);
  EXPECT_GE(secondTime, firstTime - 1000);  // the wall clock may be corrected slightly
}

TEST_P(ClockContract, WaitsOfNoTimeStillReturn) {
  std::uint64_t before = clock().milliseconds();
  clock().pumpWait(0);
  clock().pumpWait(-5);
  EXPECT_GE(clock().milliseconds(), before);
}

TEST_P(ClockContract, AWaitDispatchesPostedMessagesInOrder) {
  std::vector<int> ran;
  harness().postMessage([&] { ran.push_back(1); });
  harness().postMessage([&] { ran.push_back(2); });
  EXPECT_TRUE(ran.empty());
  clock().pumpWait(10);
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST_P(ClockContract, AMessagePostedByAMessageRunsWithinTheSameWait) {
  std::vector<int> ran;
  harness().postMessage([&] {
    ran.push_back(1);
    harness().postMessage([&] { ran.push_back(2); });
  });
  clock().pumpWait(30);
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

}  // namespace qb::contract
