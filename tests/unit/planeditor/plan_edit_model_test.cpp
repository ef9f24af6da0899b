// Editing the block list: the plan text is parsed again after every change.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "planlib/editor/editor_messages.h"
#include "planlib/editor/plan_edit_model.h"
#include "planlib/engine/block_kinds.h"
#include "tests/unit/planeditor/editor_test_support.h"
#include "tests/unit/planlib/plan_test_support.h"

namespace qb {
namespace {

using namespace test;
using Ints = std::vector<int>;
using Strings = std::vector<std::string>;

BlockGroup ThreeLevelGroup() {
  PlanEditModel source;
  AddLoopChain(source, 3);
  return source.copy(0);
}

TEST(PlanEditModelOpen, ANewPlanIsTheHeaderSkeletonWithoutBlocks) {
  PlanEditModel model;
  EXPECT_TRUE(model.isNewPlan());
  EXPECT_EQ(model.planText(),
            "<@@PLAN_NAME><@@/PLAN_NAME><@@PLAN_GAIYO><@@/PLAN_GAIYO><@@PLAN_HOSOKU><@@/PLAN_HOSOKU>"
            "<@@PLAN_GVL><@@/PLAN_GVL><@@PLAN_LOCK_ID><@@/PLAN_LOCK_ID><@@PLAN_CREATE_ID><@@/PLAN_CREATE_ID>"
            "<@@PLAN_CREATE_DATE><@@/PLAN_CREATE_DATE><@@PLAN_UPDATE_ID><@@/PLAN_UPDATE_ID>"
            "<@@PLAN_UPDATE_DATE><@@/PLAN_UPDATE_DATE>");
  EXPECT_EQ(model.blockCount(), 0u);
}

TEST(PlanEditModelOpen, AnExistingPlanIsKeptAndATextThatDoesNotParseIsRefused) {
  PlanEditModel model;
  std::string text = Plan(Line(SimpleBlock(1)));
  ASSERT_TRUE(model.open(text).ok);
  EXPECT_FALSE(model.isNewPlan());
  EXPECT_EQ(model.planText(), text);
  EditResult bad = model.open("<@@LINE><@@LINEME>");
  EXPECT_EQ(bad.message, editor_text::kOpenFailed);
  EXPECT_EQ(model.planText(), text);
}

TEST(PlanEditModelFields, ReservedWordIsRefusedAndTheNameIsCutAtSixtyCharacters) {
  PlanEditModel model;
  EXPECT_EQ(model.setName("a<@@b").message, editor_text::kReservedWord);
  EXPECT_EQ(model.setSummary("<@@").message, editor_text::kReservedWord);
  EXPECT_EQ(model.header("PLAN_NAME"), "");
  std::string wide;
  for (int i = 0; i < 61; ++i) wide += "表";  // its trail byte is a backslash
  ASSERT_TRUE(model.setName(wide).ok);
  EXPECT_EQ(model.header("PLAN_NAME"), wide.substr(0, 120));
  ASSERT_TRUE(model.setSummary("要約\r\n:::").ok);
  EXPECT_EQ(model.header("PLAN_GAIYO"), "要約\r\n:::");
}

TEST(PlanEditModelFields, AMissingHeaderIsAddedInTheHeaderOrder) {
  PlanEditModel model;
  ASSERT_TRUE(model.open("<@@PLAN_NAME>n<@@/PLAN_NAME><@@PLAN_UPDATE_ID>u<@@/PLAN_UPDATE_ID>" + SimpleBlock(1)).ok);
  ASSERT_TRUE(model.setHeader("PLAN_GVL", "V1.20").ok);
  EXPECT_EQ(model.planText(), "<@@PLAN_NAME>n<@@/PLAN_NAME><@@PLAN_GVL>V1.20<@@/PLAN_GVL>"
                              "<@@PLAN_UPDATE_ID>u<@@/PLAN_UPDATE_ID>" + SimpleBlock(1));
}

TEST(PlanEditModelList, RowsAreIndentedByDepthAndShowTheDescription) {
  PlanEditModel model;
  AddLoopChain(model, 2);
  ASSERT_TRUE(model.addAtEnd(SimpleBlock(7), 2).ok);
  std::vector<BlockListRow> rows = model.listRows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].text, "【ループ】2回、配下の処理を実行する");
  EXPECT_EQ(rows[1].text, "　【ループ】2回、配下の処理を実行する");
  EXPECT_EQ(rows[2].text, "　　【単純挿入】末尾に「7」 を挿入する");
  EXPECT_EQ(rows[2].depth, 2);
}

