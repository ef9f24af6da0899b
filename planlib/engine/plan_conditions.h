// The single conditions of a 条件 block (CONDITION_K1 ... CONDITION_K7).
#pragma once
#include <optional>
#include <string_view>

#include "planlib/engine/block_context.h"
#include "planlib/engine/block_settings.h"

namespace qb {

class PlanCondition {
 public:
  virtual ~PlanCondition() = default;
  // The truth of the condition on the working text; empty when it cannot be read.
  virtual std::optional<bool> evaluate(BlockContext& context, BlockSettings& settings,
                                       std::string_view text) const = 0;
};

#define QB_PLAN_CONDITION(Name)                                                   \
  class Name : public PlanCondition {                                             \
   public:                                                                        \
    std::optional<bool> evaluate(BlockContext& context, BlockSettings& settings,  \
                                 std::string_view text) const override;           \
  }

QB_PLAN_CONDITION(CConditionK1);  // 文字列判定
QB_PLAN_CONDITION(CConditionK2);  // サイズ判定
QB_PLAN_CONDITION(CConditionK3);  // 行位置判定
QB_PLAN_CONDITION(CConditionK4);  // ファイル存在判定
QB_PLAN_CONDITION(CConditionK5);  // フォルダ存在判定
QB_PLAN_CONDITION(CConditionK6);  // プラン文字列変数判定
QB_PLAN_CONDITION(CConditionK7);  // プラン数値変数判定

// 1-7; null otherwise.
const PlanCondition* FindCondition(int number);

// The string test of K1 and K6 by KIND_ADR (8 contains, 9 equals, 4 starts, 5 ends, 6/7 equal
// from position N, 10/11 contain from N, 12/13 contain within the first N). Matches begin only
// where a character begins.
bool StringTest(std::string_view text, std::string_view search, int kind, long n);

// KIND_COND 1-6: =, !=, >, >=, <, <=; false for other codes.
bool CompareNumbers(long long value, int kind, long long operand);

}  // namespace qb
