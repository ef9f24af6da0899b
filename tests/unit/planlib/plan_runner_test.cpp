// Running block sequences: variables, result codes, containers and limits.
#include <gtest/gtest.h>

#include "planlib/engine/escape_notation.h"
#include "planlib/engine/plan_tags.h"
#include "tests/unit/planlib/plan_test_support.h"

namespace qb {
namespace {

using namespace test;

std::string Delete() { return Block("LINE_DELETE"); }

class PlanRunnerTest : public ::testing::Test {
 protected:
  PlanHarness harness;
};

TEST_F(PlanRunnerTest, LineWithoutChildrenKeepsTheTextAndItsFinalLineBreak) {
  for (std::string_view text : {"a\r\nb", "a\r\nb\r\n", "", "\r\n", "a\r\n\r\n"}) {
    PlanRun run = harness.runBlocks(Line(""), text);
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.text, text);
  }
}

TEST_F(PlanRunnerTest, LineDeletingTheSecondLineJoinsTheOthers) {
  std::string blocks = Line(Condition(1, 0, ConditionK3(1, 2), Delete()));
  EXPECT_EQ(harness.runBlocks(blocks, "1\r\n2\r\n3").text, "1\r\n3");
  EXPECT_EQ(harness.runBlocks(blocks, "1\r\n2\r\n3\r\n").text, "1\r\n3\r\n");
  // Deleting the last line of a text without a final break leaves the break of line 2.
  std::string last = Line(Condition(1, 0, ConditionK3(7, 0), Delete()));
  EXPECT_EQ(harness.runBlocks(last, "1\r\n2\r\n3").text, "1\r\n2\r\n");
}

TEST_F(PlanRunnerTest, LineCountsLinesAndRestoresThePosition) {
  std::string blocks = Line(Insert(5, ":<$現在行>/<$総行数>")) + Insert(5, "|<$現在行>/<$総行数>");
  EXPECT_EQ(harness.runBlocks(blocks, "a\r\nb\r\n").text, "a:1/2\r\nb:2/2\r\n|1/1");
}

TEST_F(PlanRunnerTest, LineLoopGivesTheSameTextWhetherItRewritesInPlaceOrNot) {
  // A text with room to spare is rewritten in its own buffer until a line would overrun the lines
  // still to come; every outcome must be the one of a separate buffer.
  std::string text;
  for (int i = 0; i < 200; ++i) text += (i % 7 == 0 ? "" : "line" + std::to_string(i)) + "\r\n";
  std::string failing = Block("OUT_CLIPBOARD", {{"KIND_IN", "1"}, {"DATAIN", ""}});
  const std::string plans[] = {
      Line(Insert(4, "> ")),
      Line(Insert(4, "「") + Insert(5, "」")),
      Line(Condition(1, 0, ConditionK1(4, "line1"), Block("LINE_DELETE")) + Insert(3, "<$現在行>")),
      Line(Condition(1, 0, ConditionK3(4, 150), Insert(5, std::string(300, 'w')))),   // overruns late
      Line(Insert(5, std::string(40, 'g'))),                                         // overruns early
      Line(Condition(1, 0, ConditionK3(1, 120), failing) + Insert(4, "#")),           // fails midway
      Line(Block("LINE_ADD", {{"KIND_ADR", "20"}, {"DATAIN", "+"}})),
      Line(Loop("2", Insert(5, ".") + Block("LOOPOUT"))),  // leaves only the inner loop
      Loop("1", Line(Insert(5, "x") + Condition(1, 0, ConditionK3(1, 100), Block("LOOPOUT")))),
      Line(Line(Insert(4, "<$総行数>:"))),
  };
  for (const std::string& blocks : plans) {
    for (std::string input : {text, text + "last", std::string(text, 0, 100)}) {
      PlanRun separate = harness.runBlocks(blocks, input);
      for (std::size_t spare : {input.size() / 16, input.size() / 4, input.size() * 2}) {
        PlanRun inPlace = harness.runBlocks(blocks, input, spare);
        EXPECT_EQ(inPlace.result, separate.result) << blocks;
        EXPECT_TRUE(inPlace.text == separate.text) << blocks << " spare " << spare;
      }
    }
  }
}

TEST_F(PlanRunnerTest, LineLimitCancelsWithItsMessage) {
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "x\r\n";
  EXPECT_EQ(harness.runBlocks(Line(""), text).result, 0);
  PlanRun run = harness.runBlocks(Line(""), text + "x");
  EXPECT_EQ(run.result, 103);
  ASSERT_EQ(run.messages.size(), 1u);
  EXPECT_EQ(run.messages[0],
            "【操作ブロック[行単位]実行】\n\n行数がプラン内で扱える最大行数10000行を越えました。　\nプランはキャンセルされます。");
}

TEST_F(PlanRunnerTest, ControlBlocksOutsideALineEndThePlanAsCompleted) {
  EXPECT_EQ(harness.runBlocks(Delete() + Insert(5, "x"), "abc").text, "");
  PlanRun next = harness.runBlocks(Block("LINE_NEXT") + Insert(5, "x"), "abc");
  EXPECT_TRUE(PlanCompleted(next.result));
  EXPECT_EQ(next.text, "abc");
  EXPECT_EQ(harness.runBlocks(Block("ESCAPE"), "abc").result, 103);
}

TEST_F(PlanRunnerTest, LineNextSkipsTheRestOfTheLine) {
  std::string blocks = Line(Condition(1, 0, ConditionK1(4, "#"), Block("LINE_NEXT")) + Insert(5, "!"));
  EXPECT_EQ(harness.runBlocks(blocks, "#a\r\nb").text, "#a\r\nb!");
}

TEST_F(PlanRunnerTest, LoopOutInsideALineKeepsTheTextBeforeTheLine) {
  std::string blocks = Loop("1", Line(Insert(5, "x") + Condition(1, 0, ConditionK3(1, 2), Block("LOOPOUT"))));
  PlanRun run = harness.runBlocks(blocks + Insert(5, "."), "a\r\nb\r\nc");
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.text, "a\r\nb\r\nc.");
}

