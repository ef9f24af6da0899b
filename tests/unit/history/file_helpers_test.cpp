// The small file helpers every store shares, and the error texts users see.
#include "history/file_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"

namespace qb {
namespace {

class FileHelpersTest : public ::testing::Test {
 protected:
  std::vector<std::string> createdFolders() const {
    std::vector<std::string> paths;
    for (const FileCall& call : fs_.calls()) {
      if (call.operation == FileOperation::kCreateFolder) paths.push_back(call.path);
    }
    return paths;
  }

  FakeClock clock_;
  FakeFileSystem fs_{clock_};
};

// --- Error texts ---

TEST(FileErrorTextTest, EveryCauseHasItsText) {
  const char* texts[] = {
      "エラー詳細：エラーなし",
      "エラー詳細：未定義エラー",
      "エラー詳細：ファイル未定義",
      "エラー詳細：不正パス",
      "エラー詳細：オープン ファイル数超過",
      "エラー詳細：ファイル アクセス禁止",
      "エラー詳細：不正ファイル ハンドル使用",
      "エラー詳細：作業中のカレント ディレクトリの削除不可",
      "エラー詳細：ディレクトリ フル",
      "エラー詳細：ファイル ポインタ設定エラー",
      "エラー詳細：ハードウェア エラー",
      "エラー詳細：SHARE.EXE 未ロードまたは共有領域ロック済み",
      "エラー詳細：ロック済み領域のロック要求",
      "エラー詳細：ディスク フル",
      "エラー詳細：ファイルの終わりに到達",
  };
  for (int cause = 0; cause <= 14; ++cause) {
    EXPECT_EQ(FileErrorText(cause), texts[cause]) << "cause " << cause;
  }
  EXPECT_EQ(FileErrorText(FileCause::kSharingViolation), texts[11]);
}

TEST(FileErrorTextTest, AnUnknownCauseKeepsThePrefix) {
  EXPECT_EQ(FileErrorText(15), "エラー詳細：エラー内容不明");
  EXPECT_EQ(FileErrorText(-1), "エラー詳細：エラー内容不明");
}

// --- Reading ---

TEST_F(FileHelpersTest, ReadWholeFileGivesTheContent) {
  fs_.putFile("C:\\home\\a.cln", std::string("a\0b", 3));
  std::string text;
  std::string error = "stale";
  EXPECT_EQ(ReadWholeFile(fs_, "C:\\home\\a.cln", text, error), 0);
  EXPECT_EQ(text, std::string("a\0b", 3));
  EXPECT_EQ(error, "");
}

TEST_F(FileHelpersTest, AFailedReadLeavesNoTextAndTellsTheCause) {
  fs_.putFolder("C:\\home");
  std::string text = "stale";
  std::string error;
  EXPECT_EQ(ReadWholeFile(fs_, "C:\\home\\none.cln", text, error), -1);
  EXPECT_EQ(text, "");
  EXPECT_EQ(error, "エラー詳細：ファイル未定義");

  fs_.putFile("C:\\home\\held.cln", "x");
  fs_.failNext(FileOperation::kReadWhole, "*held.cln", FakeFileError::kSharingViolation);
  text = "stale";
  EXPECT_EQ(ReadWholeFile(fs_, "C:\\home\\held.cln", text, error), -1);
  EXPECT_EQ(text, "");
  EXPECT_EQ(error, "エラー詳細：SHARE.EXE 未ロードまたは共有領域ロック済み");
}

// --- Deleting and renaming ---

TEST_F(FileHelpersTest, DeleteMatchingFilesRemovesEveryMatchAndKeepsTheRest) {
  for (const char* name : {"SAVE0001.cln", "save0002.CLN", "keep.txt"}) {
    fs_.putFile(std::string("C:\\home\\clipsave\\") + name, "x");
  }
  EXPECT_EQ(DeleteMatchingFiles(fs_, "C:\\home\\clipsave\\*.cln"), 0);
  EXPECT_FALSE(fs_.exists("C:\\home\\clipsave\\SAVE0001.cln"));
  EXPECT_FALSE(fs_.exists("C:\\home\\clipsave\\save0002.CLN"));
  EXPECT_TRUE(fs_.exists("C:\\home\\clipsave\\keep.txt"));
}

TEST_F(FileHelpersTest, DeleteMatchingFilesWithoutAMatchFails) {
  fs_.putFile("C:\\home\\x.txt", "x");
  fs_.putFolder("C:\\home\\sub.cln");
  EXPECT_EQ(DeleteMatchingFiles(fs_, "C:\\home\\*.cln"), -1);  // a folder is not a file
  EXPECT_TRUE(fs_.exists("C:\\home\\sub.cln"));
  EXPECT_EQ(DeleteMatchingFiles(fs_, "C:\\none\\*.cln"), -1);
}

TEST_F(FileHelpersTest, AFileThatWillNotGoIsSkipped) {
  fs_.putFile("C:\\home\\a.cln", "x");
  fs_.putFile("C:\\home\\b.cln", "x");
  fs_.setReadOnly("C:\\home\\a.cln", true);
  EXPECT_EQ(DeleteMatchingFiles(fs_, "C:\\home\\*.cln"), 0);
  EXPECT_TRUE(fs_.exists("C:\\home\\a.cln"));
  EXPECT_FALSE(fs_.exists("C:\\home\\b.cln"));
}

TEST_F(FileHelpersTest, DeleteMatchingFilesFindsFilesInAFolderEndingInATrailByte) {
  fs_.putFile("C:\\表示ソ\\STAK001.cln", "x");  // ソ is 83 5C
  EXPECT_EQ(DeleteMatchingFiles(fs_, "C:\\表示ソ\\STAK001.cln"), 0);
  EXPECT_FALSE(fs_.exists("C:\\表示ソ\\STAK001.cln"));
}

TEST_F(FileHelpersTest, RenameItemFileSwallowsAFailure) {
  fs_.putFile("C:\\home\\a.cln", "A");
  fs_.putFile("C:\\home\\b.cln", "B");
  EXPECT_EQ(RenameItemFile(fs_, "C:\\home\\a.cln", "C:\\home\\b.cln"), 0);
  EXPECT_EQ(fs_.contentOf("C:\\home\\a.cln"), "A");
  EXPECT_EQ(fs_.contentOf("C:\\home\\b.cln"), "B");
  EXPECT_EQ(RenameItemFile(fs_, "C:\\home\\a.cln", "C:\\home\\c.cln"), 0);
  EXPECT_EQ(fs_.contentOf("C:\\home\\c.cln"), "A");
}

// --- Paths ---

TEST_F(FileHelpersTest, PathExistsIgnoresOneTrailingBackslash) {
  fs_.putFolder("C:\\home");
  EXPECT_TRUE(PathExists(fs_, "C:\\home"));
  EXPECT_TRUE(PathExists(fs_, "C:\\home\\"));
  EXPECT_FALSE(PathExists(fs_, "C:\\home\\\\"));
  EXPECT_FALSE(PathExists(fs_, "C:\\none\\"));
  fs_.putFolder("C:\\表示ソ");  // the last byte is a trail byte, not a separator
  EXPECT_TRUE(PathExists(fs_, "C:\\表示ソ"));
}

TEST_F(FileHelpersTest, CreateFolderPathCreatesEachMissingLevel) {
  EXPECT_EQ(CreateFolderPath(fs_, "C:\\a\\b\\c"), 0);
  EXPECT_EQ(createdFolders(), (std::vector<std::string>{"C:\\a", "C:\\a\\b", "C:\\a\\b\\c"}));
  fs_.clearCalls();
  EXPECT_EQ(CreateFolderPath(fs_, "C:\\a\\b\\d"), 0);
  EXPECT_EQ(createdFolders(), std::vector<std::string>{"C:\\a\\b\\d"});
  fs_.clearCalls();
  EXPECT_EQ(CreateFolderPath(fs_, "C:\\a\\b\\c"), 0);
  EXPECT_TRUE(createdFolders().empty());
}

TEST_F(FileHelpersTest, CreateFolderPathOnAShareBeginsWithTheShareFolder) {
  EXPECT_EQ(CreateFolderPath(fs_, "\\\\server\\share\\Quillbox\\共有"), 0);
  EXPECT_EQ(createdFolders(), (std::vector<std::string>{"\\\\server\\share\\Quillbox",
                                                        "\\\\server\\share\\Quillbox\\共有"}));
  // Only the attributes of the share itself were asked for; the server alone was never a step.
  for (const FileCall& call : fs_.calls()) EXPECT_NE(call.path, "\\\\server");
}

TEST_F(FileHelpersTest, CreateFolderPathWithATrailingBackslashTakesNoEmptyStep) {
  EXPECT_EQ(CreateFolderPath(fs_, "C:\\x\\y\\"), 0);
  EXPECT_EQ(createdFolders(), (std::vector<std::string>{"C:\\x", "C:\\x\\y"}));
}

TEST_F(FileHelpersTest, CreateFolderPathSplitsOnlyAtRealBackslashes) {
  EXPECT_EQ(CreateFolderPath(fs_, "C:\\表示ソ\\予定表"), 0);
  EXPECT_EQ(createdFolders(), (std::vector<std::string>{"C:\\表示ソ", "C:\\表示ソ\\予定表"}));
}

TEST_F(FileHelpersTest, CreateFolderPathRefusesShortPaths) {
  FileError failure;
  EXPECT_EQ(CreateFolderPath(fs_, "C:\\", &failure), -1);
  EXPECT_EQ(failure.cause, FileCause::kBadPath);
  EXPECT_EQ(CreateFolderPath(fs_, ""), -1);
  EXPECT_EQ(CreateFolderPath(fs_, "C:\\a"), 0);
  EXPECT_TRUE(fs_.exists("C:\\a"));
}

TEST_F(FileHelpersTest, CreateFolderPathStopsAtTheFirstFailure) {
  fs_.failNext(FileOperation::kCreateFolder, "C:\\a\\b", FileError{FileCause::kDiskFull, 112});
  FileError failure;
  EXPECT_EQ(CreateFolderPath(fs_, "C:\\a\\b\\c", &failure), -1);
  EXPECT_EQ(failure.cause, FileCause::kDiskFull);
  EXPECT_EQ(failure.systemError, 112u);
  EXPECT_EQ(createdFolders(), (std::vector<std::string>{"C:\\a", "C:\\a\\b"}));
  EXPECT_TRUE(fs_.exists("C:\\a"));
  EXPECT_FALSE(fs_.exists("C:\\a\\b"));
}

TEST_F(FileHelpersTest, CreateFolderPathFailsBelowAFile) {
  fs_.putFile("C:\\a\\file", "x");
  EXPECT_EQ(CreateFolderPath(fs_, "C:\\a\\file\\sub"), -1);
}

TEST_F(FileHelpersTest, CreateFolderPathHandlesAtMostAHundredLevels) {
  std::string hundred = "C:";
  for (int level = 0; level < 100; ++level) hundred += "\\d";
  EXPECT_EQ(CreateFolderPath(fs_, hundred), 0);
  EXPECT_TRUE(fs_.exists(hundred));
  fs_.clearCalls();
  FileError failure;
  EXPECT_EQ(CreateFolderPath(fs_, "D:" + hundred.substr(2) + "\\d", &failure), -1);
  EXPECT_EQ(failure.cause, FileCause::kBadPath);
  EXPECT_TRUE(fs_.calls().empty());  // nothing half made
}

}  // namespace
}  // namespace qb
