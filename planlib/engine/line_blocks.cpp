#include <algorithm>
#include <string_view>
#include <unordered_set>
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

// The lines of a text; the empty line after a final CR LF is not one of them.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  LineCursor cursor(text);
  std::string_view line;
  while (cursor.next(line)) lines.push_back(line);
  return lines;
}

std::string JoinLines(const std::vector<std::string_view>& lines, bool finalBreak,
                      std::size_t sizeHint) {
  std::string out;
  out.reserve(sizeHint);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out.append(lines[i]);
    if (i + 1 < lines.size() || finalBreak) out += "\r\n";
  }
  return out;
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
  if (CountLines(text) > static_cast<std::size_t>(kRunLineLimit)) {
    return context.lineLimitExceeded("行並び替え");
  }
  std::vector<std::string_view> lines = SplitLines(text);
  std::vector<std::string_view> keys;
  keys.reserve(lines.size());
  for (std::string_view line : lines) {
    std::size_t from = bytes ? BytePositionToByte(line, start) : CharPositionToByte(line, start);
    keys.push_back(line.substr(from, kSortKeyBytes));
  }
  std::vector<std::size_t> order(lines.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  if (descending) std::reverse(order.begin(), order.end());
  std::vector<std::string_view> sorted;
  sorted.reserve(lines.size());
  for (std::size_t index : order) sorted.push_back(lines[index]);
  text = JoinLines(sorted, text.ends_with("\r\n"), text.size());
  return 0;
}

int CSameDeleteLine::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  settings.number("KIND_ADR");
  if (!settings.ok()) return settings.fail(context);
  if (CountLines(text) > static_cast<std::size_t>(kRunLineLimit)) {
    return context.lineLimitExceeded("同一行削除");
  }
  std::vector<std::string_view> lines = SplitLines(text);
  std::unordered_set<std::string_view> seen;
  seen.reserve(lines.size() * 2);
  std::vector<std::string_view> kept;
  for (std::string_view line : lines) {
    if (seen.insert(line).second) kept.push_back(line);
  }
  text = JoinLines(kept, text.ends_with("\r\n"), text.size());
  return 0;
}

}  // namespace qb
