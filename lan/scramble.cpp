#include "lan/scramble.h"

#include <cstdint>

namespace qb {

namespace {

unsigned BodyRotation(std::size_t bodyPosition) { return 3u + static_cast<unsigned>(bodyPosition % 4); }

std::uint8_t RotateLeft(std::uint8_t value, unsigned bits) {
  return static_cast<std::uint8_t>((value << bits) | (value >> (8 - bits)));
}

std::uint8_t RotateRight(std::uint8_t value, unsigned bits) {
  return static_cast<std::uint8_t>((value >> bits) | (value << (8 - bits)));
}

}  // namespace

std::string Scramble(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    auto inverted = static_cast<std::uint8_t>(~static_cast<std::uint8_t>(out[i]));
    if (i >= kScrambleMagicBytes) inverted = RotateLeft(inverted, BodyRotation(i - kScrambleMagicBytes));
    out[i] = static_cast<char>(inverted);
  }
  return out;
}

std::string Unscramble(std::string_view datagram) {
  std::string out(datagram);
  for (std::size_t i = 0; i < out.size(); ++i) {
    auto byte = static_cast<std::uint8_t>(out[i]);
    if (i >= kScrambleMagicBytes) byte = RotateRight(byte, BodyRotation(i - kScrambleMagicBytes));
    out[i] = static_cast<char>(static_cast<std::uint8_t>(~byte));
  }
  return out;
}

}  // namespace qb
