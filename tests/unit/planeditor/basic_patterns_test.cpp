// The basic patterns parse, replace the block list and run with the engine.
#include <gtest/gtest.h>

#include "planlib/editor/basic_patterns.h"
#include "tests/unit/planeditor/editor_test_support.h"
#include "tests/unit/planlib/io_test_support.h"

namespace qb {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

class BasicPatternsTest : public ::testing::Test {
 protected:
  // The plan of pattern `index` as the editor holds it after the choice.
  std::string planOf(std::size_t index) {
    PlanEditModel model;
    EXPECT_TRUE(model.setName("雛形").ok);
    EXPECT_TRUE(ApplyBasicPattern(model, index).ok);
    return model.planText();
  }
  // The working window's selection reaches the clipboard after each "0927Plan_ActWin".
  void selectInWindow(std::string text) {
    harness.host.onCommand = [this, text](const std::string& command) {
      if (command == "0927Plan_ActWin") harness.clock.schedule(100, [this, text] { harness.clipboard.putText(text); });
    };
  }
  IoHarness harness;
};

TEST_F(BasicPatternsTest, ThreePatternsInOrderReplaceTheBlocks) {
  ASSERT_EQ(BasicPatterns().size(), 3u);
  EXPECT_EQ(BasicPatterns()[0].name, "プラン呼び出し専用");
  EXPECT_EQ(BasicPatterns()[1].name, "プラン呼び出し専用（行単位）");
  EXPECT_EQ(BasicPatterns()[2].name, "ホットキー呼び出し専用（置換）");
  PlanEditModel model;
  AddSimpleBlocks(model, 3);
  ASSERT_TRUE(ApplyBasicPattern(model, 1).ok);
  EXPECT_EQ(Tags(model), (Strings{"CONDITION", "ACTWIN_COPY", "LINE", "ACTWIN_PASTE"}));
  EXPECT_EQ(model.listRows()[0].text, "【条件】サイズ判定：文字数が0である");
  ASSERT_TRUE(ApplyBasicPattern(model, 2).ok);
  EXPECT_EQ(Tags(model), (Strings{"IN_CLIPBOARD", "PLAN_HENSU_SET", "ACTWIN_COPY", "LINE", "ACTWIN_PASTE",
                                  "OUT_CLIPBOARD"}));
  EXPECT_EQ(model.listRows()[1].text, "【プラン変数（作業用）設定】<$作業用20> を設定する");
  EXPECT_FALSE(ApplyBasicPattern(model, 3).ok);
}

TEST_F(BasicPatternsTest, CallPatternsPasteTheGivenTextOrCopyTheSelectionFirst) {
  for (std::size_t index : {0u, 1u}) {
    IoHarness fresh;
    PlanRun given = fresh.run(planOf(index), "a\r\nb");
    EXPECT_EQ(given.result, 0);
    EXPECT_EQ(fresh.keyboard.pastes(), Strings{"a\r\nb"});
  }
  selectInWindow("選択\r\n文字");
  PlanRun copied = harness.run(planOf(1), "");
  EXPECT_EQ(copied.result, 0);
  EXPECT_EQ(copied.text, "選択\r\n文字");
  EXPECT_EQ(harness.keyboard.pastes(), Strings{"選択\r\n文字"});
  EXPECT_TRUE(harness.hotKeysBalanced());
}

TEST_F(BasicPatternsTest, HotkeyPatternReplacesTheSelectionAndRestoresTheClipboard) {
  harness.clipboard.putText("もとの内容");
  selectInWindow("選択");
  PlanRun run = harness.run(planOf(2), "");
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(harness.keyboard.pastes(), Strings{"選択"});
  EXPECT_EQ(harness.clipboard.currentText(), "もとの内容");
  EXPECT_TRUE(harness.hotKeysBalanced());
}

}  // namespace
}  // namespace qb
