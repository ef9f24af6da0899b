// One simple operation block: reads its settings, works on the working text, and returns
// 0 (go on), -1 (error, already shown) or 103 (cancel the plan).
#pragma once
#include <string>

#include "planlib/engine/block_context.h"
#include "planlib/engine/block_settings.h"

namespace qb {

class PlanBlock {
 public:
  virtual ~PlanBlock() = default;
  virtual int m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const = 0;
};

// The block of a simple tag ("INSERT"); null for containers, control blocks and unknown tags.
const PlanBlock* FindSimpleBlock(std::string_view tagName);

}  // namespace qb