TEST_F(PlanRunnerTest, LoopsCountTheirPassesAndRestoreTheOuterCounter) {
  EXPECT_EQ(harness.runBlocks(Loop("0", Insert(5, "x")) + Loop("-2", Insert(5, "y")) +
                                  Loop("abc", Insert(5, "z")), "")
                .text,
            "");
  std::string nested = Loop("2", Insert(5, "[<$ループカウンター>") + Loop("3", Insert(5, "<$ループカウンター>")) +
                                     Insert(5, "<$ループカウンター>/<$ループ最終値>]"));
  EXPECT_EQ(harness.runBlocks(nested, "").text, "[11231/2][21232/2]");
}

TEST_F(PlanRunnerTest, LoopOutLeavesOnlyTheInnermostLoop) {
  std::string blocks = Loop("3", Loop("5", Insert(5, "i") + Block("LOOPOUT")) + Insert(5, "o"));
  EXPECT_EQ(harness.runBlocks(blocks, "").text, "ioioio");
}

TEST_F(PlanRunnerTest, CounterAddsTheLoopCounterOfEachPass) {
  std::string blocks = Loop("3", CounterSet(201, 15, 2, 0)) + Insert(3, "<$カウンター01>");
  EXPECT_EQ(harness.runBlocks(blocks, "").text, "6");
}

TEST_F(PlanRunnerTest, SubstitutionFormatsCountersAndReadsTheClock) {
  harness.clock.setLocalNow({2024, 1, 2, 3, 4, 5});
  std::string blocks = CounterSet(203, 1, 1, 7) + CounterSet(213, 1, 1, 7) + CounterSet(219, 1, 1, -7) +
                       Insert(3, "<$カウンター03>,<$書式カウンター03>,<$書式カウンター09>,<$現在日時>,"
                                 "<$現在日付>,<$現在時間>,<$データホームフォルダ>,<$作業中ウィンドウ名>,"
                                 "<$メッセージ確認結果>,<$選択画面結果>,<$作業用01>,<$未定義>");
  EXPECT_EQ(harness.runBlocks(blocks, "").text,
            "7,007,-00000007,2024/01/02 03:04:05,2024/01/02,03:04:05,C:\\Tools\\PlanDataHome,"
            "メモ帳,Y,00,,<$未定義>");
}

TEST_F(PlanRunnerTest, SubstitutionFollowsTheFixedOrderOnce) {
  // 作業用01 comes before 作業用02 in the order: a name inserted by 01 is replaced by 02, but a
  // name of 01 inserted by 02 stays.
  std::string blocks = HensuSet(1, 101, 3, "") + HensuSet(2, 102, 3, "B") + Insert(3, "<$作業用01>|<$作業用02>");
  EXPECT_EQ(harness.runBlocks(blocks, "<$作業用02>").text, "B|B");
  std::string back = HensuSet(1, 102, 3, "") + Insert(3, "<$作業用02>");
  EXPECT_EQ(harness.runBlocks(back, "<$作業用01>").text, "<$作業用01>");
}

