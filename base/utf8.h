// UTF-8 texts the core keeps as opaque bytes: the exact form of a text that code page 932 cannot
// hold (see history/exact_companion.h). The core never converts them to Shift-JIS; only
// platform/win32 turns them into UTF-16. These helpers validate and cut them.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qb {

// True when the bytes are well-formed UTF-8: shortest forms only, no surrogates, nothing above
// U+10FFFF, no NUL (a clipboard text ends at its first NUL).
bool IsWellFormedUtf8(std::string_view text);

// The one-line preview of an exact text, as wide on the list as MakePreview's of its Shift-JIS
// form: characters up to 150 half-width units (ASCII counts one, every other character two),
// followed by "..." when something was left out.
std::string MakeUtf8Preview(std::string_view text);

// Each CR, LF and Tab shown as "・" (U+30FB), as ShowBreaksAndTabs does for Shift-JIS.
std::string ShowUtf8BreaksAndTabs(std::string_view preview);

// The longest prefix of at most `maxBytes` bytes that ends on a whole character.
std::string_view WholeUtf8Prefix(std::string_view text, std::size_t maxBytes);

}  // namespace qb
