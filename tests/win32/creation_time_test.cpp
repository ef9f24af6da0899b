// Creation times where the volume does not keep them: the substitute file beside the items.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/creation_time_probe.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/windows_time.h"
#include "tests/support/file_error_print.h"
#include "tests/win32/scratch_folder.h"

namespace qb {
namespace {

constexpr DateTime kLongAgo{2001, 2, 3, 4, 5, 6, 789};
constexpr DateTime kLater{2002, 1, 15, 16, 17, 18, 0};
constexpr wchar_t kSubstituteName[] = L"qbctimes.qbt";

bool Near(const DateTime& a, const DateTime& b, std::int64_t milliseconds = 5000) {
  return std::llabs(ToEpochMilliseconds(a) - ToEpochMilliseconds(b)) <= milliseconds;
}

class CreationTimeSubstituteTest : public ::testing::Test {
 protected:
  std::string at(const std::string& name) { return scratch_.at(name); }
  void write(const std::string& name, const std::string& bytes = "x") {
    ASSERT_EQ(fs_.writeNew(at(name), bytes), std::nullopt) << name;
  }
  void setCreated(const std::string& name, const DateTime& created) {
    ASSERT_EQ(fs_.setTimes(at(name), created, std::nullopt), std::nullopt) << name;
  }
  DateTime createdOf(const std::string& name) {
    FileResult<FileTimes> times = fs_.times(at(name));
    EXPECT_TRUE(times.ok()) << name;
    return times.ok() ? times.value->created : DateTime{};
  }
  std::optional<DateTime> listedCreatedOf(const std::string& pattern, const std::string& name) {
    for (const FileEntry& entry : fs_.list(at(pattern))) {
      if (entry.name == name) return entry.created;
    }
    return std::nullopt;
  }
  DWORD substituteAttributes(const std::wstring& folder = L"") {
    std::wstring path = scratch_.widePath() + L"\\" + folder;
    if (!folder.empty()) path += L"\\";
    return GetFileAttributesW((path + kSubstituteName).c_str());
  }

