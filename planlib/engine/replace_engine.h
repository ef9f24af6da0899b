// The replacing of 文字指定置換 and パターンファイル置換: one pass over the text, matches only
// where a character starts, the case-insensitive search on a lower-cased copy.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qb {

struct ReplaceRequest {
  std::string search;       // empty: nothing happens
  std::string replacement;
  int kind = 3;             // 1 first, 2 last, 3 all, 10/11 all after N, 12/13 all within N
  long position = 0;        // N, 1-based (characters for 10/12, bytes for 11/13)
  bool ignoreCase = false;  // ASCII letters
};

enum class ReplaceOutcome { kDone, kTooLong };

// kTooLong (text unchanged) when the result would be longer than maxBytes.
ReplaceOutcome Replace(std::string& text, const ReplaceRequest& request, std::size_t maxBytes);

}  // namespace qb
