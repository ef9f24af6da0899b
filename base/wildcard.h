// Case-insensitive wildcards over Shift-JIS text, as Windows matches file names.
#pragma once
#include <string>
#include <string_view>

namespace qb {

// A-Z to a-z in single-byte characters; the trail bytes of double-byte characters stay.
std::string FoldAsciiCase(std::string_view text);

// '*' (any run of characters) and '?' (one character), case-insensitive, over whole Shift-JIS
// characters. '*' also crosses backslashes, so a pattern can cover whole paths.
bool MatchesGlob(std::string_view pattern, std::string_view text);

// A file-name pattern as a directory search reads it: the glob, and a pattern ending in ".*"
// also matches names without any dot ("*.*" matches every name).
bool MatchesNamePattern(std::string_view pattern, std::string_view name);

}  // namespace qb
