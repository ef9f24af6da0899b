#include "base/sjis.h"

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qb {

bool IsSjisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t SjisCharLength(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;  // no character there
  if (IsSjisLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) return 2;
  return 1;
}

namespace {

constexpr auto kLeadRange = [] {
  std::array<unsigned char, 256> table{};
  for (int byte = 0; byte < 256; ++byte) {
    table[byte] = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
  }
  return table;
}();

#if defined(__SSE2__)
// Bit i set where byte i of the 16 at `p` is in the lead range.
unsigned LeadRangeMask16(const char* p) {
  // Shifted by 0x80, 0x81-0x9F are the signed bytes 1..31 and 0xE0-0xFC are 96..124.
  __m128i bytes = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), _mm_set1_epi8(-128));
  __m128i low = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_setzero_si128()), _mm_cmplt_epi8(bytes, _mm_set1_epi8(32)));
  __m128i high = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(95)), _mm_cmplt_epi8(bytes, _mm_set1_epi8(125)));
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(low, high)));
}

// Which of 16 bytes begin a double-byte character, from their lead-range bits; the first byte is
// a trail byte when `open`. In each run of lead-range bytes the 1st, 3rd, 5th... begin one: the
// runs that start at an even bit are found by the carry of adding their start bit, and likewise
// for odd starts.
unsigned DoubleStarts16(unsigned lead, unsigned open) {
  constexpr unsigned kEven = 0x5555;
  constexpr unsigned kOdd = 0xAAAA;
  lead &= ~open;
  unsigned starts = lead & ~(lead << 1);
  unsigned evenRuns = ((lead + (starts & kEven)) ^ lead) & lead;
  unsigned oddRuns = ((lead + (starts & kOdd)) ^ lead) & lead;
  return (evenRuns & kEven) | (oddRuns & kOdd);
}

// Set bits of a 16-bit mask, without the library call that std::popcount becomes where the
// processor's own instruction is not enabled.
unsigned BitCount16(unsigned bits) {
  bits = bits - ((bits >> 1) & 0x5555u);
  bits = (bits & 0x3333u) + ((bits >> 2) & 0x3333u);
  bits = (bits + (bits >> 4)) & 0x0F0Fu;
  return (bits + (bits >> 8)) & 0x1Fu;
}
#endif

}  // namespace

std::size_t SjisCharCount(std::string_view text) {
  // Counted before every block of a plan run, over texts up to 512000 bytes. A byte outside the
  // lead range ends a character (alone or as a trail byte), so in each run of lead-range bytes
  // the 1st, 3rd, 5th... begin double-byte characters; no byte waits for the one before it.
  std::size_t doubles = 0;
  unsigned open = 0;  // 1 after a lead byte whose trail byte is still to come
  std::size_t pos = 0;
#if defined(__SSE2__)
  for (; text.size() - pos >= 16; pos += 16) {
    unsigned starts = DoubleStarts16(LeadRangeMask16(text.data() + pos), open);
    doubles += BitCount16(starts);
    open = (starts >> 15) & 1u;
  }
#endif
  for (; pos < text.size(); ++pos) {
    unsigned starts = kLeadRange[static_cast<unsigned char>(text[pos])] & (open ^ 1u);
    doubles += starts;
    open = starts;
  }
  // A lead byte as the very last byte has no trail byte: a character of its own.
  return text.size() - doubles + open;
}

std::size_t SjisCharToByte(std::string_view text, std::size_t charIndex) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < charIndex && pos < text.size(); ++i) pos += SjisCharLength(text, pos);
  return pos;
}

std::size_t SjisByteToChar(std::string_view text, std::size_t bytePos) {
  std::size_t index = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t length = SjisCharLength(text, pos);
    if (bytePos < pos + length) return index;
    pos += length;
    ++index;
  }
  return index;  // at or past the end: the number of characters
}

std::size_t HalfWidthLength(std::string_view text) {
  std::size_t units = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = SjisCharLength(text, pos);
    units += length;  // a double-byte character is 2 units, a single-byte one 1
    pos += length;
  }
  return units;
}

bool IsSjisTrailPosition(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return false;
  std::size_t at = 0;
  while (at < pos) {
    std::size_t length = SjisCharLength(text, at);
    if (length == 2 && at + 1 == pos) return true;
    at += length;
  }
  return false;
}

std::size_t SjisFindLast(std::string_view text, char c) {
  std::size_t found = std::string_view::npos;
  for (std::size_t at = 0; at < text.size(); at += SjisCharLength(text, at)) {
    if (text[at] == c) found = at;
  }
  return found;
}

std::string_view SjisFileNamePart(std::string_view path) {
  std::size_t slash = SjisFindLast(path, '\\');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string CutBytes(std::string_view text, std::size_t maxBytes) {
  return std::string(text.substr(0, maxBytes < text.size() ? maxBytes : text.size()));
}

std::string CutBytesWhole(std::string_view text, std::size_t maxBytes) {
  return std::string(WholeCharacterPrefix(text, maxBytes));
}

std::string_view WholeCharacterPrefix(std::string_view text, std::size_t maxBytes) {
  std::size_t cut = maxBytes < text.size() ? maxBytes : text.size();
  if (cut < text.size() && IsSjisTrailPosition(text, cut)) --cut;
  return text.substr(0, cut);
}

}  // namespace qb