TEST_F(PlanRunnerTest, SubstitutionFindsNamesFormedAcrossTheEdgesOfValues) {
  // 作業用01 holds "<$": with "カウンター01>" behind it a name of a later variable forms; one of an
  // earlier variable (データホームフォルダ) formed the same way stays.
  std::string blocks = HensuSet(1, 101, 3, "") + CounterSet(201, 1, 1, 5) +
                       Insert(3, "<$作業用01>カウンター01>|<$作業用01>データホームフォルダ>|<$<$カウンター01>");
  EXPECT_EQ(harness.runBlocks(blocks, "<$").text, "5|<$データホームフォルダ>|<$5");
}

TEST_F(PlanRunnerTest, OversizeSubstitutionEndsTheRunWithTheValueLimit) {
  // 作業用01 doubled ten times holds 1,024,000 bytes; three of it would make 3,072,000.
  std::string grow = HensuSet(2, 101, 3, std::string(1000, 'v')) + Loop("10", HensuSet(2, 101, 15, "<$作業用01>"));
  PlanRun fits = harness.runBlocks(grow + Insert(3, "<$作業用01><$作業用01>"), "");
  EXPECT_EQ(fits.result, 0);
  EXPECT_EQ(fits.text.size(), 2048000u);
  // The last block may leave a long text, but not one built from a cut setting.
  PlanRun over = harness.runBlocks(grow + Insert(3, "<$作業用01><$作業用01><$作業用01>"), "");
  EXPECT_EQ(over.result, 103);
  ASSERT_EQ(over.messages.size(), 1u);
  EXPECT_EQ(over.messages[0], kValueLimitMessage);
}

TEST_F(PlanRunnerTest, EveryLoopEndsOnAStopRequest) {
  // The request arrives in the plan thread's messages, which every loop pass dispatches.
  struct StoppingHost : PlanHost {
    explicit StoppingHost(CPlanRunner& runner) : runner(runner) {}
    void sendCommand(std::string_view) override {}
    void pumpMessages() override {
      if (++pumps == 1000) runner.m_RequestStop();
    }
    CPlanRunner& runner;
    int pumps = 0;
  } host(harness.runner);
  harness.world.host = &host;
  PlanRun empty = harness.runBlocks(Loop("2000000", ""), "a");
  EXPECT_EQ(empty.result, 103);
  EXPECT_LT(host.pumps, 1010);
  host.pumps = 0;
  std::string lines;
  for (int i = 0; i < 5000; ++i) lines += "x\r\n";
  EXPECT_EQ(harness.runBlocks(Line(CounterSet(201, 1, 2, 1)) + Insert(5, "!"), lines).result, 103);
  EXPECT_LT(host.pumps, 1010);
}

TEST_F(PlanRunnerTest, CharacterCountsAreSetBeforeEveryBlock) {
  std::string blocks = Insert(5, "<$文字数>,<$半角換算文字数>");
  EXPECT_EQ(harness.runBlocks(blocks, "あa").text, "あa2,3");
}

TEST(EscapeNotationTest, KeepsOnlyTheNamedCharacters) {
  EXPECT_EQ(ConvertEscapes("\\r\\n"), "\r\n");
  EXPECT_EQ(ConvertEscapes("\\t"), "\t");
  EXPECT_EQ(ConvertEscapes("x\\ty n"), "\t\n");
  EXPECT_EQ(ConvertEscapes(""), "");
}

TEST_F(PlanRunnerTest, ValueLimitCancelsBeforeTheNextBlock) {
  PlanRun before = harness.runBlocks(Insert(5, "x"), std::string(512001, 'a'));
  EXPECT_EQ(before.result, 103);
  ASSERT_EQ(before.messages.size(), 1u);
  EXPECT_EQ(before.messages[0], kValueLimitMessage);
  EXPECT_EQ(harness.runBlocks(Insert(5, "x"), std::string(511999, 'a')).result, 0);
  EXPECT_EQ(harness.runBlocks(Insert(5, "xy") + Insert(5, "z"), std::string(511999, 'a')).result, 103);
  // The last block may leave a longer text: no block follows that could use it.
  PlanRun last = harness.runBlocks(Insert(5, "xy"), std::string(511999, 'a'));
  EXPECT_EQ(last.result, 0);
  EXPECT_EQ(last.text.size(), 512001u);
}

