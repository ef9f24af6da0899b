// The FileSystem port over the real file system of the machine the tool runs on. On Windows the
// Shift-JIS paths are converted to UTF-16 (code page 932); elsewhere they are used as bytes.
#pragma once
#include "platform/file_system.h"

namespace qb {

class HostFileSystem : public FileSystem {
 public:
  FileResult<std::string> readWhole(std::string_view path) override;
  FileFailure writeNew(std::string_view path, std::string_view bytes) override;
  FileFailure replaceAtomically(std::string_view path, std::string_view bytes) override;
  FileFailure append(std::string_view path, std::string_view bytes) override;
  std::optional<FileAttributes> attributes(std::string_view path) override;
  FileFailure createFolder(std::string_view path) override;
  FileFailure remove(std::string_view path) override;
  FileFailure removeFolder(std::string_view path) override;
  FileFailure rename(std::string_view oldPath, std::string_view newPath) override;
  std::vector<FileEntry> list(std::string_view wildcardPath) override;
  FileResult<FileTimes> times(std::string_view path) override;
  // The creation time is not kept by every system: asking to set it fails.
  FileFailure setTimes(std::string_view path, std::optional<DateTime> created,
                       std::optional<DateTime> lastWritten) override;
  FileResult<std::unique_ptr<ExclusiveFile>> openExclusive(std::string_view path) override;
  FileResult<std::string> readHead(std::string_view path, std::size_t maxBytes) override;
  // Written beside the file and renamed; the creation time is the system's own.
  FileFailure writeAtomically(std::string_view path, std::string_view bytes,
                              DateTime created) override;
  FileResult<std::vector<FileEntry>> tryList(std::string_view wildcardPath) override;
};

}  // namespace qb