TEST(PlanEditModelAdd, DepthsOfferedFollowTheNeighbours) {
  PlanEditModel model;
  EXPECT_EQ(model.depthsAtEnd(), Ints{0});
  AddLoopChain(model, 2);  // LOOP(0) LOOP(1)
  EXPECT_EQ(model.depthsAtEnd(), (Ints{0, 1, 2}));
  EXPECT_EQ(model.depthsBeside(1, Side::Above), Ints{1});  // the first child of row 0
  EXPECT_EQ(model.depthsBeside(0, Side::Below), (Ints{0, 1}));
  ASSERT_TRUE(model.addAtEnd(SimpleBlock(1), 2).ok);
  EXPECT_EQ(model.depthsBeside(2, Side::Below), (Ints{0, 1, 2}));  // a simple block takes none
  EXPECT_EQ(DepthLabel(0), "１階層");
  EXPECT_EQ(DepthLabel(9), "１０階層");
}

TEST(PlanEditModelAdd, BelowARowTheDepthChoosesWhereTheBlockGoes) {
  PlanEditModel model;
  AddLoopChain(model, 2);                       // LOOP(0) LOOP(1)
  ASSERT_TRUE(model.addAtEnd(SimpleBlock(1), 2).ok);  // INSERT(2)
  // One level under the inner loop: its first child.
  ASSERT_TRUE(model.addBeside(1, Side::Below, 2, SimpleBlock(2)).ok);
  // At the inner loop's depth: after all its descendants.
  ASSERT_TRUE(model.addBeside(1, Side::Below, 1, SimpleBlock(3)).ok);
  // At depth 0 below the deepest row: after the whole outer loop.
  ASSERT_TRUE(model.addBeside(3, Side::Below, 0, SimpleBlock(4)).ok);
  EXPECT_EQ(Depths(model), (Ints{0, 1, 2, 2, 1, 0}));
  EXPECT_EQ(model.listRows()[2].text, "　　【単純挿入】末尾に「2」 を挿入する");
  EXPECT_EQ(model.listRows()[4].text, "　【単純挿入】末尾に「3」 を挿入する");
  EXPECT_EQ(model.listRows()[5].text, "【単純挿入】末尾に「4」 を挿入する");
}

TEST(PlanEditModelAdd, AboveARowAndRefusedPlaces) {
  PlanEditModel model;
  AddLoopChain(model, 1);
  ASSERT_TRUE(model.addAtEnd(SimpleBlock(1), 1).ok);  // LOOP(0) INSERT(1)
  ASSERT_TRUE(model.addBeside(1, Side::Above, 1, SimpleBlock(2)).ok);
  EXPECT_EQ(Depths(model), (Ints{0, 1, 1}));
  // Under a simple block, or at a depth that would adopt the rows after it: refused, unchanged.
  std::string before = model.planText();
  EXPECT_EQ(model.addBeside(2, Side::Below, 2, SimpleBlock(3)).message, editor_text::kInsertFailed);
  EXPECT_EQ(model.addBeside(1, Side::Above, 0, LoopBlock()).message, editor_text::kInsertFailed);
  EXPECT_EQ(model.addAtEnd(SimpleBlock(1) + SimpleBlock(2), 0).message, editor_text::kInsertFailed);
  EXPECT_EQ(model.addAtEnd(Plan(SimpleBlock(1)), 0).message, editor_text::kInsertFailed);
  EXPECT_EQ(model.planText(), before);
}

