// Blocks that read files through the file system, and the plan-variable blocks.
#include <gtest/gtest.h>

#include "tests/unit/planlib/plan_test_support.h"

namespace qb {
namespace {

using namespace test;

std::string ChangeFile(int kind, std::string_view path, bool ignoreCase = false) {
  return Block("CHANGE_FILE", {{"KIND_FIND", "1"}, {"KIND_ADR", std::to_string(kind)}, {"IDX_CN", "0"},
                               {"KIND_ALPHABET", ignoreCase ? "1" : "0"}, {"FILE_PATH", std::string(path)}});
}
std::string InsertFile(int where, int lines, int first, int last, std::string_view path) {
  return Block("INSERT_FILE", {{"KIND_ADR", std::to_string(where)}, {"KIND_INFILE", std::to_string(lines)},
                               {"IDX_START", std::to_string(first)}, {"IDX_END", std::to_string(last)},
                               {"FILE_PATH", std::string(path)}});
}

class FileBlocksTest : public ::testing::Test {
 protected:
  PlanHarness harness;
};

TEST_F(FileBlocksTest, PatternFileAppliesItsPairsInOrder) {
  harness.files.putFile("C:\\Tools\\PlanDataHome\\pairs.txt", "a:::b\r\n\r\nb:::c:::d\nX:::\r\n");
  PlanRun run = harness.runBlocks(ChangeFile(3, "<$データホームフォルダ>\\pairs.txt", true), "aXbx");
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.text, "c:::dc:::d");
}

TEST_F(FileBlocksTest, PatternFileMessages) {
  harness.files.putFile("C:\\p\\nosep.txt", "a:::b\r\nline without\r\n");
  harness.files.putFile("C:\\p\\nosearch.txt", ":::b");
  harness.files.putFile("C:\\p\\locked.txt", "a:::b");
  harness.files.failAlways(FileOperation::kReadWhole, "C:\\p\\locked.txt", {FileCause::kSharingViolation, 32});
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\p\\none.txt", "【操作ブロック[パターンファイル置換]実行】\n\nファイルが見つかりません。　\n( C:\\p\\none.txt )"},
      {"C:\\p", "【操作ブロック[パターンファイル置換]実行】\n\nファイルが見つかりません。　\n( C:\\p )"},
      {"C:\\p\\nosep.txt",
       "【操作ブロック[パターンファイル置換]実行】\n\nパターンファイルの設定に誤りがあります。　\n（ C:\\p\\nosep.txt )\n\n"
       "セパレータの「:::」が見つかりません。\n（ line without ）"},
      {"C:\\p\\nosearch.txt",
       "【操作ブロック[パターンファイル置換]実行】\n\nパターンファイルの設定に誤りがあります。　\n（ C:\\p\\nosearch.txt )\n\n"
       "検索文字列が設定されていません。\n（ :::b ）"},
      {"C:\\p\\locked.txt",
       "【操作ブロック[パターンファイル置換]実行】\n\nパターンファイルの読み込みに失敗しました。　\n"
       "エラー詳細：SHARE.EXE 未ロードまたは共有領域ロック済み\n( C:\\p\\locked.txt )"},
  };
  for (const auto& [path, message] : cases) {
    PlanRun run = harness.runBlocks(ChangeFile(3, path), "a");
    EXPECT_EQ(run.result, -1) << path;
    ASSERT_EQ(run.messages.size(), 1u) << path;
    EXPECT_EQ(run.messages[0], message);
  }
}

TEST_F(FileBlocksTest, InsertFileTakesLinesAndSetsTheInputVariables) {
  harness.files.putFile("C:\\data\\表示.txt", "1\r\n2\r\n3\r\n");
  std::string path = "C:\\data\\表示.txt";
  auto read = [&](const std::string& block, std::string_view input) {
    PlanRun run = harness.runBlocks(block, input);
    EXPECT_EQ(run.result, 0);
    return run.text;
  };
  EXPECT_EQ(read(InsertFile(3, 1, 0, 0, path), "x"), "1\r\n2\r\n3\r\n");
  EXPECT_EQ(read(InsertFile(14, 2, 2, 3, path), "x"), "2\r\n3x");
  EXPECT_EQ(read(InsertFile(15, 2, 2, 2, path), "x"), "x2");
  EXPECT_EQ(read(InsertFile(15, 2, 3, 2, path), "x"), "x");
  EXPECT_EQ(read(InsertFile(3, 3, 2, 0, path), "x"), "2\r\n3\r\n");
  EXPECT_EQ(read(InsertFile(3, 3, 9, 0, path), "x"), "");
  std::string names = InsertFile(3, 1, 0, 0, path) +
                      Insert(3, "<$最終入力ファイルパス>|<$最終入力ファイル名>|<$最終入力ファイルフォルダ>");
  EXPECT_EQ(read(names, ""), path + "|表示.txt|C:\\data");
}

