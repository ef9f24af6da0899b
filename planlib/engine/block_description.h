// The one-line description of a block that the block list shows.
#pragma once
#include <string>

#include "planlib/engine/plan_main.h"

namespace qb {

// "【" + display name + "】" and a sentence from the block's settings; "説明作成ERROR" when a
// setting it needs is missing.
std::string DescribeBlock(const PlanRow& row);

}  // namespace qb
