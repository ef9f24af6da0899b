#include "tools/qbplan/host_file_system.h"

#include "base/wildcard.h"
#include "tools/qbplan/system_clock.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace qb {

namespace fs = std::filesystem;

namespace {

fs::path ToPath(std::string_view path) { return fs::path(std::string(path)); }
std::string FromPath(const fs::path& path) { return path.string(); }

FileError ErrorOf(const std::error_code& code) {
  auto cause = FileCause::kGeneric;
  if (code == std::errc::no_such_file_or_directory) cause = FileCause::kFileNotFound;
  if (code == std::errc::permission_denied || code == std::errc::file_exists) cause = FileCause::kAccessDenied;
  if (code == std::errc::directory_not_empty) cause = FileCause::kRemoveCurrentDir;
  if (code == std::errc::no_space_on_device) cause = FileCause::kDiskFull;
  if (code == std::errc::too_many_files_open) cause = FileCause::kTooManyOpenFiles;
  return {cause, static_cast<std::uint32_t>(code.value())};
}

// Why a path cannot be opened: missing, a folder, or refused.
FileError OpenError(const fs::path& path) {
  std::error_code code;
  fs::file_status status = fs::status(path, code);
  if (!fs::exists(status)) {
    bool parent = fs::is_directory(path.parent_path(), code) || path.parent_path().empty();
    return {parent ? FileCause::kFileNotFound : FileCause::kBadPath, parent ? 2u : 3u};
  }
  return {FileCause::kAccessDenied, 5};
}

FileFailure WriteBytes(const fs::path& path, std::string_view bytes, std::ios::openmode mode) {
  std::ofstream out(path, std::ios::binary | mode);
  if (!out) return OpenError(path);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) return FileError{FileCause::kHardIo, 0};
  return std::nullopt;
}

DateTime LocalTime(fs::file_time_type stamp) {
  auto system = std::chrono::file_clock::to_sys(stamp);
  return LocalDateTime(std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(system)));
}

fs::file_time_type FileTime(const DateTime& time) {
  std::tm local{};
  local.tm_year = time.year - 1900;
  local.tm_mon = time.month - 1;
  local.tm_mday = time.day;
  local.tm_hour = time.hour;
  local.tm_min = time.minute;
  local.tm_sec = time.second;
  local.tm_isdst = -1;
  auto system = std::chrono::system_clock::from_time_t(std::mktime(&local)) +
                std::chrono::milliseconds(time.millisecond);
  return std::chrono::file_clock::from_sys(system);
}

class HeldFile : public ExclusiveFile {
 public:
  explicit HeldFile(int handle) : handle_(handle) {}
  ~HeldFile() override {
    close(handle_);
  }

 private:
  int handle_;
};

}  // namespace

FileResult<std::string> HostFileSystem::readWhole(std::string_view path) {
  fs::path target = ToPath(path);
  std::error_code code;
  if (fs::is_directory(target, code)) return FileResult<std::string>::failure({FileCause::kAccessDenied, 5});
  std::ifstream in(target, std::ios::binary);
  if (!in) return FileResult<std::string>::failure(OpenError(target));
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return FileResult<std::string>::failure({FileCause::kHardIo, 0});
  return FileResult<std::string>::success(std::move(bytes));
}

FileFailure HostFileSystem::writeNew(std::string_view path, std::string_view bytes) {
  return WriteBytes(ToPath(path), bytes, std::ios::trunc);
}

FileFailure HostFileSystem::replaceAtomically(std::string_view path, std::string_view bytes) {
  fs::path target = ToPath(path);
  fs::path temporary = target;
  temporary += ".qbtmp";
  if (FileFailure failure = WriteBytes(temporary, bytes, std::ios::trunc)) return failure;
  std::error_code code;
  fs::rename(temporary, target, code);
  if (code) {
    fs::remove(temporary, code);
    return ErrorOf(code);
  }
  return std::nullopt;
}

FileFailure HostFileSystem::append(std::string_view path, std::string_view bytes) {
  return WriteBytes(ToPath(path), bytes, std::ios::app);
}

std::optional<FileAttributes> HostFileSystem::attributes(std::string_view path) {
  std::error_code code;
  fs::file_status status = fs::status(ToPath(path), code);
  if (code || !fs::exists(status)) return std::nullopt;
  bool writable = (status.permissions() & fs::perms::owner_write) != fs::perms::none;
  return FileAttributes{fs::is_directory(status), !writable};
}

FileFailure HostFileSystem::createFolder(std::string_view path) {
  std::error_code code;
  fs::path target = ToPath(path);
  if (fs::exists(target, code)) return FileError{FileCause::kAccessDenied, 183};
  fs::create_directory(target, code);
  if (code) return ErrorOf(code);
  return std::nullopt;
}

