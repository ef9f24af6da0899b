#include "platform/win32/file_io.h"

#include <algorithm>
#include <atomic>
#include <cwchar>

#include "platform/win32/file_error.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_path.h"

namespace qb {
namespace {

constexpr std::size_t kChunk = 1u << 20;
constexpr std::size_t kUnknownSizeStep = 64u << 10;
constexpr int kNameTries = 0x10000;

// A fresh, uniquely named file "~qbXXXX.tmp" beside `path`, open for writing.
UniqueHandle CreateTemporaryBeside(const std::wstring& path, DWORD attributes, std::wstring& name,
                                   FileError& error) {
  static std::atomic<unsigned> next{GetTickCount() ^ GetCurrentProcessId()};
  std::wstring folder = SplitFolderAndName(path).folder;
  if (folder.empty()) folder = L".\\";
  for (int attempt = 0; attempt < kNameTries; ++attempt) {
    wchar_t leaf[16];
    std::swprintf(leaf, 16, L"~qb%04X.tmp", next.fetch_add(1) & 0xFFFFu);
    name = folder + leaf;
    UniqueHandle file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  attributes, nullptr));
    if (file.valid()) return file;
    const DWORD code = GetLastError();
    if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS) {
      error = LastFileError();
      return UniqueHandle();
    }
  }
  error = FileError{FileCause::kDirectoryFull, ERROR_FILE_EXISTS};
  return UniqueHandle();
}

FileFailure FillTemporary(HANDLE file, std::string_view bytes, std::optional<FILETIME> created,
                          WriteDurability durability) {
  if (auto failure = WriteAll(file, bytes)) return failure;
  if (created && !SetFileTime(file, &*created, nullptr, nullptr)) return LastFileError();
  if (durability == WriteDurability::kFlushed && !FlushFileBuffers(file)) return LastFileError();
  return std::nullopt;
}

}  // namespace

FileFailure WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD wanted = static_cast<DWORD>(bytes.size() < kChunk ? bytes.size() : kChunk);
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), wanted, &written, nullptr)) return LastFileError();
    if (written == 0) return FileError{FileCause::kDiskFull, ERROR_DISK_FULL};
    bytes.remove_prefix(written);
  }
  return std::nullopt;
}

FileResult<std::string> ReadUpTo(HANDLE file, std::size_t maxBytes) {
  using Result = FileResult<std::string>;
  LARGE_INTEGER size;
  const bool sized = GetFileSizeEx(file, &size) && size.QuadPart > 0;
  const std::size_t known =
      sized ? static_cast<std::size_t>(std::min<unsigned long long>(size.QuadPart, maxBytes)) : 0;
  std::string content(sized ? known : std::min(kUnknownSizeStep, maxBytes), '\0');
  std::size_t got = 0;
  for (;;) {
    if (got == content.size()) {
      // A file of known size is read as far as that size; one of unknown size until its end.
      if (sized || content.size() >= maxBytes) break;
      content.resize(std::min(maxBytes, content.size() + kUnknownSizeStep));
    }
    const DWORD wanted = static_cast<DWORD>(std::min(content.size() - got, kChunk));
    DWORD read = 0;
    if (!ReadFile(file, content.data() + got, wanted, &read, nullptr)) {
      return Result::failure(LastFileError());
    }
    if (read == 0) break;
    got += read;
  }
  content.resize(got);
  return Result::success(std::move(content));
}

FileFailure ReplaceContent(const std::wstring& path, std::string_view bytes, DWORD attributes,
                           std::optional<FILETIME> created, WriteDurability durability) {
  FileError error;
  std::wstring temp;
  UniqueHandle file = CreateTemporaryBeside(path, attributes, temp, error);
  if (!file.valid()) return error;
  FileFailure failure = FillTemporary(file.get(), bytes, created, durability);
  if (!file.reset() && !failure) failure = LastFileError();
  const DWORD moveFlags = durability == WriteDurability::kFlushed
                              ? MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH
                              : MOVEFILE_REPLACE_EXISTING;
  if (!failure && !MoveFileExW(temp.c_str(), path.c_str(), moveFlags)) failure = LastFileError();
  if (failure) DeleteFileW(temp.c_str());
  return failure;
}

}  // namespace qb
