// Whole-file reads and writes over handles, and the writes that give a file its content in one
// step (a temporary file beside it, then a rename).
#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace qb {

FileFailure WriteAll(HANDLE file, std::string_view bytes);
// At most `maxBytes` bytes from the current position; a file of known size is read in one
// buffer of that size.
FileResult<std::string> ReadUpTo(HANDLE file, std::size_t maxBytes);
inline FileResult<std::string> ReadAll(HANDLE file) { return ReadUpTo(file, std::string::npos); }

// Whether the bytes reach the disk before the file takes its name.
enum class WriteDurability {
  kFlushed,  // flushed first: the old content stays until the new one is on the disk
  kCached,   // left to the system's write cache: a power cut may lose the newest files
};

// Writes the bytes to a new temporary file "~qbXXXX.tmp" in the same folder (with the given
// attributes and, when given, creation time) and moves it over `path` in one step. On failure
// the temporary file is removed and `path` is untouched.
FileFailure ReplaceContent(const std::wstring& path, std::string_view bytes, DWORD attributes,
                           std::optional<FILETIME> created,
                           WriteDurability durability = WriteDurability::kFlushed);

}  // namespace qb
