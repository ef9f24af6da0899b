// The lines of a working text as small records, for the blocks that reorder or filter whole lines
// (行並び替え, 同一行削除): the text is split once and copied once, into the result.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// A line by its place in the text, without its line break.
struct LineSpan {
  std::uint32_t begin;
  std::uint32_t length;
};

inline std::string_view LineOf(std::string_view text, LineSpan span) {
  return text.substr(span.begin, span.length);
}

// The lines of a text split at CR LF (the empty line after a final CR LF is not one of them);
// empty when there are more than `limit`.
std::optional<std::vector<LineSpan>> SplitLines(std::string_view text, std::size_t limit);

// `count` lines, the i-th being lines[indexAt(i)], joined by CR LF, with a final CR LF when
// `finalBreak`: one buffer of the right size, each line copied once.
template <typename IndexAt>
std::string JoinLines(std::string_view text, const std::vector<LineSpan>& lines, std::size_t count,
                      IndexAt indexAt, bool finalBreak) {
  std::size_t size = count == 0 || finalBreak ? 2 * count : 2 * count - 2;
  for (std::size_t i = 0; i < count; ++i) size += lines[indexAt(i)].length;
  std::string out(size, '\0');
  char* at = out.data();
  for (std::size_t i = 0; i < count; ++i) {
    LineSpan span = lines[indexAt(i)];
    text.copy(at, span.length, span.begin);
    at += span.length;
    if (i + 1 < count || finalBreak) {
      at[0] = '\r';
      at[1] = '\n';
      at += 2;
    }
  }
  return out;
}

// The first 8 bytes as a big-endian number, a shorter text padded with zero bytes: two texts
// whose heads differ compare as their heads do.
std::uint64_t TextHead(std::string_view text);

// A hash of a line, a machine word at a time (the same only within one process).
std::uint64_t LineHash(std::string_view line);

}  // namespace qb
