// The form in which texts are compared when the user narrows a list by typing: one 16-bit unit
// per Shift-JIS character (a double-byte character is lead << 8 | trail), so that a match always
// starts and ends on whole characters. ASCII letters of either case and width become lower-case
// ASCII, full-width digits ASCII digits, the full-width space a space, half-width katakana
// (voiced marks joined to their letter) full-width katakana, and hiragana katakana.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qb {

std::u16string FoldForSearch(std::string_view sjis);

// The words of a query, split at half- and full-width spaces, each folded; no empty words.
std::vector<std::u16string> FoldedQueryWords(std::string_view sjis);

}  // namespace qb
