// The list of conditions in the condition block's dialog: at most seven, added through
// "条件種類選択", changed or deleted by selection, written in list order.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "planlib/editor/block_writer.h"
#include "planlib/editor/edit_result.h"

namespace qb {

inline constexpr std::size_t kMaxConditions = 7;
inline constexpr std::string_view kConditionKindPrompt = "条件の種類を選んでください。";

struct ConditionKindChoice {
  int number;              // the digit of CONDITION_Kn
  std::string_view label;  // "文字列判定..."
};
// The seven choices of "条件種類選択" in menu order.
const std::vector<ConditionKindChoice>& ConditionKindChoices();

struct ConditionEntry {
  int number = 0;
  BlockValues values;
};

class ConditionList {
 public:
  // Reads the conditions of a condition block's value in order; false with the analysis
  // message of the failing condition's class.
  bool read(std::string_view blockValue, std::string& message);

  const std::vector<ConditionEntry>& entries() const { return entries_; }
  // "サイズ判定（0）である", as the block list shows it.
  std::string describe(std::size_t index) const { return Describe(entries_.at(index)); }
  static std::string Describe(const ConditionEntry& entry);

  // An eighth condition is refused; an entry refused by its own form's checks too.
  EditResult add(ConditionEntry entry);
  EditResult change(std::optional<std::size_t> selected, BlockValues values);
  EditResult remove(std::optional<std::size_t> selected);
  // OK of the condition block: an empty list is refused.
  EditResult checkNotEmpty() const;

  // The CONDITION_K elements in list order.
  std::string text() const;

 private:
  std::vector<ConditionEntry> entries_;
};

}  // namespace qb
