// Messages, notices and the run-time screens: what they show, the waits around them, and what
// the answers do to the plan.
#include <gtest/gtest.h>

#include "tests/unit/planlib/io_test_support.h"

namespace qb {
namespace {

using namespace test;

std::string Verify(int kind, std::string_view message, int source = 2) {
  return Io("MSG_VERIFY", {{"KIND_IN", std::to_string(source)}, {"KIND_VERIFY", std::to_string(kind)},
                           {"MSG", std::string(message)}});
}
std::string Notice(std::string_view tag, int kind, int tenths, std::string_view message) {
  return Io(tag, {{"KIND_INFO", std::to_string(kind)}, {"DSP_TIME", std::to_string(tenths)},
                  {"MSG", std::string(message)}, {"TXCOLOR_R", "1"}, {"TXCOLOR_G", "2"}, {"TXCOLOR_B", "3"},
                  {"BKCOLOR_R", "4"}, {"BKCOLOR_G", "5"}, {"BKCOLOR_B", "6"}});
}
std::string Display(int valid, int offerSuppress, std::string_view data = "<$現在行>行目") {
  return Io("DSP_STRING", {{"KIND_IN", "2"}, {"MIDASHI", "見出し"}, {"DATAIN", std::string(data)},
                           {"KIND_VALID", std::to_string(valid)}, {"CANCEL_DSP", std::to_string(offerSuppress)}});
}
std::string Select(int count) {
  Elements elements = {{"MIDASHI", "選んでください"}, {"BTN_COUNT", std::to_string(count)}};
  for (int i = 1; i <= 12; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "BTN_NAME%02d", i);
    elements.push_back({name, "ボタン" + std::to_string(i)});
  }
  return Io("DSP_SELECT", elements);
}
std::string Ask(int kind, int target, int mode, std::string_view heading = "", int required = 1) {
  return Block("PLAN_HENSU_SET", {{"KIND_IN", std::to_string(kind)}, {"KIND_PLANHENSU", std::to_string(target)},
                                  {"KIND_ADR", std::to_string(mode)}, {"KIND_IMS", "1"}, {"DATAIN", ""},
                                  {"MIDASHI", std::string(heading)}, {"IN_HISU", std::to_string(required)}});
}
std::string ConditionK6(std::string_view equals) {
  return Block("CONDITION_K6", {{"KIND_FIND", "1"}, {"KIND_PLANHENSU", "11"}, {"KIND_ADR", "9"},
                                {"KIND_COND", "1"}, {"IDX_CN", "0"}, {"KIND_KMS", "1"}, {"KIND_ALPHABET", "0"},
                                {"DATASR", std::string(equals)}});
}

class ScreenBlocksTest : public ::testing::Test {
 protected:
  IoHarness harness;
};

TEST_F(ScreenBlocksTest, VerifyNoSetsNAndAConditionBranchesOnIt) {
  harness.dialogs.messageAnswers = {MessageAnswer::kNo};
  std::string blocks = Verify(2, "続けますか") + Condition(1, 0, ConditionK6("N"), Insert(5, "[no]")) +
                       Condition(1, 0, ConditionK6("Y"), Insert(5, "[yes]"));
  PlanRun run = harness.runBlocks(blocks, "text");
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.text, "text[no]");
  const auto& box = harness.dialogs.messages().at(0);
  EXPECT_EQ(box.caption, "プラン実行［メッセージ確認］");
  EXPECT_EQ(box.icon, MessageIcon::kQuestion);
  // 100 ms before the box and 100 ms after it.
  EXPECT_EQ(harness.dialogs.log(), (std::vector<std::string>{"100 message"}));
  EXPECT_EQ(harness.clock.milliseconds(), 200u);
}

TEST_F(ScreenBlocksTest, VerifyShortensLongMessagesWithoutSplittingACharacter) {
  harness.world.dialogDelay = true;
  std::string text = std::string(599, 'a') + "あいう";
  harness.runBlocks(Verify(1, "", 1), text);
  const auto& box = harness.dialogs.messages().at(0);
  EXPECT_EQ(box.text, std::string(599, 'a') + "あ...");
  EXPECT_EQ(box.icon, MessageIcon::kInformation);
  EXPECT_EQ(harness.dialogs.log(), (std::vector<std::string>{"600 message"}));
}

