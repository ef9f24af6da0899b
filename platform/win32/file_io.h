// Whole-file reads and writes over handles, and the atomic replace of a file's content.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace qb {

FileFailure WriteAll(HANDLE file, std::string_view bytes);
FileResult<std::string> ReadAll(HANDLE file);

// Writes the bytes to a new temporary file in the same folder (with the given attributes and,
// when given, creation time), flushes it, and moves it over `path` in one step. On failure the
// temporary file is removed and `path` is untouched.
FileFailure ReplaceContent(const std::wstring& path, std::string_view bytes, DWORD attributes,
                           std::optional<FILETIME> created);

}  // namespace qb
