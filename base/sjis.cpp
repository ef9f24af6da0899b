#include "base/sjis.h"

namespace qb {

bool IsSjisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t SjisCharLength(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;  // no character there
  if (IsSjisLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) return 2;
  return 1;
}

std::size_t SjisCharCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += SjisCharLength(text, pos)) ++count;
  return count;
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
