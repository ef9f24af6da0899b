// Files of a data home as the driver reads them: whole, byte for byte.
#pragma once
#include <optional>
#include <string>

namespace qb::e2e {

// Empty when the file cannot be opened.
std::optional<std::string> readFileBytes(const std::wstring& path);
bool writeFileBytes(const std::wstring& path, const std::string& bytes);
bool fileExists(const std::wstring& path);

}  // namespace qb::e2e
