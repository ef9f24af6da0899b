// The file system as the core sees it. Paths are Windows paths in every build: a drive
// ("C:\data\x.cln") or a UNC share ("\\server\share\x.cln"), backslashes, Shift-JIS bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"

namespace qb {

// File-exception cause codes; FileErrorText turns them into the messages users see.
enum class FileCause : int {
  kNone = 0,
  kGeneric = 1,
  kFileNotFound = 2,
  kBadPath = 3,
  kTooManyOpenFiles = 4,
  kAccessDenied = 5,
  kInvalidFile = 6,
  kRemoveCurrentDir = 7,
  kDirectoryFull = 8,
  kBadSeek = 9,
  kHardIo = 10,
  kSharingViolation = 11,
  kLockViolation = 12,
  kDiskFull = 13,
  kEndOfFile = 14,
};

struct FileError {
  FileCause cause = FileCause::kGeneric;
  std::uint32_t systemError = 0;  // GetLastError() value, or the fake's chosen number
};

// Empty on success.
using FileFailure = std::optional<FileError>;

template <class T>
struct FileResult {
  std::optional<T> value;
  FileError error;
  bool ok() const { return value.has_value(); }
  static FileResult success(T v) { return FileResult{std::move(v), {FileCause::kNone, 0}}; }
  static FileResult failure(FileError e) { return FileResult{std::nullopt, e}; }
};

struct FileAttributes {
  bool isFolder = false;
  bool readOnly = false;
};

struct FileTimes {
  DateTime created;
  DateTime lastWritten;
};

struct FileEntry {
  std::string name;  // the name only, as stored (case preserved)
  bool isFolder = false;
  std::uint64_t size = 0;
  DateTime created;
  DateTime lastWritten;
};

// Held while a file is open exclusively; others get a sharing violation until it is destroyed.
class ExclusiveFile {
 public:
  virtual ~ExclusiveFile() = default;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual FileResult<std::string> readWhole(std::string_view path) = 0;
  // The first `maxBytes` bytes of a file (all of a shorter one); the rest is never read.
  virtual FileResult<std::string> readHead(std::string_view path, std::size_t maxBytes) = 0;
  // Creates the file or truncates it, then writes the bytes. A new file's creation time is now.
  virtual FileFailure writeNew(std::string_view path, std::string_view bytes) = 0;
  // Writes to a temporary file beside it, then replaces the file in one step; the creation time
  // of an existing file stays, so a crash leaves the old or the new content, never half of one.
  virtual FileFailure replaceAtomically(std::string_view path, std::string_view bytes) = 0;
  // Writes a whole file in one step: the bytes go to a temporary file beside it ("~qb*.tmp"),
  // which gets the creation time and then takes the name, replacing a file of that name. Under
  // the name there is the old file (or none) or the whole new one, never part of one; a crash
  // can leave the temporary file behind (see RemoveInterruptedWrites). The bytes are not flushed
  // to the disk first: new items come many per second (the flush policy is in decisions.md).
  virtual FileFailure writeAtomically(std::string_view path, std::string_view bytes,
                                      DateTime created) = 0;
  // Appends (creates a missing file).
  virtual FileFailure append(std::string_view path, std::string_view bytes) = 0;
  // Empty when the path does not exist. A trailing backslash is not accepted here; see PathExists.
  virtual std::optional<FileAttributes> attributes(std::string_view path) = 0;
  // One folder; its parent must exist.
  virtual FileFailure createFolder(std::string_view path) = 0;
  // Removes a file.
  virtual FileFailure remove(std::string_view path) = 0;
  // Removes an empty folder.
  virtual FileFailure removeFolder(std::string_view path) = 0;
  // Renames or moves a file or folder; fails when the new name exists.
  virtual FileFailure rename(std::string_view oldPath, std::string_view newPath) = 0;
  // The entries of a folder that match a wildcard ("C:\x\*.cln"; '*' and '?', case-insensitive),
  // in the order the file system returns them; "." and ".." are never listed. A folder that does
  // not exist, or no match, gives an empty list.
  virtual std::vector<FileEntry> list(std::string_view wildcardPath) = 0;
  // As list, but a folder that cannot be listed (missing, refused) is a failure; a folder
  // without a match gives an empty list.
  virtual FileResult<std::vector<FileEntry>> tryList(std::string_view wildcardPath) = 0;
  virtual FileResult<FileTimes> times(std::string_view path) = 0;
  // Sets either or both times.
  virtual FileFailure setTimes(std::string_view path, std::optional<DateTime> created,
                               std::optional<DateTime> lastWritten) = 0;
  // Opens (creating when missing) and holds the file so that nobody else can open it.
  virtual FileResult<std::unique_ptr<ExclusiveFile>> openExclusive(std::string_view path) = 0;
};

}  // namespace qb
