// Small file helpers that every store shares, with the messages users see for file errors.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace qb {

// "エラー詳細：" followed by the text of the cause; an unknown cause gives "エラー内容不明".
std::string FileErrorText(FileCause cause);
std::string FileErrorText(int cause);

// 0 and the whole content; on failure -1, empty text and FileErrorText of the cause.
int ReadWholeFile(FileSystem& fs, std::string_view path, std::string& text, std::string& errorText);

// As ReadWholeFile, but at most the first `maxBytes` bytes are read: a huge file costs no more
// than that.
int ReadFileHead(FileSystem& fs, std::string_view path, std::size_t maxBytes, std::string& text,
                 std::string& errorText);

// The temporary files ("~qb*.tmp") that a write cut short by a crash left in the folder, when
// they were last written before `startedAt` (the start of this run): removed. The number removed.
int RemoveInterruptedWrites(FileSystem& fs, std::string_view folder, const DateTime& startedAt);

// Removes every file that matches the wildcard path (a failed removal is ignored).
// 0 when at least one file matched, -1 when none did.
int DeleteMatchingFiles(FileSystem& fs, std::string_view wildcardPath);

// Renames; a failure is swallowed. Always 0.
int RenameItemFile(FileSystem& fs, std::string_view oldPath, std::string_view newPath);

// True when the path, with one trailing backslash removed, exists.
bool PathExists(FileSystem& fs, std::string_view path);

// Creates every missing folder of the path ("C:\a\b\c" creates C:\a, C:\a\b, C:\a\b\c; a UNC
// path begins with the share folder). Paths shorter than 4 bytes fail; at most 100 levels.
// 0, or -1 on the first failure. `failure` (optional) receives the failing error.
int CreateFolderPath(FileSystem& fs, std::string_view path, FileError* failure = nullptr);

}  // namespace qb
