// The three exports of the standard-plan library and the records they hand out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/records.h"
#include "planlib/engine/block_kinds.h"
#include "planlib/engine/plan_main.h"
#include "planlib/engine/plan_tags.h"
#include "tests/unit/plandata/standard_plan_sets.h"

namespace qb {
namespace {

using test::RecordsOf;

std::string NameOf(const std::string& record) { return record.substr(0, record.find(":::")); }

std::vector<std::string> Names(const std::vector<std::string>& records) {
  std::vector<std::string> names;
  for (const std::string& record : records) names.push_back(NameOf(record));
  return names;
}

TEST(StandardPlanExportsTest, RirekiHandsOutNinePlansAndThenTheEnd) {
  std::vector<char> buffer(512000, 'x');
  int end = -1;
  EXPECT_EQ(m_GetPlanDataRireki(8, &end, buffer.data()), 0);
  EXPECT_EQ(end, 0);
  EXPECT_EQ(NameOf(buffer.data()), "引用符付け");
  std::vector<char> untouched = buffer;
  EXPECT_EQ(m_GetPlanDataRireki(9, &end, buffer.data()), 0);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(buffer, untouched);
  EXPECT_EQ(Names(RecordsOf(&m_GetPlanDataRireki)),
            (std::vector<std::string>{"括弧「」括り", "空白・タブ・改行の削除", "行分割(分割桁数指定)",
                                      "同一行の削除", "行並び替え（降順）", "行並び替え（昇順）",
                                      "全角カナ→半角ｶﾅ", "半角ｶﾅ→全角カナ", "引用符付け"}));
}

TEST(StandardPlanExportsTest, HotKeySetsHandOutThreeAndThirtyThreePlans) {
  EXPECT_EQ(Names(RecordsOf(&m_GetPlanDataHotKey)),
            (std::vector<std::string>{"文字列検索のブラウザ表示", "スクラップブック表示",
                                      "スクラップブックへ取り込み"}));
  std::vector<std::string> second = Names(RecordsOf(&m_GetPlanDataHotKey2));
  ASSERT_EQ(second.size(), 33u);
  EXPECT_EQ(second.front(), "定型句の貼り付け５");
  EXPECT_EQ(second[4], "定型句の貼り付け１");
  EXPECT_EQ(second[22], "半角変換");
  EXPECT_EQ(second[24], "全角変換");
  EXPECT_EQ(second.back(), "Web検索（Yahoo）");
  int end = 0;
  std::vector<char> buffer(512000);
  for (int index : {33, 49, 50, -1, 100000}) {
    m_GetPlanDataHotKey2(index, &end, buffer.data());
    EXPECT_EQ(end, 1) << index;
  }
}

TEST(StandardPlanExportsTest, TheSameIndexTwiceGivesTheSameRecord) {
  std::vector<char> first(512000);
  std::vector<char> second(512000);
  int end = 0;
  for (auto get : {&m_GetPlanDataRireki, &m_GetPlanDataHotKey, &m_GetPlanDataHotKey2}) {
    get(2, &end, first.data());
    get(0, &end, second.data());
    get(2, &end, second.data());
    EXPECT_STREQ(first.data(), second.data());
  }
}

struct SetCase {
  test::PlanDataExport get;
  const char* version;
};

class StandardPlanRecordTest : public ::testing::TestWithParam<SetCase> {};

// Name ":::" version ":::0000000000:::0:::0:::" plan text; the name is the plan's <@@PLAN_NAME>
// and the plan parses, with every element its blocks and conditions read.
TEST_P(StandardPlanRecordTest, EveryRecordIsAStoredPlanThatTheEngineReads) {
  for (const std::string& record : RecordsOf(GetParam().get)) {
    std::vector<std::string> fields = SplitFields(record, 6);
    ASSERT_EQ(fields.size(), 6u) << record;
    const std::string& name = fields[0];
    SCOPED_TRACE(name);
    EXPECT_EQ(fields[1], GetParam().version);
    EXPECT_EQ(fields[2], "0000000000");
    EXPECT_EQ(fields[3], "0");
    EXPECT_EQ(fields[4], "0");
    CPlanMain plan;
    ASSERT_EQ(plan.m_Analyze(fields[5]), 0) << plan.m_ErrorDetail();
    EXPECT_EQ(plan.m_HeaderValue("<@@PLAN_NAME>"), name);
    EXPECT_EQ(plan.m_HeaderValue("<@@PLAN_GVL>"), "V1.00");
    EXPECT_FALSE(plan.m_HeaderValue("<@@PLAN_GAIYO>").value_or("").empty());
    EXPECT_LE(plan.m_Blocks().size(), 100u);
    EXPECT_EQ(plan.m_PlanText(), fields[5]) << "written back differently";
    for (const PlanRow& row : plan.m_Blocks()) {
      const BlockKind* kind = FindBlockKind(RowTagName(row));
      ASSERT_NE(kind, nullptr) << row.openTag;
      for (std::string_view element : kind->elements) {
        EXPECT_NE(row.value.find(OpenTag(element)), std::string::npos)
            << row.openTag << " lacks " << element;
      }
      for (const ConditionKind& condition : ConditionKinds()) {
        std::size_t at = row.value.find(OpenTag(condition.tag));
        if (at == std::string::npos) continue;
        std::string_view body(row.value);
        body = body.substr(at, body.find(CloseTag(condition.tag), at) - at);
        for (std::string_view element : condition.elements) {
          EXPECT_NE(body.find(OpenTag(element)), std::string::npos)
              << condition.tag << " lacks " << element;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sets, StandardPlanRecordTest,
                         ::testing::Values(SetCase{&m_GetPlanDataRireki, "V1.00"},
                                           SetCase{&m_GetPlanDataHotKey, "V1.00"},
                                           SetCase{&m_GetPlanDataHotKey2, "V1.20"}));

}  // namespace
}  // namespace qb
