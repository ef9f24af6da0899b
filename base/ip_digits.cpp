#include "base/ip_digits.h"

#include <cstdio>

#include "base/numbers.h"

namespace qb {

std::string IpToDigits12(std::string_view dottedIp) {
  int parts[4] = {0, 0, 0, 0};
  std::size_t pos = 0;
  for (int i = 0; i < 4 && pos <= dottedIp.size(); ++i) {
    std::size_t dot = dottedIp.find('.', pos);
    std::string_view part = dottedIp.substr(pos, dot == std::string_view::npos ? std::string_view::npos : dot - pos);
    parts[i] = ParseLeadingInt(part);
    if (dot == std::string_view::npos) break;
    pos = dot + 1;
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%03d%03d%03d%03d", parts[0], parts[1], parts[2], parts[3]);
  return buffer;
}

std::string Digits12ToIp(std::string_view digits12) {
  int groups[4] = {0, 0, 0, 0};
  for (std::size_t i = 0; i < 12; ++i) {
    int digit = 0;
    if (i < digits12.size() && digits12[i] >= '0' && digits12[i] <= '9') digit = digits12[i] - '0';
    groups[i / 3] = groups[i / 3] * 10 + digit;
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%d.%d.%d.%d", groups[0], groups[1], groups[2], groups[3]);
  return buffer;
}

}  // namespace qb
