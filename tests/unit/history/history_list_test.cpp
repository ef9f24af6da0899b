#include "history/history_list.h"

#include <gtest/gtest.h>

#include "app/tablist/tab_columns.h"
#include "tests/support/ui_expect.h"
#include "tests/unit/history/history_fixture.h"

namespace qb {
namespace {

namespace col = history_column;

class HistoryListTest : public ::testing::Test, public HistoryWorld {
 protected:
  void SetUp() override {
    list = makeList();
    ASSERT_EQ(list->load(5), 0);
  }
  std::string values() {
    std::string all;
    for (int i = 0; i < list->rowCount(); ++i) all += list->text(i, col::kRealValue) + ",";
    return all;
  }
  void expectOneFailure(const std::string& message) {
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, message);
    EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kStop);
    EXPECT_EQ(closeRequests, 1);
  }
  std::unique_ptr<CHistoryList> list;
};

TEST_F(HistoryListTest, NewItemsGoToTheTopWithSequenceNumbersPerSecond) {
  clock.setLocalNow({2026, 12, 8, 10, 30, 15, 0});
  ASSERT_EQ(list->addItem("一", "メモ帳"), 0);
  ASSERT_EQ(list->addItem("二", " "), 0);
  clock.advance(1000);
  ASSERT_EQ(list->m_FileAdd("三"), 0);
  EXPECT_EQ(item(1), "00000000:::tester:::001:メモ帳:::0:::一");
  EXPECT_EQ(item(2), "00000000:::tester:::002: :::0:::二");
  EXPECT_EQ(item(3), "00000000:::tester:::001: :::0:::三");
  EXPECT_EQ(values(), "三,二,一,");
  EXPECT_EQ(list->text(0, col::kCreated), "20261208103016001");
  EXPECT_EQ(list->text(1, col::kUpdated), "20261208103015002");
  EXPECT_EQ(list->text(2, col::kSource), "メモ帳");
  EXPECT_EQ(list->text(0, col::kSize), "00000002");  // one double-byte character
  EXPECT_EQ(list->row(0).image, 1);
  FileResult<FileTimes> times = fs.times(HistoryPath(1));
  EXPECT_EQ(TimeStamp14(times.value->created), "20261208103015");
}

TEST_F(HistoryListTest, NumbersFillTheLowestGapElseFollowTheRowCount) {
  for (int n : {1, 2, 4, 5, 6}) putItem(n, "00000000:::tester:::001: :::0:::v" + std::to_string(n));
  ASSERT_EQ(list->load(10), 0);
  EXPECT_EQ(list->NextItemNumber().number, 3);
  list->m_FileAdd("three");
  EXPECT_EQ(item(3), "00000000:::tester:::001: :::0:::three");
  EXPECT_EQ(list->NextItemNumber().number, 7);
}

TEST_F(HistoryListTest, AtTheMaximumTheLeastRecentlyWrittenItemGivesUpItsNumber) {
  for (int i = 0; i < 5; ++i) {
    list->m_FileAdd("v" + std::to_string(i + 1));
    clock.advance(1000);
  }
  list->incrementUseCount(list->rowCount() - 1);  // v1 written again: now v2 is the oldest write
  clock.advance(1000);
  ASSERT_EQ(list->m_FileAdd("new"), 0);
  EXPECT_EQ(list->rowCount(), 5);
  EXPECT_EQ(fileCount(), 5u);
  EXPECT_EQ(item(2), "00000000:::tester:::001: :::0:::new");
  EXPECT_EQ(values(), "new,v5,v4,v3,v1,");
}

TEST_F(HistoryListTest, AFailedWriteAtTheMaximumKeepsTheOldestItem) {
  for (int i = 0; i < 5; ++i) list->m_FileAdd("v" + std::to_string(i + 1));
  fs.failNext(FileOperation::kWriteAtomically, "*", {FileCause::kDiskFull, 112});
  EXPECT_EQ(list->m_FileAdd("new"), -1);
  expectOneFailure("ﾌｧｲﾙの書き込みに失敗しました(m_FileAdd)");
  EXPECT_EQ(item(1), "00000000:::tester:::001: :::0:::v1");
  EXPECT_EQ(list->rowCount(), 5);
}

