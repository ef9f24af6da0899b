#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/sjis.h"
#include "planlib/engine/line_table.h"
#include "planlib/engine/plan_limits.h"
#include "planlib/engine/sjis_text.h"
#include "planlib/engine/text_blocks.h"

namespace qb {

namespace {

constexpr long kMaxDivisionLines = 1000000;
constexpr long kMaxChunksPerLine = 1000000;
constexpr std::size_t kSortKeyBytes = 30;

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
  std::optional<std::vector<LineSpan>> lines = SplitLines(text, kRunLineLimit);
  if (!lines) return context.lineLimitExceeded("行並び替え");
  // Sorted by key, then by place: the order of a stable sort. Most comparisons end at the heads.
  struct Item {
    std::uint64_t head;
    std::uint32_t index;
    std::uint32_t keyBegin;  // in the line
  };
  auto keyOf = [&](const Item& item) {
    return LineOf(text, (*lines)[item.index]).substr(item.keyBegin, kSortKeyBytes);
  };
  std::vector<Item> items(lines->size());
  for (std::uint32_t i = 0; i < items.size(); ++i) {
    std::string_view line = LineOf(text, (*lines)[i]);
    std::size_t from = bytes ? BytePositionToByte(line, start) : CharPositionToByte(line, start);
    items[i] = {TextHead(line.substr(from, kSortKeyBytes)), i, static_cast<std::uint32_t>(from)};
  }
  std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
    if (a.head != b.head) return a.head < b.head;
    int order = keyOf(a).compare(keyOf(b));
    return order != 0 ? order < 0 : a.index < b.index;
  });
  std::size_t last = items.size() - 1;
  auto indexAt = [&](std::size_t i) { return items[descending ? last - i : i].index; };
  text = JoinLines(text, *lines, items.size(), indexAt, text.ends_with("\r\n"));
  return 0;
}

int CSameDeleteLine::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  settings.number("KIND_ADR");
  if (!settings.ok()) return settings.fail(context);
  std::optional<std::vector<LineSpan>> lines = SplitLines(text, kRunLineLimit);
  if (!lines) return context.lineLimitExceeded("同一行削除");
  // Open addressing over the line numbers (0 = free), at most half full.
  std::size_t capacity = 16;
  while (capacity < 2 * lines->size()) capacity *= 2;
  std::vector<std::uint32_t> slots(capacity, 0);
  std::vector<std::uint32_t> kept;
  kept.reserve(lines->size());
  for (std::uint32_t i = 0; i < lines->size(); ++i) {
    std::string_view line = LineOf(text, (*lines)[i]);
    std::size_t slot = LineHash(line) & (capacity - 1);
    while (slots[slot] != 0 && LineOf(text, (*lines)[slots[slot] - 1]) != line) slot = (slot + 1) & (capacity - 1);
    if (slots[slot] != 0) continue;
    slots[slot] = i + 1;
    kept.push_back(i);
  }
  text = JoinLines(text, *lines, kept.size(), [&](std::size_t i) { return kept[i]; }, text.ends_with("\r\n"));
  return 0;
}

}  // namespace qb
