#include <array>

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

// Walks the characters of a text for パターン削除: the length of each and whether it is blank.
class BlankWalker {
 public:
  BlankWalker(std::string_view text, const BlankSet& set) : text_(text) {
    for (int byte = 0; byte < 256; ++byte) {
      if (IsSjisLeadByte(static_cast<unsigned char>(byte))) kind_[static_cast<std::size_t>(byte)] = kLead;
    }
    kind_[' '] = kBlank;
    if (set.tabs) kind_['\t'] = kBlank;
    if (set.lineBreaks) kind_['\r'] = kind_['\n'] = kBlank;
  }
  // The character at `pos`: its length, and in `blank` whether it is removed ("　" is 81 40).
  std::size_t at(std::size_t pos, bool& blank) const {
    auto byte = static_cast<unsigned char>(text_[pos]);
    if (kind_[byte] == kLead && pos + 1 < text_.size()) {
      blank = byte == 0x81 && text_[pos + 1] == 0x40;
      return 2;
    }
    blank = kind_[byte] == kBlank;
    return 1;
  }

 private:
  static constexpr unsigned char kBlank = 1;
  static constexpr unsigned char kLead = 2;
  std::string_view text_;
  std::array<unsigned char, 256> kind_{};
};

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
  // Only bytes are removed, so the text is edited in place: no second buffer.
  BlankWalker walker(text, set);
  bool blank = false;
  std::size_t pos = 0;
  if (set.where == 1) {
    for (std::size_t length; pos < text.size() && (length = walker.at(pos, blank), blank);) pos += length;
    text.erase(0, pos);
    return 0;
  }
  std::size_t kept = 0;  // set.where 3: bytes kept so far; 2: the end of the last non-blank character
  char* out = text.data();
  while (pos < text.size()) {
    std::size_t length = walker.at(pos, blank);
    if (set.where == 3) {
      if (!blank) {
        out[kept] = out[pos];
        if (length == 2) out[kept + 1] = out[pos + 1];
        kept += length;
      }
    } else if (!blank) {
      kept = pos + length;
    }
    pos += length;
  }
  text.resize(kept);
  return 0;
}

}  // namespace qb