TEST_F(HistoryListTest, WrittenValuesReadBackWholeAfterARestart) {
  std::string withSeparators = "a:::b:::c\r\n" + std::string(200, 'x');
  list->addItem(withSeparators, "ラベル:::で");
  list->m_FileAdd(std::string(150, 'p'));
  list->m_FileAdd(std::string(151, 'q'));
  std::unique_ptr<CHistoryList> again = makeList();
  ASSERT_EQ(again->load(5), 0);
  ASSERT_EQ(again->rowCount(), 3);
  std::string value;
  ASSERT_EQ(again->getValue(2, value), 0);
  EXPECT_EQ(value, withSeparators);
  EXPECT_EQ(again->text(2, col::kSource), "ラベル");  // a label never holds the separator
  EXPECT_EQ(again->text(1, col::kRealValue), std::string(150, 'p'));
  EXPECT_EQ(again->text(0, col::kRealValue), std::string(150, 'q') + "...");
  for (int column = 0; column < again->columnCount(); ++column) {
    EXPECT_EQ(again->text(0, column), list->text(0, column)) << column;
  }
}

TEST_F(HistoryListTest, LoadingDeletesForeignItemsAndStopsAtTheMaximum) {
  putItem(1, "00000000:::someone:::001: :::0:::theirs");
  putItem(2, "no separators at all");
  putItem(3, "00000002:::tester:::007:窓:::0:::mine");
  for (int n = 4; n <= 9; ++n) putItem(n, "00000000:::tester:::001: :::0:::m" + std::to_string(n));
  ASSERT_EQ(list->load(5), 0);
  EXPECT_FALSE(fs.exists(HistoryPath(1)));
  EXPECT_FALSE(fs.exists(HistoryPath(2)));
  EXPECT_EQ(list->rowCount(), 5);
  EXPECT_EQ(fileCount(), 7u);  // items beyond the maximum stay on disk
  ExpectUiScriptFinished(ui);
}

TEST_F(HistoryListTest, ReusedItemsCarryTheMarkAndLineBreaksShowAsDots) {
  settings.KaigyoTabDsp = 1;
  putItem(1, "00000002:::tester:::007:窓:::0:::a\r\nb\tc");
  ASSERT_EQ(list->load(5), 0);
  EXPECT_EQ(list->text(0, col::kMarker), ".");
  EXPECT_EQ(list->row(0).image, 0);
  EXPECT_EQ(list->text(0, col::kValue), "a・・b・c");
  EXPECT_EQ(list->text(0, col::kRealValue), "a\r\nb\tc");
  EXPECT_EQ(list->text(0, col::kCount), "00000002");
  EXPECT_EQ(list->text(0, col::kCreated).substr(14), "007");
}

TEST_F(HistoryListTest, UseCountRewritesTheItemInOneStepAndKeepsItsPlace) {
  clock.setLocalNow({2026, 1, 2, 3, 4, 5, 0});
  list->m_FileAdd("v1");
  clock.advance(60000);
  list->m_FileAdd("v2");
  clock.advance(60000);
  ASSERT_EQ(list->afterValueUsed(1, false), 0);
  EXPECT_EQ(item(1), "00000001:::tester:::001: :::0:::v1");
  EXPECT_EQ(TimeStamp14(fs.times(HistoryPath(1)).value->created), "20260102030405");
  EXPECT_EQ(values(), "v2,v1,");
  EXPECT_EQ(list->text(1, col::kMarker), ".");
  EXPECT_EQ(list->text(1, col::kUpdated), "20260102030605001");
}

