#include "planlib/editor/condition_list.h"

#include "planlib/editor/block_forms.h"
#include "planlib/engine/block_description.h"
#include "planlib/engine/plan_tags.h"

namespace qb {

namespace {

constexpr std::string_view kConditionOpen = "<@@CONDITION_K";
constexpr std::string_view kConditionClose = "<@@/CONDITION_K";
constexpr std::string_view kAnalysisFailed = "操作ブロック解析中にエラーが発生しました（CCondition::m_BlockSet）　";

}  // namespace

const std::vector<ConditionKindChoice>& ConditionKindChoices() {
  static const std::vector<ConditionKindChoice> choices = {
      {1, "文字列判定..."},           {2, "サイズ判定..."},         {3, "行位置判定..."},
      {6, "プラン文字列変数判定..."}, {7, "プラン数値変数判定..."}, {4, "ファイル存在判定..."},
      {5, "フォルダ存在判定..."}};
  return choices;
}

bool ConditionList::read(std::string_view blockValue, std::string& message) {
  entries_.clear();
  std::size_t from = 0;
  while (true) {
    std::size_t open = blockValue.find(kConditionOpen, from);
    std::size_t close = blockValue.find(kConditionClose, from);
    if (open == std::string_view::npos) break;
    std::size_t end = close + kConditionClose.size() + 2;  // digit and ">"
    const ElementForm* form = FindConditionForm(blockValue[open + kConditionOpen.size()] - '0');
    if (close == std::string_view::npos || close < open || end > blockValue.size() || form == nullptr) {
      message = std::string(kAnalysisFailed);
      return false;
    }
    FormReading reading = ReadForm(*form, blockValue.substr(open, end - open));
    if (!reading.ok) {
      message = reading.message;
      return false;
    }
    entries_.push_back({blockValue[open + kConditionOpen.size()] - '0', std::move(reading.values)});
    from = end;
  }
  return true;
}

std::string ConditionList::Describe(const ConditionEntry& entry) {
  PlanRow row;
  row.openTag = OpenTag("CONDITION");
  row.closeTag = CloseTag("CONDITION");
  row.value = Element("CONDITIONME", Element("ALL_NOT", "0") + Element("OPERATION", "1") +
                                         WriteForm(*FindConditionForm(entry.number), entry.values));
  std::string described = DescribeBlock(row);
  constexpr std::string_view kPrefix = "【条件】";
  return described.starts_with(kPrefix) ? described.substr(kPrefix.size()) : described;
}

EditResult ConditionList::add(ConditionEntry entry) {
  if (entries_.size() >= kMaxConditions) return EditResult::Refused("条件の数は最大 7 件です　");
  const ElementForm* form = FindConditionForm(entry.number);
  if (form == nullptr) return EditResult::Refused(kAnalysisFailed);
  EditResult checked = CheckForm(*form, entry.values);
  if (!checked.ok) return checked;
  entries_.push_back(std::move(entry));
  return EditResult::Done();
}

EditResult ConditionList::change(std::optional<std::size_t> selected, BlockValues values) {
  if (!selected || *selected >= entries_.size()) return EditResult::Refused("変更する対象を選択してください　");
  EditResult checked = CheckForm(*FindConditionForm(entries_[*selected].number), values);
  if (!checked.ok) return checked;
  entries_[*selected].values = std::move(values);
  return EditResult::Done();
}

EditResult ConditionList::remove(std::optional<std::size_t> selected) {
  if (!selected || *selected >= entries_.size()) return EditResult::Refused("削除する対象を選択してください　");
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*selected));
  return EditResult::Done();
}

EditResult ConditionList::checkNotEmpty() const {
  return entries_.empty() ? EditResult::Refused("条件が存在しません　") : EditResult::Done();
}

std::string ConditionList::text() const {
  std::string text;
  for (const ConditionEntry& entry : entries_) text += WriteForm(*FindConditionForm(entry.number), entry.values);
  return text;
}

}  // namespace qb
