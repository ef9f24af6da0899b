// The editor's commands through the screens they open: the depth asked only when there is a
// choice, a cancel on any screen changing nothing, refusals before any screen, and OK and Cancel.
#include <gtest/gtest.h>

#include <deque>

#include "planlib/editor/editor_messages.h"
#include "planlib/editor/plan_editor_commands.h"
#include "platform/fake/fake_clock.h"
#include "tests/unit/planeditor/editor_test_support.h"
#include "tests/unit/planlib/plan_test_support.h"

namespace qb {
namespace {

using namespace test;

class FakeScreens : public EditorScreens {
 public:
  std::optional<int> depth;
  std::optional<std::string> kind;
  std::optional<std::size_t> pattern;
  bool acceptBlock = true;
  std::string typedText = "X";

  std::vector<std::vector<int>> depthChoices;
  std::vector<std::string> opened;  // captions of the block dialogs opened
  std::vector<std::string> refusals;

  std::optional<int> chooseDepth(const std::vector<int>& depths, int) override {
    depthChoices.push_back(depths);
    return depth;
  }
  std::optional<std::string> chooseBlockKind() override { return kind; }
  std::optional<std::string> editBlock(BlockDialogModel& dialog) override {
    opened.push_back(dialog.form().title);
    if (!acceptBlock) return std::nullopt;
    if (dialog.form().tag == "INSERT") dialog.setValue("DATAIN", typedText);
    std::string text;
    if (!dialog.accept(text).ok) return std::nullopt;
    return text;
  }
  std::optional<std::size_t> choosePattern() override { return pattern; }
  void refuse(std::string_view message) override { refusals.emplace_back(message); }
};

class PlanEditorCommandsTest : public ::testing::Test {
 protected:
  PlanEditModel model_;
  FakeScreens screens_;
  ScriptedQuestions questions_;
  PlanEditorCommands commands_{model_, screens_, questions_};
};

TEST_F(PlanEditorCommandsTest, AddingToAnEmptyPlanAsksNoDepthAndACancelOnAnyScreenChangesNothing) {
  EXPECT_FALSE(commands_.addAtEnd());  // no kind chosen
  screens_.kind = "INSERT";
  screens_.acceptBlock = false;
  EXPECT_FALSE(commands_.addAtEnd());
  EXPECT_EQ(model_.blockCount(), 0u);
  screens_.acceptBlock = true;
  EXPECT_TRUE(commands_.addAtEnd());
  EXPECT_TRUE(screens_.depthChoices.empty());
  EXPECT_EQ(screens_.opened, (std::vector<std::string>{"操作ブロック [単純挿入]", "操作ブロック [単純挿入]"}));
  EXPECT_EQ(Tags(model_), (std::vector<std::string>{"INSERT"}));
}

TEST_F(PlanEditorCommandsTest, BelowAContainerTheDepthIsAskedAndTheChosenOneTaken) {
  ASSERT_TRUE(model_.addAtEnd(LineBlock(), 0).ok);
  screens_.kind = "INSERT";
  EXPECT_FALSE(commands_.addBeside(0, Side::Below));  // the depth dialog cancelled
  ASSERT_EQ(screens_.depthChoices.size(), 1u);
  EXPECT_EQ(screens_.depthChoices[0], (std::vector<int>{0, 1}));
  EXPECT_TRUE(screens_.opened.empty());
  screens_.depth = 1;
  EXPECT_TRUE(commands_.addBeside(0, Side::Below));
  EXPECT_EQ(Depths(model_), (std::vector<int>{0, 1}));
}

TEST_F(PlanEditorCommandsTest, AFullPlanIsRefusedBeforeAnyScreenOpens) {
  AddSimpleBlocks(model_, 100);
  screens_.kind = "INSERT";
  EXPECT_FALSE(commands_.addAtEnd());
  EXPECT_FALSE(commands_.addBeside(0, Side::Above));
  EXPECT_EQ(screens_.refusals, (std::vector<std::string>(2, std::string(editor_text::kTooManyBlocks))));
  EXPECT_TRUE(screens_.opened.empty());
}

TEST_F(PlanEditorCommandsTest, ChangeOpensTheRowsDialogAndCopiedBlocksPasteWithTheirDepths) {
  ASSERT_TRUE(model_.addAtEnd(LineBlock(), 0).ok);
  ASSERT_TRUE(model_.addAtEnd(SimpleBlock(1), 1).ok);
  screens_.typedText = "新";
  EXPECT_TRUE(commands_.change(1));
  EXPECT_NE(model_.planText().find("<@@DATAIN>新<@@/DATAIN>"), std::string::npos);
  EXPECT_FALSE(commands_.paste(0, Side::Below));  // nothing taken yet
  commands_.copy(0);
  EXPECT_TRUE(commands_.paste(0, Side::Below));
  EXPECT_EQ(Depths(model_), (std::vector<int>{0, 1, 0, 1}));
  EXPECT_TRUE(commands_.cut(2));
  EXPECT_EQ(Depths(model_), (std::vector<int>{0, 1}));
}

TEST_F(PlanEditorCommandsTest, OkRefusesWithTheSaversMessageAndCancelAsksFirst) {
  FakeClock clock;
  PlanSaver saver("user", clock, questions_);
  const PlanLock lock("", "user");
  EXPECT_FALSE(commands_.ok(saver, lock));
  EXPECT_EQ(screens_.refusals, (std::vector<std::string>{std::string(editor_text::kNoBlocks)}));
  ASSERT_TRUE(model_.addAtEnd(SimpleBlock(1), 0).ok);
  ASSERT_TRUE(model_.setName("名前").ok);
  const std::optional<EditedPlan> edited = commands_.ok(saver, lock);
  ASSERT_TRUE(edited.has_value());
  EXPECT_EQ(edited->name, "名前");
  questions_.answer(false);
  questions_.answer(true);
  EXPECT_FALSE(commands_.cancel());
  EXPECT_TRUE(commands_.cancel());
  EXPECT_EQ(questions_.asked().back(), editor_text::kCancelQuestion);
}

}  // namespace
}  // namespace qb