TEST_F(HistoryListTest, MoveToTopFollowsTheSelectionOption) {
  for (const char* v : {"v1", "v2", "v3"}) {
    list->m_FileAdd(v);
    clock.advance(1000);
  }
  settings.RirekiTopMove = 1;
  list->select(2);
  list->afterValueUsed(2, false);
  EXPECT_EQ(values(), "v1,v3,v2,");
  EXPECT_EQ(list->selectedRow(), 2);  // the selection stays at its row position
  EXPECT_EQ(list->rowToShow(), 2);

  settings.RirekiTopMove = 2;
  clock.advance(1000);
  list->select(2);
  list->afterValueUsed(2, false);
  EXPECT_EQ(values(), "v2,v1,v3,");
  EXPECT_EQ(list->selectedRow(), 0);  // the selection moves with the item

  clock.advance(1000);
  list->afterValueUsed(2, /*bulkPaste=*/true);
  EXPECT_EQ(values(), "v2,v1,v3,");
  EXPECT_EQ(item(3), "00000001:::tester:::001: :::0:::v3");
}

TEST_F(HistoryListTest, DuplicatesGoAndTheReuseMarkCarriesOverOnlyWithOption1) {
  for (int option : {1, 2}) {
    list->m_AllDel();
    settings.RirekiDuplicate = option;
    list->m_FileAdd("A");
    list->afterValueUsed(0, false);
    list->m_FileAdd("B");
    list->m_FileAdd("A");
    ASSERT_EQ(list->removeDuplicates("A", 1), 0);
    EXPECT_EQ(values(), "A,B,");
    EXPECT_EQ(list->text(0, col::kCount), option == 1 ? "00000001" : "00000000");
  }
  std::string big(300, 'z');
  list->m_FileAdd(big);
  list->m_FileAdd(big + "!");
  list->m_FileAdd(big);
  list->removeDuplicates(big, big.size());  // compared whole, read from the files
  EXPECT_EQ(list->rowCount(), 4);
}

TEST_F(HistoryListTest, JoinAppendsTheSelectedRowThenTheRowsAbove) {
  list->m_FileAdd("c");
  list->m_FileAdd("b");
  list->m_FileAdd("a");
  list->select(1);
  ASSERT_EQ(list->joinLines(true), 0);
  std::string joined;
  list->getValue(0, joined);
  EXPECT_EQ(joined, "b\r\na\r\n");
  EXPECT_EQ(list->rowCount(), 4);
  ExpectUiScriptFinished(ui);
}

TEST_F(HistoryListTest, AJoinBeyond512001BytesIsCutAndSaysSo) {
  list->m_FileAdd(std::string(300000, 'x'));
  list->m_FileAdd(std::string(300000, 'y'));
  list->select(1);
  ASSERT_EQ(list->joinLines(false), 0);
  std::string joined;
  list->getValue(0, joined);
  EXPECT_EQ(joined.size(), 512000u);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text,
            "結合したバイト数が500KBを越えました。\n越えた文字列は削除されました。");
}

TEST_F(HistoryListTest, SplitStoresEachNonEmptyLineAfterAShortWait) {
  list->m_FileAdd("one\r\n\r\ntwo\r\nthree");
  list->select(0);
  ASSERT_EQ(list->splitLines(false), 0);
  EXPECT_EQ(values(), "three,two,one,one\r\n\r\ntwo\r\nthree,");
  EXPECT_EQ(clock.waits(), (std::vector<int>{10, 10, 10}));
  fs.failNext(FileOperation::kWriteAtomically, "*", {FileCause::kDiskFull, 112});
  list->select(3);
  EXPECT_EQ(list->splitLines(true), -1);  // the first failed store ends the split
  EXPECT_EQ(list->rowCount(), 4);
}

