#include "planlib/engine/plan_text_parser.h"

#include "planlib/engine/block_kinds.h"
#include "planlib/engine/plan_limits.h"
#include "planlib/engine/plan_tags.h"

namespace qb {

namespace {

constexpr std::size_t npos = std::string_view::npos;

std::size_t FindIn(std::string_view text, std::string_view what, std::size_t from,
                   std::size_t end) {
  if (from >= end) return npos;
  std::size_t at = text.substr(0, end).find(what, from);
  return at;
}

}  // namespace

bool PlanTextParser::fail(std::string message, std::size_t position) {
  error_ = std::move(message) + "（位置 " + std::to_string(position) + "）";
  return false;
}

bool PlanTextParser::parse(std::string_view text, std::vector<PlanRow>& rows) {
  rows.clear();
  error_.clear();
  blockRows_ = 0;
  headerRows_ = 0;
  if (text.size() > kPlanTextBytes) {
    error_ = "プランのサイズが最大の500KBを越えています";
    return false;
  }
  int produced = 0;
  return parseSequence(text, 0, text.size(), 0, rows, produced);
}

std::size_t PlanTextParser::findMatchingClose(std::string_view text, std::size_t from,
                                              std::size_t end, const std::string& open,
                                              const std::string& close) {
  int nesting = 0;
  std::size_t at = from;
  for (int step = 0; step < kCloseTagScanSteps; ++step) {
    at = FindIn(text, kTagStart, at, end);
    if (at == npos) return npos;
    std::string_view rest = text.substr(at, end - at);
    if (rest.starts_with(open)) {
      ++nesting;
    } else if (rest.starts_with(close)) {
      if (nesting == 0) return at;
      --nesting;
    }
    at += kTagStart.size();
  }
  return npos;
}

bool PlanTextParser::appendRow(PlanRow row, std::vector<PlanRow>& rows) {
  std::string_view name = RowTagName(row);
  if (FindHeaderKind(name) != nullptr) {
    if (row.depth > 0) return fail("操作ブロックの中にヘッダー要素 " + row.openTag + " があります", 0);
    if (++headerRows_ > kPlanHeaderRows) return fail("ヘッダー要素が多すぎます", 0);
  } else if (++blockRows_ > kPlanBlockRows) {
    return fail("操作ブロックが多すぎます（最大 115）", 0);
  }
  rows.push_back(std::move(row));
  return true;
}

bool PlanTextParser::parseSequence(std::string_view text, std::size_t begin, std::size_t end,
                                   int depth, std::vector<PlanRow>& rows, int& produced) {
  produced = 0;
  std::size_t pos = begin;
  for (int element = 0; element < kElementsPerSequence; ++element) {
    std::size_t open = FindIn(text, kTagStart, pos, end);
    if (open == npos) return true;
    std::size_t gt = FindIn(text, ">", open + kTagStart.size(), end);
    if (gt == npos) return fail("タグが「>」で閉じられていません", open);
    PlanRow row;
    row.openTag = std::string(text.substr(open, gt + 1 - open));
    std::string_view name = TagName(row.openTag);
    if (!IsTagName(name)) return fail("タグ名が不正です: " + row.openTag, open);
    const BlockKind* kind = FindBlockKind(name);
    if (kind == nullptr && FindHeaderKind(name) == nullptr) {
      return fail("不明な要素です: " + row.openTag, open);
    }
    if (depth > kPlanMaxDepth) return fail("階層が深すぎます（最大 10 階層）", open);
    row.closeTag = CloseTag(name);
    std::size_t valueStart = gt + 1;
    std::size_t close = findMatchingClose(text, valueStart, end, row.openTag, row.closeTag);
    if (close == npos) return fail("終了タグ " + row.closeTag + " が見つかりません", open);
    row.depth = depth;
    pos = close + row.closeTag.size();

    if (kind == nullptr || !kind->container) {
      row.value = std::string(text.substr(valueStart, close - valueStart));
      if (!appendRow(std::move(row), rows)) return false;
      ++produced;
      continue;
    }
    std::string settingsName = std::string(name) + "ME";
    std::string settingsOpen = OpenTag(settingsName);
    std::string settingsClose = CloseTag(settingsName);
    std::string_view inner = text.substr(valueStart, close - valueStart);
    std::size_t settingsEnd = inner.find(settingsClose);
    if (!inner.starts_with(settingsOpen) || settingsEnd == npos) {
      return fail("設定要素 " + settingsOpen + " がありません", valueStart);
    }
    std::size_t childrenStart = valueStart + settingsEnd + settingsClose.size();
    row.value = std::string(text.substr(valueStart, childrenStart - valueStart));
    std::size_t index = rows.size();
    if (!appendRow(std::move(row), rows)) return false;
    int children = 0;
    if (!parseSequence(text, childrenStart, close, depth + 1, rows, children)) return false;
    rows[index].descendants = children;
    produced += 1 + children;
  }
  return fail("要素が多すぎます", pos);
}

}  // namespace qb
