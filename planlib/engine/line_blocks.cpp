#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "base/sjis.h"
#include "planlib/engine/plan_limits.h"
#include "planlib/engine/sjis_text.h"
#include "planlib/engine/text_blocks.h"

namespace qb {

namespace {

constexpr long kMaxDivisionLines = 1000000;
constexpr long kMaxChunksPerLine = 1000000;
constexpr std::size_t kSortKeyBytes = 30;

// A line of the text by its place, small enough that the line blocks keep only these.
struct LineSpan {
  std::uint32_t begin;
  std::uint32_t length;
};

// The `count` lines of a text; the empty line after a final CR LF is not one of them.
std::vector<LineSpan> SplitLines(std::string_view text, std::size_t count) {
  std::vector<LineSpan> lines;
  lines.reserve(count);
  LineCursor cursor(text);
  std::string_view line;
  while (cursor.next(line)) {
    lines.push_back({static_cast<std::uint32_t>(line.data() - text.data()), static_cast<std::uint32_t>(line.size())});
  }
  return lines;
}

std::string_view LineOf(std::string_view text, LineSpan span) { return text.substr(span.begin, span.length); }

// Appends the lines of `text` in the order of `order`, joined by CR LF, with a final CR LF when
// `finalBreak`.
template <typename Order>
std::string JoinLines(std::string_view text, const std::vector<LineSpan>& lines, const Order& order,
                      bool finalBreak) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    out.append(LineOf(text, lines[order[i]]));
    if (i + 1 < order.size() || finalBreak) out += "\r\n";
  }
  return out;
}

// The first 8 bytes of a key as a big-endian number (shorter keys padded with zero bytes): two
// keys whose heads differ are ordered by their heads.
std::uint64_t KeyHead(std::string_view key) {
  std::uint64_t head = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    head = head << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  }
  return head;
}

// A hash of a line, a machine word at a time.
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

// Bytes of the next chunk of `line` from `pos`.
std::size_t ChunkLength(std::string_view line, std::size_t pos, std::size_t length, bool bytes) {
  std::string_view rest = line.substr(pos);
  if (!bytes) return SjisCharToByte(rest, length);
  if (length >= rest.size()) return rest.size();
  return IsSjisTrailPosition(rest, length) ? length + 1 : length;
}

}  // namespace

int CDivisionLine::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  bool bytes = settings.number("KIND_KETA") == 2;
  long length = settings.number("LEN");
  if (!settings.ok()) return settings.fail(context);
  if (length < 1) return 0;
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  LineCursor cursor(text);
  std::string_view line;
  for (long lines = 0; lines < kMaxDivisionLines && cursor.next(line); ++lines) {
    std::size_t pos = 0;
    for (long chunk = 0; pos < line.size(); ++chunk) {
      std::size_t take = chunk + 1 < kMaxChunksPerLine
                             ? ChunkLength(line, pos, static_cast<std::size_t>(length), bytes)
                             : line.size() - pos;
      if (chunk > 0) out += "\r\n";
      out.append(line.substr(pos, take));
      pos += take;
    }
    if (cursor.hadBreak()) out += "\r\n";
  }
  text = std::move(out);
  return 0;
}

int CSortLine::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  bool bytes = settings.number("KIND_KETA") == 2;
  bool descending = settings.number("KIND_SORT") == 2;
  long start = settings.number("IDX_START");
  if (!settings.ok()) return settings.fail(context);
  std::size_t count = CountLines(text);
  if (count > static_cast<std::size_t>(kRunLineLimit)) return context.lineLimitExceeded("行並び替え");
  std::vector<LineSpan> lines = SplitLines(text, count);
  auto keyOf = [&](std::uint32_t index) {
    std::string_view line = LineOf(text, lines[index]);
    std::size_t from = bytes ? BytePositionToByte(line, start) : CharPositionToByte(line, start);
    return line.substr(from, kSortKeyBytes);
  };
  std::vector<std::uint64_t> heads(lines.size());
  std::vector<std::uint32_t> order(lines.size());
  for (std::uint32_t i = 0; i < order.size(); ++i) {
    order[i] = i;
    heads[i] = KeyHead(keyOf(i));
  }
  std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    if (heads[a] != heads[b]) return heads[a] < heads[b];
    return keyOf(a) < keyOf(b);
  });
  if (descending) std::reverse(order.begin(), order.end());
  text = JoinLines(text, lines, order, text.ends_with("\r\n"));
  return 0;
}

int CSameDeleteLine::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  settings.number("KIND_ADR");
  if (!settings.ok()) return settings.fail(context);
  std::size_t count = CountLines(text);
  if (count > static_cast<std::size_t>(kRunLineLimit)) return context.lineLimitExceeded("同一行削除");
  std::vector<LineSpan> lines = SplitLines(text, count);
  // Open addressing over the line numbers (0 = free), at most half full.
  std::size_t capacity = 16;
  while (capacity < 2 * lines.size()) capacity *= 2;
  std::vector<std::uint32_t> slots(capacity, 0);
  std::vector<std::uint32_t> kept;
  kept.reserve(lines.size());
  for (std::uint32_t i = 0; i < lines.size(); ++i) {
    std::string_view line = LineOf(text, lines[i]);
    std::size_t slot = LineHash(line) & (capacity - 1);
    while (slots[slot] != 0 && LineOf(text, lines[slots[slot] - 1]) != line) slot = (slot + 1) & (capacity - 1);
    if (slots[slot] != 0) continue;
    slots[slot] = i + 1;
    kept.push_back(i);
  }
  text = JoinLines(text, lines, kept, text.ends_with("\r\n"));
  return 0;
}

}  // namespace qb
