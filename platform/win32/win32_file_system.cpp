#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include "base/sjis.h"
#include "platform/win32/file_error.h"
#include "platform/win32/file_io.h"
#include "platform/win32/windows_time.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_path.h"

namespace qb {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

std::wstring WidePath(std::string_view path) { return AbsolutePath(SjisToWide(path)); }

FileError ErrorOf(DWORD windowsError) {
  return FileError{FileCauseForWindowsError(windowsError), windowsError};
}

class Win32ExclusiveFile : public ExclusiveFile {
 public:
  explicit Win32ExclusiveFile(UniqueHandle handle) : handle_(std::move(handle)) {}

 private:
  UniqueHandle handle_;
};

// A name the core can use again to reach the file: the long name when code page 932 holds it,
// else the short name.
std::string EntryName(const WIN32_FIND_DATAW& found) {
  if (auto exact = WideToSjisExact(found.cFileName)) return *exact;
  if (found.cAlternateFileName[0] != L'\0') return WideToSjis(found.cAlternateFileName);
  return WideToSjis(found.cFileName);
}

FileEntry EntryOf(const WIN32_FIND_DATAW& found, const FILETIME& created) {
  FileEntry entry;
  entry.name = EntryName(found);
  entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  entry.size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  entry.created = LocalDateTimeFromFileTime(created).value_or(DateTime{});
  entry.lastWritten = LocalDateTimeFromFileTime(found.ftLastWriteTime).value_or(DateTime{});
  return entry;
}

FILETIME RecordedOr(const std::optional<CreationRecords>& records, const std::wstring& name,
                    const FILETIME& own) {
  if (!records) return own;
  auto it = records->find(CaseKey(name));
  return it == records->end() ? own : FileTimeFromTicks(it->second.created);
}

// The last byte of "表示ソ" is 0x5C as well, but it belongs to its character.
bool EndsWithSeparator(std::string_view path) {
  if (path.empty() || IsSjisTrailPosition(path, path.size() - 1)) return false;
  return path.back() == '\\' || path.back() == '/';
}

// Windows refuses to open a read-only file for writing; a volume that Wine serves to the
// superuser would not, so the adapter refuses it itself, with the same error.
FileFailure RefuseReadOnly(const std::wstring& path) {
  const DWORD found = GetFileAttributesW(path.c_str());
  if (found != INVALID_FILE_ATTRIBUTES && (found & FILE_ATTRIBUTE_READONLY) != 0) {
    return ErrorOf(ERROR_ACCESS_DENIED);
  }
  return std::nullopt;
}

}  // namespace

Win32FileSystem::Win32FileSystem(CreationTimePolicy policy) : creationTimes_(policy) {}

FileResult<std::string> Win32FileSystem::readWhole(std::string_view path) {
  return readHead(path, std::string::npos);
}

FileResult<std::string> Win32FileSystem::readHead(std::string_view path, std::size_t maxBytes) {
  UniqueHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return FileResult<std::string>::failure(LastFileError());
  return ReadUpTo(file.get(), maxBytes);
}

FileFailure Win32FileSystem::writeFile(const std::wstring& path, std::string_view bytes,
                                       DWORD disposition) {
  if (auto refused = RefuseReadOnly(path)) return refused;
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return LastFileError();
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  if (disposition == OPEN_ALWAYS && !SetFilePointerEx(file.get(), {}, nullptr, FILE_END)) {
    return LastFileError();
  }
  if (auto failure = WriteAll(file.get(), bytes)) return failure;
  if (!file.reset()) return LastFileError();
  if (!existed) return creationTimes_.noteNewFile(path);
  return std::nullopt;
}

FileFailure Win32FileSystem::writeNew(std::string_view path, std::string_view bytes) {
  return writeFile(WidePath(path), bytes, CREATE_ALWAYS);
}

FileFailure Win32FileSystem::append(std::string_view path, std::string_view bytes) {
  return writeFile(WidePath(path), bytes, OPEN_ALWAYS);
}

FileFailure Win32FileSystem::replaceAtomically(std::string_view path, std::string_view bytes) {
  const std::wstring wide = WidePath(path);
  WIN32_FILE_ATTRIBUTE_DATA existing;
  const bool existed = GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &existing) != 0;
  if (existed && (existing.dwFileAttributes &
                  (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
    return ErrorOf(ERROR_ACCESS_DENIED);
  }
  DWORD attributes = existed ? (existing.dwFileAttributes & kKeptAttributes) : 0;
  if (attributes == 0) attributes = FILE_ATTRIBUTE_NORMAL;
  std::optional<FILETIME> created;
  if (existed) created = existing.ftCreationTime;
  if (auto failure = ReplaceContent(wide, bytes, attributes, created)) return failure;
  if (!existed) return creationTimes_.noteNewFile(wide);
  return std::nullopt;
}

FileFailure Win32FileSystem::writeAtomically(std::string_view path, std::string_view bytes,
                                             DateTime created) {
  const std::optional<FILETIME> createdTime = FileTimeFromLocalDateTime(created);
  if (!createdTime) return ErrorOf(ERROR_INVALID_PARAMETER);
  const std::wstring wide = WidePath(path);
  if (auto refused = RefuseReadOnly(wide)) return refused;
  if (auto failure = ReplaceContent(wide, bytes, FILE_ATTRIBUTE_NORMAL, createdTime,
                                    WriteDurability::kCached)) {
    return failure;
  }
  return creationTimes_.noteCreationSet(wide, *createdTime);
}

std::optional<FileAttributes> Win32FileSystem::attributes(std::string_view path) {
  if (EndsWithSeparator(path)) return std::nullopt;
  const DWORD found = GetFileAttributesW(WidePath(path).c_str());
  if (found == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return FileAttributes{(found & FILE_ATTRIBUTE_DIRECTORY) != 0,
                        (found & FILE_ATTRIBUTE_READONLY) != 0};
}

FileFailure Win32FileSystem::createFolder(std::string_view path) {
  if (!CreateDirectoryW(WidePath(path).c_str(), nullptr)) return LastFileError();
  return std::nullopt;
}

FileFailure Win32FileSystem::remove(std::string_view path) {
  const std::wstring wide = WidePath(path);
  if (!DeleteFileW(wide.c_str())) return LastFileError();
  creationTimes_.noteRemoved(wide);
  return std::nullopt;
}

FileFailure Win32FileSystem::removeFolder(std::string_view path) {
  const std::wstring wide = WidePath(path);
  if (RemoveDirectoryW(wide.c_str())) return std::nullopt;
  const FileError error = LastFileError();
  if (error.systemError != ERROR_DIR_NOT_EMPTY || !creationTimes_.removeWhenAlone(AsFolder(wide))) {
    return error;
  }
  if (!RemoveDirectoryW(wide.c_str())) return LastFileError();
  return std::nullopt;
}

FileFailure Win32FileSystem::rename(std::string_view oldPath, std::string_view newPath) {
  const std::wstring from = WidePath(oldPath);
  const std::wstring to = WidePath(newPath);
  const CreationTimeMove move = creationTimes_.beforeRename(from, to);
  if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_COPY_ALLOWED)) return LastFileError();
  return creationTimes_.afterRename(move);
}

