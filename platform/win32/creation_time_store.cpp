#include "platform/win32/creation_time_store.h"

#include <windows.h>

#include "platform/win32/file_error.h"
#include "platform/win32/file_io.h"
#include "platform/win32/windows_time.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_path.h"

namespace qb {

bool CreationTimeStore::IsStoreFileName(std::wstring_view name) {
  return CaseKey(name) == CaseKey(kFileName);
}

std::wstring CreationTimeStore::FilePath(const std::wstring& folder) {
  return folder + std::wstring(kFileName);
}

std::optional<CreationTimeStore::Stamp> CreationTimeStore::StampOf(const std::wstring& file) {
  UniqueHandle handle(CreateFileW(file.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!handle.valid() || !GetFileInformationByHandle(handle.get(), &info)) return std::nullopt;
  return Stamp{FileTimeTicks(info.ftLastWriteTime),
               (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow,
               (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

CreationTimeStore::Cached& CreationTimeStore::current(const std::wstring& folder) {
  const std::wstring file = FilePath(folder);
  const std::optional<Stamp> onDisk = StampOf(file);
  auto [it, added] = folders_.try_emplace(CaseKey(folder));
  Cached& cached = it->second;
  if (!added && cached.stamp == onDisk) return cached;
  cached.stamp = onDisk;
  cached.records.clear();
  if (!onDisk) return cached;
  UniqueHandle handle(CreateFileW(file.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle.valid()) return cached;
  FileResult<std::string> content = ReadAll(handle.get());
  if (content.ok()) cached.records = DecodeCreationRecords(*content.value);
  return cached;
}

FileFailure CreationTimeStore::save(const std::wstring& folder, Cached& cached) {
  const std::wstring file = FilePath(folder);
  FileFailure failure;
  if (cached.records.empty()) {
    if (!DeleteFileW(file.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
      failure = LastFileError();
    }
  } else {
    failure = ReplaceContent(file, EncodeCreationRecords(cached.records), FILE_ATTRIBUTE_HIDDEN,
                             std::nullopt);
  }
  if (failure) {
    // Memory and disk may now differ: read the file again next time.
    folders_.erase(CaseKey(folder));
    return failure;
  }
  cached.stamp = StampOf(file);
  return std::nullopt;
}

std::optional<std::uint64_t> CreationTimeStore::find(const std::wstring& folder,
                                                     const std::wstring& name) {
  std::lock_guard lock(mutex_);
  const CreationRecords& records = current(folder).records;
  auto it = records.find(CaseKey(name));
  if (it == records.end()) return std::nullopt;
  return it->second.created;
}

CreationRecords CreationTimeStore::recordsOf(const std::wstring& folder) {
  std::lock_guard lock(mutex_);
  return current(folder).records;
}

FileFailure CreationTimeStore::record(const std::wstring& folder, const std::wstring& name,
                                      std::uint64_t created) {
  std::lock_guard lock(mutex_);
  Cached& cached = current(folder);
  cached.records[CaseKey(name)] = CreationRecord{name, created};
  return save(folder, cached);
}

FileFailure CreationTimeStore::forget(const std::wstring& folder, const std::wstring& name) {
  std::lock_guard lock(mutex_);
  Cached& cached = current(folder);
  if (cached.records.erase(CaseKey(name)) == 0) return std::nullopt;
  return save(folder, cached);
}

FileFailure CreationTimeStore::rename(const std::wstring& folder, const std::wstring& oldName,
                                      const std::wstring& newName) {
  std::lock_guard lock(mutex_);
  Cached& cached = current(folder);
  auto it = cached.records.find(CaseKey(oldName));
  const bool hadOld = it != cached.records.end();
  const std::uint64_t created = hadOld ? it->second.created : 0;
  if (hadOld) cached.records.erase(it);
  const bool hadNew = cached.records.erase(CaseKey(newName)) != 0;
  if (hadOld) cached.records[CaseKey(newName)] = CreationRecord{newName, created};
  if (!hadOld && !hadNew) return std::nullopt;
  return save(folder, cached);
}

FileFailure CreationTimeStore::discard(const std::wstring& folder) {
  std::lock_guard lock(mutex_);
  folders_.erase(CaseKey(folder));
  const std::wstring file = FilePath(folder);
  if (!DeleteFileW(file.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
    return LastFileError();
  }
  return std::nullopt;
}

}  // namespace qb