TEST_F(ScreenBlocksTest, PlanConfirmationAsksOnlyWhenSetAndNoCancels) {
  EXPECT_EQ(harness.runBlocks(Io("MSG_VERIFY_PLAN", {{"KIND_VERIFY", "1"}, {"MSG", ""}}) + Insert(5, "!"), "").text, "!");
  EXPECT_TRUE(harness.dialogs.messages().empty());
  harness.dialogs.messageAnswers = {MessageAnswer::kNo};
  PlanRun run = harness.runBlocks(Io("MSG_VERIFY_PLAN", {{"KIND_VERIFY", "3"}, {"MSG", ""}}) + Insert(5, "!"), "in");
  EXPECT_EQ(run.result, 103);
  EXPECT_EQ(run.text, "in");
  EXPECT_EQ(harness.dialogs.messages().at(0).text, "【テスト】\n\nプランを実行しますか？　");
  EXPECT_EQ(harness.dialogs.messages().at(0).caption, "プラン実行［プラン実行確認］");
}

TEST_F(ScreenBlocksTest, NoticesStayForTheirTimeInTheirColours) {
  harness.runBlocks(Notice("MSG_INFO", 2, 15, "通知<$現在行>") + Notice("MSG_INFO", 3, 1, "") +
                        Notice("MSG_INFO_PLAN", 1, 5, "ignored") + Notice("MSG_INFO_PLAN", 2, 5, "ignored"),
                    std::string(130, 'x'));
  const auto& notices = harness.dialogs.notices();
  ASSERT_EQ(notices.size(), 4u);
  EXPECT_EQ(notices[0].notice.text, "通知1");
  EXPECT_EQ(notices[0].closedAt - notices[0].openedAt, 1500u);
  EXPECT_EQ(notices[0].notice.textColor, (PlanColor{1, 2, 3}));
  EXPECT_EQ(notices[0].notice.backColor, (PlanColor{4, 5, 6}));
  EXPECT_EQ(notices[1].notice.text, std::string(120, 'x') + "...");
  EXPECT_EQ(notices[2].notice.text, "\r\nプランの実行が完了しました");
  EXPECT_EQ(notices[3].notice.text, "");
  EXPECT_EQ(notices[3].openedAt, notices[2].closedAt);
}

TEST_F(ScreenBlocksTest, DisplayWindowsCanBeSuppressedForTheRestOfTheRun) {
  harness.dialogs.displayAnswers = {[](PlanDisplayModel& model) { model.ok(); },
                                    [](PlanDisplayModel& model) {
                                      EXPECT_TRUE(model.offersSuppress());
                                      model.suppressLater();
                                    }};
  std::string blocks = Display(2, 0) + Display(1, 0) + Display(1, 1) + Display(1, 0) + Insert(5, "!");
  PlanRun run = harness.runBlocks(blocks, "t");
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.text, "t!");
  EXPECT_EQ(harness.dialogs.displayTexts, (std::vector<std::string>{"見出し|1行目", "見出し|1行目"}));
  // A new run shows them again.
  harness.dialogs.displayAnswers = {[](PlanDisplayModel& model) { model.ok(); }};
  harness.runBlocks(Display(1, 0), "t");
  EXPECT_EQ(harness.dialogs.displayTexts.size(), 3u);
}

TEST_F(ScreenBlocksTest, CancellingAScreenAsksFirstAndCancelsThePlan) {
  harness.ui.expectAnswer(MessageAnswer::kNo);
  harness.ui.expectAnswer(MessageAnswer::kYes);
  harness.dialogs.displayAnswers = {[](PlanDisplayModel& model) {
    EXPECT_FALSE(model.cancel());  // No keeps the window open
    EXPECT_TRUE(model.cancel());
  }};
  PlanRun run = harness.runBlocks(Display(1, 0) + Insert(5, "!"), "t");
  EXPECT_EQ(run.result, 103);
  EXPECT_EQ(run.text, "t");
  EXPECT_EQ(run.messages, (std::vector<std::string>(2, "プランの実行をキャンセルします。　\nよろしいですか？")));
  // A window closed without any answer (the plan thread was told to quit) cancels as well.
  harness.dialogs.displayAnswers = {[](PlanDisplayModel&) {}};
  EXPECT_EQ(harness.runBlocks(Display(1, 0), "t").result, 103);
}

