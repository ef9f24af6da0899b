// Blocks taken out of a plan by copy or cut: the rows of one block and its descendants, with their
// depths relative to the first (0).
#pragma once
#include <vector>

#include "planlib/engine/plan_main.h"

namespace qb {

struct GroupRow {
  PlanRow row;
  int depth = 0;  // relative to the group: the first row is at 0
};

struct BlockGroup {
  std::vector<GroupRow> rows;

  bool empty() const { return rows.empty(); }
  int deepest() const {
    int deepest = 0;
    for (const GroupRow& r : rows) deepest = r.depth > deepest ? r.depth : deepest;
    return deepest;
  }
};

}  // namespace qb