FileFailure HostFileSystem::remove(std::string_view path) {
  std::error_code code;
  fs::path target = ToPath(path);
  if (fs::is_directory(target, code)) return FileError{FileCause::kAccessDenied, 5};
  if (!fs::remove(target, code)) return code ? ErrorOf(code) : FileError{FileCause::kFileNotFound, 2};
  return std::nullopt;
}

FileFailure HostFileSystem::removeFolder(std::string_view path) {
  std::error_code code;
  fs::path target = ToPath(path);
  if (!fs::is_directory(target, code)) return FileError{FileCause::kBadPath, 267};
  fs::remove(target, code);
  if (code) return ErrorOf(code);
  return std::nullopt;
}

FileFailure HostFileSystem::rename(std::string_view oldPath, std::string_view newPath) {
  std::error_code code;
  fs::path target = ToPath(newPath);
  if (fs::exists(target, code)) return FileError{FileCause::kAccessDenied, 183};
  fs::rename(ToPath(oldPath), target, code);
  if (code) return ErrorOf(code);
  return std::nullopt;
}

std::vector<FileEntry> HostFileSystem::list(std::string_view wildcardPath) {
  std::size_t cut = wildcardPath.find_last_of("\\/");
  std::string_view folder = cut == std::string_view::npos ? "." : wildcardPath.substr(0, cut);
  std::string_view pattern = cut == std::string_view::npos ? wildcardPath : wildcardPath.substr(cut + 1);
  std::vector<FileEntry> entries;
  std::error_code code;
  for (fs::directory_iterator it(ToPath(folder), code), end; !code && it != end; it.increment(code)) {
    FileEntry entry;
    entry.name = FromPath(it->path().filename());
    if (!MatchesNamePattern(pattern, entry.name)) continue;
    std::error_code itemCode;
    entry.isFolder = it->is_directory(itemCode);
    entry.size = entry.isFolder ? 0 : it->file_size(itemCode);
    entry.lastWritten = LocalTime(it->last_write_time(itemCode));
    entry.created = entry.lastWritten;
    entries.push_back(std::move(entry));
  }
  return entries;
}

FileResult<FileTimes> HostFileSystem::times(std::string_view path) {
  std::error_code code;
  fs::file_time_type stamp = fs::last_write_time(ToPath(path), code);
  if (code) return FileResult<FileTimes>::failure(ErrorOf(code));
  DateTime written = LocalTime(stamp);
  return FileResult<FileTimes>::success({written, written});
}

FileFailure HostFileSystem::setTimes(std::string_view path, std::optional<DateTime> created,
                                     std::optional<DateTime> lastWritten) {
  if (created) return FileError{FileCause::kGeneric, 0};
  if (lastWritten) {
    std::error_code code;
    fs::last_write_time(ToPath(path), FileTime(*lastWritten), code);
    if (code) return ErrorOf(code);
  }
  return std::nullopt;
}

FileResult<std::unique_ptr<ExclusiveFile>> HostFileSystem::openExclusive(std::string_view path) {
  using Result = FileResult<std::unique_ptr<ExclusiveFile>>;
  int handle = open(ToPath(path).c_str(), O_RDWR | O_CREAT, 0644);
  if (handle < 0) return Result::failure(OpenError(ToPath(path)));
  if (flock(handle, LOCK_EX | LOCK_NB) != 0) {
    close(handle);
    return Result::failure({FileCause::kSharingViolation, 32});
  }
  return Result::success(std::make_unique<HeldFile>(handle));
}

FileResult<std::string> HostFileSystem::readHead(std::string_view path, std::size_t maxBytes) {
  fs::path target = ToPath(path);
  std::error_code code;
  if (fs::is_directory(target, code)) return FileResult<std::string>::failure({FileCause::kAccessDenied, 5});
  std::ifstream in(target, std::ios::binary);
  if (!in) return FileResult<std::string>::failure(OpenError(target));
  std::string bytes;
  char chunk[65536];
  while (bytes.size() < maxBytes && in) {
    std::size_t wanted = std::min(sizeof chunk, maxBytes - bytes.size());
    in.read(chunk, static_cast<std::streamsize>(wanted));
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return FileResult<std::string>::failure({FileCause::kHardIo, 0});
  return FileResult<std::string>::success(std::move(bytes));
}

FileFailure HostFileSystem::writeAtomically(std::string_view path, std::string_view bytes,
                                            DateTime) {
  return replaceAtomically(path, bytes);
}

FileResult<std::vector<FileEntry>> HostFileSystem::tryList(std::string_view wildcardPath) {
  std::size_t cut = wildcardPath.find_last_of("\\/");
  std::string_view folder = cut == std::string_view::npos ? "." : wildcardPath.substr(0, cut);
  std::error_code code;
  if (!fs::is_directory(ToPath(folder), code)) {
    return FileResult<std::vector<FileEntry>>::failure({FileCause::kBadPath, 3});
  }
  return FileResult<std::vector<FileEntry>>::success(list(wildcardPath));
}

}  // namespace qb
