// Windows errors as file-exception causes, and the errors the adapter gives where Windows and a
// volume served by Wine would differ.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/file_error.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_file_system.h"
#include "tests/support/file_error_print.h"
#include "tests/win32/scratch_folder.h"

namespace qb {
namespace {

TEST(FileErrorMapping, EachKnownWindowsErrorHasItsCause) {
  const std::pair<std::uint32_t, FileCause> table[] = {
      {2, FileCause::kFileNotFound},      {3, FileCause::kBadPath},
      {4, FileCause::kTooManyOpenFiles},  {5, FileCause::kAccessDenied},
      {6, FileCause::kInvalidFile},       {16, FileCause::kRemoveCurrentDir},
      {82, FileCause::kDirectoryFull},    {25, FileCause::kBadSeek},
      {32, FileCause::kSharingViolation}, {33, FileCause::kLockViolation},
      {39, FileCause::kDiskFull},         {112, FileCause::kDiskFull},
      {38, FileCause::kEndOfFile},        {19, FileCause::kHardIo},
      {21, FileCause::kHardIo},           {23, FileCause::kHardIo},
      {27, FileCause::kHardIo},           {29, FileCause::kHardIo},
      {30, FileCause::kHardIo},           {31, FileCause::kHardIo},
      {80, FileCause::kAccessDenied},     {183, FileCause::kAccessDenied},
      {145, FileCause::kRemoveCurrentDir}, {123, FileCause::kBadPath},
      {161, FileCause::kBadPath},         {206, FileCause::kBadPath},
      {267, FileCause::kBadPath},
  };
  for (const auto& [error, cause] : table) {
    EXPECT_EQ(FileCauseForWindowsError(error), cause) << "Windows error " << error;
  }
}

TEST(FileErrorMapping, AnyOtherErrorIsGeneric) {
  for (std::uint32_t error : {0u, 1u, 20u, 22u, 87u, 0xFFFFFFFFu}) {
    EXPECT_EQ(FileCauseForWindowsError(error), FileCause::kGeneric) << "Windows error " << error;
  }
}

TEST(FileErrorMapping, LastErrorIsReadWithItsNumber) {
  SetLastError(ERROR_SHARING_VIOLATION);
  FileError error = LastFileError();
  EXPECT_EQ(error.cause, FileCause::kSharingViolation);
  EXPECT_EQ(error.systemError, 32u);
}

class Win32FileErrors : public ::testing::Test {
 protected:
  void makeReadOnly(const std::string& name, const std::string& content) {
    ASSERT_EQ(fs_.writeNew(scratch_.at(name), content), std::nullopt);
    SetFileAttributesW(SjisToWide(scratch_.at(name)).c_str(), FILE_ATTRIBUTE_READONLY);
  }
  test::ScratchFolder scratch_;
  Win32FileSystem fs_;
};

TEST_F(Win32FileErrors, AReadOnlyFileRefusesEveryWayOfChangingIt) {
  makeReadOnly("locked.cln", "kept");
  const std::string path = scratch_.at("locked.cln");
  auto expectDenied = [](const FileFailure& failure, const char* what) {
    ASSERT_TRUE(failure.has_value()) << what;
    EXPECT_EQ(failure->cause, FileCause::kAccessDenied) << what;
    EXPECT_EQ(failure->systemError, 5u) << what;
  };
  expectDenied(fs_.replaceAtomically(path, "lost"), "replaceAtomically");
  expectDenied(fs_.remove(path), "remove");
  auto exclusive = fs_.openExclusive(path);
  EXPECT_FALSE(exclusive.ok());
  EXPECT_EQ(exclusive.error.systemError, 5u);
  EXPECT_EQ(fs_.readWhole(path).value, std::string("kept"));
  EXPECT_EQ(fs_.list(scratch_.at("*")).size(), 1u) << "no temporary file is left";
}

TEST_F(Win32FileErrors, AFolderIsNoFileToWrite) {
  ASSERT_EQ(fs_.createFolder(scratch_.at("sub")), std::nullopt);
  auto written = fs_.writeNew(scratch_.at("sub"), "x");
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(written->cause, FileCause::kAccessDenied);
  auto replaced = fs_.replaceAtomically(scratch_.at("sub"), "x");
  ASSERT_TRUE(replaced.has_value());
  EXPECT_EQ(replaced->cause, FileCause::kAccessDenied);
  EXPECT_TRUE(fs_.attributes(scratch_.at("sub")).value().isFolder);
}

TEST_F(Win32FileErrors, ATrailingBackslashIsRefusedButATrailByteIsNot) {
  ASSERT_EQ(fs_.createFolder(scratch_.at("ソ")), std::nullopt);
  EXPECT_EQ(fs_.attributes(scratch_.at("ソ\\")), std::nullopt);
  ASSERT_TRUE(fs_.attributes(scratch_.at("ソ")).has_value());
  EXPECT_TRUE(fs_.attributes(scratch_.at("ソ"))->isFolder);
}

TEST_F(Win32FileErrors, AnImpossibleTimeIsRefusedBeforeTheFileIsTouched) {
  ASSERT_EQ(fs_.writeNew(scratch_.at("t.cln"), "x"), std::nullopt);
  auto before = fs_.times(scratch_.at("t.cln"));
  auto failure = fs_.setTimes(scratch_.at("t.cln"), DateTime{1500, 1, 1}, DateTime{1500, 1, 1});
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->systemError, static_cast<std::uint32_t>(ERROR_INVALID_PARAMETER));
  auto after = fs_.times(scratch_.at("t.cln"));
  ASSERT_TRUE(before.ok() && after.ok());
  EXPECT_EQ(after.value->lastWritten, before.value->lastWritten);
}

}  // namespace
}  // namespace qb