TEST_F(HistoryListTest, EachFileFailureShowsItsMessageAndAsksToClose) {
  struct Case {
    FileOperation operation;
    const char* message;
    std::function<int(CHistoryList&)> run;
  };
  const std::vector<Case> cases = {
      {FileOperation::kWriteAtomically, "ﾌｧｲﾙの書き込みに失敗しました(m_FileAdd)",
       [](CHistoryList& l) { return l.m_FileAdd("new"); }},
      {FileOperation::kRemove, "ﾌｧｲﾙの削除に失敗しました(m_Dell)",
       [](CHistoryList& l) { return l.m_Dell(0); }},
      {FileOperation::kRemove, "ﾌｧｲﾙの削除に失敗しました(m_AllDel)",
       [](CHistoryList& l) { return l.m_AllDel(); }},
      // A folder that cannot be listed is not "nothing to delete".
      {FileOperation::kList, "ﾌｧｲﾙの削除に失敗しました(m_AllDel)",
       [](CHistoryList& l) { return l.m_AllDel(); }},
      {FileOperation::kSetTimes, "ﾌｧｲﾙの属性変更に失敗しました(m_HistTopMove)：",
       [](CHistoryList& l) { return l.m_HistTopMove(0); }},
      {FileOperation::kReadWhole, "ﾌｧｲﾙの読み込みに失敗しました(m_FileGet_2)",
       [](CHistoryList& l) { return l.incrementUseCount(0); }},
      {FileOperation::kReplaceAtomically, "ﾌｧｲﾙの書き込みに失敗しました(m_CountUp)",
       [](CHistoryList& l) { return l.incrementUseCount(0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    list->m_AllDel();
    list->m_FileAdd("kept");
    list->m_FileAdd("other");
    std::string before = fs.contentOf(HistoryPath(1)).value_or("");
    ui.clear();
    closeRequests = 0;
    fs.failNext(c.operation, "*", {FileCause::kAccessDenied, 5});
    EXPECT_EQ(c.run(*list), -1);
    expectOneFailure(c.message);
    EXPECT_EQ(fs.contentOf(HistoryPath(1)).value_or(""), before);  // no other item changed
  }
}

TEST_F(HistoryListTest, LoadFailuresShowTheirMessages) {
  putItem(1, "00000000:::someone:::001: :::0:::theirs");
  fs.failNext(FileOperation::kRemove, "*", {FileCause::kAccessDenied, 5});
  EXPECT_EQ(list->load(5), -1);
  expectOneFailure("ﾌｧｲﾙの削除に失敗しました(m_FileGet)");

  ui.clear();
  closeRequests = 0;
  fs.failNext(FileOperation::kReadWhole, "*", {FileCause::kSharingViolation, 32});
  EXPECT_EQ(list->load(5), -1);
  expectOneFailure("ﾌｧｲﾙの読み込みに失敗しました(m_FileGet_2)");

  ui.clear();
  closeRequests = 0;
  FakeFileSystem locked{clock};
  locked.failAlways(FileOperation::kCreateFolder, "*", {FileCause::kAccessDenied, 5});
  CHistoryList nowhere(locked, clock, ui, settings, {"C:\\none\\", "tester", [this] { ++closeRequests; }});
  EXPECT_EQ(nowhere.load(5), -1);
  expectOneFailure("履歴格納用ﾌｫﾙﾀﾞの作成に失敗しました");
}

TEST_F(HistoryListTest, ExitRulesDeleteEverythingWhenTheMaximumFellOrAutoSaveIsOff) {
  list->m_FileAdd("a");
  std::int32_t stored = 5;
  EXPECT_EQ(list->trimAtExit(5, stored, true), 0);
  EXPECT_EQ(fileCount(), 1u);
  list = makeList();  // each exit ends its run; the next run loads again
  ASSERT_EQ(list->load(5), 0);
  EXPECT_EQ(list->trimAtExit(3, stored, true), 0);
  EXPECT_EQ(fileCount(), 0u);
  EXPECT_EQ(stored, 3);
  list = makeList();
  ASSERT_EQ(list->load(3), 0);
  list->m_FileAdd("b");
  EXPECT_EQ(list->trimAtExit(3, stored, false), 0);
  EXPECT_EQ(fileCount(), 0u);
}

TEST_F(HistoryListTest, DeleteAllAsksFirst) {
  list->m_FileAdd("a");
  ui.expectAnswer(MessageAnswer::kNo);
  list->deleteAllAfterQuestion();
  EXPECT_EQ(fileCount(), 1u);
  ui.expectAnswer(MessageAnswer::kYes);
  list->deleteAllAfterQuestion();
  EXPECT_EQ(fileCount(), 0u);
  EXPECT_EQ(list->rowCount(), 0);
  EXPECT_EQ(ui.boxes()[0].text, "履歴を全て削除します。よろしいですか？　");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::kQuestion);
  ExpectUiScriptFinished(ui);
}

}  // namespace
}  // namespace qb