TEST_F(FileBlocksTest, FileBlocksEndLinesAtLfWithOrWithoutCr) {
  // A CR alone ends nothing.
  harness.files.putFile("C:\\d\\mixed.txt", "1\n2\r\n3\r4\n5");
  auto read = [&](int kind, int first, int last) {
    return harness.runBlocks(InsertFile(3, kind, first, last, "C:\\d\\mixed.txt"), "").text;
  };
  EXPECT_EQ(read(2, 1, 1), "1");
  EXPECT_EQ(read(2, 2, 3), "2\r\n3\r4");
  EXPECT_EQ(read(3, 3, 0), "3\r4\n5");
  EXPECT_EQ(read(2, 4, 9), "5");
  harness.files.putFile("C:\\d\\pairs.txt", "a:::b\nc:::d\r\nx:::y\rz");
  EXPECT_EQ(harness.runBlocks(ChangeFile(3, "C:\\d\\pairs.txt"), "acx").text, "bdy\rz");
}

TEST_F(FileBlocksTest, InsertFileMessages) {
  PlanRun missing = harness.runBlocks(InsertFile(3, 1, 0, 0, "C:\\x.txt"), "a");
  EXPECT_EQ(missing.result, -1);
  ASSERT_EQ(missing.messages.size(), 1u);
  EXPECT_EQ(missing.messages[0], "【操作ブロック[ファイル読み込み]実行】\n\nファイルが見つかりません。　\n( C:\\x.txt )");
  harness.files.putFile("C:\\y.txt", "y");
  harness.files.failAlways(FileOperation::kReadWhole, "C:\\y.txt", {FileCause::kHardIo, 1117});
  PlanRun failed = harness.runBlocks(InsertFile(3, 1, 0, 0, "C:\\y.txt"), "a");
  ASSERT_EQ(failed.messages.size(), 1u);
  EXPECT_EQ(failed.messages[0],
            "【操作ブロック[ファイル読み込み]実行】\n\nファイルの読み込みに失敗しました。　\nエラー詳細：ハードウェア エラー\n( C:\\y.txt )");
}

class VariableBlocksTest : public ::testing::Test {
 protected:
  std::string run(const std::string& blocks, std::string_view input = "") {
    PlanRun outcome = harness.runBlocks(blocks, input);
    EXPECT_EQ(outcome.result, 0);
    return outcome.text;
  }
  PlanHarness harness;
};

TEST_F(VariableBlocksTest, WorkVariableStoreModes) {
  std::string show = Insert(3, "[<$作業用05>]");
  EXPECT_EQ(run(HensuSet(1, 105, 3, "") + show, "in"), "[in]");
  EXPECT_EQ(run(HensuSet(2, 105, 3, "a") + HensuSet(2, 105, 14, "b") + show), "[ba]");
  EXPECT_EQ(run(HensuSet(2, 105, 3, "a") + HensuSet(2, 105, 15, "b") + show), "[ab]");
  EXPECT_EQ(run(HensuSet(2, 105, 3, "a") + HensuSet(2, 105, 16, "b") + show), "[ab\r\n]");
  EXPECT_EQ(run(HensuSet(2, 105, 3, "\\t", 2) + show), "[\t]");
  EXPECT_EQ(run(HensuSet(2, 105, 3, "<$選択画面結果>") + show), "[00]");
  EXPECT_EQ(run(HensuSet(2, 121, 3, "x") + HensuSet(2, 105, 99, "x") + show), "[]");
}

TEST_F(VariableBlocksTest, RunTimeInputKindsFailUntilTheDialogsExist) {
  PlanRun outcome = harness.runBlocks(HensuSet(6, 101, 3, ""), "");
  EXPECT_EQ(outcome.result, -1);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0],
            "【操作ブロック[プラン変数（作業用）設定]実行】\n\n実行時に値を取得する設定は、この実行環境では使用できません。　");
}

TEST_F(VariableBlocksTest, CounterOperations) {
  std::string show = Insert(3, "<$カウンター01>,<$書式カウンター02>");
  EXPECT_EQ(run(CounterSet(201, 1, 1, 5) + CounterSet(201, 1, 2, 3) + CounterSet(212, 1, 3, 4) + show), "8,-4");
  EXPECT_EQ(run(CounterSet(201, 1, 1, 5) + CounterSet(212, 201, 1, 0) + CounterSet(212, 22, 2, 0) + show, "ab"),
            "5,07");
  EXPECT_EQ(run(CounterSet(220, 1, 1, 5) + CounterSet(200, 1, 1, 5) + show), "0,00");
  // Adding past the largest int wraps instead of overflowing.
  EXPECT_EQ(run(CounterSet(201, 1, 1, 2147483647) + CounterSet(201, 1, 2, 1) + show), "-2147483648,00");
}

}  // namespace
}  // namespace qb
