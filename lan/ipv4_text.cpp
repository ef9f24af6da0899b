#include "lan/ipv4_text.h"

#include <cstdio>

namespace qb {

std::string FormatIpv4(std::uint32_t address) {
  char buffer[20];
  std::snprintf(buffer, sizeof buffer, "%u.%u.%u.%u", (address >> 24) & 0xFFu,
                (address >> 16) & 0xFFu, (address >> 8) & 0xFFu, address & 0xFFu);
  return buffer;
}

bool ParseIpv4(std::string_view text, std::uint32_t& address) {
  std::uint32_t value = 0;
  std::size_t pos = 0;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (pos >= text.size() || text[pos] != '.') return false;
      ++pos;
    }
    std::size_t digits = 0;
    unsigned number = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 3) {
      number = number * 10 + static_cast<unsigned>(text[pos] - '0');
      ++pos;
      ++digits;
    }
    if (digits == 0 || number > 255) return false;
    value = (value << 8) | number;
  }
  if (pos != text.size()) return false;
  address = value;
  return true;
}

}  // namespace qb
