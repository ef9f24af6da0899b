// What every FileSystem must do, checked the same way on the fake and on a real volume.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "tests/contract/contract_factory.h"
#include "tests/support/file_error_print.h"

namespace qb::contract {

int LinkFileSystemContract() { return 0; }
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FileSystemContract);

std::string FileSystemContract::at(const std::string& name) {
  return harness().scratchFolder() + "\\" + name;
}

void FileSystemContract::write(const std::string& path, const std::string& bytes) {
  EXPECT_EQ(fs().writeNew(path, bytes), std::nullopt) << path;
}

std::string FileSystemContract::read(const std::string& path) {
  FileResult<std::string> result = fs().readWhole(path);
  EXPECT_TRUE(result.ok()) << path;
  return result.value.value_or("<unreadable>");
}

namespace {

std::string AllByteValues() {
  std::string bytes;
  for (int round = 0; round < 3; ++round) {
    for (int value = 0; value < 256; ++value) bytes.push_back(static_cast<char>(value));
  }
  return bytes;
}

bool SameSecond(const DateTime& a, const DateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
         a.minute == b.minute && a.second == b.second;
}

std::set<std::string> Names(const std::vector<FileEntry>& entries) {
  std::set<std::string> names;
  for (const FileEntry& entry : entries) names.insert(entry.name);
  return names;
}

const FileEntry* FindEntry(const std::vector<FileEntry>& entries, const std::string& name) {
  auto it = std::find_if(entries.begin(), entries.end(),
                         [&](const FileEntry& entry) { return entry.name == name; });
  return it == entries.end() ? nullptr : &*it;
}

void ExpectError(const FileFailure& failure, FileCause cause, std::uint32_t systemError) {
  ASSERT_TRUE(failure.has_value()) << "the call reported success";
  EXPECT_EQ(failure->cause, cause);
  EXPECT_EQ(failure->systemError, systemError);
}

void ExpectSystemError(const FileFailure& failure, std::uint32_t systemError) {
  ASSERT_TRUE(failure.has_value()) << "the call reported success";
  EXPECT_EQ(failure->systemError, systemError);
}

// Far from any daylight-saving change.
constexpr DateTime kLongAgo{2001, 2, 3, 4, 5, 6};
constexpr DateTime kLater{2002, 1, 15, 16, 17, 18};

}  // namespace

// --- Content ---

TEST_P(FileSystemContract, EveryByteValueReadsBackUnchanged) {
  std::string path = at("bytes.cln");
  write(path, AllByteValues());
  EXPECT_EQ(read(path), AllByteValues());
}

TEST_P(FileSystemContract, ShiftJisNamesWithBackslashTrailBytesWork) {
  // 表 (95 5C) and ソ (83 5C) end in the byte of a backslash, in a folder name and a file name.
  std::string folder = at("表示ソ");
  ASSERT_EQ(fs().createFolder(folder), std::nullopt);
  std::string file = folder + "\\予定表.cln";
  write(file, "内容");
  write(at("表示ソ.cln"), "x");
  EXPECT_EQ(read(file), "内容");
  EXPECT_EQ(Names(fs().list(folder + "\\*.cln")), std::set<std::string>{"予定表.cln"});
  EXPECT_EQ(Names(fs().list(at("*.cln"))), std::set<std::string>{"表示ソ.cln"});
  auto attributes = fs().attributes(folder);
  ASSERT_TRUE(attributes.has_value());
  EXPECT_TRUE(attributes->isFolder);
}

TEST_P(FileSystemContract, NamesAreFoundInAnyCaseAndKeptAsWritten) {
  write(at("Mixed.cln"), "value");
  EXPECT_EQ(read(at("MIXED.CLN")), "value");
  write(at("mixed.CLN"), "other");  // the same file
  EXPECT_EQ(Names(fs().list(at("*"))), std::set<std::string>{"Mixed.cln"});
  EXPECT_EQ(read(at("Mixed.cln")), "other");
}

