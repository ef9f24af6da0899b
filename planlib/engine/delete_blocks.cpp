#include "base/sjis.h"
#include "planlib/engine/sjis_text.h"
#include "planlib/engine/text_blocks.h"

namespace qb {

namespace {

std::size_t Clamp(long value, std::size_t size) {
  if (value <= 0) return 0;
  return static_cast<std::size_t>(value) < size ? static_cast<std::size_t>(value) : size;
}

// Which characters a パターン削除 code removes, and where.
struct BlankSet {
  bool tabs = false;
  bool lineBreaks = false;
  int where = 0;  // 1 leading, 2 trailing, 3 everywhere
};

BlankSet BlankSetOf(int code) {
  if (code < 101 || code > 109) return {};
  int group = (code - 101) / 3;  // 0 spaces, 1 + tabs and line breaks, 2 + tabs
  return {group != 0, group == 1, (code - 101) % 3 + 1};
}

// Bytes of the blank character at `pos`, 0 when it is none.
std::size_t BlankAt(std::string_view text, std::size_t pos, const BlankSet& set) {
  char c = text[pos];
  if (c == ' ') return 1;
  if (c == '\t' && set.tabs) return 1;
  if ((c == '\r' || c == '\n') && set.lineBreaks) return 1;
  if (text.substr(pos, 2) == "　") return 2;
  return 0;
}

}  // namespace

int CDeletePosi::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int kind = settings.number("KIND_ADR");
  long n = settings.number("IDX_START");
  long length = settings.number("LEN");
  bool whole = settings.number("ZEN_NOTCUT") == 1;
  if (!settings.ok()) return settings.fail(context);
  std::size_t size = text.size();
  std::size_t begin = size;
  std::size_t end = size;
  switch (kind) {
    case 6: {
      begin = CharPositionToByte(text, n);
      std::string_view rest = std::string_view(text).substr(begin);
      end = begin + SjisCharToByte(rest, Clamp(length, rest.size()));
      break;
    }
    case 7:
      begin = BytePositionToByte(text, n);
      if (whole && IsSjisTrailPosition(text, begin)) ++begin;
      end = begin + Clamp(length, size - begin);
      if (whole && IsSjisTrailPosition(text, end)) ++end;
      break;
    case 10: begin = CharPositionToByte(text, n); break;
    case 11:
      begin = BytePositionToByte(text, n);
      if (whole && IsSjisTrailPosition(text, begin)) ++begin;
      break;
    case 17: {
      std::size_t count = SjisCharCount(text);
      std::size_t drop = Clamp(length, count);
      begin = SjisCharToByte(text, count - drop);
      break;
    }
    case 18:
      begin = size - Clamp(length, size);
      if (whole && begin < size && IsSjisTrailPosition(text, begin)) --begin;
      break;
    case 3: begin = 0; break;
    default: break;
  }
  if (begin < end) text.erase(begin, end - begin);
  return 0;
}

int CDeletePattern::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  BlankSet set = BlankSetOf(settings.number("KIND_PATTERN"));
  if (!settings.ok()) return settings.fail(context);
  if (set.where == 0 || text.empty()) return 0;
  std::string out;
  out.reserve(text.size());
  std::size_t lastKept = 0;  // end of the last non-blank character in `out`
  bool leading = true;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t blank = BlankAt(text, pos, set);
    std::size_t length = blank != 0 ? blank : SjisCharLength(text, pos);
    bool drop = blank != 0 && (set.where == 3 || (set.where == 1 && leading));
    if (!drop) out.append(text, pos, length);
    if (blank == 0) {
      leading = false;
      lastKept = out.size();
    }
    pos += length;
  }
  if (set.where == 2) out.resize(lastKept);
  text = std::move(out);
  return 0;
}

}  // namespace qb
