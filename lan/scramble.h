// The fixed byte scrambling of datagrams. The first 12 bytes (the magic) are inverted; every
// later byte at body position i is inverted and rotated left by 3 + (i mod 4) bits. There is no
// key; the datagram has the length of the text.
#pragma once
#include <string>
#include <string_view>

namespace qb {

inline constexpr std::size_t kScrambleMagicBytes = 12;

std::string Scramble(std::string_view text);
std::string Unscramble(std::string_view datagram);

}  // namespace qb
