// Keeps creation times working on volumes that do not keep them: the file system adapter tells
// it what happened to a file, and asks it which creation time to report. On a volume that keeps
// creation times it does nothing and writes nothing.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/win32/creation_time_probe.h"
#include "platform/win32/creation_time_store.h"

namespace qb {

enum class CreationTimePolicy {
  kProbeEachVolume,       // substitute only where the volume does not keep creation times
  kSubstituteEverywhere,  // as if no volume kept them
};

// What a rename needs to carry the creation time to the new name; see beforeRename.
struct CreationTimeMove {
  std::wstring from;
  std::wstring to;
  bool sameFolder = false;
  bool fromHasRecord = false;
  std::optional<std::uint64_t> carried;
  CreationTimeSupport toSupport = CreationTimeSupport::kKept;
};

class CreationTimeSubstitute {
 public:
  explicit CreationTimeSubstitute(CreationTimePolicy policy) : policy_(policy) {}

  // Every path is absolute (see AbsolutePath).
  // A file came into being now (it did not exist before the write).
  FileFailure noteNewFile(const std::wstring& path);
  FileFailure noteCreationSet(const std::wstring& path, const FILETIME& created);
  // Drops the record of a removed file; a stale record only matters for a file created later
  // under the same name by another program, so a failed rewrite is not an error of the removal.
  void noteRemoved(const std::wstring& path);
  CreationTimeMove beforeRename(const std::wstring& from, const std::wstring& to);
  FileFailure afterRename(const CreationTimeMove& move);

  // The creation time to report for a file whose own is `own`.
  FILETIME reported(const std::wstring& path, const FILETIME& own);
  // The records that apply to the entries of a folder; empty when the volume keeps its times.
  std::optional<CreationRecords> recordsForListing(const std::wstring& folder);

  // Removes the substitute file of a folder when nothing else is left in it; true when it did.
  bool removeWhenAlone(const std::wstring& folder);

 private:
  CreationTimeSupport supportFor(const std::wstring& folder);

  CreationTimePolicy policy_;
  CreationTimeProbe probe_;
  CreationTimeStore store_;
};

}  // namespace qb