TEST_P(FileSystemContract, WriteNewTruncatesALongerFile) {
  std::string path = at("item.cln");
  write(path, std::string(5000, 'x'));
  write(path, "short");
  EXPECT_EQ(read(path), "short");
  write(path, "");
  EXPECT_EQ(read(path), "");
}

TEST_P(FileSystemContract, AppendCreatesAMissingFileAndAddsToTheEnd) {
  std::string path = at("log.txt");
  ASSERT_EQ(fs().append(path, "one\r\n"), std::nullopt);
  ASSERT_EQ(fs().append(path, "two\r\n"), std::nullopt);
  EXPECT_EQ(read(path), "one\r\ntwo\r\n");
}

TEST_P(FileSystemContract, ReplaceAtomicallyReplacesContentAndLeavesNoOtherFile) {
  std::string path = at("SAVE0001.cln");
  write(path, std::string(3000, 'a'));
  ASSERT_EQ(fs().replaceAtomically(path, "new"), std::nullopt);
  EXPECT_EQ(read(path), "new");
  ASSERT_EQ(fs().replaceAtomically(at("fresh.cln"), "made"), std::nullopt);
  EXPECT_EQ(read(at("fresh.cln")), "made");
  EXPECT_EQ(Names(fs().list(at("*"))), (std::set<std::string>{"SAVE0001.cln", "fresh.cln"}));
}

TEST_P(FileSystemContract, WriteAtomicallyGivesAWholeFileItsCreationTimeAndLeavesNoOtherFile) {
  std::string path = at("SAVE0002.cln");
  ASSERT_EQ(fs().writeAtomically(path, std::string(5000, 'n'), kLongAgo), std::nullopt);
  EXPECT_EQ(read(path), std::string(5000, 'n'));
  ASSERT_EQ(fs().writeAtomically(path, "replaced", kLater), std::nullopt);
  EXPECT_EQ(read(path), "replaced");
  FileResult<FileTimes> times = fs().times(path);
  ASSERT_TRUE(times.ok());
  EXPECT_TRUE(SameSecond(times.value->created, kLater));
  const FileEntry* entry = FindEntry(fs().list(at("*.cln")), "SAVE0002.cln");
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(SameSecond(entry->created, kLater));
  EXPECT_EQ(Names(fs().list(at("*"))), (std::set<std::string>{"SAVE0002.cln"}));
  ExpectError(fs().writeAtomically(at("none\\new.cln"), "x", kLater), FileCause::kBadPath, 3);
  harness().setReadOnly(path, true);
  ExpectSystemError(fs().writeAtomically(path, "refused", kLater), 5);
  harness().setReadOnly(path, false);
  EXPECT_EQ(read(path), "replaced");
}

TEST_P(FileSystemContract, ReadHeadReadsAtMostTheBytesAsked) {
  std::string path = at("big.txt");
  write(path, std::string(100000, 'h') + "tail");
  FileResult<std::string> head = fs().readHead(path, 100000);
  ASSERT_TRUE(head.ok());
  EXPECT_EQ(*head.value, std::string(100000, 'h'));
  head = fs().readHead(path, 1u << 20);
  ASSERT_TRUE(head.ok());
  EXPECT_EQ(head.value->size(), 100004u);
  EXPECT_FALSE(fs().readHead(at("none.txt"), 10).ok());
}

// --- Times ---

TEST_P(FileSystemContract, ANewFileIsStampedWithTheCurrentTime) {
  std::int64_t before = ToEpochMilliseconds(harness().clock().localNow());
  write(at("new.cln"), "x");
  std::int64_t after = ToEpochMilliseconds(harness().clock().localNow());
  FileResult<FileTimes> times = fs().times(at("new.cln"));
  ASSERT_TRUE(times.ok());
  // Volumes keep times at coarser steps than the clock (FAT: 2 s).
  std::int64_t written = ToEpochMilliseconds(times.value->lastWritten);
  EXPECT_GE(written, before - 2000);
  EXPECT_LE(written, after + 2000);
}

