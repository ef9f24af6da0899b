// The text-editing blocks, run as plans.
#include <gtest/gtest.h>

#include "tests/unit/planlib/plan_test_support.h"

namespace qb {
namespace {

using namespace test;

std::string N(int n) { return std::to_string(n); }

std::string DeletePosi(int kind, int start, int length, int whole) {
  return Block("DELETE_POSI", {{"KIND_ADR", N(kind)}, {"IDX_START", N(start)}, {"LEN", N(length)},
                               {"ZEN_NOTCUT", N(whole)}});
}
std::string Pattern(std::string_view tag, int code) {
  return Block(tag, {{"KIND_PATTERN", N(code)}});
}
std::string Division(int bytes, int length) {
  return Block("DIVISION_LINE", {{"KIND_KETA", N(bytes)}, {"LEN", N(length)}});
}
std::string Sort(int bytes, int order, int start) {
  return Block("SORT_LINE", {{"KIND_KETA", N(bytes)}, {"KIND_SORT", N(order)}, {"IDX_START", N(start)}});
}
std::string Cutting(int startKind, std::string_view start, int startIndex, int endKind,
                    std::string_view end, int endIndex, int length, std::string_view children) {
  return Container("CUTTING", {{"KIND_CUT_S", N(startKind)}, {"KIND_KMS_S", "1"}, {"KIND_ALPHABET_S", "0"},
                               {"DATA_S", std::string(start)}, {"IDX_CN_S", N(startIndex)},
                               {"KIND_CUT_E", N(endKind)}, {"KIND_KMS_E", "1"}, {"KIND_ALPHABET_E", "0"},
                               {"DATA_E", std::string(end)}, {"IDX_CN_E", N(endIndex)}, {"LEN", N(length)}},
                   children);
}

class TextBlocksTest : public ::testing::Test {
 protected:
  std::string run(const std::string& blocks, std::string_view input) {
    PlanRun outcome = harness.runBlocks(blocks, input);
    EXPECT_TRUE(PlanCompleted(outcome.result));
    EXPECT_TRUE(outcome.messages.empty());
    return outcome.text;
  }
  PlanHarness harness;
};

TEST_F(TextBlocksTest, ChangeAllNeverSearchesTheReplacementAgain) {
  EXPECT_EQ(run(Change(3, "a", "aa"), "aaa"), "aaaaaa");
  EXPECT_EQ(run(Change(3, "", "x"), "abc"), "abc");
}

TEST_F(TextBlocksTest, ChangeFirstAndLast) {
  EXPECT_EQ(run(Change(1, "ab", "X"), "ab-ab-ab"), "X-ab-ab");
  EXPECT_EQ(run(Change(2, "ab", "X"), "ab-ab-ab"), "ab-ab-X");
  EXPECT_EQ(run(Change(2, "aa", "X"), "aaa"), "aX");
}

TEST_F(TextBlocksTest, ChangeByPosition) {
  EXPECT_EQ(run(Change(12, "S", "x", 3), "abSdeS"), "abxdeS");
  EXPECT_EQ(run(Change(12, "SS", "x", 3), "abSSeS"), "abSSeS");  // crosses position 3
  EXPECT_EQ(run(Change(13, "S", "x", 5), "あいSS"), "あいxS");
  EXPECT_EQ(run(Change(10, "S", "x", 4), "SあSS"), "SあSx");
  EXPECT_EQ(run(Change(10, "S", "x", 3), "SあSS"), "Sあxx");
  EXPECT_EQ(run(Change(11, "S", "x", 4), "SあSS"), "Sあxx");
  EXPECT_EQ(run(Change(11, "S", "x", 99), "SS"), "SS");
}

TEST_F(TextBlocksTest, ChangeIgnoringCaseReplacesInTheRealText) {
  EXPECT_EQ(run(Change(3, "abc", "-", 0, true), "ABC xAbCx abc"), "- x-x -");
  // The trail byte of ア (83 41) is not the letter A, and lowering never touches it.
  EXPECT_EQ(run(Change(3, "a", "b", 0, true), "アaA"), "アbb");
}

TEST_F(TextBlocksTest, ChangeWithEscapeNotation) {
  std::string blocks = Block("CHANGE", {{"KIND_FIND", "1"}, {"KIND_ADR", "3"}, {"IDX_CN", "0"},
                                        {"KIND_KMS", "2"}, {"KIND_TMS", "1"}, {"KIND_ALPHABET", "0"},
                                        {"DATASR", "\\r\\n"}, {"DATATK", "<$作業用01>/"}});
  EXPECT_EQ(run(HensuSet(2, 101, 3, "br") + blocks, "a\r\nb\r\n"), "abr/bbr/");
}

TEST_F(TextBlocksTest, InsertAtEveryPlace) {
  EXPECT_EQ(run(Insert(4, "x"), "ab"), "xab");
  EXPECT_EQ(run(Insert(5, "x"), "ab"), "abx");
  EXPECT_EQ(run(Insert(6, "x", 2), "あい"), "あxい");
  EXPECT_EQ(run(Insert(6, "x", 9), "あい"), "あいx");
  EXPECT_EQ(run(Insert(7, "x", 3), "あい"), "あxい");
  EXPECT_EQ(run(Insert(3, "x"), "ab"), "x");
  EXPECT_EQ(run(Insert(5, "\\t", 0, 2), "ab"), "ab\t");
}

TEST_F(TextBlocksTest, InsertAtAByteInsideACharacterGoesBehindIt) {
  EXPECT_EQ(run(Insert(7, "x", 2), "あい"), "あxい");
}

TEST_F(TextBlocksTest, DeletePositionKeepsDoubleByteCharactersWhole) {
  EXPECT_EQ(run(DeletePosi(7, 2, 1, 1), "あい"), "あ");
  EXPECT_EQ(run(DeletePosi(7, 2, 1, 0), "ab"), "a");
  EXPECT_EQ(run(DeletePosi(6, 2, 1, 0), "あいう"), "あう");
  EXPECT_EQ(run(DeletePosi(6, 2, 99, 0), "あいう"), "あ");
  EXPECT_EQ(run(DeletePosi(10, 2, 0, 0), "あいう"), "あ");
  EXPECT_EQ(run(DeletePosi(11, 2, 0, 1), "あいう"), "あ");
  EXPECT_EQ(run(DeletePosi(17, 0, 2, 0), "あいう"), "あ");
  EXPECT_EQ(run(DeletePosi(18, 0, 1, 1), "あい"), "あ");
  EXPECT_EQ(run(DeletePosi(18, 0, 9, 0), "あい"), "");
  EXPECT_EQ(run(DeletePosi(3, 0, 0, 0), "あい"), "");
  EXPECT_EQ(run(DeletePosi(6, 9, 1, 0), "あい"), "あい");
}

TEST_F(TextBlocksTest, DeletePatternTrimsBlanksTabsAndLineBreaks) {
  std::string text = " 　\ta\t b　\r\n";
  EXPECT_EQ(run(Pattern("DELETE_PATTERN", 101), text), "\ta\t b　\r\n");
  EXPECT_EQ(run(Pattern("DELETE_PATTERN", 102), " a 　"), " a");
  EXPECT_EQ(run(Pattern("DELETE_PATTERN", 103), text), "\ta\tb\r\n");
  EXPECT_EQ(run(Pattern("DELETE_PATTERN", 104), text), "a\t b　\r\n");
  EXPECT_EQ(run(Pattern("DELETE_PATTERN", 105), text), " 　\ta\t b");
  EXPECT_EQ(run(Pattern("DELETE_PATTERN", 106), text), "ab");
  EXPECT_EQ(run(Pattern("DELETE_PATTERN", 107), text), "a\t b　\r\n");
  EXPECT_EQ(run(Pattern("DELETE_PATTERN", 108), "a \t"), "a");
  EXPECT_EQ(run(Pattern("DELETE_PATTERN", 109), text), "ab\r\n");
  // 81 40 beginning at a trail byte is no full-width space: "\x81\x81" is a character, then "@".
  EXPECT_EQ(run(Pattern("DELETE_PATTERN", 103), "\x81\x81\x40 x"), "\x81\x81\x40x");
  EXPECT_EQ(run(Pattern("DELETE_PATTERN", 102), "x\x81\x81\x40"), "x\x81\x81\x40");
  // The trail byte 0x40 of "　" is never taken for a blank of its own; "ア@" stays.
  EXPECT_EQ(run(Pattern("DELETE_PATTERN", 103), "ア@ "), "ア@");
}

TEST_F(TextBlocksTest, ChangePatternCollapsesRuns) {
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 1), "a   b c"), "a b c");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 2), "a　　　b"), "a　b");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 3), "\t\ta\t"), "\ta\t");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 4), "a\r\n\r\n\r\nb\r\n"), "a\r\nb\r\n");
}

