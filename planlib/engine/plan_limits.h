// Limits of a plan and of a plan run, fixed for this host.
#pragma once
#include <cstddef>

#include "base/text_limits.h"

namespace qb {

inline constexpr std::size_t kPlanHeaderRows = 20;     // rows of the header table
inline constexpr std::size_t kPlanBlockRows = 115;     // rows of the block table
inline constexpr std::size_t kPlanEditorBlocks = 100;  // the editor never writes more
inline constexpr int kPlanMaxDepth = 9;                // ten levels, 0-9
inline constexpr std::size_t kPlanTextBytes = kMaxValueBytes;

inline constexpr int kCloseTagScanSteps = 999999;      // "<@@" looked at per closing-tag search
inline constexpr int kElementsPerSequence = 1000000;

inline constexpr std::size_t kRunValueBytes = kMaxValueBytes;  // largest working text
// The value limit is checked before every block. No block builds a text longer than this
// ceiling, though: such a result stops the plan at once with the value-limit message, so that no
// plan can grow a text (or a plan variable) without bound.
inline constexpr std::size_t kRunGrowthCeiling = 4 * kRunValueBytes;
inline constexpr int kRunLineLimit = 10000;
inline constexpr long kBlocksPerSequence = 1000000;

}  // namespace qb
