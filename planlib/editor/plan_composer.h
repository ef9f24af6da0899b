// Writes a plan text from header rows and block rows placed at depths: each container closes
// when a row at its own depth or shallower follows, or at the end.
#pragma once
#include <string>
#include <vector>

#include "planlib/editor/block_group.h"

namespace qb {

// The rows must form a tree: a row is at most one level deeper than the row before it, and only
// under a container. ComposePlanText does not check this; the parse that follows does.
std::string ComposePlanText(const std::vector<PlanRow>& headers, const std::vector<GroupRow>& blocks);

// The text of one row written alone: a container without its descendants.
std::string RowText(const PlanRow& row);

}  // namespace qb
