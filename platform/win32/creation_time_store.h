// Creation times kept in a small hidden file in each folder, for volumes that do not keep them
// (they report the last-write time as the creation time). Each folder's file is read once and
// cached; the cache is read again when the file changed on disk (another process wrote it).
// A change appends one short line (see creation_time_records.h), so storing an item costs the
// same with 5 items as with 5000. A removal only changes the records in memory: its line goes
// to the file with the next change, or when the file system object ends (a record that outlives
// its file by a crash names no file and is dropped when the file is next written whole). When
// replaced lines outnumber the live ones, the file is written again whole (temporary file +
// replace), with the records of files that are gone left out. A folder without any record has
// no such file.
#pragma once
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/win32/creation_time_records.h"

namespace qb {

class CreationTimeStore {
 public:
  CreationTimeStore() = default;
  // Writes the removals not written yet.
  ~CreationTimeStore();
  CreationTimeStore(const CreationTimeStore&) = delete;
  CreationTimeStore& operator=(const CreationTimeStore&) = delete;

  // No item wildcard of the program ("*.cln", "COMM*.CLN") matches it, and its short name is
  // itself; listings leave it out all the same, since "*.*" matches every name.
  static constexpr std::wstring_view kFileName = L"qbctimes.qbt";
  static bool IsStoreFileName(std::wstring_view name);

  // `folder` is an absolute folder path ending in a backslash; names are names in it.
  std::optional<std::uint64_t> find(const std::wstring& folder, const std::wstring& name);
  CreationRecords recordsOf(const std::wstring& folder);
  FileFailure record(const std::wstring& folder, const std::wstring& name, std::uint64_t created);
  // Does nothing (and writes nothing) when the name has no record.
  FileFailure forget(const std::wstring& folder, const std::wstring& name);
  FileFailure rename(const std::wstring& folder, const std::wstring& oldName,
                     const std::wstring& newName);
  // Removes the folder's file and its cached records.
  FileFailure discard(const std::wstring& folder);

 private:
  // Tells whether the file changed since it was read: its last-write time and size, which one
  // GetFileAttributesEx reads (the file's index would need a query of the volume, which Wine
  // answers slowly). A rewrite by another process changes the time at the volume's resolution.
  struct Stamp {
    std::uint64_t lastWritten = 0;
    std::uint64_t size = 0;
    bool operator==(const Stamp&) const = default;
  };
  struct Cached {
    std::wstring folder;
    std::optional<Stamp> stamp;  // empty: no file on disk
    CreationRecords records;
    std::size_t lines = 0;       // in the file, replaced ones included
    bool appendable = true;      // the file does not end inside a line
    std::string unwritten;       // lines of removals not in the file yet
    std::size_t unwrittenLines = 0;
  };

  static std::wstring FilePath(const std::wstring& folder);
  static std::optional<Stamp> StampOf(const std::wstring& file);
  Cached& current(const std::wstring& folder);
  // Puts the change (already made to `cached.records`) on disk: the lines appended, or the whole
  // file written again.
  FileFailure save(const std::wstring& folder, Cached& cached, const std::string& lines,
                   std::size_t lineCount);
  FileFailure append(const std::wstring& folder, Cached& cached, const std::string& lines,
                     std::size_t lineCount);
  FileFailure rewrite(const std::wstring& folder, Cached& cached);
  // Appends bytes as they are (the byte-order mark first when the file is new).
  static FileFailure AppendBytes(const std::wstring& file, const std::string& bytes, bool fresh);
  // Leaves out the records of files the folder no longer holds.
  static void DropRecordsOfGoneFiles(const std::wstring& folder, CreationRecords& records);
  FileFailure failed(const std::wstring& folder, FileError error);

  std::mutex mutex_;
  std::map<std::wstring, Cached> folders_;  // keyed by CaseKey(folder)
};

}  // namespace qb