TEST_F(ScreenBlocksTest, SelectionSetsTheTwoDigitResult) {
  harness.dialogs.selectAnswers = {[](PlanSelectModel& model) {
    EXPECT_FALSE(model.choose(4));
    EXPECT_TRUE(model.choose(3));
  }};
  PlanRun run = harness.runBlocks(Select(3) + Insert(3, "<$選択画面結果>"), "");
  EXPECT_EQ(run.text, "03");
  EXPECT_EQ(harness.dialogs.selectButtons.at(0), (std::vector<std::string>{"ボタン1", "ボタン2", "ボタン3"}));
  harness.dialogs.selectAnswers = {[](PlanSelectModel& model) { model.choose(12); }};
  EXPECT_EQ(harness.runBlocks(Select(40) + Insert(3, "<$選択画面結果>"), "").text, "12");
}

TEST_F(ScreenBlocksTest, RunTimeInputsShowTheirKindHeadingAndPrefill) {
  auto enter = [](std::string value) {
    return [value](PlanInputModel& model) { EXPECT_TRUE(model.ok(value)); };
  };
  harness.dialogs.inputAnswers = {enter("a"), enter("b\r\nc"), enter("d"), enter("e"), enter("f"), enter("g"), enter("h")};
  std::string blocks = Ask(6, 101, 3) + Ask(3, 101, 15, "見出し<$現在行>") + Ask(7, 101, 3) +
                       Ask(7, 102, 3) + Ask(9, 102, 14) + Ask(10, 102, 16) + Ask(8, 103, 3) +
                       Insert(3, "<$作業用01>|<$作業用02>|<$作業用03>");
  PlanRun run = harness.runBlocks(blocks, "");
  EXPECT_EQ(run.text, "d|feg\r\n|h");
  EXPECT_EQ(harness.dialogs.inputHeadings,
            (std::vector<std::string>{"<$作業用01> に設定する文字列を入力してください", "見出し1",
                                      "<$作業用01> に設定する文字列を入力してください",
                                      "<$作業用02> に設定する文字列を入力してください", "ファイルを開く",
                                      "ファイル名を付けて保存", "フォルダを指定してください"}));
  EXPECT_EQ(harness.dialogs.inputPrefills, (std::vector<std::string>{"", "", "ab\r\nc", "", "e", "fe", ""}));
  EXPECT_EQ(harness.dialogs.inputKinds,
            (std::vector<PlanInputKind>{PlanInputKind::kOneLine, PlanInputKind::kMultiLine, PlanInputKind::kMultiLine,
                                        PlanInputKind::kOneLine, PlanInputKind::kOpenFile, PlanInputKind::kSaveFile,
                                        PlanInputKind::kFolder}));
}

TEST_F(ScreenBlocksTest, RequiredInputRefusesAnEmptyEntry) {
  harness.ui.expectAnswer(MessageAnswer::kOk);
  harness.ui.expectAnswer(MessageAnswer::kYes);
  harness.dialogs.inputAnswers = {[](PlanInputModel& model) {
    EXPECT_FALSE(model.ok(""));
    EXPECT_TRUE(model.cancel());
  }};
  PlanRun run = harness.runBlocks(Ask(6, 101, 3, "", 2), "");
  EXPECT_EQ(run.result, 103);
  EXPECT_EQ(run.messages.at(0), "入力必須です。　");
  // A target outside the work variables shows nothing.
  EXPECT_EQ(harness.runBlocks(Ask(6, 99, 3), "x").result, 0);
}

TEST_F(ScreenBlocksTest, StopRequestEndsTheWaitBeforeAScreen) {
  harness.clock.schedule(50, [&] { harness.runner.m_RequestStop(); });
  PlanRun run = harness.runBlocks(Display(1, 0), "t");
  EXPECT_EQ(run.result, 103);
  EXPECT_TRUE(harness.dialogs.log().empty());
}

TEST_F(ScreenBlocksTest, CounterPlusLoopCounterOverThreePasses) {
  std::string blocks = Loop("3", CounterSet(201, 15, 2, 0)) + Insert(3, "<$カウンター01>");
  EXPECT_EQ(harness.runBlocks(blocks, "").text, "6");
}

}  // namespace
}  // namespace qb