TEST_F(TextBlocksTest, ChangePatternConvertsCharacterClasses) {
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 9), "abZ ア"), "ABZ ア");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 10), "AbZア"), "abzア");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 5), "a b"), "a　b");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 6), "a　b"), "a b");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 7), "x1234567890"), "x１２３４５６７８９０");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 8), "１２３"), "123");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 11), "Az"), "Ａｚ");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 12), "Ａｚ"), "Az");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 15), "\\~!｡"), "￥～！。");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 16), "￥～！。－"), "\\~!｡-");
}

TEST_F(TextBlocksTest, KanaWidthTakesVoicedPairsFirst) {
  // A sound mark that follows no pairing kana is not in the lists and stays as it is.
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 13), "ｶﾞｶﾟﾊﾟｳﾞｧｰﾞ"), "ガカﾟパヴァーﾞ");
  EXPECT_EQ(run(Pattern("CHANGE_PATTERN", 14), "ガカパヴァーイ漢"), "ｶﾞｶﾊﾟｳﾞｧｰｲ漢");
}

TEST_F(TextBlocksTest, CuttingHandsThePieceToTheChildren) {
  EXPECT_EQ(run(Cutting(1, "[", 0, 1, "]", 0, 0, Insert(3, "<$文字数>")), "a[bc]d"), "a4d");
  EXPECT_EQ(run(Cutting(2, "[", 0, 2, "]", 0, 0, Insert(3, "X")), "a[bc]d"), "a[X]d");
  EXPECT_EQ(run(Cutting(1, "[", 0, 1, "[", 0, 0, Insert(3, "X")), "a[b[c"), "aXc");
  EXPECT_EQ(run(Cutting(8, "ab", 0, 3, "", 0, 0, Insert(3, "X")), "ababcab"), "ababX");
  EXPECT_EQ(run(Cutting(4, "", 2, 4, "", 3, 0, Insert(3, "X")), "あいうえ"), "あXえ");
  EXPECT_EQ(run(Cutting(5, "", 3, 5, "", 4, 0, Insert(3, "X")), "あいう"), "あXう");
  EXPECT_EQ(run(Cutting(3, "", 0, 6, "", 0, 2, Insert(3, "X")), "あいう"), "Xう");
  EXPECT_EQ(run(Cutting(4, "", 3, 7, "", 0, 3, Insert(3, "X")), "abcdef"), "abXf");
  EXPECT_EQ(run(Cutting(4, "", 4, 4, "", 2, 0, Insert(3, "X")), "abcdef"), "abcXdef");
}

