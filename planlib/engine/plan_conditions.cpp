#include "planlib/engine/plan_conditions.h"

#include "base/sjis.h"
#include "planlib/engine/escape_notation.h"
#include "planlib/engine/sjis_text.h"

namespace qb {

bool CompareNumbers(long long value, int kind, long long operand) {
  switch (kind) {
    case 1: return value == operand;
    case 2: return value != operand;
    case 3: return value > operand;
    case 4: return value >= operand;
    case 5: return value < operand;
    case 6: return value <= operand;
    default: return false;
  }
}

bool StringTest(std::string_view text, std::string_view search, int kind, long n) {
  auto contains = [search](std::string_view within, std::size_t from) {
    return SjisFinder(within).find(search, from) != std::string_view::npos;
  };
  switch (kind) {
    case 8: return contains(text, 0);
    case 9: return text == search;
    case 4: return text.starts_with(search);
    case 5:
      return text.ends_with(search) && !IsSjisTrailPosition(text, text.size() - search.size());
    case 6: return text.substr(CharPositionToByte(text, n), search.size()) == search;
    case 7: return text.substr(BytePositionToByte(text, n), search.size()) == search;
    case 10: return contains(text, CharPositionToByte(text, n));
    case 11: return contains(text, BytePositionToByte(text, n));
    case 12:
      return contains(text.substr(0, n <= 0 ? 0 : SjisCharToByte(text, static_cast<std::size_t>(n))), 0);
    case 13:
      return contains(text.substr(0, n <= 0 ? 0 : static_cast<std::size_t>(n)), 0);
    default: return false;
  }
}

namespace {

// K1 on the working text (`variable` 0) and K6 on the string variable of code `variable`. The
// variable is read after the search string is substituted, which may refresh the date strings.
std::optional<bool> StringCondition(BlockContext& context, BlockSettings& settings,
                                    std::string_view workingText, int variable, int find) {
  int kind = settings.number("KIND_ADR");
  int expect = settings.number("KIND_COND");
  long n = settings.number("IDX_CN");
  int notation = settings.number("KIND_KMS");
  bool ignoreCase = settings.number("KIND_ALPHABET") == 1;
  std::string search = context.substitute(settings.view("DATASR"));
  if (!settings.ok()) return std::nullopt;
  if (find != 1) return false;
  std::string_view text = variable == 0 ? workingText : context.variables().textView(variable);
  std::string lowered;
  if (notation == 2) {
    search = ConvertEscapes(search);
  } else if (ignoreCase) {
    search = SjisLower(search);
    lowered = SjisLower(text);
    text = lowered;
  }
  bool match = StringTest(text, search, kind, n);
  return expect == 2 ? !match : match;
}

std::optional<bool> PathCondition(BlockContext& context, BlockSettings& settings,
                                  std::string_view element, bool folder) {
  int expect = settings.number("KIND_COND");
  std::string path = context.expandPath(settings.text(element));
  if (!settings.ok()) return std::nullopt;
  std::optional<FileAttributes> found = context.world().files.attributes(path);
  bool exists = found.has_value() && found->isFolder == folder;
  if (expect == 8) return exists;
  if (expect == 9) return !exists;
  return false;
}

}  // namespace

std::optional<bool> CConditionK1::evaluate(BlockContext& context, BlockSettings& settings,
                                           std::string_view text) const {
  int find = settings.number("KIND_FIND");
  return StringCondition(context, settings, text, 0, find);
}

std::optional<bool> CConditionK6::evaluate(BlockContext& context, BlockSettings& settings,
                                           std::string_view) const {
  int find = settings.number("KIND_FIND");
  int code = settings.number("KIND_PLANHENSU");
  if (!PlanVariables::isTextCode(code)) return std::nullopt;
  context.variables().setNow(context.world().clock.localNow());
  return StringCondition(context, settings, {}, code, find);
}

std::optional<bool> CConditionK2::evaluate(BlockContext&, BlockSettings& settings,
                                           std::string_view text) const {
  bool bytes = settings.number("KIND_KETA") == 2;
  int kind = settings.number("KIND_COND");
  long long operand = settings.number("DATANUM");
  if (!settings.ok()) return std::nullopt;
  long long length = static_cast<long long>(bytes ? text.size() : SjisCharCount(text));
  return CompareNumbers(length, kind, operand);
}

std::optional<bool> CConditionK3::evaluate(BlockContext& context, BlockSettings& settings,
                                           std::string_view) const {
  int kind = settings.number("KIND_COND");
  long long operand = settings.number("DATANUM");
  if (!settings.ok()) return std::nullopt;
  const PlanVariables& variables = context.variables();
  int current = variables.number(var::kCurrentLine);
  if (kind == 7) return current == variables.number(var::kTotalLines);
  return CompareNumbers(current, kind, operand);
}

std::optional<bool> CConditionK4::evaluate(BlockContext& context, BlockSettings& settings,
                                           std::string_view) const {
  return PathCondition(context, settings, "FILE_PATH", false);
}

std::optional<bool> CConditionK5::evaluate(BlockContext& context, BlockSettings& settings,
                                           std::string_view) const {
  return PathCondition(context, settings, "FOLDER", true);
}

std::optional<bool> CConditionK7::evaluate(BlockContext& context, BlockSettings& settings,
                                           std::string_view) const {
  int code = settings.number("KIND_PLANHENSU");
  int kind = settings.number("KIND_COND");
  long long operand = settings.number("DATANUM");
  if (!settings.ok() || !PlanVariables::isNumberCode(code)) return std::nullopt;
  return CompareNumbers(context.variables().number(code), kind, operand);
}

const PlanCondition* FindCondition(int number) {
  static const CConditionK1 k1;
  static const CConditionK2 k2;
  static const CConditionK3 k3;
  static const CConditionK4 k4;
  static const CConditionK5 k5;
  static const CConditionK6 k6;
  static const CConditionK7 k7;
  static const PlanCondition* const kAll[] = {&k1, &k2, &k3, &k4, &k5, &k6, &k7};
  return number >= 1 && number <= 7 ? kAll[number - 1] : nullptr;
}

}  // namespace qb
