#include "app/settings/indexed_text.h"

#include <cstddef>

namespace qb {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Padded(int number, std::size_t width, char pad) {
  std::string digits = std::to_string(number < 0 ? -static_cast<long long>(number) : number);
  std::string sign = number < 0 ? "-" : "";
  std::size_t length = sign.size() + digits.size();
  if (length >= width) return sign + digits;
  if (pad == '0') return sign + std::string(width - length, '0') + digits;
  return std::string(width - length, ' ') + sign + digits;
}

}  // namespace

std::string FormatIndexed(std::string_view pattern, int first, int second) {
  const int numbers[2] = {first, second};
  int next = 0;
  std::string text;
  std::size_t pos = 0;
  while (pos < pattern.size()) {
    if (pattern[pos] != '%' || next == 2) {
      text += pattern[pos++];
      continue;
    }
    std::size_t end = pos + 1;
    char pad = ' ';
    if (end < pattern.size() && pattern[end] == '0') {
      pad = '0';
      ++end;
    }
    std::size_t width = 0;
    while (end < pattern.size() && IsDigit(pattern[end])) {
      width = width * 10 + static_cast<std::size_t>(pattern[end] - '0');
      ++end;
    }
    if (end >= pattern.size() || pattern[end] != 'd') {
      text += pattern[pos++];
      continue;
    }
    text += Padded(numbers[next++], width, pad);
    pos = end + 1;
  }
  return text;
}

}  // namespace qb
