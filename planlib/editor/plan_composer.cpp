#include "planlib/editor/plan_composer.h"

#include <utility>

namespace qb {

std::string RowText(const PlanRow& row) { return row.openTag + row.value + row.closeTag; }

std::string ComposePlanText(const std::vector<PlanRow>& headers, const std::vector<GroupRow>& blocks) {
  std::string text;
  for (const PlanRow& row : headers) text += RowText(row);
  std::vector<std::pair<int, const std::string*>> open;  // depth and closing tag, innermost last
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const GroupRow& placed = blocks[i];
    while (!open.empty() && open.back().first >= placed.depth) {
      text += *open.back().second;
      open.pop_back();
    }
    text += placed.row.openTag;
    text += placed.row.value;
    bool hasChildren = i + 1 < blocks.size() && blocks[i + 1].depth > placed.depth;
    if (hasChildren) {
      open.emplace_back(placed.depth, &placed.row.closeTag);
    } else {
      text += placed.row.closeTag;
    }
  }
  while (!open.empty()) {
    text += *open.back().second;
    open.pop_back();
  }
  return text;
}

}  // namespace qb
