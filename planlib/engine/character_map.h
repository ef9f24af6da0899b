// Character-for-character conversion between two parallel lists (パターン置換). Pairs of two
// single-byte characters (voiced half-width kana) are tried before single characters.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

class CharacterMap {
 public:
  // Adds the characters of `from` to the same-position characters of `to`, in order; an earlier
  // entry for the same source wins. `pairs` takes the source two characters at a time.
  void add(std::string_view from, std::string_view to, bool pairs = false);
  // One source character (or pair) to one target text.
  void addOne(std::string_view source, std::string_view target);
  std::string convert(std::string_view text) const;

 private:
  int lookupTwo(unsigned char first, unsigned char second) const;

  std::vector<std::string> targets_;
  std::array<int, 256> single_{};                 // index + 1 into targets_, 0 none
  std::vector<std::pair<unsigned, int>> double_;  // (two-byte key, index + 1), sorted
};

// The conversion of a パターン置換 code 5-16; null for other codes.
const CharacterMap* PatternMap(int code);

}  // namespace qb