TEST_F(TextBlocksTest, CuttingWithAMissingStartAppendsToTheUnchangedText) {
  EXPECT_EQ(run(Cutting(1, "[", 0, 1, "]", 0, 0, Insert(3, "X")), "abc]"), "abc]X");
  EXPECT_EQ(run(Cutting(3, "", 0, 1, "]", 0, 0, Insert(3, "X")), "abc"), "X");
}

TEST_F(TextBlocksTest, DivisionLineKeepsCharactersWhole) {
  EXPECT_EQ(run(Division(2, 2), "aあb"), "aあ\r\nb");
  EXPECT_EQ(run(Division(1, 2), "あいう\r\nab\r\n"), "あい\r\nう\r\nab\r\n");
  EXPECT_EQ(run(Division(1, 0), "abc"), "abc");
  EXPECT_EQ(run(Division(1, 1), ""), "");
}

TEST_F(TextBlocksTest, SortLineIsStableAndKeepsTheFinalLineBreak) {
  EXPECT_EQ(run(Sort(1, 1, 1), "b\r\na\r\nc"), "a\r\nb\r\nc");
  EXPECT_EQ(run(Sort(1, 2, 1), "b\r\na\r\nc\r\n"), "c\r\nb\r\na\r\n");
  EXPECT_EQ(run(Sort(1, 1, 2), "xb1\r\nya2\r\nzb3"), "ya2\r\nxb1\r\nzb3");
  EXPECT_EQ(run(Sort(2, 1, 3), "あb\r\nいa"), "いa\r\nあb");
  // Keys are the first 30 bytes: lines equal up to there keep their order.
  std::string same(30, 'k');
  EXPECT_EQ(run(Sort(1, 1, 1), same + "2\r\n" + same + "1"), same + "2\r\n" + same + "1");
  // Byte order: 0x82 sorts after ASCII.
  EXPECT_EQ(run(Sort(1, 1, 1), "あ\r\nz"), "z\r\nあ");
  // Keys equal in their first 8 bytes, and a shorter key before a longer one that goes on with 0.
  EXPECT_EQ(run(Sort(1, 1, 1), "12345678b\r\n12345678a"), "12345678a\r\n12345678b");
  EXPECT_EQ(run(Sort(1, 1, 1), std::string("ab\0x\r\nab", 8)), std::string("ab\r\nab\0x", 8));
}

TEST_F(TextBlocksTest, SameDeleteLineKeepsFirstOccurrences) {
  EXPECT_EQ(run(Block("SAME_DELETE_LINE", {{"KIND_ADR", "0"}}), "a\r\nb\r\na\r\n\r\nb\r\n"), "a\r\nb\r\n\r\n");
}

TEST_F(TextBlocksTest, LineBlocksRefuseMoreThanTenThousandLines) {
  std::string text;
  for (int i = 0; i < 10001; ++i) text += "x\r\n";
  for (auto [block, name] : {std::pair{Sort(1, 1, 1), "行並び替え"},
                             std::pair{Block("SAME_DELETE_LINE", {{"KIND_ADR", "0"}}), "同一行削除"}}) {
    PlanRun outcome = harness.runBlocks(block, text);
    EXPECT_EQ(outcome.result, 103);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0], "【操作ブロック[" + std::string(name) +
                                       "]実行】\n\n行数がプラン内で扱える最大行数10000行を越えました。　\nプランはキャンセルされます。");
  }
}

TEST_F(TextBlocksTest, LineAddInsideALine) {
  std::string blocks = Line(Block("LINE_ADD", {{"KIND_ADR", "20"}, {"DATAIN", "-<$現在行>"}}));
  EXPECT_EQ(run(blocks, "a\r\nb"), "a\r\n-1\r\nb\r\n-2");
  EXPECT_EQ(run(Block("LINE_ADD", {{"KIND_ADR", "19"}, {"DATAIN", "top"}}), "a"), "top\r\na");
}

}  // namespace
}  // namespace qb
