// The basic patterns ("基本パターン選択"): fixed block lists a new plan starts from.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "planlib/editor/edit_result.h"
#include "planlib/editor/plan_edit_model.h"

namespace qb {

inline constexpr std::string_view kBasicPatternPrompt = "雛形となる基本パターンを選んでください。";

struct BasicPattern {
  std::string_view name;  // "プラン呼び出し専用"
  std::string blocks;     // the block text that replaces the block list
};

// "プラン呼び出し専用", "プラン呼び出し専用（行単位）", "ホットキー呼び出し専用（置換）".
const std::vector<BasicPattern>& BasicPatterns();

// Replaces the model's blocks by the pattern's; the header stays.
EditResult ApplyBasicPattern(PlanEditModel& model, std::size_t pattern);

}  // namespace qb
