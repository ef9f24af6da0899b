#include "planlib/engine/plan_main.h"

#include "planlib/engine/block_description.h"
#include "planlib/engine/block_kinds.h"
#include "planlib/engine/plan_tags.h"
#include "planlib/engine/plan_text_parser.h"

namespace qb {

std::string_view RowTagName(const PlanRow& row) { return TagName(row.openTag); }

void CPlanMain::m_Clear() {
  headers_.clear();
  blocks_.clear();
  errorDetail_.clear();
}

int CPlanMain::m_Analyze(std::string_view planText) {
  m_Clear();
  std::vector<PlanRow> rows;
  PlanTextParser parser;
  if (!parser.parse(planText, rows)) {
    errorDetail_ = parser.error();
    return -1;
  }
  for (PlanRow& row : rows) {
    if (FindHeaderKind(RowTagName(row)) != nullptr) {
      headers_.push_back(std::move(row));
    } else {
      row.description = DescribeBlock(row);
      blocks_.push_back(std::move(row));
    }
  }
  return 0;
}

std::string CPlanMain::m_PlanText() const {
  std::string text;
  for (const PlanRow& row : headers_) {
    text += row.openTag;
    text += row.value;
    text += row.closeTag;
  }
  // Closing tags of the containers still open, innermost last.
  std::vector<std::pair<std::size_t, const std::string*>> open;
  for (std::size_t i = 0; i < blocks_.size(); ++i) {
    while (!open.empty() && i > open.back().first) {
      text += *open.back().second;
      open.pop_back();
    }
    const PlanRow& row = blocks_[i];
    text += row.openTag;
    text += row.value;
    std::size_t last = i + static_cast<std::size_t>(row.descendants);
    if (row.descendants > 0) {
      open.emplace_back(last, &row.closeTag);
    } else {
      text += row.closeTag;
    }
  }
  while (!open.empty()) {
    text += *open.back().second;
    open.pop_back();
  }
  return text;
}

std::optional<std::string> CPlanMain::m_HeaderValue(std::string_view openTag) const {
  for (const PlanRow& row : headers_) {
    if (row.openTag == openTag) return row.value;
  }
  return std::nullopt;
}

}  // namespace qb
