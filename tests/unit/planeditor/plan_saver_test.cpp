// The editor's OK: checks in order, the header filled in, the lock, the result for the host.
#include <gtest/gtest.h>

#include "planlib/editor/editor_messages.h"
#include "planlib/editor/plan_saver.h"
#include "planlib/engine/plan_tags.h"
#include "platform/fake/fake_clock.h"
#include "tests/unit/planeditor/editor_test_support.h"
#include "tests/unit/planlib/plan_test_support.h"

namespace qb {
namespace {

using namespace test;

class PlanSaverTest : public ::testing::Test {
 protected:
  SaveOutcome save(std::string_view lockId = "") {
    return PlanSaver("user1", clock, questions).save(model, PlanLock(lockId, "user1"));
  }
  // An existing plan with this name and blocks, locked by `lockId`.
  void openPlan(std::string_view name, std::string_view blocks, std::string_view lockId = "") {
    ASSERT_TRUE(model.open(Element("PLAN_NAME", name) + Element("PLAN_LOCK_ID", lockId) +
                           Element("PLAN_CREATE_ID", "maker") +
                           Element("PLAN_CREATE_DATE", "20200101000000") + std::string(blocks))
                    .ok);
  }

  FakeClock clock{DateTime{2024, 5, 6, 7, 8, 9, 0}};
  ScriptedQuestions questions;
  PlanEditModel model;
};

TEST_F(PlanSaverTest, ChecksComeInOrder) {
  EXPECT_EQ(save().result.message, editor_text::kNoBlocks);
  ASSERT_TRUE(model.addAtEnd(SimpleBlock(1), 0).ok);
  EXPECT_EQ(save().result.message, editor_text::kNoName);
  ASSERT_TRUE(model.setName("a:::b").ok);
  EXPECT_EQ(save().result.message, editor_text::kNameWithSeparator);
  // A locked plan goes through the same checks first.
  openPlan("", Loop("1", ""), "other");
  EXPECT_EQ(save("other").result.message, editor_text::kNoName);
  EXPECT_TRUE(questions.asked().empty());
}

TEST_F(PlanSaverTest, AChildlessLoopAsksAndSavesWhenConfirmed) {
  openPlan("p", Loop("3", "") + SimpleBlock(1));
  questions.answer(false);
  SaveOutcome declined = save();
  EXPECT_FALSE(declined.result.ok);
  EXPECT_TRUE(declined.result.message.empty());
  questions.answer(true);
  SaveOutcome saved = save();
  EXPECT_TRUE(saved.result.ok);
  EXPECT_NE(saved.plan.text.find(Loop("3", "")), std::string::npos);
  ASSERT_EQ(questions.asked().size(), 2u);
  EXPECT_EQ(questions.asked()[0], editor_text::kChildlessQuestion);
}

TEST_F(PlanSaverTest, EachEmptyContainerKindAsksButAFilledOneDoesNot) {
  for (std::string blocks : {Line(""), Condition(1, 0, ConditionK3(1, 1), ""),
                             Container("CUTTING", {}, ""), Loop("1", "")}) {
    EXPECT_TRUE(HasChildlessContainer([&] { CPlanMain p; p.m_Analyze(blocks); return p; }()));
  }
  CPlanMain filled;
  ASSERT_EQ(filled.m_Analyze(Line(Loop("1", SimpleBlock(1))) + Container("COMMENT", {}, "")), 0);
  EXPECT_FALSE(HasChildlessContainer(filled));
}

TEST_F(PlanSaverTest, ANewPlanGetsItsCreatorAndTheResultForTheHost) {
  ASSERT_TRUE(model.addAtEnd(SimpleBlock(1), 0).ok);
  ASSERT_TRUE(model.setName("名前").ok);
  ASSERT_TRUE(model.setSummary("説明").ok);
  SaveOutcome saved = save();
  ASSERT_TRUE(saved.result.ok);
  EXPECT_EQ(saved.plan.text,
            "<@@PLAN_NAME>名前<@@/PLAN_NAME><@@PLAN_GAIYO>説明<@@/PLAN_GAIYO><@@PLAN_HOSOKU><@@/PLAN_HOSOKU>"
            "<@@PLAN_GVL>V1.20<@@/PLAN_GVL><@@PLAN_LOCK_ID><@@/PLAN_LOCK_ID>"
            "<@@PLAN_CREATE_ID>user1<@@/PLAN_CREATE_ID><@@PLAN_CREATE_DATE>20240506070809<@@/PLAN_CREATE_DATE>"
            "<@@PLAN_UPDATE_ID><@@/PLAN_UPDATE_ID><@@PLAN_UPDATE_DATE><@@/PLAN_UPDATE_DATE>" +
                SimpleBlock(1));
  EXPECT_EQ(saved.plan.name, "名前");
  EXPECT_EQ(saved.plan.version, "V1.20");
  EXPECT_EQ(saved.plan.attributes, "0000000000");
}

TEST_F(PlanSaverTest, AnExistingPlanGetsItsUpdaterAndKeepsItsCreator) {
  openPlan("p", SimpleBlock(1));
  SaveOutcome saved = save();
  ASSERT_TRUE(saved.result.ok);
  CPlanMain parsed;
  ASSERT_EQ(parsed.m_Analyze(saved.plan.text), 0);
  EXPECT_EQ(parsed.m_HeaderValue("<@@PLAN_CREATE_ID>"), "maker");
  EXPECT_EQ(parsed.m_HeaderValue("<@@PLAN_CREATE_DATE>"), "20200101000000");
  EXPECT_EQ(parsed.m_HeaderValue("<@@PLAN_UPDATE_ID>"), "user1");
  EXPECT_EQ(parsed.m_HeaderValue("<@@PLAN_UPDATE_DATE>"), "20240506070809");
  EXPECT_EQ(parsed.m_HeaderValue("<@@PLAN_GVL>"), "V1.20");
  // The model itself is unchanged: a refused save leaves nothing behind.
  EXPECT_EQ(model.header("PLAN_UPDATE_ID"), "");
}

TEST_F(PlanSaverTest, LockStatesDecideTheLockIdAndAnotherUsersLockRefuses) {
  openPlan("p", SimpleBlock(1), "user1");
  PlanLock own("user1", "user1");
  EXPECT_EQ(own.state(), LockState::LockedByUser);
  EXPECT_TRUE(own.lockOption());
  SaveOutcome saved = PlanSaver("user1", clock, questions).save(model, own);
  EXPECT_NE(saved.plan.text.find("<@@PLAN_LOCK_ID>user1<@@/PLAN_LOCK_ID>"), std::string::npos);
  ASSERT_TRUE(own.setLockOption(false));
  EXPECT_EQ(own.state(), LockState::Unlocked);
  saved = PlanSaver("user1", clock, questions).save(model, own);
  EXPECT_NE(saved.plan.text.find("<@@PLAN_LOCK_ID><@@/PLAN_LOCK_ID>"), std::string::npos);

  PlanLock other("someone", "user1");
  EXPECT_EQ(other.state(), LockState::LockedByOther);
  EXPECT_FALSE(other.lockOptionAvailable());
  EXPECT_FALSE(other.setLockOption(false));
  EXPECT_EQ(other.state(), LockState::LockedByOther);
  saved = PlanSaver("user1", clock, questions).save(model, other);
  EXPECT_EQ(saved.result.message, editor_text::kLockedByOther);
  EXPECT_TRUE(saved.plan.text.empty());
  EXPECT_EQ(PlanLock("", "").state(), LockState::Unlocked);
}

TEST_F(PlanSaverTest, AFilledHeaderPastTheSizeLimitIsRefused) {
  std::size_t fill = 511000;
  ASSERT_TRUE(model.addAtEnd(Insert(5, std::string(fill, 'x')), 0).ok);
  ASSERT_TRUE(model.setName("p").ok);
  fill += 512000 - 50 - model.planText().size();  // 50 bytes short of the limit
  ASSERT_TRUE(model.changeBlock(0, Insert(5, std::string(fill, 'x'))).ok);
  SaveOutcome refused = PlanSaver(std::string(100, 'u'), clock, questions).save(model, PlanLock("", ""));
  EXPECT_EQ(refused.result.message, editor_text::kTooLarge);
}

}  // namespace
}  // namespace qb
