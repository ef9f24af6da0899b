#include "platform/win32/creation_time_store.h"

#include <windows.h>

#include "platform/win32/file_error.h"
#include "platform/win32/file_io.h"
#include "platform/win32/windows_time.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_path.h"

namespace qb {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr char kByteOrderMark[] = "\xFF\xFE";
// The file is written again whole when its lines outnumber twice the live records and this.
constexpr std::size_t kSpareLines = 256;

}  // namespace

bool CreationTimeStore::IsStoreFileName(std::wstring_view name) {
  return CaseKey(name) == CaseKey(kFileName);
}

std::wstring CreationTimeStore::FilePath(const std::wstring& folder) {
  return folder + std::wstring(kFileName);
}

std::optional<CreationTimeStore::Stamp> CreationTimeStore::StampOf(const std::wstring& file) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return Stamp{FileTimeTicks(data.ftLastWriteTime),
               (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
}

CreationTimeStore::~CreationTimeStore() {
  for (const auto& [key, cached] : folders_) {
    if (cached.unwritten.empty() || !cached.stamp) continue;
    AppendBytes(FilePath(cached.folder), cached.unwritten, cached.stamp->size == 0);
  }
}

CreationTimeStore::Cached& CreationTimeStore::current(const std::wstring& folder) {
  const std::wstring file = FilePath(folder);
  std::optional<Stamp> onDisk = StampOf(file);
  auto [it, added] = folders_.try_emplace(CaseKey(folder));
  Cached& cached = it->second;
  if (!added && cached.stamp == onDisk) return cached;
  // Another process changed the file: the removals made here go to it before it is read again.
  if (!added && onDisk && !cached.unwritten.empty() &&
      !AppendBytes(file, cached.unwritten, onDisk->size == 0)) {
    onDisk = StampOf(file);
  }
  cached = Cached{folder, onDisk, {}, 0, true, {}, 0};
  if (!onDisk) return cached;
  UniqueHandle handle(CreateFileW(file.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle.valid()) return cached;
  FileResult<std::string> content = ReadAll(handle.get());
  if (!content.ok()) return cached;
  CreationJournal journal = DecodeCreationJournal(*content.value);
  cached.records = std::move(journal.records);
  cached.lines = journal.lines;
  cached.appendable = journal.appendable;
  return cached;
}

FileFailure CreationTimeStore::failed(const std::wstring& folder, FileError error) {
  // Memory and disk may now differ: read the file again next time.
  folders_.erase(CaseKey(folder));
  return error;
}

FileFailure CreationTimeStore::save(const std::wstring& folder, Cached& cached,
                                    const std::string& lines, std::size_t lineCount) {
  const std::size_t count = cached.unwrittenLines + lineCount;
  const bool crowded = cached.lines + count > 2 * cached.records.size() + kSpareLines;
  if (cached.records.empty() || crowded || !cached.appendable) return rewrite(folder, cached);
  return append(folder, cached, cached.unwritten + lines, count);
}

FileFailure CreationTimeStore::AppendBytes(const std::wstring& file, const std::string& bytes,
                                           bool fresh) {
  UniqueHandle handle(CreateFileW(file.c_str(), FILE_APPEND_DATA, kShareAll, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr));
  if (!handle.valid()) return LastFileError();
  if (auto failure = WriteAll(handle.get(), fresh ? std::string(kByteOrderMark, 2) + bytes : bytes)) {
    return failure;
  }
  if (!handle.reset()) return LastFileError();
  return std::nullopt;
}

FileFailure CreationTimeStore::append(const std::wstring& folder, Cached& cached,
                                      const std::string& lines, std::size_t lineCount) {
  const std::wstring file = FilePath(folder);
  const bool fresh = !cached.stamp || cached.stamp->size == 0;
  if (auto failure = AppendBytes(file, lines, fresh)) return failed(folder, *failure);
  cached.stamp = StampOf(file);
  cached.lines += lineCount;
  cached.unwritten.clear();
  cached.unwrittenLines = 0;
  return std::nullopt;
}

void CreationTimeStore::DropRecordsOfGoneFiles(const std::wstring& folder,
                                               CreationRecords& records) {
  CreationRecords present;
  WIN32_FIND_DATAW found;
  FindHandle search(FindFirstFileW((folder + L"*").c_str(), &found));
  if (!search.valid()) return;
  do {
    auto it = records.find(CaseKey(found.cFileName));
    if (it != records.end()) present.insert(records.extract(it));
  } while (FindNextFileW(search.get(), &found));
  records = std::move(present);
}

FileFailure CreationTimeStore::rewrite(const std::wstring& folder, Cached& cached) {
  const std::wstring file = FilePath(folder);
  if (!cached.records.empty()) DropRecordsOfGoneFiles(folder, cached.records);
  if (cached.records.empty()) {
    if (!DeleteFileW(file.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
      return failed(folder, LastFileError());
    }
  } else if (auto failure =
                 ReplaceContent(file, EncodeCreationRecords(cached.records), FILE_ATTRIBUTE_HIDDEN,
                                std::nullopt, WriteDurability::kCached)) {
    return failed(folder, *failure);
  }
  cached.stamp = StampOf(file);
  cached.lines = cached.records.size();
  cached.appendable = true;
  cached.unwritten.clear();
  cached.unwrittenLines = 0;
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
  return save(folder, cached, EncodeCreationLine(name, created), 1);
}

FileFailure CreationTimeStore::forget(const std::wstring& folder, const std::wstring& name) {
  std::lock_guard lock(mutex_);
  Cached& cached = current(folder);
  if (cached.records.erase(CaseKey(name)) == 0) return std::nullopt;
  if (cached.records.empty()) return rewrite(folder, cached);
  cached.unwritten += EncodeCreationLine(name, std::nullopt);
  ++cached.unwrittenLines;
  return std::nullopt;
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
  if (!hadOld && !hadNew) return std::nullopt;
  std::string lines;
  std::size_t count = 0;
  if (hadOld && CaseKey(oldName) != CaseKey(newName)) {
    lines += EncodeCreationLine(oldName, std::nullopt);
    ++count;
  }
  if (hadOld) {
    cached.records[CaseKey(newName)] = CreationRecord{newName, created};
    lines += EncodeCreationLine(newName, created);
  } else {
    lines += EncodeCreationLine(newName, std::nullopt);
  }
  return save(folder, cached, lines, count + 1);
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
