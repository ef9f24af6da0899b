#include "platform/win32/file_io.h"

#include "platform/win32/file_error.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_path.h"

namespace qb {
namespace {

constexpr std::size_t kChunk = 1u << 20;

// A fresh, empty, uniquely named file beside `path` ("~qbXXXX.tmp").
std::optional<std::wstring> MakeTemporaryBeside(const std::wstring& path, FileError& error) {
  std::wstring folder = SplitFolderAndName(path).folder;
  if (folder.empty()) folder = L".";
  wchar_t name[MAX_PATH];
  if (GetTempFileNameW(folder.c_str(), L"~qb", 0, name) == 0) {
    error = LastFileError();
    return std::nullopt;
  }
  return std::wstring(name);
}

FileFailure FillTemporary(const std::wstring& temp, std::string_view bytes, DWORD attributes,
                          std::optional<FILETIME> created) {
  UniqueHandle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                attributes, nullptr));
  if (!file.valid()) return LastFileError();
  if (auto failure = WriteAll(file.get(), bytes)) return failure;
  if (created && !SetFileTime(file.get(), &*created, nullptr, nullptr)) return LastFileError();
  if (!FlushFileBuffers(file.get())) return LastFileError();
  if (!file.reset()) return LastFileError();
  // Creating over the existing (empty) temporary file need not apply the attributes.
  if (attributes != FILE_ATTRIBUTE_NORMAL && !SetFileAttributesW(temp.c_str(), attributes)) {
    return LastFileError();
  }
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

FileResult<std::string> ReadAll(HANDLE file) {
  using Result = FileResult<std::string>;
  std::string content;
  LARGE_INTEGER size;
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0) {
    content.reserve(static_cast<std::size_t>(size.QuadPart));
  }
  std::string chunk(kChunk, '\0');
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr)) {
      return Result::failure(LastFileError());
    }
    if (read == 0) break;
    content.append(chunk.data(), read);
  }
  return Result::success(std::move(content));
}

FileFailure ReplaceContent(const std::wstring& path, std::string_view bytes, DWORD attributes,
                           std::optional<FILETIME> created) {
  FileError error;
  std::optional<std::wstring> temp = MakeTemporaryBeside(path, error);
  if (!temp) return error;
  FileFailure failure = FillTemporary(*temp, bytes, attributes, created);
  if (!failure && !MoveFileExW(temp->c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    failure = LastFileError();
  }
  if (failure) DeleteFileW(temp->c_str());
  return failure;
}

}  // namespace qb