std::vector<FileEntry> Win32FileSystem::list(std::string_view wildcardPath) {
  FileResult<std::vector<FileEntry>> listed = tryList(wildcardPath);
  return listed.ok() ? std::move(*listed.value) : std::vector<FileEntry>{};
}

FileResult<std::vector<FileEntry>> Win32FileSystem::tryList(std::string_view wildcardPath) {
  using Result = FileResult<std::vector<FileEntry>>;
  const std::wstring pattern = WidePath(wildcardPath);
  std::vector<FileEntry> entries;
  WIN32_FIND_DATAW found;
  FindHandle search(FindFirstFileW(pattern.c_str(), &found));
  if (!search.valid()) {
    // No match in a folder that exists is an empty list.
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return Result::success(std::move(entries));
    return Result::failure(LastFileError());
  }
  const std::wstring folder = SplitFolderAndName(pattern).folder;
  std::optional<CreationRecords> records;
  bool recordsRead = false;
  do {
    const std::wstring_view name(found.cFileName);
    if (name == L"." || name == L".." || CreationTimeStore::IsStoreFileName(name)) continue;
    if (!recordsRead) {
      records = creationTimes_.recordsForListing(folder);
      recordsRead = true;
    }
    entries.push_back(EntryOf(found, RecordedOr(records, found.cFileName, found.ftCreationTime)));
  } while (FindNextFileW(search.get(), &found));
  if (GetLastError() != ERROR_NO_MORE_FILES) return Result::failure(LastFileError());
  return Result::success(std::move(entries));
}

FileResult<FileTimes> Win32FileSystem::times(std::string_view path) {
  using Result = FileResult<FileTimes>;
  const std::wstring wide = WidePath(path);
  UniqueHandle file(CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.valid()) return Result::failure(LastFileError());
  FILETIME created;
  FILETIME written;
  if (!GetFileTime(file.get(), &created, nullptr, &written)) {
    return Result::failure(LastFileError());
  }
  file.reset();
  std::optional<DateTime> localCreated =
      LocalDateTimeFromFileTime(creationTimes_.reported(wide, created));
  std::optional<DateTime> localWritten = LocalDateTimeFromFileTime(written);
  if (!localCreated || !localWritten) return Result::failure(LastFileError());
  return Result::success(FileTimes{*localCreated, *localWritten});
}

FileFailure Win32FileSystem::setTimes(std::string_view path, std::optional<DateTime> created,
                                      std::optional<DateTime> lastWritten) {
  std::optional<FILETIME> createdTime;
  std::optional<FILETIME> writtenTime;
  if (created && !(createdTime = FileTimeFromLocalDateTime(*created))) {
    return ErrorOf(ERROR_INVALID_PARAMETER);
  }
  if (lastWritten && !(writtenTime = FileTimeFromLocalDateTime(*lastWritten))) {
    return ErrorOf(ERROR_INVALID_PARAMETER);
  }
  const std::wstring wide = WidePath(path);
  UniqueHandle file(CreateFileW(wide.c_str(), FILE_WRITE_ATTRIBUTES, kShareAll, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.valid()) return LastFileError();
  if (!SetFileTime(file.get(), createdTime ? &*createdTime : nullptr, nullptr,
                   writtenTime ? &*writtenTime : nullptr)) {
    return LastFileError();
  }
  if (!file.reset()) return LastFileError();
  if (createdTime) return creationTimes_.noteCreationSet(wide, *createdTime);
  return std::nullopt;
}

FileResult<std::unique_ptr<ExclusiveFile>> Win32FileSystem::openExclusive(std::string_view path) {
  using Result = FileResult<std::unique_ptr<ExclusiveFile>>;
  const std::wstring wide = WidePath(path);
  if (auto refused = RefuseReadOnly(wide)) return Result::failure(*refused);
  UniqueHandle file(CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return Result::failure(LastFileError());
  if (GetLastError() != ERROR_ALREADY_EXISTS) {
    if (auto failure = creationTimes_.noteNewFile(wide)) return Result::failure(*failure);
  }
  std::unique_ptr<ExclusiveFile> held = std::make_unique<Win32ExclusiveFile>(std::move(file));
  return Result::success(std::move(held));
}

}  // namespace qb
