#include "hooklib/hook_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace qb::hook {
namespace {

// A slot with guard bytes on both sides, so that a copy past its end shows.
struct GuardedSlot {
  static constexpr std::size_t kGuard = 64;
  explicit GuardedSlot(std::size_t bytes) : memory(bytes + 2 * kGuard, '#'), size(bytes) {}
  char* slot() { return memory.data() + kGuard; }
  bool guardsIntact() const {
    for (std::size_t i = 0; i < kGuard; ++i) {
      if (memory[i] != '#' || memory[kGuard + size + i] != '#') return false;
    }
    return true;
  }
  std::vector<char> memory;
  std::size_t size;
};

TEST(HookText, AnOversizedSlotTextIsCutInsideTheSlot) {
  GuardedSlot guarded(14000);
  const std::string huge(20000, 'a');
  CopyIntoSlot(guarded.slot(), 14000, huge.c_str());
  EXPECT_EQ(std::strlen(guarded.slot()), 13999u);
  EXPECT_TRUE(guarded.guardsIntact());
}

TEST(HookText, ACutNeverSplitsADoubleByteCharacter) {
  GuardedSlot guarded(14000);
  // 13998 single bytes, then "表" (0x95 0x5C): its lead byte would be the last byte kept.
  std::string text(13998, 'a');
  text += "表表";
  CopyIntoSlot(guarded.slot(), 14000, text.c_str());
  EXPECT_EQ(std::strlen(guarded.slot()), 13998u);
  EXPECT_TRUE(guarded.guardsIntact());

  std::string fits(13997, 'a');
  fits += "表";
  CopyIntoSlot(guarded.slot(), 14000, fits.c_str());
  EXPECT_EQ(std::string(guarded.slot()), fits);
}

TEST(HookText, ANullTextLeavesAnEmptySlot) {
  char slot[8] = "abcdefg";
  CopyIntoSlot(slot, sizeof slot, nullptr);
  EXPECT_STREQ(slot, "");
}

TEST(HookText, AReportIsZeroFilledAndBounded) {
  char buffer[kReportBytes];
  std::memset(buffer, 'x', sizeof buffer);
  FillReport(buffer, "MouseHook");
  EXPECT_STREQ(buffer, "MouseHook");
  for (std::size_t i = std::strlen("MouseHook"); i < kReportBytes; ++i) ASSERT_EQ(buffer[i], 0);

  std::string longer(254, 'b');
  longer += "表";  // would end at byte 256: cut before it
  FillReport(buffer, longer);
  EXPECT_EQ(std::strlen(buffer), 254u);
  EXPECT_EQ(buffer[kReportBytes - 1], 0);
}

TEST(HookText, MenuLinesKeepTheirIndexAndTheLastTakesTheRest) {
  EXPECT_TRUE(SplitMenuLines("", 10).empty());
  EXPECT_EQ(SplitMenuLines("a\r\n\r\nc\r\n", 10), (std::vector<std::string>{"a", "", "c"}));
  std::string eleven;
  for (int i = 1; i <= 11; ++i) eleven += "g" + std::to_string(i) + (i < 11 ? "\r\n" : "");
  const auto items = SplitMenuLines(eleven, 10);
  ASSERT_EQ(items.size(), 10u);
  EXPECT_EQ(items[8], "g9");
  EXPECT_EQ(items[9], "g10\r\ng11");
}

TEST(HookText, ThePlanReportNamesGroupAndIndex) {
  EXPECT_EQ(PlanChosenReport(2, 5), "MouseHook4:::2:::5");
}

}  // namespace
}  // namespace qb::hook
