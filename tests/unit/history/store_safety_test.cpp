// What keeps the stores whole: new items appear only complete, no item on disk is overwritten
// because it was not loaded, counts are rewritten in place of the count only, nothing is written
// after the end of the run, and leftovers of interrupted writes go.
#include <gtest/gtest.h>

#include "app/tablist/tab_columns.h"
#include "history/file_helpers.h"
#include "history/history_list.h"
#include "history/save_stack_items.h"
#include "history/store_folders.h"
#include "tests/support/ui_expect.h"
#include "tests/unit/history/history_fixture.h"

namespace qb {
namespace {

namespace col = history_column;

constexpr FileError kDiskFull{FileCause::kDiskFull, 112};

class StoreSafetyTest : public ::testing::Test, public HistoryWorld {
 protected:
  std::string record(const std::string& value) {
    return "00000000:::tester:::001: :::0:::" + value;
  }
};

TEST_F(StoreSafetyTest, ADiskThatFillsUpLeavesNoCutItemUnderItsName) {
  auto list = makeList();
  ASSERT_EQ(list->load(5), 0);
  fs.failNextAfterWriting(FileOperation::kAny, "*SAVE0001.cln", kDiskFull, 5);
  EXPECT_EQ(list->m_FileAdd("a value that does not fit"), -1);
  EXPECT_FALSE(fs.exists(HistoryPath(1)));
  EXPECT_EQ(list->rowCount(), 0);
  EXPECT_EQ(closeRequests, 1);

  int saveCloses = 0;
  SaveItemWriter save(fs, clock, ui, [&] { ++saveCloses; });
  fs.putFolder("C:\\g");
  fs.failNextAfterWriting(FileOperation::kAny, "*CLIP001.cln", kDiskFull, 5);
  EXPECT_EQ(save.write("C:\\g", 1, "label", "value"), -1);
  EXPECT_FALSE(fs.exists("C:\\g\\CLIP001.cln"));

  StackItemWriter stack(fs, clock, ui);
  fs.failNextAfterWriting(FileOperation::kAny, "*STAK001.cln", kDiskFull, 5);
  EXPECT_EQ(stack.store("C:\\g", "plan", "value"), -1);
  EXPECT_FALSE(fs.exists("C:\\g\\STAK001.cln"));
  EXPECT_EQ(ui.boxes().size(), 3u);
}

TEST_F(StoreSafetyTest, AMaximumBelowOneCountsAsThreeHundredAndOverwritesNothing) {
  for (int n = 1; n <= 3; ++n) putItem(n, record("v" + std::to_string(n)));
  for (int maximum : {0, -5}) {
    SCOPED_TRACE(maximum);
    auto list = makeList();
    ASSERT_EQ(list->load(maximum), 0);
    EXPECT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->maximumCount(), 300);
    ASSERT_EQ(list->m_FileAdd("new"), 0);
    EXPECT_EQ(item(1), record("v1"));
    EXPECT_EQ(item(4).substr(item(4).size() - 3), "new");
    ASSERT_EQ(list->m_Dell(0), 0);
  }
}

TEST_F(StoreSafetyTest, FilesBeyondTheMaximumAreLoadedByNameAndNeverOverwritten) {
  // The fake lists in the order files were added: not name order.
  for (int n : {5, 1, 3, 2, 4}) putItem(n, record("v" + std::to_string(n)));
  auto list = makeList();
  ASSERT_EQ(list->load(3), 0);
  std::string names;
  for (int row = 0; row < list->rowCount(); ++row) names += list->text(row, col::kFileName) + ",";
  EXPECT_NE(names.find("SAVE0001.cln"), std::string::npos);
  EXPECT_NE(names.find("SAVE0002.cln"), std::string::npos);
  EXPECT_NE(names.find("SAVE0003.cln"), std::string::npos);
  // With a row gone the list has room: the new item takes a free number, not 4 or 5.
  list->select(0);
  ASSERT_EQ(list->m_Dell(0), 0);
  ASSERT_EQ(list->m_FileAdd("new"), 0);
  EXPECT_EQ(item(4), record("v4"));
  EXPECT_EQ(item(5), record("v5"));
  EXPECT_EQ(list->rowCount(), 3);
  EXPECT_EQ(fileCount(), 5u);
}

TEST_F(StoreSafetyTest, TheStartListsTheItemsAndTheirContentsFollow) {
  putItem(1, record("first"));
  clock.advance(1000);
  putItem(2, record("second"));
  clock.advance(1000);
  auto list = makeList();
  fs.clearCalls();
  ASSERT_EQ(list->loadListing(5), 0);
  for (const FileCall& call : fs.calls()) EXPECT_NE(call.operation, FileOperation::kReadWhole);
  EXPECT_EQ(list->rowCount(), 2);
  EXPECT_TRUE(list->contentsPending());
  // A capture needs no contents: it takes the next free number at once.
  ASSERT_EQ(list->m_FileAdd("new"), 0);
  EXPECT_EQ(list->text(0, col::kFileName), "SAVE0003.cln");
  // A row whose value is asked for is read then and there.
  int first = -1;
  for (int row = 0; row < list->rowCount(); ++row) {
    if (list->text(row, col::kFileName) == "SAVE0001.cln") first = row;
  }
  std::string value;
  ASSERT_EQ(list->getValue(first, value), 0);
  EXPECT_EQ(value, "first");
  ASSERT_EQ(list->loadContents(1), 0);
  EXPECT_FALSE(list->contentsPending());
  std::string values;
  for (int row = 0; row < list->rowCount(); ++row) values += list->text(row, col::kRealValue) + ",";
  EXPECT_EQ(values, "new,second,first,");
}

TEST_F(StoreSafetyTest, AnotherOwnersItemFoundLateMakesRoomForTheNextFile) {
  putItem(1, record("mine 1"));
  putItem(2, "00000000:::someone:::001: :::0:::theirs");
  putItem(3, record("mine 3"));
  auto list = makeList();
  ASSERT_EQ(list->loadListing(2), 0);
  ASSERT_EQ(list->loadContents(-1), 0);
  EXPECT_FALSE(fs.exists(HistoryPath(2)));
  ASSERT_EQ(list->rowCount(), 2);
  EXPECT_EQ(list->text(0, col::kRealValue) + "," + list->text(1, col::kRealValue),
            "mine 1,mine 3");
  ASSERT_EQ(list->m_Dell(0), 0);
  ASSERT_EQ(list->m_FileAdd("new"), 0);
  EXPECT_EQ(list->text(0, col::kFileName), "SAVE0001.cln");
}

TEST_F(StoreSafetyTest, TheUseCountReplacesOnlyTheCountWhateverItsLength) {
  putItem(1, "7:::tester:::001: :::0:::short count");
  putItem(2, "000000099:::tester:::001: :::0:::long count");
  auto list = makeList();
  ASSERT_EQ(list->load(5), 0);
  for (int row = 0; row < list->rowCount(); ++row) ASSERT_EQ(list->incrementUseCount(row), 0);
  EXPECT_EQ(item(1), "00000008:::tester:::001: :::0:::short count");
  EXPECT_EQ(item(2), "00000100:::tester:::001: :::0:::long count");
  auto again = makeList();
  ASSERT_EQ(again->load(5), 0);
  EXPECT_EQ(again->rowCount(), 2);  // the owner survived: nothing was taken for foreign
}

TEST_F(StoreSafetyTest, NothingIsWrittenAfterTheEndOfTheRun) {
  auto list = makeList();
  ASSERT_EQ(list->load(5), 0);
  list->m_FileAdd("one\r\ntwo\r\nthree");
  list->select(0);
  // The close request arrives while the split waits between its lines.
  std::int32_t stored = 5;
  clock.schedule(15, [&] { list->trimAtExit(5, stored, false); });
  EXPECT_EQ(list->splitLines(false), -1);
  EXPECT_EQ(fileCount(), 0u);
  EXPECT_EQ(list->m_FileAdd("late"), -1);
  EXPECT_EQ(list->incrementUseCount(0), -1);
  EXPECT_EQ(fileCount(), 0u);
  EXPECT_TRUE(ui.boxes().empty());
  EXPECT_EQ(closeRequests, 0);
}

TEST_F(StoreSafetyTest, LeftoversOfInterruptedWritesGoAtTheNextStart) {
  fs.putFolder(kClipsave);
  fs.putFile(std::string(kClipsave) + "\\~qb1A2F.tmp", "cut");
  fs.putFile(std::string(kClipsave) + "\\~QB0003.TMP", "cut");
  putItem(1, record("kept"));
  clock.advance(1000);
  const DateTime started = clock.localNow();
  fs.putFile(std::string(kClipsave) + "\\~qb77AA.tmp", "being written now");
  EXPECT_EQ(RemoveInterruptedWrites(fs, kClipsave, started), 2);
  EXPECT_FALSE(fs.exists(std::string(kClipsave) + "\\~qb1A2F.tmp"));
  EXPECT_FALSE(fs.exists(std::string(kClipsave) + "\\~QB0003.TMP"));
  EXPECT_TRUE(fs.exists(std::string(kClipsave) + "\\~qb77AA.tmp"));
  EXPECT_EQ(item(1), record("kept"));
}

TEST_F(StoreSafetyTest, EveryStoreFolderAndTheDataHomeLoseTheirLeftovers) {
  ASSERT_TRUE(CreateStoreFolders(fs, ui, kHome));
  const std::string save = SaveGroupFolder(kHome, 9);
  const std::string stack = StackGroupFolder(kHome, 0);
  fs.putFile(save + "\\~qb0001.tmp", "cut");
  fs.putFile(stack + "\\~qb0002.tmp", "cut");
  fs.putFile(std::string(kHome) + "~qb0003.tmp", "cut");
  fs.putFile(save + "\\CLIP001.cln", "label:::0:::0:::kept");
  clock.advance(10);
  EXPECT_EQ(RemoveInterruptedWritesInStores(fs, kHome, clock.localNow()), 3);
  EXPECT_TRUE(fs.list(save + "\\*.tmp").empty());
  EXPECT_TRUE(fs.list(stack + "\\*.tmp").empty());
  EXPECT_FALSE(fs.exists(std::string(kHome) + "~qb0003.tmp"));
  EXPECT_TRUE(fs.exists(save + "\\CLIP001.cln"));
}

TEST_F(StoreSafetyTest, AJoinBeyondTheLimitEndsOnAWholeCharacter) {
  auto list = makeList();
  ASSERT_EQ(list->load(5), 0);
  list->m_FileAdd(std::string(511999, 'c'));
  list->m_FileAdd("ア" + std::string(10, 'd'));
  list->select(1);  // the selected row first, then the rows above it
  ASSERT_EQ(list->joinLines(false), 0);
  std::string joined;
  ASSERT_EQ(list->getValue(0, joined), 0);
  // 511999 × "c" + "ア": byte 512000 would be the second byte of "ア", so the cut comes before it.
  EXPECT_EQ(joined.size(), 511999u);
  EXPECT_EQ(joined.back(), 'c');
  EXPECT_EQ(ui.boxes().size(), 1u);
}

}  // namespace
}  // namespace qb
