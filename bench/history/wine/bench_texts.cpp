#include "bench/history/wine/bench_texts.h"

#include <algorithm>
#include <cstdlib>

namespace qb::bench {
namespace {

constexpr char kMark[] = "qbtext:";
constexpr char kFiller = 'x';

}  // namespace

std::string MakeBenchText(const std::string& tag, std::size_t size) {
  std::string head = std::string(kMark) + tag + ":";
  // The length field itself counts: try until the number fits.
  for (std::size_t digits = 1; digits < 12; ++digits) {
    std::size_t total = std::max(size, head.size() + digits + 1);
    std::string number = std::to_string(total);
    if (number.size() != digits) continue;
    std::string text = head + number + ":";
    text.append(total - text.size(), kFiller);
    return text;
  }
  return head;
}

bool IsWholeBenchText(const std::string& value) {
  if (value.rfind(kMark, 0) != 0) return false;
  const std::size_t tagEnd = value.find(':', sizeof kMark - 1);
  if (tagEnd == std::string::npos) return false;
  const std::size_t numberEnd = value.find(':', tagEnd + 1);
  if (numberEnd == std::string::npos || numberEnd == tagEnd + 1) return false;
  const std::string number = value.substr(tagEnd + 1, numberEnd - tagEnd - 1);
  if (number.find_first_not_of("0123456789") != std::string::npos) return false;
  if (std::strtoull(number.c_str(), nullptr, 10) != value.size()) return false;
  return value.find_first_not_of(kFiller, numberEnd + 1) == std::string::npos;
}

std::optional<std::string> ValueOfRecord(const std::string& record, const std::string& owner) {
  // use count ":::" owner ":::" sequence ":" label ":::" "0" ":::" value
  std::size_t at = 0;
  std::string parts[4];
  for (std::string& part : parts) {
    const std::size_t separator = record.find(":::", at);
    if (separator == std::string::npos) return std::nullopt;
    part = record.substr(at, separator - at);
    at = separator + 3;
  }
  if (parts[0].size() != 8 || parts[0].find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  if (parts[1] != owner || parts[2].find(':') == std::string::npos || parts[3] != "0") {
    return std::nullopt;
  }
  return record.substr(at);
}

}  // namespace qb::bench
