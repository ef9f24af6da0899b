// The file system through the W API. Paths arrive as Shift-JIS and are converted with code page
// 932; every failure carries the file-exception cause of the Windows error and the error number.
// Creation times are kept by a substitute beside the files where the volume does not keep them
// (see CreationTimeSubstitute); its file never appears in a listing.
#pragma once
#include "platform/file_system.h"
#include "platform/win32/creation_time_substitute.h"

namespace qb {

class Win32FileSystem : public FileSystem {
 public:
  explicit Win32FileSystem(CreationTimePolicy policy = CreationTimePolicy::kProbeEachVolume);

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

 private:
  FileFailure writeFile(const std::wstring& path, std::string_view bytes, DWORD disposition);

  CreationTimeSubstitute creationTimes_;
};

}  // namespace qb
