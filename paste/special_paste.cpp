#include "paste/special_paste.h"

#include "base/sjis.h"
#include "base/text_limits.h"
#include "macros/key_macro.h"

namespace qb {
namespace {

constexpr std::string_view kFullWidthSpace = "　";
constexpr int kMaxTrimRounds = 1000;

bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

const char* SpecialPasteCommand(PasteKind kind) {
  switch (kind) {
    case PasteKind::kTrimmed: return "前後の空白/改行/タブを削除して貼り付けます";
    case PasteKind::kLinesToTabs: return "改行をTabキー押下に置き換えて貼り付けます";
    case PasteKind::kSpacesRemoved: return "全ての空白/改行/タブを削除して貼り付けます";
    case PasteKind::kRowsAbove: return "指定された行以上を一括して貼り付けます";
    case PasteKind::kRowsAboveLines: return "指定された行以上を一括して貼り付けます（改行挿入）";
    case PasteKind::kRowsBelow: return "指定された行以下を一括して貼り付けます";
    case PasteKind::kRowsBelowLines: return "指定された行以下を一括して貼り付けます（改行挿入）";
    case PasteKind::kOrdinary: break;
  }
  return "";
}

bool IsBulkPaste(PasteKind kind) {
  return kind == PasteKind::kRowsAbove || kind == PasteKind::kRowsAboveLines ||
         kind == PasteKind::kRowsBelow || kind == PasteKind::kRowsBelowLines;
}

std::string TrimForPaste(std::string_view value) {
  std::string_view text = value;
  for (int round = 0; round < kMaxTrimRounds; ++round) {
    while (!text.empty() && IsAsciiSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsAsciiSpace(text.back())) text.remove_suffix(1);
    bool removed = false;
    if (text.substr(0, kFullWidthSpace.size()) == kFullWidthSpace) {
      text.remove_prefix(kFullWidthSpace.size());
      removed = true;
    }
    // A trailing "　" must start at a character boundary (not be the tail of another character).
    if (text.size() >= kFullWidthSpace.size() &&
        text.substr(text.size() - kFullWidthSpace.size()) == kFullWidthSpace &&
        !IsSjisTrailPosition(text, text.size() - kFullWidthSpace.size())) {
      text.remove_suffix(kFullWidthSpace.size());
      removed = true;
    }
    if (!removed) break;
  }
  return std::string(text);
}

std::string RemoveAllSpaces(std::string_view value) {
  std::string result;
  for (std::size_t pos = 0; pos < value.size();) {
    const std::size_t length = SjisCharLength(value, pos);
    const std::string_view character = value.substr(pos, length);
    const bool crlf = value.substr(pos, 2) == "\r\n";
    if (crlf) {
      pos += 2;
      continue;
    }
    if (character != kFullWidthSpace && character != " " && character != "\t") result += character;
    pos += length;
  }
  return result;
}

std::string LinesToTabMacros(std::string_view value) { return ConvertLinesToTabs(value); }

std::string JoinRows(PasteSource& source, int selectedRow, PasteKind kind) {
  const bool upward = kind == PasteKind::kRowsAbove || kind == PasteKind::kRowsAboveLines;
  const bool lineBreaks = kind == PasteKind::kRowsAboveLines || kind == PasteKind::kRowsBelowLines;
  const int rows = source.rowCount();
  std::string joined;
  for (int row = selectedRow; row >= 0 && row < rows; row += upward ? -1 : 1) {
    joined += source.wholeValue(row);
    if (lineBreaks) joined += "\r\n";
    if (joined.size() > kMaxHistoryReadBytes) {
      // Never half of a double-byte character at the end.
      joined.resize(WholeCharacterPrefix(joined, kMaxValueBytes).size());
      break;
    }
  }
  return joined;
}

std::string ApplyValueKind(std::string_view value, PasteKind kind) {
  switch (kind) {
    case PasteKind::kTrimmed: return TrimForPaste(value);
    case PasteKind::kLinesToTabs: return LinesToTabMacros(value);
    case PasteKind::kSpacesRemoved: return RemoveAllSpaces(value);
    default: return std::string(value);
  }
}

}  // namespace qb
