// Walking Shift-JIS (code page 932) byte strings by character.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qb {

// True for the first byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
bool IsSjisLeadByte(unsigned char byte);

// Bytes taken by the character that starts at `pos` (1 or 2; 1 for a lead byte at the very end).
std::size_t SjisCharLength(std::string_view text, std::size_t pos);

// Number of characters (a double-byte character counts once).
std::size_t SjisCharCount(std::string_view text);

// Byte offset of character number `charIndex`; text.size() when the text has fewer characters.
std::size_t SjisCharToByte(std::string_view text, std::size_t charIndex);

// Character index of the character that holds byte `bytePos` (a trail byte belongs to its lead).
std::size_t SjisByteToChar(std::string_view text, std::size_t bytePos);

// Length in half-width units: a double-byte character counts 2, a single-byte one 1.
std::size_t HalfWidthLength(std::string_view text);

// True when byte `pos` is the trail byte of a double-byte character.
bool IsSjisTrailPosition(std::string_view text, std::size_t pos);

// The position of the last whole single-byte character `c` (never the trail byte of a
// double-byte character, such as the 0x5C of "表" or "予"); npos when there is none.
std::size_t SjisFindLast(std::string_view text, char c);

// The part of a path after its last backslash that is a whole character; the whole path when
// it has none.
std::string_view SjisFileNamePart(std::string_view path);

// The first `maxBytes` bytes, exactly (may split a double-byte character).
std::string CutBytes(std::string_view text, std::size_t maxBytes);

// At most `maxBytes` bytes, one byte less when the cut would split a double-byte character.
std::string CutBytesWhole(std::string_view text, std::size_t maxBytes);
// The same without a copy: the longest prefix of at most `maxBytes` bytes that does not split a
// double-byte character.
std::string_view WholeCharacterPrefix(std::string_view text, std::size_t maxBytes);

}  // namespace qb