TEST_F(PlanRunnerTest, GrowthBeyondTheLimitNeverBuildsTheHugeText) {
  // Every character replaced by 400 characters would need 200 MB; the block stops at 2 MB.
  std::string blocks = Change(3, "a", std::string(400, 'b'));
  PlanRun run = harness.runBlocks(blocks, std::string(500000, 'a'));
  EXPECT_EQ(run.result, 103);
  ASSERT_EQ(run.messages.size(), 1u);
  EXPECT_EQ(run.messages[0], kValueLimitMessage);
  // A variable doubling itself twenty times stops at the limit as well.
  std::string doubling = HensuSet(2, 101, 3, std::string(1000, 'v')) +
                         Loop("20", HensuSet(2, 101, 15, "<$作業用01>"));
  EXPECT_EQ(harness.runBlocks(doubling, "").result, 103);
}

TEST_F(PlanRunnerTest, ConditionsCombineWithAndOrAndNot) {
  std::string t = ConditionK1(8, "a");
  std::string f = ConditionK1(8, "z");
  auto runs = [&](int operation, int invert, std::string conditions) {
    return harness.runBlocks(Condition(operation, invert, conditions, Insert(5, "!")), "abc").text == "abc!";
  };
  EXPECT_TRUE(runs(1, 0, t + t));
  EXPECT_FALSE(runs(1, 0, t + f));
  EXPECT_TRUE(runs(2, 0, f + t));
  EXPECT_FALSE(runs(2, 0, f + f));
  EXPECT_TRUE(runs(1, 1, t + f));
  EXPECT_TRUE(runs(1, 0, ""));
  EXPECT_FALSE(runs(2, 0, ""));
}

TEST_F(PlanRunnerTest, AndStopsAtTheFirstFalseCondition) {
  // The second condition is unreadable: evaluating it would fail the run.
  std::string broken = Block("CONDITION_K7", {{"KIND_PLANHENSU", "999"}, {"KIND_COND", "1"}, {"DATANUM", "0"}});
  EXPECT_EQ(harness.runBlocks(Condition(1, 0, ConditionK1(8, "z") + broken, ""), "abc").result, 0);
  PlanRun run = harness.runBlocks(Condition(2, 0, ConditionK1(8, "z") + broken, ""), "abc");
  EXPECT_EQ(run.result, -1);
  ASSERT_EQ(run.messages.size(), 1u);
  EXPECT_EQ(run.messages[0], "操作ブロック解析中にエラーが発生しました（CConditionK7::m_Run）　");
}

TEST_F(PlanRunnerTest, StringConditionsByPosition) {
  struct Case {
    int kind;
    std::string_view search;
    int position;
    bool expected;
  };
  const Case cases[] = {
      {9, "あいa", 0, true}, {4, "あ", 0, true}, {5, "a", 0, true}, {6, "い", 2, true},
      {7, "い", 3, true},   {7, "い", 2, false}, {10, "あ", 2, false}, {11, "a", 5, true},
      {12, "い", 1, false}, {12, "い", 2, true}, {13, "い", 3, false}, {13, "い", 4, true},
      {7, "", 99, true},
  };
  for (const Case& c : cases) {
    std::string blocks = Condition(1, 0, ConditionK1(c.kind, c.search, 1, c.position), Insert(5, "!"));
    EXPECT_EQ(harness.runBlocks(blocks, "あいa").text == "あいa!", c.expected)
        << c.kind << " " << c.position;
  }
}

TEST_F(PlanRunnerTest, StringConditionsNeverMatchInsideADoubleByteCharacter) {
  // "ア" is 83 41: its trail byte is "A".
  std::string blocks = Condition(1, 0, ConditionK1(8, "A") + ConditionK1(5, "A", 1), Insert(5, "!"));
  EXPECT_EQ(harness.runBlocks(blocks, "ア").text, "ア");
  EXPECT_EQ(harness.runBlocks(blocks, "アA").text, "アA!");
}

TEST_F(PlanRunnerTest, NumericConditionsOnSizeAndVariables) {
  std::string empty = Condition(1, 0, ConditionK2(1, 1, 0), Insert(3, "empty"));
  EXPECT_EQ(harness.runBlocks(empty, "").text, "empty");
  EXPECT_EQ(harness.runBlocks(empty, "x").text, "x");
  std::string bytes = Condition(1, 0, ConditionK2(2, 4, 4), Insert(5, "!"));
  EXPECT_EQ(harness.runBlocks(bytes, "ああ").text, "ああ!");
  EXPECT_EQ(harness.runBlocks(bytes, "あa").text, "あa");
  std::string counter = CounterSet(202, 1, 1, 5) + Condition(1, 0, ConditionK7(202, 3, 4), Insert(5, "!"));
  EXPECT_EQ(harness.runBlocks(counter, "").text, "!");
}

