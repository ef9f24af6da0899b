// Parsing plan texts into the tables and writing them back.
#include <gtest/gtest.h>

#include <set>

#include "planlib/engine/block_kinds.h"
#include "planlib/engine/plan_main.h"
#include "planlib/engine/plan_tags.h"
#include "tests/unit/planlib/plan_test_support.h"

namespace qb {
namespace {

using test::Block;
using test::Container;
using test::Insert;
using test::Line;
using test::Loop;

std::string Header(std::string_view name, std::string_view value) { return Element(name, value); }

TEST(PlanParseTest, LoopInsideLoopPairsTheInnerClosingTag) {
  std::string text = Loop("2", Loop("3", Insert(5, "x")) + Insert(4, "y")) + Insert(5, "z");
  CPlanMain plan;
  ASSERT_EQ(plan.m_Analyze(text), 0) << plan.m_ErrorDetail();
  const auto& rows = plan.m_Blocks();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].openTag, "<@@LOOP>");
  EXPECT_EQ(rows[0].descendants, 3);
  EXPECT_EQ(rows[0].value, "<@@LOOPME><@@LOOP_COUNT>2<@@/LOOP_COUNT><@@/LOOPME>");
  EXPECT_EQ(rows[1].openTag, "<@@LOOP>");
  EXPECT_EQ(rows[1].descendants, 1);
  EXPECT_EQ(rows[1].depth, 1);
  EXPECT_EQ(rows[2].depth, 2);
  EXPECT_EQ(rows[3].depth, 1);
  EXPECT_EQ(rows[4].depth, 0);
  EXPECT_EQ(rows[4].descendants, 0);
  EXPECT_EQ(plan.m_PlanText(), text);
}

TEST(PlanParseTest, ValuesWithLineBreaksAndSeparatorsComeBackUnchanged) {
  std::string text = Header("PLAN_NAME", "名前:::") + Header("PLAN_GAIYO", "一行目\r\n二行目") +
                     Line(Insert(5, "a:::b\r\n表示")) + Block("LINE_NEXT");
  CPlanMain plan;
  ASSERT_EQ(plan.m_Analyze(text), 0);
  EXPECT_EQ(plan.m_PlanText(), text);
  EXPECT_EQ(plan.m_HeaderValue("<@@PLAN_GAIYO>"), "一行目\r\n二行目");
}

TEST(PlanParseTest, HeadersAnywhereGoToTheHeaderTable) {
  std::string text = Insert(5, "1") + Header("PLAN_NAME", "n") + Insert(5, "2") +
                     Header("PLAN_YOBI1", "r");
  CPlanMain plan;
  ASSERT_EQ(plan.m_Analyze(text), 0);
  ASSERT_EQ(plan.m_Headers().size(), 2u);
  EXPECT_EQ(plan.m_Headers()[0].openTag, "<@@PLAN_NAME>");
  ASSERT_EQ(plan.m_Blocks().size(), 2u);
  EXPECT_NE(plan.m_Blocks()[0].value.find(">1<"), std::string::npos);
  EXPECT_NE(plan.m_Blocks()[1].value.find(">2<"), std::string::npos);
  EXPECT_EQ(plan.m_PlanText(), Header("PLAN_NAME", "n") + Header("PLAN_YOBI1", "r") +
                                   Insert(5, "1") + Insert(5, "2"));
  EXPECT_FALSE(plan.m_HeaderValue("<@@PLAN_GVL>").has_value());
}

TEST(PlanParseTest, EmptyConditionListAndTextWithoutTagsParse) {
  CPlanMain plan;
  EXPECT_EQ(plan.m_Analyze(Container("CONDITION", {}, "")), 0);
  EXPECT_EQ(plan.m_Blocks().size(), 1u);
  EXPECT_EQ(plan.m_Analyze("ただの文字列 <@ @@>"), 0);
  EXPECT_TRUE(plan.m_Blocks().empty());
  EXPECT_TRUE(plan.m_Headers().empty());
}

