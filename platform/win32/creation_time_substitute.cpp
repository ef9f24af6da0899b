#include "platform/win32/creation_time_substitute.h"

#include "platform/win32/windows_time.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_path.h"

namespace qb {
namespace {

std::optional<std::uint64_t> OwnCreation(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return FileTimeTicks(data.ftCreationTime);
}

void SetOwnCreation(const std::wstring& path, std::uint64_t created) {
  UniqueHandle file(CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  const FILETIME time = FileTimeFromTicks(created);
  if (file.valid()) SetFileTime(file.get(), &time, nullptr, nullptr);
}

}  // namespace

CreationTimeSupport CreationTimeSubstitute::supportFor(const std::wstring& folder) {
  if (policy_ == CreationTimePolicy::kSubstituteEverywhere) return CreationTimeSupport::kNotKept;
  return probe_.forFolder(folder);
}

FileFailure CreationTimeSubstitute::noteNewFile(const std::wstring& path) {
  return noteCreationSet(path, CurrentFileTime());
}

FileFailure CreationTimeSubstitute::noteCreationSet(const std::wstring& path,
                                                    const FILETIME& created) {
  FolderAndName parts = SplitFolderAndName(path);
  if (supportFor(parts.folder) != CreationTimeSupport::kNotKept) return std::nullopt;
  return store_.record(parts.folder, parts.name, FileTimeTicks(created));
}

void CreationTimeSubstitute::noteRemoved(const std::wstring& path) {
  FolderAndName parts = SplitFolderAndName(path);
  if (supportFor(parts.folder) == CreationTimeSupport::kKept) return;
  store_.forget(parts.folder, parts.name);
}

CreationTimeMove CreationTimeSubstitute::beforeRename(const std::wstring& from,
                                                      const std::wstring& to) {
  FolderAndName source = SplitFolderAndName(from);
  FolderAndName target = SplitFolderAndName(to);
  CreationTimeMove move;
  move.from = from;
  move.to = to;
  move.sameFolder = CaseKey(source.folder) == CaseKey(target.folder);
  const CreationTimeSupport fromSupport = supportFor(source.folder);
  move.toSupport = move.sameFolder ? fromSupport : supportFor(target.folder);
  if (fromSupport != CreationTimeSupport::kKept) {
    move.carried = store_.find(source.folder, source.name);
    move.fromHasRecord = move.carried.has_value();
  }
  if (!move.carried && fromSupport == CreationTimeSupport::kKept &&
      move.toSupport == CreationTimeSupport::kNotKept) {
    move.carried = OwnCreation(from);
  }
  return move;
}

FileFailure CreationTimeSubstitute::afterRename(const CreationTimeMove& move) {
  FolderAndName source = SplitFolderAndName(move.from);
  FolderAndName target = SplitFolderAndName(move.to);
  if (move.sameFolder) {
    if (move.toSupport == CreationTimeSupport::kKept) return std::nullopt;
    return store_.rename(source.folder, source.name, target.name);
  }
  if (move.fromHasRecord) store_.forget(source.folder, source.name);
  switch (move.toSupport) {
    case CreationTimeSupport::kKept:
      if (move.fromHasRecord) SetOwnCreation(move.to, *move.carried);
      return std::nullopt;
    case CreationTimeSupport::kNotKept:
      if (move.carried) return store_.record(target.folder, target.name, *move.carried);
      return store_.forget(target.folder, target.name);
    case CreationTimeSupport::kUnknown:
      return std::nullopt;
  }
  return std::nullopt;
}

FILETIME CreationTimeSubstitute::reported(const std::wstring& path, const FILETIME& own) {
  FolderAndName parts = SplitFolderAndName(path);
  if (supportFor(parts.folder) == CreationTimeSupport::kKept) return own;
  std::optional<std::uint64_t> recorded = store_.find(parts.folder, parts.name);
  return recorded ? FileTimeFromTicks(*recorded) : own;
}

std::optional<CreationRecords> CreationTimeSubstitute::recordsForListing(
    const std::wstring& folder) {
  if (supportFor(folder) == CreationTimeSupport::kKept) return std::nullopt;
  return store_.recordsOf(folder);
}

bool CreationTimeSubstitute::removeWhenAlone(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  FindHandle search(FindFirstFileW((folder + L"*").c_str(), &found));
  if (!search.valid()) return false;
  bool storeSeen = false;
  do {
    std::wstring_view name(found.cFileName);
    if (name == L"." || name == L"..") continue;
    if (!CreationTimeStore::IsStoreFileName(name)) return false;
    storeSeen = true;
  } while (FindNextFileW(search.get(), &found));
  return storeSeen && !store_.discard(folder);
}

}  // namespace qb