TEST(PlanEditModelLimits, TheHundredAndFirstBlockIsRefused) {
  PlanEditModel model;
  AddSimpleBlocks(model, 100);
  EXPECT_EQ(model.addAtEnd(SimpleBlock(0), 0).message, editor_text::kTooManyBlocks);
  EXPECT_EQ(model.addBeside(0, Side::Above, 0, SimpleBlock(0)).message, editor_text::kTooManyBlocks);
  EXPECT_EQ(model.paste(0, Side::Below, model.copy(0)).message, editor_text::kTooManyBlocks);
  EXPECT_EQ(model.blockCount(), 100u);
}

TEST(PlanEditModelLimits, AGroupThatWouldPassTheHundredIsRefusedBeforeItsDepthIsLookedAt) {
  PlanEditModel model;
  AddLoopChain(model, 9);
  AddSimpleBlocks(model, 89);  // 98 blocks
  EXPECT_EQ(model.paste(8, Side::Below, ThreeLevelGroup()).message, editor_text::kTooManyBlocks);
  ASSERT_TRUE(model.paste(9, Side::Above, model.copy(9)).ok);
  EXPECT_EQ(model.blockCount(), 99u);
}

TEST(PlanEditModelLimits, AThreeLevelGroupIsRefusedUnderDepthEightAndAcceptedUnderDepthSix) {
  PlanEditModel model;
  AddLoopChain(model, 9);  // depths 0..8
  BlockGroup group = ThreeLevelGroup();
  std::string before = model.planText();
  EXPECT_EQ(model.paste(8, Side::Below, group).message, editor_text::kTooDeep);
  EXPECT_EQ(model.paste(8, Side::Above, group).message, editor_text::kTooDeep);
  EXPECT_EQ(model.planText(), before);
  ASSERT_TRUE(model.paste(6, Side::Below, group).ok);
  // Below row 6 means after its descendants (rows 7 and 8), at depth 6, keeping 6, 7, 8.
  EXPECT_EQ(Depths(model), (Ints{0, 1, 2, 3, 4, 5, 6, 7, 8, 6, 7, 8}));
  // A single new block below depth 9 is refused in the same way.
  EXPECT_EQ(model.addBeside(8, Side::Below, 10, SimpleBlock(1)).message, editor_text::kTooDeep);
  ASSERT_TRUE(model.addBeside(8, Side::Below, 9, SimpleBlock(1)).ok);
}

TEST(PlanEditModelLimits, AChangeThatMakesTheTextTooLargeIsRefused) {
  PlanEditModel model;
  ASSERT_TRUE(model.addAtEnd(Insert(5, std::string(511000, 'x')), 0).ok);
  EXPECT_EQ(model.addAtEnd(Insert(5, std::string(1000, 'x')), 0).message, editor_text::kTooLarge);
  EXPECT_EQ(model.blockCount(), 1u);
}

TEST(PlanEditModelGroups, CutAndPasteMovesABlockWithItsDescendants) {
  PlanEditModel model;
  AddLoopChain(model, 2);
  ASSERT_TRUE(model.addAtEnd(SimpleBlock(1), 2).ok);
  ASSERT_TRUE(model.addAtEnd(SimpleBlock(2), 0).ok);  // LOOP(0) LOOP(1) INSERT1(2) INSERT2(0)
  BlockGroup taken;
  ASSERT_TRUE(model.cut(1, taken).ok);
  EXPECT_EQ(Tags(model), (Strings{"LOOP", "INSERT"}));
  ASSERT_TRUE(model.paste(1, Side::Below, taken).ok);
  EXPECT_EQ(Tags(model), (Strings{"LOOP", "INSERT", "LOOP", "INSERT"}));
  EXPECT_EQ(Depths(model), (Ints{0, 0, 0, 1}));
  EXPECT_EQ(model.plan().m_Blocks()[2].descendants, 1);
  ASSERT_TRUE(model.paste(0, Side::Above, model.copy(3)).ok);
  EXPECT_EQ(Depths(model), (Ints{0, 0, 0, 0, 1}));
}