TEST_P(FileSystemContract, SetTimesAreReadBackByTimesAndList) {
  std::string path = at("old.cln");
  write(path, "x");
  ASSERT_EQ(fs().setTimes(path, kLongAgo, kLater), std::nullopt);
  FileResult<FileTimes> times = fs().times(path);
  ASSERT_TRUE(times.ok());
  EXPECT_TRUE(SameSecond(times.value->lastWritten, kLater));
  auto entries = fs().list(at("*.cln"));
  const FileEntry* entry = FindEntry(entries, "old.cln");
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(SameSecond(entry->lastWritten, kLater));
  EXPECT_EQ(entry->size, 1u);
  if (harness().keepsCreationTimes()) {
    EXPECT_TRUE(SameSecond(times.value->created, kLongAgo));
    EXPECT_TRUE(SameSecond(entry->created, kLongAgo));
  }
}

TEST_P(FileSystemContract, SettingOnlyTheCreationTimeLeavesTheLastWriteTime) {
  std::string path = at("top.cln");
  write(path, "x");
  ASSERT_EQ(fs().setTimes(path, std::nullopt, kLater), std::nullopt);
  ASSERT_EQ(fs().setTimes(path, kLongAgo, std::nullopt), std::nullopt);
  FileResult<FileTimes> times = fs().times(path);
  ASSERT_TRUE(times.ok());
  EXPECT_TRUE(SameSecond(times.value->lastWritten, kLater));
}

TEST_P(FileSystemContract, RewritingKeepsTheCreationTime) {
  if (!harness().keepsCreationTimes()) GTEST_SKIP() << "the volume does not keep creation times";
  std::string path = at("kept.cln");
  write(path, "first");
  ASSERT_EQ(fs().setTimes(path, kLongAgo, kLongAgo), std::nullopt);
  write(path, "second");
  FileResult<FileTimes> afterTruncate = fs().times(path);
  ASSERT_EQ(fs().replaceAtomically(path, "third"), std::nullopt);
  FileResult<FileTimes> afterReplace = fs().times(path);
  ASSERT_TRUE(afterTruncate.ok() && afterReplace.ok());
  EXPECT_TRUE(SameSecond(afterTruncate.value->created, kLongAgo));
  EXPECT_TRUE(SameSecond(afterReplace.value->created, kLongAgo));
  EXPECT_FALSE(SameSecond(afterReplace.value->lastWritten, kLongAgo));
  EXPECT_EQ(read(path), "third");
}

// --- Attributes and folders ---

TEST_P(FileSystemContract, AttributesTellFilesFoldersAndMissingPaths) {
  write(at("file.cln"), "x");
  ASSERT_EQ(fs().createFolder(at("folder")), std::nullopt);
  auto file = fs().attributes(at("file.cln"));
  auto folder = fs().attributes(at("folder"));
  ASSERT_TRUE(file.has_value() && folder.has_value());
  EXPECT_FALSE(file->isFolder);
  EXPECT_FALSE(file->readOnly);
  EXPECT_TRUE(folder->isFolder);
  EXPECT_EQ(fs().attributes(at("missing.cln")), std::nullopt);
  EXPECT_EQ(fs().attributes(at("missing\\inner.cln")), std::nullopt);
}

TEST_P(FileSystemContract, AReadOnlyFileRefusesWritesAndKeepsItsContent) {
  std::string path = at("locked.cln");
  write(path, "kept");
  harness().setReadOnly(path, true);
  auto attributes = fs().attributes(path);
  ASSERT_TRUE(attributes.has_value());
  EXPECT_TRUE(attributes->readOnly);
  ExpectError(fs().writeNew(path, "lost"), FileCause::kAccessDenied, 5);
  ExpectError(fs().append(path, "lost"), FileCause::kAccessDenied, 5);
  EXPECT_EQ(read(path), "kept");
  harness().setReadOnly(path, false);
  write(path, "changed");
  EXPECT_EQ(read(path), "changed");
}

