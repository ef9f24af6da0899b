// One call of the plan interface: the version checks, the parse, and what the host gets back
// on each result path.
#include <gtest/gtest.h>

#include "planlib/plan_call.h"
#include "tests/unit/planlib/io_test_support.h"

namespace qb {
namespace {

using namespace test;

class PlanCallTest : public ::testing::Test {
 protected:
  PlanCallResult call(std::string_view planText, std::string& text, std::string planVersion = "V1.00",
                      std::string ifVersion = "V1.20") {
    PlanCallInputs inputs{std::move(ifVersion), std::move(planVersion), "C:\\PlanDataHome", "メモ帳"};
    std::size_t before = harness.ui.boxes().size();
    PlanCallResult result = RunPlanCall(harness.runner, harness.ui, inputs, planText, text);
    messages.clear();
    for (std::size_t i = before; i < harness.ui.boxes().size(); ++i) messages.push_back(harness.ui.boxes()[i].text);
    return result;
  }

  IoHarness harness;
  std::vector<std::string> messages;
};

TEST_F(PlanCallTest, VersionsAreComparedByCharacters) {
  std::string plan = Plan(Insert(5, "!"));
  for (std::string version : {"", "V1.00", "V1.20", "V1.1"}) {
    std::string text = "a";
    PlanCallResult result = call(plan, text, version);
    EXPECT_EQ(result.returned, 0) << version;
    EXPECT_EQ(text, "a!");
  }
  for (std::string version : {"V1.21", "V2.00", "V1.3"}) {
    std::string text = "a";
    PlanCallResult result = call(plan, text, version);
    EXPECT_EQ(result.returned, -1) << version;
    EXPECT_EQ(result.runResult, 1);
    EXPECT_EQ(text, "a");
    EXPECT_EQ(messages, (std::vector<std::string>{"上位のバージョンで作成/保存されたプランのため操作できません　"}));
  }
  std::string text = "a";
  EXPECT_EQ(call(plan, text, "V1.00", "").runResult, 1);
  EXPECT_EQ(messages, (std::vector<std::string>{"dllバージョン不一致　"}));
  EXPECT_EQ(harness.ui.boxes().back().icon, MessageIcon::kExclamation);
}

TEST_F(PlanCallTest, PlansThatDoNotParseOrHaveNoNameAreRefused) {
  for (std::string plan : {std::string("<@@INSERT>"), Insert(5, "!")}) {
    std::string text = "a";
    PlanCallResult result = call(plan, text);
    EXPECT_EQ(result.returned, -1);
    EXPECT_EQ(result.runResult, 1);
    EXPECT_EQ(messages, (std::vector<std::string>{"プラン解析中にエラーが発生しました　"}));
  }
}

TEST_F(PlanCallTest, FailedAndCancelledRunsGiveTheTextBack) {
  std::string text = "原文";
  PlanCallResult failed = call(Plan(Insert(5, "x") + Block("CREATE_FOLDER", {{"FOLDER", "C:"}})), text);
  EXPECT_EQ(failed.returned, -1);
  EXPECT_EQ(failed.runResult, 1);
  EXPECT_EQ(text, "原文");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1], "プラン実行中のエラー発生によりプランは中断しました　");

  PlanCallResult cancelled = call(Plan(Insert(5, "x") + Block("ESCAPE")), text);
  EXPECT_EQ(cancelled.returned, -1);
  EXPECT_EQ(cancelled.runResult, 3);
  EXPECT_EQ(text, "原文");
  EXPECT_TRUE(messages.empty());

  PlanCallResult completed = call(Plan(Insert(5, "x")), text);
  EXPECT_EQ(completed.returned, 0);
  EXPECT_EQ(completed.runResult, 0);
  EXPECT_EQ(text, "原文x");
}

}  // namespace
}  // namespace qb