TEST(PlanParseTest, MalformedTextsAreParseErrorsWithEmptyTables) {
  const std::vector<std::string> broken = {
      "<@@INSERT><@@KIND_ADR>5<@@/KIND_ADR>",           // no closing tag
      "<@@INSERT",                                       // no ">"
      "<@@insert>x<@@/insert>",                          // not a tag name
      "<@@NOSUCH>x<@@/NOSUCH>",                          // unknown element
      "<@@LINE>" + Insert(5, "x") + "<@@/LINE>",          // no settings element
      Line(Header("PLAN_NAME", "n")),                    // header inside a block
  };
  for (const std::string& text : broken) {
    CPlanMain plan;
    EXPECT_EQ(plan.m_Analyze(Insert(5, "ok") + text), -1) << text;
    EXPECT_FALSE(plan.m_ErrorDetail().empty());
    EXPECT_TRUE(plan.m_Blocks().empty());
  }
}

TEST(PlanParseTest, TablesAndDepthHaveHardLimits) {
  std::string blocks;
  for (int i = 0; i < 115; ++i) blocks += Block("LINE_NEXT");
  CPlanMain plan;
  EXPECT_EQ(plan.m_Analyze(blocks), 0);
  EXPECT_EQ(plan.m_Analyze(blocks + Block("LINE_NEXT")), -1);

  std::string headers;
  for (int i = 0; i < 20; ++i) headers += Header("PLAN_YOBI1", "");
  EXPECT_EQ(plan.m_Analyze(headers), 0);
  EXPECT_EQ(plan.m_Analyze(headers + Header("PLAN_YOBI2", "")), -1);

  std::string nested = Block("LINE_NEXT");
  for (int depth = 0; depth < 9; ++depth) nested = Line(nested);  // the innermost at depth 9
  EXPECT_EQ(plan.m_Analyze(nested), 0);
  EXPECT_EQ(plan.m_Blocks().back().depth, 9);
  EXPECT_EQ(plan.m_Analyze(Line(nested)), -1);

  EXPECT_EQ(plan.m_Analyze(Insert(5, std::string(512000, 'a'))), -1);
}

TEST(PlanParseTest, ElementReadingTakesTheFirstOccurrence) {
  EXPECT_EQ(ReadElement("<@@A>1<@@/A><@@A>2<@@/A>", "A"), "1");
  EXPECT_EQ(ReadElement("<@@A><@@/A>", "A"), "");
  EXPECT_FALSE(ReadElement("<@@A>1", "A").has_value());
  EXPECT_FALSE(ReadElement("<@@B>1<@@/B>", "A").has_value());
}

TEST(PlanParseTest, DescriptionsFollowTheSettings) {
  CPlanMain plan;
  ASSERT_EQ(plan.m_Analyze(test::Change(3, "HELLO", "GOOD") + Loop("3", "") +
                           Block("INSERT", {{"KIND_ADR", "5"}}) +
                           Container("COMMENT", {{"DATAIN", "メモ"}, {"COMMENT_FLG", "1"}}, "")),
            0);
  const auto& rows = plan.m_Blocks();
  EXPECT_EQ(rows[0].description, "【文字指定置換】「HELLO」を「GOOD」に全て置換する");
  EXPECT_EQ(rows[1].description, "【ループ】3回、配下の処理を実行する");
  EXPECT_EQ(rows[2].description, "説明作成ERROR");
  EXPECT_EQ(rows[3].description, "【要約】メモ       ［ 配下はコメント扱い ］");
}

TEST(BlockKindTableTest, TagsAndCodesAreUniqueAndContainersAreTheFive) {
  std::set<std::string_view> tags;
  std::set<std::string_view> codes;
  std::set<std::string_view> containers;
  for (const BlockKind& kind : BlockKinds()) {
    EXPECT_TRUE(tags.insert(kind.tag).second) << kind.tag;
    EXPECT_TRUE(codes.insert(kind.code).second) << kind.code;
    EXPECT_TRUE(IsTagName(kind.tag));
    if (kind.container) containers.insert(kind.tag);
  }
  EXPECT_EQ(BlockKinds().size(), 45u);
  EXPECT_EQ(containers, (std::set<std::string_view>{"LINE", "CONDITION", "CUTTING", "LOOP", "COMMENT"}));
  EXPECT_EQ(HeaderKinds().size(), 11u);
}

}  // namespace
}  // namespace qb