TEST_F(PlanRunnerTest, StringVariableConditionReadsTheChosenVariable) {
  std::string k6 = Block("CONDITION_K6", {{"KIND_FIND", "1"}, {"KIND_PLANHENSU", "11"}, {"KIND_ADR", "9"},
                                          {"KIND_COND", "1"}, {"IDX_CN", "0"}, {"KIND_KMS", "1"},
                                          {"KIND_ALPHABET", "1"}, {"DATASR", "y"}});
  EXPECT_EQ(harness.runBlocks(Condition(1, 0, k6, Insert(5, "!")), "").text, "!");
}

TEST_F(PlanRunnerTest, FailingChildOfConditionCuttingOrCommentFailsTheRun) {
  std::string failing = Block("OUT_CLIPBOARD", {{"KIND_IN", "1"}, {"DATAIN", ""}});
  std::string cutting = Container("CUTTING", {{"KIND_CUT_S", "3"}, {"KIND_KMS_S", "1"}, {"KIND_ALPHABET_S", "0"},
                                              {"DATA_S", ""}, {"IDX_CN_S", "0"}, {"KIND_CUT_E", "3"},
                                              {"KIND_KMS_E", "1"}, {"KIND_ALPHABET_E", "0"}, {"DATA_E", ""},
                                              {"IDX_CN_E", "0"}, {"LEN", "0"}},
                                  Insert(5, "x") + failing);
  const std::string plans[] = {
      Condition(1, 0, "", Insert(5, "x") + failing),
      cutting,
      Container("COMMENT", {{"DATAIN", ""}, {"COMMENT_FLG", "0"}}, Insert(5, "x") + failing),
      Line(Insert(5, "x") + failing),
      Loop("2", Insert(5, "x") + failing),
  };
  for (const std::string& blocks : plans) {
    PlanRun run = harness.runBlocks(blocks + Insert(5, "after"), "abc");
    EXPECT_EQ(run.result, -1) << blocks;
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0],
              "【操作ブロック[クリップボード出力]実行】\n\nこの操作ブロックは、この実行環境では使用できません。　");
  }
}

TEST_F(PlanRunnerTest, CommentedOutChildrenAreSkipped) {
  std::string blocks = Container("COMMENT", {{"DATAIN", "x"}, {"COMMENT_FLG", "1"}}, Insert(5, "!")) +
                       Container("COMMENT", {{"DATAIN", "x"}, {"COMMENT_FLG", "0"}}, Insert(5, "?"));
  EXPECT_EQ(harness.runBlocks(blocks, "a").text, "a?");
}

TEST_F(PlanRunnerTest, MissingElementFailsWithTheAnalysisMessage) {
  PlanRun run = harness.runBlocks(Block("INSERT", {{"KIND_ADR", "5"}}), "a");
  EXPECT_EQ(run.result, -1);
  ASSERT_EQ(run.messages.size(), 1u);
  EXPECT_EQ(run.messages[0], "操作ブロック解析中にエラーが発生しました（CInsert::m_Run）　");
}

TEST_F(PlanRunnerTest, PlanWithoutNameDoesNotStart) {
  CPlanMain plan;
  ASSERT_EQ(plan.m_Analyze(Insert(5, "x")), 0);
  std::string text = "a";
  EXPECT_EQ(harness.runner.m_Run(plan, harness.settings, text), -1);
  EXPECT_EQ(text, "a");
}

TEST_F(PlanRunnerTest, StopRequestCancelsAtTheNextBlock) {
  harness.clock.schedule(50, [this] { harness.runner.m_RequestStop(); });
  std::string blocks = Block("SLEEP", {{"STOP_TIME", "100"}}) + Insert(5, "x");
  PlanRun run = harness.runBlocks(blocks, "a");
  EXPECT_EQ(run.result, 103);
  EXPECT_EQ(run.text, "a");
  EXPECT_LE(harness.clock.milliseconds(), 100u);
}

TEST_F(PlanRunnerTest, SleepWaitsItsTenthsOfSeconds) {
  EXPECT_EQ(harness.runBlocks(Block("SLEEP", {{"STOP_TIME", "15"}}), "a").result, 0);
  EXPECT_EQ(harness.clock.milliseconds(), 1500u);
}

}  // namespace
}  // namespace qb
