#include "app/tablist/search_fold.h"

#include <array>

#include "base/sjis.h"

namespace qb {
namespace {

using Unit = char16_t;

// Half-width katakana and punctuation 0xA1-0xDD and their full-width forms, in the same order.
constexpr std::string_view kHalfWidthKana =
    "｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ";
constexpr std::string_view kFullWidthKana =
    "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン";
// The letters that take the voiced mark (the code after each is its voiced form), and those that
// also take the semi-voiced mark (two codes after).
constexpr std::string_view kVoiceable = "カキクケコサシスセソタチツテトハヒフヘホ";
constexpr std::string_view kSemiVoiceable = "ハヒフヘホ";
constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;

Unit CodeAt(std::string_view text, std::size_t pos) {
  return static_cast<Unit>(static_cast<unsigned char>(text[pos]) << 8 |
                           static_cast<unsigned char>(text[pos + 1]));
}

bool Contains(std::string_view doubleByteText, Unit code) {
  for (std::size_t pos = 0; pos + 1 < doubleByteText.size(); pos += 2) {
    if (CodeAt(doubleByteText, pos) == code) return true;
  }
  return false;
}

// 0xA1-0xDD → the full-width code; 0 for bytes outside.
struct KanaTable {
  std::array<Unit, 256> full{};
  KanaTable() {
    for (std::size_t i = 0; i < kHalfWidthKana.size() && 2 * i + 1 < kFullWidthKana.size(); ++i) {
      full[static_cast<unsigned char>(kHalfWidthKana[i])] = CodeAt(kFullWidthKana, 2 * i);
    }
  }
};
const KanaTable& Kana() {
  static const KanaTable table;
  return table;
}

Unit FoldDoubleByte(Unit code) {
  if (code >= 0x8260 && code <= 0x8279) return static_cast<Unit>(u'a' + (code - 0x8260));  // Ａ-Ｚ
  if (code >= 0x8281 && code <= 0x829A) return static_cast<Unit>(u'a' + (code - 0x8281));  // ａ-ｚ
  if (code >= 0x824F && code <= 0x8258) return static_cast<Unit>(u'0' + (code - 0x824F));  // ０-９
  if (code == 0x8140) return u' ';
  if (code >= 0x829F && code <= 0x82DD) return static_cast<Unit>(0x8340 + (code - 0x829F));  // ぁ-み
  if (code >= 0x82DE && code <= 0x82F1) return static_cast<Unit>(0x8380 + (code - 0x82DE));  // む-ん
  return code;
}

// A half-width kana at `pos`, with the voiced mark that follows it; `length` gets the bytes used.
Unit FoldHalfWidthKana(std::string_view text, std::size_t pos, std::size_t& length) {
  const Unit full = Kana().full[static_cast<unsigned char>(text[pos])];
  length = 1;
  if (pos + 1 >= text.size()) return full;
  const auto mark = static_cast<unsigned char>(text[pos + 1]);
  if (mark == kVoicedMark && Contains(kVoiceable, full)) {
    length = 2;
    return static_cast<Unit>(full + 1);
  }
  if (mark == kVoicedMark && full == 0x8345) {  // ウ + voiced mark: ヴ
    length = 2;
    return 0x8394;
  }
  if (mark == kSemiVoicedMark && Contains(kSemiVoiceable, full)) {
    length = 2;
    return static_cast<Unit>(full + 2);
  }
  return full;
}

}  // namespace

std::u16string FoldForSearch(std::string_view text) {
  std::u16string folded;
  folded.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (IsSjisLeadByte(byte) && pos + 1 < text.size()) {
      folded.push_back(FoldDoubleByte(CodeAt(text, pos)));
      pos += 2;
    } else if (Kana().full[byte] != 0) {
      std::size_t length = 1;
      folded.push_back(FoldHalfWidthKana(text, pos, length));
      pos += length;
    } else {
      folded.push_back(byte >= 'A' && byte <= 'Z' ? static_cast<Unit>(byte - 'A' + 'a') : byte);
      ++pos;
    }
  }
  return folded;
}

std::vector<std::u16string> FoldedQueryWords(std::string_view query) {
  std::vector<std::u16string> words;
  std::u16string word;
  for (Unit unit : FoldForSearch(query)) {
    if (unit == u' ' || unit == u'\t') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word.push_back(unit);
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

}  // namespace qb