  test::ScratchFolder scratch_;
  Win32Clock clock_;
  Win32FileSystem fs_{CreationTimePolicy::kSubstituteEverywhere};
};

TEST_F(CreationTimeSubstituteTest, ASetCreationTimeIsReportedByTimesAndList) {
  write("SAVE0001.cln");
  ASSERT_EQ(fs_.setTimes(at("SAVE0001.cln"), kLongAgo, kLater), std::nullopt);
  EXPECT_EQ(createdOf("SAVE0001.cln"), kLongAgo);
  EXPECT_EQ(listedCreatedOf("*.cln", "SAVE0001.cln"), kLongAgo);
  EXPECT_EQ(listedCreatedOf("save0001.CLN", "SAVE0001.cln"), kLongAgo);
  FileResult<FileTimes> times = fs_.times(at("SAVE0001.cln"));
  ASSERT_TRUE(times.ok());
  EXPECT_TRUE(Near(times.value->lastWritten, kLater, 1000));
  const DWORD attributes = substituteAttributes();
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(CreationTimeSubstituteTest, TheSubstituteFileIsNeverListed) {
  write("SAVE0001.cln");
  setCreated("SAVE0001.cln", kLongAgo);
  ASSERT_NE(substituteAttributes(), INVALID_FILE_ATTRIBUTES);
  for (const char* pattern : {"*.*", "*", "qbctimes.qbt", "QBCTIMES.*", "*.qbt", "q*"}) {
    for (const FileEntry& entry : fs_.list(at(pattern))) {
      EXPECT_NE(entry.name, "qbctimes.qbt") << pattern;
    }
  }
  EXPECT_EQ(fs_.list(at("*.*")).size(), 1u);
}

TEST_F(CreationTimeSubstituteTest, ANewFileKeepsItsCreationTimeWhenWrittenAgain) {
  const DateTime before = clock_.localNow();
  write("new.cln");
  ASSERT_EQ(fs_.append(at("log.txt"), "a"), std::nullopt);
  // A later last-write time (what the volume would also report as the creation time).
  ASSERT_EQ(fs_.setTimes(at("new.cln"), std::nullopt, kLater), std::nullopt);
  ASSERT_EQ(fs_.append(at("log.txt"), "b"), std::nullopt);
  EXPECT_TRUE(Near(createdOf("new.cln"), before));
  EXPECT_TRUE(Near(createdOf("log.txt"), before));
  setCreated("new.cln", kLongAgo);
  write("new.cln", "again");
  ASSERT_EQ(fs_.replaceAtomically(at("new.cln"), "replaced"), std::nullopt);
  EXPECT_EQ(createdOf("new.cln"), kLongAgo);
}

TEST_F(CreationTimeSubstituteTest, RenameCarriesTheTimeWithinAndAcrossFolders) {
  write("a.cln");
  setCreated("a.cln", kLongAgo);
  ASSERT_EQ(fs_.rename(at("a.cln"), at("b.cln")), std::nullopt);
  EXPECT_EQ(createdOf("b.cln"), kLongAgo);
  EXPECT_EQ(listedCreatedOf("*", "b.cln"), kLongAgo);
  ASSERT_EQ(fs_.createFolder(at("表示ソ")), std::nullopt);
  ASSERT_EQ(fs_.rename(at("B.CLN"), at("表示ソ\\c.cln")), std::nullopt);
  EXPECT_EQ(createdOf("表示ソ\\c.cln"), kLongAgo);
  EXPECT_EQ(listedCreatedOf("表示ソ\\*.cln", "c.cln"), kLongAgo);
  // The old names keep nothing: files written under them later are new.
  const DateTime now = clock_.localNow();
  write("a.cln");
  write("b.cln");
  EXPECT_TRUE(Near(createdOf("a.cln"), now));
  EXPECT_TRUE(Near(createdOf("b.cln"), now));
}

TEST_F(CreationTimeSubstituteTest, RemoveDropsTheTimeAndTheLastRecordTakesTheFile) {
  write("SAVE0003.cln");
  setCreated("SAVE0003.cln", kLongAgo);
  ASSERT_EQ(fs_.remove(at("SAVE0003.cln")), std::nullopt);
  EXPECT_EQ(substituteAttributes(), INVALID_FILE_ATTRIBUTES);
  const DateTime now = clock_.localNow();
  write("SAVE0003.cln");
  EXPECT_TRUE(Near(createdOf("SAVE0003.cln"), now));
}

TEST_F(CreationTimeSubstituteTest, RemoveFolderTakesALeftOverSubstituteWithIt) {
  ASSERT_EQ(fs_.createFolder(at("group00")), std::nullopt);
  write("group00\\CLIP001.cln");
  write("group00\\CLIP002.cln");
  // Removed by another program: the record stays behind.
  ASSERT_TRUE(DeleteFileW(SjisToWide(at("group00\\CLIP001.cln")).c_str()));
  auto notEmpty = fs_.removeFolder(at("group00"));
  ASSERT_TRUE(notEmpty.has_value());
  EXPECT_EQ(notEmpty->systemError, 145u);
  EXPECT_NE(substituteAttributes(L"group00"), INVALID_FILE_ATTRIBUTES);
  ASSERT_TRUE(DeleteFileW(SjisToWide(at("group00\\CLIP002.cln")).c_str()));
  EXPECT_EQ(fs_.removeFolder(at("group00\\")), std::nullopt);
  EXPECT_EQ(fs_.attributes(at("group00")), std::nullopt);
}

TEST_F(CreationTimeSubstituteTest, RecordsWrittenByAnotherInstanceAreSeen) {
  Win32FileSystem other(CreationTimePolicy::kSubstituteEverywhere);
  write("one.cln");
  write("two.cln");
  setCreated("one.cln", kLongAgo);
  FileResult<FileTimes> seenByOther = other.times(at("one.cln"));
  ASSERT_TRUE(seenByOther.ok());
  EXPECT_EQ(seenByOther.value->created, kLongAgo);
  ASSERT_EQ(other.setTimes(at("two.cln"), kLater, std::nullopt), std::nullopt);
  EXPECT_EQ(createdOf("two.cln"), kLater);
  EXPECT_EQ(createdOf("one.cln"), kLongAgo);
}

TEST_F(CreationTimeSubstituteTest, ChangesAreAppendedAndACrowdedFileIsWrittenAgainWhole) {
  // A full History: every capture gives one of 50 names a new time, a thousand times over.
  for (int round = 0; round < 1000; ++round) {
    const std::string name = "SAVE" + std::to_string(1000 + round % 50) + ".cln";
    ASSERT_EQ(fs_.writeAtomically(at(name), "v", AddMilliseconds(kLongAgo, round * 1000)),
              std::nullopt);
  }
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExW((scratch_.widePath() + L"\\" + kSubstituteName).c_str(),
                                   GetFileExInfoStandard, &data));
  // At most 2 × 50 + 256 lines of about 80 bytes each, not 1000.
  EXPECT_LT(data.nFileSizeLow, 360u * 80u);
  Win32FileSystem fresh(CreationTimePolicy::kSubstituteEverywhere);
  FileResult<FileTimes> last = fresh.times(at("SAVE1049.cln"));
  ASSERT_TRUE(last.ok());
  EXPECT_EQ(last.value->created, AddMilliseconds(kLongAgo, 999 * 1000));
  // Removals are written with the next change; the last one takes the file away.
  for (int n = 1000; n < 1050; ++n) {
    ASSERT_EQ(fs_.remove(at("SAVE" + std::to_string(n) + ".cln")), std::nullopt);
  }
  EXPECT_EQ(substituteAttributes(), INVALID_FILE_ATTRIBUTES);
}

TEST_F(CreationTimeSubstituteTest, RemovalsReachTheFileAtTheLatestWhenTheFileSystemEnds) {
  {
    Win32FileSystem first(CreationTimePolicy::kSubstituteEverywhere);
    ASSERT_EQ(first.writeAtomically(at("a.cln"), "a", kLongAgo), std::nullopt);
    ASSERT_EQ(first.writeAtomically(at("b.cln"), "b", kLongAgo), std::nullopt);
    ASSERT_EQ(first.remove(at("a.cln")), std::nullopt);
  }
  // A file made under the old name by another program has its own time, not the old record's.
  const DateTime now = clock_.localNow();
  HANDLE file = CreateFileW(scratch_.wideAt(L"a.cln").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  Win32FileSystem second(CreationTimePolicy::kSubstituteEverywhere);
  EXPECT_TRUE(Near(second.times(at("a.cln")).value->created, now));
  EXPECT_EQ(second.times(at("b.cln")).value->created, kLongAgo);
}

TEST_F(CreationTimeSubstituteTest, AFileCutInsideALineIsWrittenAgainWhole) {
  write("one.cln");
  setCreated("one.cln", kLongAgo);
  // A write cut short by a crash: half a character of a line that never ended.
  const std::wstring substitute = scratch_.widePath() + L"\\" + kSubstituteName;
  HANDLE file = CreateFileW(substitute.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, "1\0" "2\0\t", 5, &written, nullptr);
  CloseHandle(file);
  Win32FileSystem fresh(CreationTimePolicy::kSubstituteEverywhere);
  write("two.cln");
  ASSERT_EQ(fresh.setTimes(at("two.cln"), kLater, std::nullopt), std::nullopt);
  Win32FileSystem reader(CreationTimePolicy::kSubstituteEverywhere);
  EXPECT_EQ(reader.times(at("one.cln")).value->created, kLongAgo);
  EXPECT_EQ(reader.times(at("two.cln")).value->created, kLater);
}

// Sets a creation time on a scratch file with the raw API and reads it back.
bool VolumeKeepsCreationTimes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  const FILETIME past = *FileTimeFromLocalDateTime(kLongAgo);
  SetFileTime(file, &past, nullptr, nullptr);
  CloseHandle(file);
  WIN32_FILE_ATTRIBUTE_DATA data;
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  DeleteFileW(path.c_str());
  return FileTimeTicks(data.ftCreationTime) == FileTimeTicks(past);
}

TEST(CreationTimeProbe, AgreesWithTheVolumeAndSubstitutesOnlyWhereNeeded) {
  test::ScratchFolder scratch;
  const bool kept = VolumeKeepsCreationTimes(scratch.wideAt(L"raw.tmp"));
  CreationTimeProbe probe;
  const CreationTimeSupport support = probe.forFolder(scratch.widePath() + L"\\");
  EXPECT_EQ(support, kept ? CreationTimeSupport::kKept : CreationTimeSupport::kNotKept);
  EXPECT_EQ(probe.forFolder(scratch.widePath() + L"\\"), support);

  Win32FileSystem fs;
  ASSERT_EQ(fs.writeNew(scratch.at("item.cln"), "x"), std::nullopt);
  ASSERT_EQ(fs.setTimes(scratch.at("item.cln"), kLongAgo, kLater), std::nullopt);
  EXPECT_EQ(fs.times(scratch.at("item.cln")).value->created, kLongAgo);
  const bool substituted =
      GetFileAttributesW(scratch.wideAt(kSubstituteName).c_str()) != INVALID_FILE_ATTRIBUTES;
  EXPECT_EQ(substituted, !kept);
  EXPECT_EQ(fs.list(scratch.at("*.*")).size(), 1u) << "the probe leaves no scratch file";
}

}  // namespace
}  // namespace qb
