#include <string>

#include "planlib/engine/block_kinds.h"
#include "planlib/engine/plan_conditions.h"
#include "planlib/engine/plan_container.h"

namespace qb {

namespace {

constexpr std::string_view kConditionOpen = "<@@CONDITION_K";
constexpr std::string_view kConditionClose = "<@@/CONDITION_K";

// The next condition element from `pos`: its span and the digit after "K". False at the end;
// `broken` when an element has no proper end.
bool NextCondition(std::string_view settings, std::size_t& pos, std::string_view& span,
                   int& number, bool& broken) {
  std::size_t open = settings.find(kConditionOpen, pos);
  if (open == std::string_view::npos) return false;
  std::size_t close = settings.find(kConditionClose, pos);
  std::size_t end = close == std::string_view::npos ? close : close + kConditionClose.size() + 2;
  if (close == std::string_view::npos || close < open || end > settings.size()) {
    broken = true;
    return false;
  }
  span = settings.substr(open, end - open);
  number = settings[open + kConditionOpen.size()] - '0';
  pos = end;
  return true;
}

}  // namespace

int CCondition::m_Run(BlockContext& context, BlockSettings& settings, ChildSequence& children,
                      std::string& text) const {
  bool invert = settings.number("ALL_NOT") == 1;
  bool any = settings.number("OPERATION") == 2;
  if (!settings.ok()) return settings.fail(context);

  bool result = !any;
  std::size_t pos = 0;
  std::string_view span;
  int number = 0;
  bool broken = false;
  while (NextCondition(settings.value(), pos, span, number, broken)) {
    const PlanCondition* condition = FindCondition(number);
    const ConditionKind* kind = FindConditionKind(number);
    if (condition == nullptr || kind == nullptr) {
      BlockSettings unknown(span, "CCondition");
      return unknown.fail(context);
    }
    std::string className = "CConditionK" + std::to_string(number);
    BlockSettings conditionSettings(span, className);
    std::optional<bool> holds = condition->evaluate(context, conditionSettings, text);
    if (!holds) return conditionSettings.fail(context);
    if (any) {
      result = result || *holds;
    } else if (!*holds) {
      result = false;
      break;
    }
  }
  if (broken) return settings.fail(context);
  if (invert) result = !result;
  if (!result) return 0;
  return children.run(text);
}

}  // namespace qb
