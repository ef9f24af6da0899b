// An in-memory file system that behaves like an NTFS volume seen through the FileSystem port.
//
// - Paths: absolute drive ("C:\x") or UNC ("\\server\share\x") paths. Every drive and every share
//   exists as an empty folder from the start; anything else must be created. Names are kept as
//   written and found case-insensitively, folding ASCII letters only and never the trail byte of a
//   double-byte character ("ア" 83 41 and "ヂ" 83 61 are different names). Repeated backslashes
//   count as one; a trailing backslash is accepted by createFolder and removeFolder only.
//   A name with a control character or < > : " / | ? * is refused (kBadPath, 123).
// - Times come from the clock: a new file gets created = lastWritten = now; writeNew on an
//   existing file, replaceAtomically and append keep its creation time and set lastWritten.
//   Renaming keeps both times. Folder times do not follow their content.
// - list() returns entries in the order they were added to the folder (a renamed entry counts
//   as added when renamed): that is "the order the file system returns" for this fake.
// - Errors (cause, system error): missing file (kFileNotFound, 2); missing folder on the way
//   (kBadPath, 3); writing, removing or exclusively opening a read-only file, or using a folder as
//   a file (kAccessDenied, 5); a name that exists for createFolder or as a rename target
//   (kAccessDenied, 183); removing a folder that is not empty (kRemoveCurrentDir, 145); a file
//   given to removeFolder (kBadPath, 267); a file held by openExclusive, or a folder holding one,
//   for any read, write, time change, removal, rename or second exclusive open
//   (kSharingViolation, 32). attributes, times and list still work on a held file.
// - Fault injection: an arranged fault makes the call fail before it does anything; attributes()
//   then answers "missing" and list() an empty list. For rename either path may match. A fault
//   arranged with failNextAfterWriting makes writeNew or append write part of the bytes first,
//   as a disk that fills up on the way does; writeAtomically and replaceAtomically never leave
//   part of their bytes.
// - writeAtomically gives the file the creation time asked for (a replaced file is a new one).
// Every public call is guarded by one lock, so threads may share the fake.
#pragma once
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/fake/fake_file_tree.h"
#include "platform/fake/file_fault_plan.h"
#include "platform/file_system.h"
#include "platform/system_error_cause.h"

namespace qb {

class FakeLockTable;

// The errors the fake gives for the situations it knows.
struct FakeFileError {
  static constexpr FileError kFileNotFound = FileErrorForSystemError(2);
  static constexpr FileError kPathNotFound = FileErrorForSystemError(3);
  static constexpr FileError kAccessDenied = FileErrorForSystemError(5);
  static constexpr FileError kSharingViolation = FileErrorForSystemError(32);
  static constexpr FileError kInvalidName = FileErrorForSystemError(123);
  static constexpr FileError kFolderNotEmpty = FileErrorForSystemError(145);
  static constexpr FileError kAlreadyExists = FileErrorForSystemError(183);
  static constexpr FileError kNotAFolder = FileErrorForSystemError(267);
};

struct FileCall {
  FileOperation operation;
  std::string path;  // as passed; for rename "old" + " -> " + "new"
};

class FakeFileSystem : public FileSystem {
 public:
  using Operation = FileOperation;

  explicit FakeFileSystem(Clock& clock);
  ~FakeFileSystem() override;

  FileResult<std::string> readWhole(std::string_view path) override;
  FileResult<std::string> readHead(std::string_view path, std::size_t maxBytes) override;
  FileFailure writeNew(std::string_view path, std::string_view bytes) override;
  FileFailure replaceAtomically(std::string_view path, std::string_view bytes) override;
  FileFailure writeAtomically(std::string_view path, std::string_view bytes,
                              DateTime created) override;
  FileFailure append(std::string_view path, std::string_view bytes) override;
  std::optional<FileAttributes> attributes(std::string_view path) override;
  FileFailure createFolder(std::string_view path) override;
  FileFailure remove(std::string_view path) override;
  FileFailure removeFolder(std::string_view path) override;
  FileFailure rename(std::string_view oldPath, std::string_view newPath) override;
  std::vector<FileEntry> list(std::string_view wildcardPath) override;
  FileResult<std::vector<FileEntry>> tryList(std::string_view wildcardPath) override;
  FileResult<FileTimes> times(std::string_view path) override;
  FileFailure setTimes(std::string_view path, std::optional<DateTime> created,
                       std::optional<DateTime> lastWritten) override;
  FileResult<std::unique_ptr<ExclusiveFile>> openExclusive(std::string_view path) override;

  // Fault injection; see FileFaultPlan for the path patterns.
  void failNext(Operation operation, std::string_view pathPattern, FileError error,
                int count = 1);
  void failAlways(Operation operation, std::string_view pathPattern, FileError error);
  // The next writeNew or append on a matching path writes `keptBytes` of its bytes, then fails.
  void failNextAfterWriting(Operation operation, std::string_view pathPattern, FileError error,
                            std::size_t keptBytes);
  void clearFaults();

  // Test helpers; they bypass faults and locks and are not recorded as calls. Those that need an
  // existing path or a valid one throw std::logic_error otherwise.
  void setReadOnly(std::string_view path, bool readOnly);
  bool exists(std::string_view path);
  std::optional<std::string> contentOf(std::string_view path);
  // Creates the missing folders on the way, then the file (or replaces its content).
  void putFile(std::string_view path, std::string_view bytes);
  void putFolder(std::string_view path);

  std::vector<FileCall> calls() const;
  void clearCalls();

 private:
  struct Target {
    WindowsPath path;
    FakeFileNode* parent = nullptr;  // null for a root
    FakeFileNode* node = nullptr;    // null when missing
  };
  enum class WriteMode { kReplace, kAppend, kNewFile };

  std::optional<FileError> begin(Operation operation, std::string_view path);
  std::optional<Target> resolve(std::string_view path, bool trailingAllowed, FileError& error);
  FileFailure write(Operation operation, std::string_view path, std::string_view bytes,
                    WriteMode mode, std::optional<DateTime> created = std::nullopt);
  FileResult<std::string> read(Operation operation, std::string_view path, std::size_t maxBytes);
  FileResult<std::vector<FileEntry>> listFolder(Operation operation, std::string_view wildcardPath);
  bool isHeld(const WindowsPath& path) const;
  bool holdsHeld(const WindowsPath& folder) const;
  FakeFileNode& mustFind(std::string_view path);
  FakeFileNode& makeFolders(const WindowsPath& path, std::size_t nameCount);

  Clock& clock_;
  mutable std::mutex mutex_;
  FakeFileTree tree_;
  FileFaultPlan faults_;
  std::shared_ptr<FakeLockTable> locks_;
  std::vector<FileCall> calls_;
};

}  // namespace qb
