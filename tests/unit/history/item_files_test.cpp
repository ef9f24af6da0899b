// Item numbers, records, store folders and the save and stack item files.
#include <gtest/gtest.h>

#include "history/history_record.h"
#include "history/item_numbers.h"
#include "history/save_stack_items.h"
#include "history/store_folders.h"
#include "tests/support/ui_expect.h"
#include "tests/unit/history/history_fixture.h"

namespace qb {
namespace {

TEST(ItemNumbers, TheLowestGapBelowTheHighestNumberElseCountPlusOne) {
  auto rows = [](std::initializer_list<const char*> names) {
    std::vector<NumberedRow> result;
    int i = 0;
    for (const char* name : names) result.push_back({name, "20260101000000001", i++});
    return result;
  };
  EXPECT_EQ(ChooseItemNumber(rows({"SAVE0005.cln", "SAVE0001.cln", "SAVE0002.cln",
                                   "SAVE0004.cln", "SAVE0006.cln"}), 10).number, 3);
  EXPECT_EQ(ChooseItemNumber(rows({"SAVE0001.cln", "SAVE0002.cln", "SAVE0003.cln"}), 10).number, 4);
  EXPECT_EQ(ChooseItemNumber(rows({"CLIP002.cln", "CLIP001.cln", "CLIP004.cln"}), 10).number, 3);
  EXPECT_EQ(ChooseItemNumber({}, 10).number, 1);
  EXPECT_EQ(FourDigitNumberPart("STAK012.cln"), "0012");
  EXPECT_EQ(FourDigitNumberPart("SAVE0012.cln"), "0012");
}

TEST(ItemNumbers, AFullListReusesTheNumberOfTheOldestWrite) {
  std::vector<NumberedRow> rows = {{"SAVE0001.cln", "20260101000003001", 0},
                                   {"SAVE0002.cln", "20260101000001002", 1},
                                   {"SAVE0003.cln", "20260101000001001", 2}};
  ItemNumberChoice choice = ChooseItemNumber(rows, 3);
  EXPECT_EQ(choice.number, 3);
  EXPECT_EQ(choice.rowToDelete, 2);
}

TEST(ItemNumbers, AnotherFolderTakesItsLowestGapOrSaysItIsFull) {
  FakeClock clock;
  FakeFileSystem fs(clock);
  ScriptedUi ui;
  fs.putFolder("C:\\g");
  for (int n : {1, 2, 4}) fs.putFile("C:\\g\\CLIP00" + std::to_string(n) + ".cln", "x");
  EXPECT_EQ(NextFolderItemNumber(fs, ui, "C:\\g", 100), 3);
  fs.putFile("C:\\g\\CLIP003.cln", "x");
  EXPECT_EQ(NextFolderItemNumber(fs, ui, "C:\\g", 100), 5);
  ExpectUiScriptFinished(ui);
  EXPECT_EQ(NextFolderItemNumber(fs, ui, "C:\\g", 4), -1);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "指定された保存場所は最大数に達しています");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kInformation);
}

TEST(ItemNumbers, AFullFolderLosesItsOldestWriteAndAFailedDeleteIsReported) {
  FakeClock clock;
  FakeFileSystem fs(clock);
  ScriptedUi ui;
  fs.putFolder("C:\\s");
  for (const char* name : {"STAK001.cln", "STAK002.cln", "STAK003.cln"}) {
    fs.putFile(std::string("C:\\s\\") + name, "x");
    clock.advance(1000);
  }
  fs.setTimes("C:\\s\\STAK001.cln", std::nullopt, clock.localNow());
  EXPECT_EQ(m_MaxUpdateDateDel(fs, ui, "C:\\s", "*.cln", 4), 0);
  EXPECT_TRUE(fs.exists("C:\\s\\STAK002.cln"));
  EXPECT_EQ(m_MaxUpdateDateDel(fs, ui, "C:\\s", "*.cln", 3), 0);
  EXPECT_FALSE(fs.exists("C:\\s\\STAK002.cln"));
  EXPECT_TRUE(fs.exists("C:\\s\\STAK001.cln"));
  fs.failNext(FileOperation::kRemove, "*", {FileCause::kAccessDenied, 5});
  EXPECT_EQ(m_MaxUpdateDateDel(fs, ui, "C:\\s", "*.cln", 2), -1);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "ﾌｧｲﾙの削除に失敗しました(m_MaxUpdateDateDel)");
}

TEST(HistoryRecords, SplitTakesTheRestAsTheValue) {
  HistoryRecord parts = SplitHistoryRecord("00000003:::me:::012:窓:題:::0:::v:::w");
  EXPECT_EQ(parts.useCount, "00000003");
  EXPECT_EQ(parts.owner, "me");
  EXPECT_EQ(parts.sequence, "012");
  EXPECT_EQ(parts.label, "窓:題");
  EXPECT_EQ(parts.value, "v:::w");
  HistoryRecord bare = SplitHistoryRecord("00000000:::me:::nocolon:::0:::");
  EXPECT_EQ(bare.sequence, "000");
  EXPECT_EQ(bare.label, "");
  EXPECT_EQ(SplitHistoryRecord("plain").owner, "");
  std::string huge = "00000000:::me:::001: :::0:::" + std::string(600000, 'x');
  EXPECT_EQ(SplitHistoryRecord(huge).value.size(), 512001u);
}

