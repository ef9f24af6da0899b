#include "app/win32/dialogs/text_change.h"

#include <algorithm>

namespace qb {
namespace {

bool SplitsLineBreak(std::wstring_view text, std::size_t pos) {
  return pos > 0 && pos < text.size() && text[pos - 1] == L'\r' && text[pos] == L'\n';
}

}  // namespace

TextChange FindTextChange(std::wstring_view before, std::wstring_view after) {
  const std::size_t shorter = std::min(before.size(), after.size());
  std::size_t start = 0;
  while (start < shorter && before[start] == after[start]) ++start;
  while (start > 0 && (SplitsLineBreak(before, start) || SplitsLineBreak(after, start))) --start;
  std::size_t common = 0;  // equal units at the end, not reaching into the common start
  while (common < shorter - start &&
         before[before.size() - 1 - common] == after[after.size() - 1 - common]) {
    ++common;
  }
  while (common > 0 && (SplitsLineBreak(before, before.size() - common) ||
                        SplitsLineBreak(after, after.size() - common))) {
    --common;
  }
  return {start, before.size() - common, after.size() - common};
}

}  // namespace qb