TEST_P(FileSystemContract, CreateFolderNeedsTheParentAndANewName) {
  std::string folder = at("group00");
  ASSERT_EQ(fs().createFolder(folder), std::nullopt);
  ExpectSystemError(fs().createFolder(folder), 183);
  write(at("plain.cln"), "x");
  ExpectSystemError(fs().createFolder(at("plain.cln")), 183);
  ExpectError(fs().createFolder(at("missing\\inner")), FileCause::kBadPath, 3);
  EXPECT_EQ(fs().attributes(at("missing")), std::nullopt);
}

TEST_P(FileSystemContract, RemoveFolderRemovesOnlyAnEmptyFolder) {
  std::string folder = at("group01");
  ASSERT_EQ(fs().createFolder(folder), std::nullopt);
  write(folder + "\\CLIP001.cln", "x");
  ExpectSystemError(fs().removeFolder(folder), 145);
  EXPECT_TRUE(fs().attributes(folder + "\\CLIP001.cln").has_value());
  ASSERT_EQ(fs().remove(folder + "\\CLIP001.cln"), std::nullopt);
  ASSERT_EQ(fs().removeFolder(folder), std::nullopt);
  EXPECT_EQ(fs().attributes(folder), std::nullopt);
}

TEST_P(FileSystemContract, RemoveDeletesAFile) {
  write(at("gone.cln"), "x");
  ASSERT_EQ(fs().remove(at("gone.cln")), std::nullopt);
  EXPECT_EQ(fs().attributes(at("gone.cln")), std::nullopt);
  EXPECT_TRUE(fs().list(at("*.cln")).empty());
}

// --- Rename ---

TEST_P(FileSystemContract, RenameMovesAFileAndRefusesAnExistingTarget) {
  write(at("a.cln"), "A");
  write(at("b.cln"), "B");
  ASSERT_EQ(fs().rename(at("a.cln"), at("c.cln")), std::nullopt);
  EXPECT_EQ(fs().attributes(at("a.cln")), std::nullopt);
  EXPECT_EQ(read(at("c.cln")), "A");
  ExpectSystemError(fs().rename(at("c.cln"), at("b.cln")), 183);
  EXPECT_EQ(read(at("b.cln")), "B");
  EXPECT_EQ(read(at("c.cln")), "A");
}

TEST_P(FileSystemContract, RenameMovesAFolderWithItsContent) {
  ASSERT_EQ(fs().createFolder(at("old")), std::nullopt);
  write(at("old\\item.cln"), "inside");
  ASSERT_EQ(fs().createFolder(at("parent")), std::nullopt);
  ASSERT_EQ(fs().rename(at("old"), at("parent\\new")), std::nullopt);
  EXPECT_EQ(read(at("parent\\new\\item.cln")), "inside");
  EXPECT_EQ(fs().attributes(at("old")), std::nullopt);
}

// --- Listing ---

TEST_P(FileSystemContract, ListMatchesWildcardsWithoutRegardToCase) {
  write(at("A.CLN"), "12345");
  write(at("b.cln"), "x");
  write(at("ab.cln"), "x");
  write(at("c.txt"), "x");
  ASSERT_EQ(fs().createFolder(at("sub")), std::nullopt);
  EXPECT_EQ(Names(fs().list(at("*.cln"))), (std::set<std::string>{"A.CLN", "b.cln", "ab.cln"}));
  EXPECT_EQ(Names(fs().list(at("?.cln"))), (std::set<std::string>{"A.CLN", "b.cln"}));
  EXPECT_EQ(Names(fs().list(at("a*"))), (std::set<std::string>{"A.CLN", "ab.cln"}));
  auto all = fs().list(at("*.*"));
  EXPECT_EQ(Names(all), (std::set<std::string>{"A.CLN", "b.cln", "ab.cln", "c.txt", "sub"}));
  const FileEntry* file = FindEntry(all, "A.CLN");
  const FileEntry* folder = FindEntry(all, "sub");
  ASSERT_TRUE(file != nullptr && folder != nullptr);
  EXPECT_EQ(file->size, 5u);
  EXPECT_FALSE(file->isFolder);
  EXPECT_TRUE(folder->isFolder);
}