TEST(StoreFolders, StartUpCreatesEveryGroupFolder) {
  FakeClock clock;
  FakeFileSystem fs(clock);
  ScriptedUi ui;
  fs.putFolder("C:\\QB\\tester");
  ASSERT_TRUE(CreateStoreFolders(fs, ui, kHome));
  for (const char* folder : {"ラベル付き格納00", "ラベル付き格納09", "macro", "Plan\\PlanDir00",
                             "Plan\\PlanDir09", "Plan\\PlanDataHome", "Stack\\StackDir00",
                             "Stack\\StackDir09"}) {
    EXPECT_TRUE(fs.exists(std::string(kHome) + folder)) << folder;
  }
  ASSERT_TRUE(CreateStoreFolders(fs, ui, kHome));  // existing folders are fine
  ExpectUiScriptFinished(ui);
}

TEST(StoreFolders, EachFolderKindHasItsMessage) {
  struct Case {
    const char* pattern;
    const char* message;
  };
  for (const Case& c : {Case{"*格納03", "保存用ﾌｫﾙﾀﾞの作成に失敗しました"},
                        Case{"*macro", "マクロ用ﾌｫﾙﾀﾞの作成に失敗しました"},
                        Case{"*\\Plan", "ﾌﾟﾗﾝ用ﾌｫﾙﾀﾞの作成に失敗しました（親ﾌｫﾙﾀﾞ）"},
                        Case{"*PlanDataHome", "ﾌﾟﾗﾝ用ﾌｫﾙﾀﾞの作成に失敗しました（ﾃﾞｰﾀﾎｰﾑﾌｫﾙﾀﾞ）"},
                        Case{"*PlanDir05", "ﾌﾟﾗﾝ用ﾌｫﾙﾀﾞの作成に失敗しました"},
                        Case{"*\\Stack", "ｽﾀｯｸ用ﾌｫﾙﾀﾞの作成に失敗しました（親ﾌｫﾙﾀﾞ）"},
                        Case{"*StackDir00", "ｽﾀｯｸ用ﾌｫﾙﾀﾞの作成に失敗しました"}}) {
    FakeClock clock;
    FakeFileSystem fs(clock);
    ScriptedUi ui;
    fs.putFolder("C:\\QB\\tester");
    fs.failAlways(FileOperation::kCreateFolder, c.pattern, {FileCause::kAccessDenied, 5});
    EXPECT_FALSE(CreateStoreFolders(fs, ui, kHome));
    ASSERT_EQ(ui.boxes().size(), 1u) << c.pattern;
    EXPECT_EQ(ui.boxes()[0].text, c.message);
  }
}

TEST(SaveItems, RecordsArePlainAndFailuresAskToClose) {
  FakeClock clock;
  FakeFileSystem fs(clock);
  ScriptedUi ui;
  int closes = 0;
  fs.putFolder("C:\\g");
  SaveItemWriter writer(fs, clock, ui, [&] { ++closes; });
  ASSERT_EQ(writer.writeToFolder("C:\\g", "ラベル", "値:::続き"), 0);
  EXPECT_EQ(fs.contentOf("C:\\g\\CLIP001.cln"), "ラベル:::0:::0:::値:::続き");
  fs.failNext(FileOperation::kWriteAtomically, "*", {FileCause::kDiskFull, 112});
  EXPECT_EQ(writer.write("C:\\g", 2, "l", "v"), -1);
  EXPECT_FALSE(fs.exists("C:\\g\\CLIP002.cln"));  // nothing half-written under the name
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "ﾌｧｲﾙの書き込みに失敗しました(2m_FileAdd)");
  EXPECT_EQ(closes, 1);
}

TEST(StackItems, TheItem201RemovesTheOldestFirst) {
  FakeClock clock;
  FakeFileSystem fs(clock);
  ScriptedUi ui;
  fs.putFolder("C:\\s");
  StackItemWriter writer(fs, clock, ui);
  std::string name;
  ASSERT_EQ(writer.store("C:\\s", "プラン", "text:::x", &name), 0);
  EXPECT_EQ(name, "STAK001.cln");
  EXPECT_EQ(fs.contentOf("C:\\s\\STAK001.cln"), "00000000:::001:::プラン:::0:::0:::text:::x");
  for (int i = 2; i <= 200; ++i) {
    clock.advance(1000);
    ASSERT_EQ(writer.store("C:\\s", "p", "t" + std::to_string(i)), 0);
  }
  clock.advance(1000);
  ASSERT_EQ(writer.store("C:\\s", "p", "t201", &name), 0);
  EXPECT_EQ(name, "STAK001.cln");
  EXPECT_EQ(fs.contentOf("C:\\s\\STAK001.cln"), "00000000:::001:::p:::0:::0:::t201");
  EXPECT_EQ(fs.list("C:\\s\\*.cln").size(), 200u);
  ExpectUiScriptFinished(ui);
}

}  // namespace
}  // namespace qb
