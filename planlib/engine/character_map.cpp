#include "planlib/engine/character_map.h"

#include <algorithm>

#include "base/sjis.h"

namespace qb {

namespace {

std::vector<std::string> Characters(std::string_view text, bool pairs) {
  std::vector<std::string> characters;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = SjisCharLength(text, pos);
    if (pairs && pos + length < text.size()) length += SjisCharLength(text, pos + length);
    characters.emplace_back(text.substr(pos, length));
    pos += length;
  }
  return characters;
}

unsigned Key(unsigned char first, unsigned char second) { return first << 8 | second; }

}  // namespace

void CharacterMap::add(std::string_view from, std::string_view to, bool pairs) {
  std::vector<std::string> sources = Characters(from, pairs);
  std::vector<std::string> targets = Characters(to, false);
  for (std::size_t i = 0; i < sources.size() && i < targets.size(); ++i) {
    addOne(sources[i], targets[i]);
  }
}

void CharacterMap::addOne(std::string_view source, std::string_view target) {
  if (source.empty() || source.size() > 2) return;
  auto first = static_cast<unsigned char>(source[0]);
  if (source.size() == 1) {
    if (single_[first] != 0) return;
    targets_.emplace_back(target);
    single_[first] = static_cast<int>(targets_.size());
    return;
  }
  auto second = static_cast<unsigned char>(source[1]);
  if (lookupTwo(first, second) != 0) return;
  targets_.emplace_back(target);
  unsigned key = Key(first, second);
  auto at = std::lower_bound(double_.begin(), double_.end(), std::make_pair(key, 0));
  double_.insert(at, {key, static_cast<int>(targets_.size())});
}

int CharacterMap::lookupTwo(unsigned char first, unsigned char second) const {
  unsigned key = Key(first, second);
  auto at = std::lower_bound(double_.begin(), double_.end(), std::make_pair(key, 0));
  return (at != double_.end() && at->first == key) ? at->second : 0;
}

std::string CharacterMap::convert(std::string_view text) const {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = SjisCharLength(text, pos);
    auto first = static_cast<unsigned char>(text[pos]);
    int found = 0;
    std::size_t used = length;
    if (pos + 1 < text.size()) {
      found = lookupTwo(first, static_cast<unsigned char>(text[pos + 1]));
      used = 2;
      // Two single-byte characters only when the second one starts a character of its own.
      if (found != 0 && length == 1 && SjisCharLength(text, pos + 1) != 1) found = 0;
    }
    if (found == 0 && length == 1) {
      found = single_[first];
      used = 1;
    }
    if (found != 0) {
      out += targets_[found - 1];
      pos += used;
    } else {
      out.append(text, pos, length);
      pos += length;
    }
  }
  return out;
}

namespace {

constexpr std::string_view kHalfDigits = "1234567890";
constexpr std::string_view kFullDigits = "１２３４５６７８９０";
constexpr std::string_view kHalfLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kFullLetters =
    "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ";
constexpr std::string_view kHalfVoiced =
    "ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟｳﾞ";
constexpr std::string_view kFullVoiced = "ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポヴ";
constexpr std::string_view kHalfKana =
    "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔｲﾕｴﾖﾗﾘﾙﾚﾛﾜﾝｦ";
constexpr std::string_view kFullKana =
    "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤイユエヨラリルレロワンヲ";
constexpr std::string_view kHalfSmall = "ｧｨｩｪｫｯｬｭｮｰ";
constexpr std::string_view kFullSmall = "ァィゥェォッャュョー";
constexpr std::string_view kHalfSymbols = "!#$%&'()*+,-./:;<=>?@[\\]^_`{|}~｡｢｣､･";
constexpr std::string_view kFullSymbols =
    "！＃＄％＆’（）＊＋，－．／：；＜＝＞？＠［￥］＾＿‘｛｜｝～。「」、・";

CharacterMap Make(std::string_view from, std::string_view to) {
  CharacterMap map;
  map.add(from, to);
  return map;
}

CharacterMap HalfToFullKana() {
  CharacterMap map;
  map.add(kHalfVoiced, kFullVoiced, true);
  map.add(kHalfKana, kFullKana);
  map.add(kHalfSmall, kFullSmall);
  return map;
}

CharacterMap FullToHalfKana() {
  CharacterMap map;
  std::vector<std::string> voiced = Characters(kHalfVoiced, true);
  std::vector<std::string> full = Characters(kFullVoiced, false);
  for (std::size_t i = 0; i < voiced.size() && i < full.size(); ++i) map.addOne(full[i], voiced[i]);
  map.add(kFullKana, kHalfKana);
  map.add(kFullSmall, kHalfSmall);
  return map;
}

}  // namespace

const CharacterMap* PatternMap(int code) {
  static const CharacterMap kSpaceToFull = Make(" ", "　");
  static const CharacterMap kSpaceToHalf = Make("　", " ");
  static const CharacterMap kDigitsToFull = Make(kHalfDigits, kFullDigits);
  static const CharacterMap kDigitsToHalf = Make(kFullDigits, kHalfDigits);
  static const CharacterMap kLettersToFull = Make(kHalfLetters, kFullLetters);
  static const CharacterMap kLettersToHalf = Make(kFullLetters, kHalfLetters);
  static const CharacterMap kKanaToFull = HalfToFullKana();
  static const CharacterMap kKanaToHalf = FullToHalfKana();
  static const CharacterMap kSymbolsToFull = Make(kHalfSymbols, kFullSymbols);
  static const CharacterMap kSymbolsToHalf = Make(kFullSymbols, kHalfSymbols);
  switch (code) {
    case 5: return &kSpaceToFull;
    case 6: return &kSpaceToHalf;
    case 7: return &kDigitsToFull;
    case 8: return &kDigitsToHalf;
    case 11: return &kLettersToFull;
    case 12: return &kLettersToHalf;
    case 13: return &kKanaToFull;
    case 14: return &kKanaToHalf;
    case 15: return &kSymbolsToFull;
    case 16: return &kSymbolsToHalf;
    default: return nullptr;
  }
}

}  // namespace qb
