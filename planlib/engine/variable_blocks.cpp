#include <cstdint>

#include "planlib/engine/escape_notation.h"
#include "planlib/engine/io_blocks.h"
#include "planlib/engine/plan_limits.h"
#include "planlib/engine/text_blocks.h"

namespace qb {

namespace {

int Wrapping(std::int64_t value) {
  return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

}  // namespace

int CPlanCounterSet::m_Run(BlockContext& context, BlockSettings& settings, std::string&) const {
  int target = settings.number("KIND_PLANHENSU");
  int operandKind = settings.number("KIND_AITE");
  int operation = settings.number("KIND_ENZAN");
  int literal = settings.number("DATANUM");
  if (!settings.ok()) return settings.fail(context);
  if (target < var::kCounter01 || target > var::kFormatCounter01 + 8) return 0;
  PlanVariables& variables = context.variables();
  std::int64_t operand = operandKind == 1 ? literal : variables.number(operandKind);
  std::int64_t current = variables.number(target);
  if (operation == 1) variables.setNumber(target, Wrapping(operand));
  if (operation == 2) variables.setNumber(target, Wrapping(current + operand));
  if (operation == 3) variables.setNumber(target, Wrapping(current - operand));
  return 0;
}

int CPlanHensuSet::m_Run(BlockContext& context, BlockSettings& settings, std::string& text) const {
  int source = settings.number("KIND_IN");
  int target = settings.number("KIND_PLANHENSU");
  int mode = settings.number("KIND_ADR");
  int notation = settings.number("KIND_IMS");
  std::string data = settings.text("DATAIN");
  std::string heading = settings.text("MIDASHI");
  int required = settings.number("IN_HISU");
  if (!settings.ok()) return settings.fail(context);
  if (target < var::kWork01 || target > var::kWork01 + 19) return 0;
  PlanVariables& variables = context.variables();
  std::string value;
  if (source == 1) {
    value = text;
  } else if (source == 2) {
    value = context.substitute(data);
    if (notation == 2) value = ConvertEscapes(value);
  } else if (!IsRunTimeInputKind(source)) {
    return 0;
  } else {
    int asked = AskPlanVariableValue(context, source, target, heading, required == 2,
                                     std::string(variables.textView(target)), value);
    if (asked != 0) return asked;
  }
  if (mode != 3 && mode != 14 && mode != 15 && mode != 16) return 0;
  std::size_t current = mode == 3 ? 0 : variables.textView(target).size();
  if (current + value.size() + (mode == 16 ? 2 : 0) > kRunGrowthCeiling) {
    return context.valueLimitExceeded();
  }
  switch (mode) {
    case 3: variables.setText(target, std::move(value)); break;
    case 14: variables.setText(target, value.append(variables.textView(target))); break;
    case 15: variables.appendText(target, value); break;
    case 16:
      variables.appendText(target, value);
      variables.appendText(target, "\r\n");
      break;
  }
  return 0;
}

int CSleep::m_Run(BlockContext& context, BlockSettings& settings, std::string&) const {
  long long tenths = settings.number("STOP_TIME");
  if (!settings.ok()) return settings.fail(context);
  context.wait(tenths * 100);
  return 0;
}

int CUnavailableBlock::m_Run(BlockContext& context, BlockSettings&, std::string&) const {
  return context.error(BlockLabel(displayName_) +
                       "\n\nこの操作ブロックは、この実行環境では使用できません。　");
}

}  // namespace qb
