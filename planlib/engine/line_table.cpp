#include "planlib/engine/line_table.h"

#include <algorithm>
#include <cstring>

namespace qb {

std::optional<std::vector<LineSpan>> SplitLines(std::string_view text, std::size_t limit) {
  std::vector<LineSpan> lines;
  // Every line but the last takes at least its 2-byte line break; untouched capacity costs nothing.
  lines.reserve(std::min(text.size() / 2 + 1, limit + 1));
  std::size_t pos = 0;
  while (true) {
    if (lines.size() == limit) return std::nullopt;  // one more line to come
    std::size_t end = text.find("\r\n", pos);
    std::size_t stop = end == std::string_view::npos ? text.size() : end;
    lines.push_back({static_cast<std::uint32_t>(pos), static_cast<std::uint32_t>(stop - pos)});
    if (end == std::string_view::npos || end + 2 == text.size()) return lines;
    pos = end + 2;
  }
}

std::uint64_t TextHead(std::string_view text) {
  unsigned char bytes[8] = {};
  if (text.size() >= 8) {
    std::memcpy(bytes, text.data(), 8);
  } else {
    std::memcpy(bytes, text.data(), text.size());
  }
  std::uint64_t head = 0;
  for (unsigned char byte : bytes) head = head << 8 | byte;
  return head;
}

std::uint64_t LineHash(std::string_view line) {
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t hash = line.size() * kMultiplier;
  std::size_t at = 0;
  for (; at + 8 <= line.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, line.data() + at, 8);
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 29;
  }
  std::uint64_t rest = 0;
  std::memcpy(&rest, line.data() + at, line.size() - at);
  hash = (hash ^ rest) * kMultiplier;
  return hash ^ (hash >> 32);
}

}  // namespace qb
