// What the fake file system does beyond the port contract: its naming rules, times taken from the
// virtual clock, exclusive holds, listing order and fault injection.
#include "platform/fake/fake_file_system.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/fake/fake_clock.h"
#include "tests/support/file_error_print.h"

namespace qb {
namespace {

std::vector<std::string> Names(const std::vector<FileEntry>& entries) {
  std::vector<std::string> names;
  for (const FileEntry& entry : entries) names.push_back(entry.name);
  return names;
}

void ExpectError(const FileFailure& failure, const FileError& expected) {
  ASSERT_TRUE(failure.has_value()) << "the call reported success";
  EXPECT_EQ(failure->cause, expected.cause);
  EXPECT_EQ(failure->systemError, expected.systemError);
}

class FakeFileSystemTest : public ::testing::Test {
 protected:
  FakeClock clock_;
  FakeFileSystem fs_{clock_};
};

// --- Names and paths ---

TEST_F(FakeFileSystemTest, TrailBytesOfDoubleByteCharactersAreNotFolded) {
  // ア is 83 41 and ヂ is 83 61: their trail bytes are 'A' and 'a'.
  ASSERT_EQ(fs_.writeNew("C:\\ア.cln", "a"), std::nullopt);
  ASSERT_EQ(fs_.writeNew("C:\\ヂ.cln", "b"), std::nullopt);
  EXPECT_EQ(fs_.contentOf("C:\\ア.cln"), "a");
  EXPECT_EQ(fs_.contentOf("C:\\ヂ.cln"), "b");
  EXPECT_EQ(fs_.list("C:\\*.cln").size(), 2u);
}

TEST_F(FakeFileSystemTest, DrivesAndSharesExistFromTheStart) {
  EXPECT_EQ(fs_.writeNew("D:\\x.cln", "x"), std::nullopt);
  EXPECT_EQ(fs_.writeNew("\\\\server\\share\\x.cln", "y"), std::nullopt);
  EXPECT_EQ(fs_.contentOf("\\\\SERVER\\Share\\X.CLN"), "y");
  auto root = fs_.attributes("c:");
  ASSERT_TRUE(root.has_value());
  EXPECT_TRUE(root->isFolder);
  ExpectError(fs_.createFolder("C:"), FakeFileError::kAlreadyExists);
  ExpectError(fs_.removeFolder("\\\\server\\share"), FakeFileError::kAccessDenied);
}

TEST_F(FakeFileSystemTest, PathsThatAreNotAbsoluteOrHoldBadNamesAreRefused) {
  for (const char* path : {"data\\x.cln", "C:x.cln", "C:\\a|b.cln", "C:\\a*.cln", "C:\\a?.cln",
                           "\\\\server", "\\\\server\\\\x", "C:\\a\tb", "C:\\a/b.cln"}) {
    SCOPED_TRACE(path);
    ExpectError(fs_.writeNew(path, "x"), FakeFileError::kInvalidName);
  }
  EXPECT_TRUE(fs_.list("C:\\*.cln").empty());
}

TEST_F(FakeFileSystemTest, ATrailingBackslashNamesOnlyFolders) {
  EXPECT_EQ(fs_.createFolder("C:\\data\\"), std::nullopt);
  EXPECT_EQ(fs_.attributes("C:\\data\\"), std::nullopt);
  EXPECT_TRUE(fs_.attributes("C:\\data").has_value());
  ExpectError(fs_.writeNew("C:\\data\\x.cln\\", "x"), FakeFileError::kInvalidName);
  EXPECT_EQ(fs_.removeFolder("C:\\data\\"), std::nullopt);
}

TEST_F(FakeFileSystemTest, RepeatedBackslashesAndDotNamesResolve) {
  fs_.putFolder("C:\\a");
  ASSERT_EQ(fs_.writeNew("C:\\a\\\\.\\b.cln", "x"), std::nullopt);
  EXPECT_EQ(fs_.contentOf("C:\\a\\b.cln"), "x");
  EXPECT_EQ(fs_.contentOf("C:\\a\\..\\a\\b.cln"), "x");
}

TEST_F(FakeFileSystemTest, AFileOnTheWayIsAMissingFolder) {
  fs_.putFile("C:\\f.cln", "x");
  ExpectError(fs_.writeNew("C:\\f.cln\\inner.cln", "x"), FakeFileError::kPathNotFound);
  ExpectError(fs_.createFolder("C:\\f.cln\\inner"), FakeFileError::kPathNotFound);
}

// --- Files and folders in the wrong place ---

TEST_F(FakeFileSystemTest, FoldersAreNotFilesAndFilesAreNotFolders) {
  fs_.putFolder("C:\\dir");
  fs_.putFile("C:\\file.cln", "x");
  EXPECT_EQ(fs_.readWhole("C:\\dir").error.systemError, 5u);
  ExpectError(fs_.writeNew("C:\\dir", "x"), FakeFileError::kAccessDenied);
  ExpectError(fs_.remove("C:\\dir"), FakeFileError::kAccessDenied);
  ExpectError(fs_.removeFolder("C:\\file.cln"), FakeFileError::kNotAFolder);
  ExpectError(fs_.removeFolder("C:\\missing"), FakeFileError::kFileNotFound);
}

TEST_F(FakeFileSystemTest, AReadOnlyFileCanBeRenamedButNotReplacedOrRemoved) {
  fs_.putFile("C:\\r.cln", "kept");
  fs_.setReadOnly("C:\\r.cln", true);
  ExpectError(fs_.replaceAtomically("C:\\r.cln", "lost"), FakeFileError::kAccessDenied);
  ExpectError(fs_.remove("C:\\r.cln"), FakeFileError::kAccessDenied);
  ASSERT_EQ(fs_.rename("C:\\r.cln", "C:\\s.cln"), std::nullopt);
  EXPECT_EQ(fs_.contentOf("C:\\s.cln"), "kept");
  EXPECT_TRUE(fs_.attributes("C:\\s.cln")->readOnly);
}

TEST_F(FakeFileSystemTest, RenameThatOnlyChangesCaseKeepsTheFile) {
  fs_.putFile("C:\\save0001.cln", "x");
  ASSERT_EQ(fs_.rename("C:\\save0001.cln", "C:\\SAVE0001.cln"), std::nullopt);
  EXPECT_EQ(Names(fs_.list("C:\\*")), std::vector<std::string>{"SAVE0001.cln"});
}

TEST_F(FakeFileSystemTest, AFolderCannotMoveIntoItself) {
  fs_.putFolder("C:\\a\\b");
  ExpectError(fs_.rename("C:\\a", "C:\\a\\b\\a"), FakeFileError::kSharingViolation);
  EXPECT_TRUE(fs_.exists("C:\\a\\b"));
}

// --- Times follow the virtual clock ---

TEST_F(FakeFileSystemTest, WritesStampTimesFromTheClock) {
  DateTime start = clock_.localNow();
  ASSERT_EQ(fs_.writeNew("C:\\t.cln", "1"), std::nullopt);
  clock_.advance(5000);
  DateTime later = clock_.localNow();
  ASSERT_EQ(fs_.writeNew("C:\\t.cln", "2"), std::nullopt);
  FileTimes afterTruncate = *fs_.times("C:\\t.cln").value;
  EXPECT_EQ(afterTruncate.created, start);
  EXPECT_EQ(afterTruncate.lastWritten, later);

  clock_.advance(5000);
  ASSERT_EQ(fs_.append("C:\\t.cln", "3"), std::nullopt);
  EXPECT_EQ(fs_.times("C:\\t.cln").value->lastWritten, clock_.localNow());
  clock_.advance(5000);
  ASSERT_EQ(fs_.replaceAtomically("C:\\t.cln", "4"), std::nullopt);
  FileTimes afterReplace = *fs_.times("C:\\t.cln").value;
  EXPECT_EQ(afterReplace.created, start);
  EXPECT_EQ(afterReplace.lastWritten, clock_.localNow());

  clock_.advance(5000);
  ASSERT_EQ(fs_.rename("C:\\t.cln", "C:\\u.cln"), std::nullopt);
  FileTimes afterRename = *fs_.times("C:\\u.cln").value;
  EXPECT_EQ(afterRename.created, afterReplace.created);
  EXPECT_EQ(afterRename.lastWritten, afterReplace.lastWritten);
}

TEST_F(FakeFileSystemTest, ANewFileHasEqualTimes) {
  ASSERT_EQ(fs_.append("C:\\new.txt", "x"), std::nullopt);
  FileTimes times = *fs_.times("C:\\new.txt").value;
  EXPECT_EQ(times.created, clock_.localNow());
  EXPECT_EQ(times.created, times.lastWritten);
}

// --- Listing order ---

TEST_F(FakeFileSystemTest, ListFollowsTheOrderOfAdding) {
  for (const char* name : {"c.cln", "a.cln", "b.cln"}) fs_.putFile(std::string("C:\\") + name, "");
  EXPECT_EQ(Names(fs_.list("C:\\*.cln")), (std::vector<std::string>{"c.cln", "a.cln", "b.cln"}));
  ASSERT_EQ(fs_.replaceAtomically("C:\\c.cln", "x"), std::nullopt);  // stays in place
  ASSERT_EQ(fs_.rename("C:\\a.cln", "C:\\d.cln"), std::nullopt);     // counts as added now
  EXPECT_EQ(Names(fs_.list("C:\\*.cln")), (std::vector<std::string>{"c.cln", "b.cln", "d.cln"}));
}

TEST_F(FakeFileSystemTest, PatternsMatchWholeCharactersAndDotStarMatchesNamesWithoutDots) {
  for (const char* name : {"表.cln", "noext", "x.clnx", "ab.cln"}) {
    fs_.putFile(std::string("C:\\") + name, "");
  }
  EXPECT_EQ(Names(fs_.list("C:\\?.cln")), std::vector<std::string>{"表.cln"});
  EXPECT_EQ(Names(fs_.list("C:\\*.cln")), (std::vector<std::string>{"表.cln", "ab.cln"}));
  EXPECT_EQ(Names(fs_.list("C:\\noext.*")), std::vector<std::string>{"noext"});
  EXPECT_EQ(fs_.list("C:\\*.*").size(), 4u);
  EXPECT_TRUE(fs_.list("C:\\*.cln\\").empty());
}

// --- Exclusive holds ---

TEST_F(FakeFileSystemTest, AHeldFileRefusesEveryChangeButCanBeLookedAt) {
  fs_.putFile("C:\\share\\quillboxCommon.cln", "m");
  auto held = fs_.openExclusive("C:\\Share\\QUILLBOXCOMMON.CLN");
  ASSERT_TRUE(held.ok());
  const std::string path = "C:\\share\\quillboxCommon.cln";
  const FileError& busy = FakeFileError::kSharingViolation;
  ExpectError(fs_.writeNew(path, "x"), busy);
  ExpectError(fs_.append(path, "x"), busy);
  ExpectError(fs_.replaceAtomically(path, "x"), busy);
  ExpectError(fs_.remove(path), busy);
  ExpectError(fs_.rename(path, "C:\\share\\other.cln"), busy);
  ExpectError(fs_.rename("C:\\share", "C:\\moved"), busy);
  ExpectError(fs_.setTimes(path, DateTime{}, std::nullopt), busy);
  EXPECT_TRUE(fs_.attributes(path).has_value());
  EXPECT_TRUE(fs_.times(path).ok());
  EXPECT_EQ(fs_.list("C:\\share\\*").size(), 1u);
  EXPECT_EQ(fs_.contentOf(path), "m");
}

TEST_F(FakeFileSystemTest, AHoldMayOutliveTheFileSystem) {
  std::unique_ptr<ExclusiveFile> held;
  {
    FakeFileSystem shortLived(clock_);
    held = std::move(*shortLived.openExclusive("C:\\lock.cln").value);
  }
  held.reset();  // must not touch the destroyed file system
  SUCCEED();
}

TEST_F(FakeFileSystemTest, ExclusiveOpenOfAReadOnlyFileOrAFolderIsRefused) {
  fs_.putFile("C:\\r.cln", "");
  fs_.setReadOnly("C:\\r.cln", true);
  fs_.putFolder("C:\\dir");
  EXPECT_EQ(fs_.openExclusive("C:\\r.cln").error.systemError, 5u);
  EXPECT_EQ(fs_.openExclusive("C:\\dir").error.systemError, 5u);
  EXPECT_EQ(fs_.openExclusive("C:\\none\\x.cln").error.systemError, 3u);
}

// --- Fault injection ---

TEST_F(FakeFileSystemTest, ACountedFaultFailsThatManyMatchingCallsAndChangesNothing) {
  const FileError diskFull{FileCause::kDiskFull, 112};
  fs_.putFile("C:\\home\\clipsave\\SAVE0001.cln", "old");
  fs_.failNext(FileOperation::kWriteNew, "c:\\HOME\\*\\*.cln", diskFull, 2);
  EXPECT_EQ(fs_.writeNew("C:\\home\\other.txt", "x"), std::nullopt);  // does not match
  ExpectError(fs_.writeNew("C:\\home\\clipsave\\SAVE0001.cln", "new"), diskFull);
  EXPECT_EQ(fs_.append("C:\\home\\clipsave\\SAVE0001.cln", "+"), std::nullopt);  // other call
  ExpectError(fs_.writeNew("C:\\home\\clipsave\\SAVE0002.cln", "new"), diskFull);
  EXPECT_FALSE(fs_.exists("C:\\home\\clipsave\\SAVE0002.cln"));
  EXPECT_EQ(fs_.contentOf("C:\\home\\clipsave\\SAVE0001.cln"), "old+");
  EXPECT_EQ(fs_.writeNew("C:\\home\\clipsave\\SAVE0002.cln", "new"), std::nullopt);
}

TEST_F(FakeFileSystemTest, APermanentFaultLastsUntilCleared) {
  const FileError hardware{FileCause::kHardIo, 1117};
  fs_.failAlways(FileOperation::kAny, "\\\\server\\share\\*", hardware);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(fs_.readWhole("\\\\server\\share\\a.cln").error.systemError, 1117u);
  }
  EXPECT_EQ(fs_.attributes("\\\\server\\share\\a"), std::nullopt);
  EXPECT_TRUE(fs_.list("\\\\server\\share\\*.*").empty());
  EXPECT_EQ(fs_.writeNew("C:\\a.cln", "x"), std::nullopt);
  fs_.clearFaults();
  EXPECT_EQ(fs_.writeNew("\\\\server\\share\\a.cln", "x"), std::nullopt);
}

TEST_F(FakeFileSystemTest, FaultsHideWhatExistsAndRenameMatchesEitherPath) {
  fs_.putFile("C:\\a.cln", "x");
  fs_.failNext(FileOperation::kAttributes, "C:\\a.cln", FakeFileError::kAccessDenied);
  EXPECT_EQ(fs_.attributes("C:\\a.cln"), std::nullopt);
  EXPECT_TRUE(fs_.attributes("C:\\a.cln").has_value());
  fs_.failNext(FileOperation::kRename, "*\\target.cln", FakeFileError::kAccessDenied);
  ExpectError(fs_.rename("C:\\a.cln", "C:\\target.cln"), FakeFileError::kAccessDenied);
  EXPECT_TRUE(fs_.exists("C:\\a.cln"));
}

TEST_F(FakeFileSystemTest, TheEarliestMatchingFaultWins) {
  fs_.failNext(FileOperation::kRemove, "*", FileError{FileCause::kLockViolation, 33});
  fs_.failNext(FileOperation::kRemove, "*", FileError{FileCause::kHardIo, 1117});
  EXPECT_EQ(fs_.remove("C:\\x")->systemError, 33u);
  EXPECT_EQ(fs_.remove("C:\\x")->systemError, 1117u);
}

// --- Test helpers ---

TEST_F(FakeFileSystemTest, HelpersBypassTheRulesAndAreNotRecorded) {
  fs_.putFile("C:\\deep\\er\\x.cln", "x");
  EXPECT_TRUE(fs_.exists("c:\\DEEP\\er"));
  EXPECT_EQ(fs_.contentOf("C:\\deep\\er"), std::nullopt);
  EXPECT_EQ(fs_.contentOf("C:\\none.cln"), std::nullopt);
  EXPECT_THROW(fs_.setReadOnly("C:\\none.cln", true), std::logic_error);
  EXPECT_THROW(fs_.putFile("C:\\deep\\er\\x.cln\\y", "x"), std::logic_error);
  EXPECT_TRUE(fs_.calls().empty());
  fs_.readWhole("C:\\deep\\er\\x.cln");
  fs_.rename("C:\\a", "C:\\b");
  ASSERT_EQ(fs_.calls().size(), 2u);
  EXPECT_EQ(fs_.calls()[0].operation, FileOperation::kReadWhole);
  EXPECT_EQ(fs_.calls()[1].path, "C:\\a -> C:\\b");
}

}  // namespace
}  // namespace qb
