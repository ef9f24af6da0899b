#include "hotkeys/double_tap_detector.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_keyboard.h"
#include "tests/unit/hotkeys/hotkey_test_support.h"

namespace qb {
namespace {

constexpr int kShift = 16;
constexpr int kLeftCtrl = 162;

// The frame timer: a tick every 10 ms of virtual time, as the window runs it.
class DoubleTapTest : public ::testing::Test {
 protected:
  // Ticks until `until` (virtual ms); the slots recognised, with the time of each.
  std::vector<std::pair<std::uint64_t, int>> tickUntil(std::uint64_t until) {
    std::vector<std::pair<std::uint64_t, int>> found;
    while (clock.milliseconds() < until) {
      clock.pumpWait(10);
      const int slot = detector.tick(hotkeys);
      if (slot >= 0) found.emplace_back(clock.milliseconds(), slot);
    }
    return found;
  }
  void tap(std::uint64_t down, std::uint64_t up, int key = kShift) {
    keyboard.holdAt(down, key, true);
    keyboard.holdAt(up, key, false);
  }

  MultiHotkeys hotkeys = MultiHotkeysFrom(DefaultSettings().environment);
  FakeClock clock{DateTime{}, 0};
  FakeKeyboard keyboard{clock};
  DoubleTapDetector detector{clock, keyboard};
};

TEST_F(DoubleTapTest, TwoTapsWithinTheTimingCallUp) {
  tap(100, 160);
  tap(250, 300);
  const auto found = tickUntil(600);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].second, 0);
  EXPECT_EQ(found[0].first, 250u);
}

TEST_F(DoubleTapTest, AHeldKeyNeverCountsAsASecondTap) {
  keyboard.holdAt(100, kShift, true);
  keyboard.holdAt(1100, kShift, false);
  EXPECT_TRUE(tickUntil(1500).empty());
}

TEST_F(DoubleTapTest, ASecondTapAfterTheTwentyRoundsIsAFirstTapAgain) {
  // Timing 100: 20 rounds of 10 ms after the first tick that saw the key.
  // The late tap is a first tap again: the one after it completes a pair.
  tap(100, 150);
  tap(360, 400);
  tap(480, 520);
  const auto found = tickUntil(800);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].first, 480u);
}

TEST_F(DoubleTapTest, ASmallerTimingNeedsAQuickerSecondTap) {
  hotkeys[0].timing = 25;  // 5 rounds
  tap(100, 120);
  tap(190, 230);
  EXPECT_TRUE(tickUntil(400).empty());
  tap(500, 520);
  tap(540, 560);
  EXPECT_EQ(tickUntil(700).size(), 1u);
}

TEST_F(DoubleTapTest, TheFirstEnabledRowInSlotOrderWithItsKeyDownCounts) {
  hotkeys[0].on = 0;
  hotkeys[2] = MultiHotkey{1, kLeftCtrl, kLeftCtrl, 0, 100, 2, 0, 0, 0};
  hotkeys[3] = MultiHotkey{1, kShift, kShift, 0, 100, 7, 0, 0, 0};
  tap(100, 130);
  tap(200, 230);
  tap(400, 430, kLeftCtrl);
  tap(480, 500, kLeftCtrl);
  const auto found = tickUntil(800);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].second, 3);
  EXPECT_EQ(found[1].second, 2);
  // A pair row is not a double tap, whatever its first key.
  hotkeys = {};
  hotkeys[0] = MultiHotkey{1, 17, 18, 'Q', 100, 0, 0, 0, 0};
  tap(900, 920, 17);
  tap(950, 970, 17);
  EXPECT_TRUE(tickUntil(1200).empty());
}

}  // namespace
}  // namespace qb
