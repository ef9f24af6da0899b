// Any bytes given to the plan parser either parse into consistent tables or are refused.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "planlib/engine/plan_limits.h"
#include "planlib/engine/plan_main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  qb::CPlanMain plan;
  if (plan.m_Analyze(text) != 0) {
    if (!plan.m_Blocks().empty() || !plan.m_Headers().empty() || plan.m_ErrorDetail().empty()) std::abort();
    return 0;
  }
  const auto& rows = plan.m_Blocks();
  if (rows.size() > qb::kPlanBlockRows || plan.m_Headers().size() > qb::kPlanHeaderRows) std::abort();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const qb::PlanRow& row = rows[i];
    if (row.depth < 0 || row.depth > qb::kPlanMaxDepth || row.descendants < 0) std::abort();
    if (i + static_cast<std::size_t>(row.descendants) >= rows.size()) std::abort();
    for (int k = 1; k <= row.descendants; ++k) {
      if (rows[i + static_cast<std::size_t>(k)].depth <= row.depth) std::abort();
    }
  }
  return 0;
}