TEST(PlanEditModelGroups, DeleteAsksAndRemovesAllDescendants) {
  PlanEditModel model;
  AddLoopChain(model, 3);
  ASSERT_TRUE(model.addAtEnd(SimpleBlock(1), 0).ok);
  ScriptedQuestions questions;
  questions.answer(false);
  EXPECT_FALSE(model.remove(1, questions).ok);
  EXPECT_EQ(model.blockCount(), 4u);
  questions.answer(true);
  ASSERT_TRUE(model.remove(1, questions).ok);
  EXPECT_EQ(Tags(model), (Strings{"LOOP", "INSERT"}));
  EXPECT_EQ(questions.asked(), Strings(2, std::string(editor_text::kDeleteQuestion)));
}

TEST(PlanEditModelChange, AChangeKeepsTheDescendantsAndTheKind) {
  PlanEditModel model;
  AddLoopChain(model, 2);
  ASSERT_TRUE(model.changeBlock(0, LoopBlock(5)).ok);
  EXPECT_EQ(model.listRows()[0].text, "【ループ】5回、配下の処理を実行する");
  EXPECT_EQ(model.plan().m_Blocks()[0].descendants, 1);
  EXPECT_EQ(model.changeBlock(0, LineBlock()).message, editor_text::kUpdateTagFailed);
  EXPECT_EQ(model.changeBlock(0, "<@@LOOP>").message, editor_text::kUpdateFailed);
  EXPECT_EQ(model.changeBlock(0, LoopBlock() + LoopBlock()).message, editor_text::kUpdateFailed);
}

TEST(PlanEditModelGroups, AnySequenceOfEditsKeepsAPlanWithinItsLimits) {
  PlanEditModel model;
  AddLoopChain(model, 6);
  ScriptedQuestions questions;
  std::mt19937 random(7);
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  // Half the time the deepest depth offered, so that the walk goes deep.
  auto depthOf = [&](const std::vector<int>& depths) {
    return pick(2) == 0 ? depths.back() : depths[pick(depths.size())];
  };
  BlockGroup clip;
  std::size_t fullest = 0;
  int deepest = 0;
  for (int step = 0; step < 3000; ++step) {
    std::size_t count = model.blockCount();
    std::size_t row = count == 0 ? 0 : pick(count);
    Side side = pick(2) == 0 ? Side::Above : Side::Below;
    std::string block = pick(4) != 0 ? LoopBlock() : SimpleBlock(step);
    switch (count == 0 ? 0 : pick(6)) {
      case 0: {
        std::vector<int> depths = model.depthsAtEnd();
        model.addAtEnd(block, depthOf(depths));
        break;
      }
      case 1: {
        std::vector<int> depths = model.depthsBeside(row, side);
        ASSERT_FALSE(depths.empty());
        model.addBeside(row, side, depthOf(depths), block);
        break;
      }
      case 2:
        clip = model.copy(row);
        break;
      case 3:
        model.paste(row, side, clip);
        break;
      case 4:
        if (pick(4) == 0) model.cut(row, clip);
        break;
      default:
        if (pick(3) == 0) {
          questions.answer(true);
          model.remove(row, questions);
        }
        break;
    }
    CPlanMain parsed;
    ASSERT_EQ(parsed.m_Analyze(model.planText()), 0) << step;
    ASSERT_EQ(parsed.m_Blocks().size(), model.blockCount());
    ASSERT_LE(model.blockCount(), 100u);
    for (const PlanRow& r : model.plan().m_Blocks()) {
      ASSERT_LE(r.depth, 9);
      if (r.descendants > 0) {
        ASSERT_TRUE(FindBlockKind(RowTagName(r))->container) << step;
      }
      deepest = std::max(deepest, r.depth);
    }
    fullest = std::max(fullest, model.blockCount());
  }
  // The walk reached both limits.
  EXPECT_EQ(fullest, 100u);
  EXPECT_EQ(deepest, 9);
}

}  // namespace
}  // namespace qb
