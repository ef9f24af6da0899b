#include "base/numbers.h"

#include <charconv>
#include <limits>
#include <string>

namespace qb {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips spaces/tabs and an optional sign; returns the position of what follows.
std::size_t SkipBlanksAndSign(std::string_view text, bool& negative) {
  std::size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  return pos;
}

}  // namespace

std::int32_t ParseLeadingInt(std::string_view text) {
  bool negative = false;
  std::size_t pos = SkipBlanksAndSign(text, negative);
  // Accumulated as a negative number so that INT32_MIN is reachable without overflow.
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    value = value * 10 + (text[pos] - '0');
    if (value > -kMin) value = -kMin;  // saturated; keep reading nothing further into it
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(value > kMax ? kMax : value);
}

double ParseLeadingDecimal(std::string_view text) {
  bool negative = false;
  std::size_t pos = SkipBlanksAndSign(text, negative);
  std::size_t start = pos;
  std::size_t intDigits = 0;
  bool nonZeroInt = false;
  while (pos < text.size() && IsDigit(text[pos])) {
    if (text[pos] != '0') nonZeroInt = true;
    ++pos;
    ++intDigits;
  }
  std::size_t fracDigits = 0;
  if (pos < text.size() && text[pos] == '.') {
    std::size_t after = pos + 1;
    while (after < text.size() && IsDigit(text[after])) {
      ++after;
      ++fracDigits;
    }
    if (fracDigits != 0) pos = after;
  }
  if (intDigits == 0 && fracDigits == 0) return 0.0;

  // from_chars wants at least one digit before a '.', in the "C" form whatever the locale.
  std::string number;
  if (intDigits == 0) number = "0";
  number.append(text.substr(start, pos - start));
  double value = 0.0;
  auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) {
    value = nonZeroInt ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (result.ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

}  // namespace qb
