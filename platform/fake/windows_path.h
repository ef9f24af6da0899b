// Windows path text as the fake file system reads it: Shift-JIS bytes, backslash separators
// (a 0x5C trail byte of a double-byte character is part of its character, never a separator).
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/wildcard.h"

namespace qb {

struct WindowsPath {
  // "C:" (any drive letter) or "\\server\share", as written.
  std::string root;
  // The names below the root, as written; "." is dropped and ".." takes the previous name away.
  std::vector<std::string> names;
  bool trailingSeparator = false;
};

enum class WildcardUse { kRefused, kInLastName };

// Empty when the text is not an absolute drive or UNC path, or a name holds a control character
// or one of < > : " / | ? * (the wildcards '?' and '*' only in the last name when allowed).
// Repeated separators count as one.
std::optional<WindowsPath> ParseWindowsPath(std::string_view text,
                                            WildcardUse wildcards = WildcardUse::kRefused);

// One key per object: the folded root and names joined with backslashes.
std::string PathKey(const WindowsPath& path);
std::string PathKey(const WindowsPath& path, std::size_t nameCount);


}  // namespace qb
