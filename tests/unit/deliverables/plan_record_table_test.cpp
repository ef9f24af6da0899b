#include "plandata/plan_record_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qb {
namespace {

TEST(PlanRecordTable, DeliversRecordsInOrderThenTheEnd) {
  PlanRecordTable table;
  table.add("括弧「」括り", "V1.00", "<@@PLAN_NAME>括弧「」括り<@@/PLAN_NAME>");
  table.add("second", "V1.20", "text");
  std::vector<char> buffer(512000, 'x');
  int end = -1;
  EXPECT_EQ(table.deliver(0, &end, buffer.data()), 0);
  EXPECT_EQ(end, 0);
  EXPECT_STREQ(buffer.data(),
               "括弧「」括り:::V1.00:::0000000000:::0:::0:::<@@PLAN_NAME>括弧「」括り<@@/PLAN_NAME>");
  table.deliver(1, &end, buffer.data());
  EXPECT_STREQ(buffer.data(), "second:::V1.20:::0000000000:::0:::0:::text");
  // A second call with the same index gives the same record: no state between calls.
  table.deliver(1, &end, buffer.data());
  EXPECT_STREQ(buffer.data(), "second:::V1.20:::0000000000:::0:::0:::text");
}

TEST(PlanRecordTable, EmptyAndOutsideEntriesReportTheEndAndLeaveTheBuffer) {
  PlanRecordTable table;
  table.add("only", "V1.00", "t");
  char buffer[16] = "untouched";
  for (int index : {1, 49, 50, 1000, -1}) {
    int end = 0;
    EXPECT_EQ(table.deliver(index, &end, buffer), 0);
    EXPECT_EQ(end, 1) << index;
    EXPECT_STREQ(buffer, "untouched");
  }
}

TEST(PlanRecordTable, HoldsAtMostFiftyEntries) {
  PlanRecordTable table;
  for (int i = 0; i < 60; ++i) table.add("p" + std::to_string(i), "V1.00", "t");
  std::vector<char> buffer(64);
  int end = 0;
  table.deliver(49, &end, buffer.data());
  EXPECT_EQ(end, 0);
  EXPECT_STREQ(buffer.data(), "p49:::V1.00:::0000000000:::0:::0:::t");
}

}  // namespace
}  // namespace qb