TEST_P(FileSystemContract, ListOfAnExactNameGivesItAsStored) {
  write(at("SAVE0007.cln"), "x");
  auto entries = fs().list(at("save0007.CLN"));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "SAVE0007.cln");
}

TEST_P(FileSystemContract, ListOfAMissingFolderOrNoMatchIsEmpty) {
  write(at("x.txt"), "x");
  EXPECT_TRUE(fs().list(at("*.cln")).empty());
  EXPECT_TRUE(fs().list(at("missing\\*.*")).empty());
}

TEST_P(FileSystemContract, TryListTellsAFolderThatCannotBeListedFromNoMatch) {
  write(at("x.txt"), "x");
  FileResult<std::vector<FileEntry>> none = fs().tryList(at("*.cln"));
  ASSERT_TRUE(none.ok());
  EXPECT_TRUE(none.value->empty());
  FileResult<std::vector<FileEntry>> some = fs().tryList(at("*.txt"));
  ASSERT_TRUE(some.ok());
  EXPECT_EQ(Names(*some.value), (std::set<std::string>{"x.txt"}));
  FileResult<std::vector<FileEntry>> missing = fs().tryList(at("missing\\*.*"));
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error.systemError, 3u);
}

// --- Exclusive open ---

TEST_P(FileSystemContract, ExclusiveOpenBlocksOthersUntilReleased) {
  std::string path = at("quillboxCommon.cln");
  auto held = fs().openExclusive(path);
  ASSERT_TRUE(held.ok());
  EXPECT_TRUE(fs().attributes(path).has_value());  // created when missing
  auto second = fs().openExclusive(path);
  ASSERT_FALSE(second.ok());
  EXPECT_EQ(second.error.cause, FileCause::kSharingViolation);
  EXPECT_EQ(second.error.systemError, 32u);
  auto blockedRead = fs().readWhole(path);
  ASSERT_FALSE(blockedRead.ok());
  EXPECT_EQ(blockedRead.error.cause, FileCause::kSharingViolation);
  held.value->reset();
  EXPECT_TRUE(fs().openExclusive(path).ok());
  EXPECT_TRUE(fs().readWhole(path).ok());
}

// --- Missing files ---

TEST_P(FileSystemContract, MissingFilesAndFoldersGiveTheirCauses) {
  auto readMissing = fs().readWhole(at("none.cln"));
  ASSERT_FALSE(readMissing.ok());
  EXPECT_EQ(readMissing.error.cause, FileCause::kFileNotFound);
  EXPECT_EQ(readMissing.error.systemError, 2u);
  auto readInMissingFolder = fs().readWhole(at("none\\none.cln"));
  ASSERT_FALSE(readInMissingFolder.ok());
  EXPECT_EQ(readInMissingFolder.error.cause, FileCause::kBadPath);
  EXPECT_EQ(readInMissingFolder.error.systemError, 3u);
  ExpectError(fs().writeNew(at("none\\new.cln"), "x"), FileCause::kBadPath, 3);
  ExpectError(fs().remove(at("none.cln")), FileCause::kFileNotFound, 2);
  ExpectError(fs().rename(at("none.cln"), at("other.cln")), FileCause::kFileNotFound, 2);
  ExpectError(fs().setTimes(at("none.cln"), kLongAgo, std::nullopt), FileCause::kFileNotFound, 2);
  auto timesMissing = fs().times(at("none.cln"));
  ASSERT_FALSE(timesMissing.ok());
  EXPECT_EQ(timesMissing.error.cause, FileCause::kFileNotFound);
}

}  // namespace qb::contract
