// The History tab's option menu: eight switches over the history settings. Switching
// `RirekiDuplicate` or `RirekiTopMove` on asks for the variant in a two-choice dialog.
#pragma once
#include <functional>
#include <span>
#include <string_view>

#include "app/settings/environment_settings.h"

namespace qb {

enum class HistoryOption {
  kStop,          // RirekiStop
  kTakeAll,       // Rireki_All_Flg
  kDuplicate,     // RirekiDuplicate (1 or 2)
  kTopMove,       // RirekiTopMove (1 or 2)
  kPartialGet,    // RirekiBubunGet
  kOthersTabGet,  // OthersTabGet
  kNewOnly,       // NewOnly
  kCapturePlan,   // RirekiGetPlanFlg
};

struct HistoryOptionEntry {
  HistoryOption option;
  std::string_view caption;
};

// The menu entries in menu order.
std::span<const HistoryOptionEntry> HistoryOptionEntries();

// The dialog "履歴タブオプション設定": the answer is 1 for the first choice, 2 for the second,
// 0 when cancelled.
struct TwoChoicePrompt {
  std::string_view title;
  std::string_view prompt;
  std::string_view firstChoice;
  std::string_view secondChoice;
};
using ChooseVariant = std::function<int(const TwoChoicePrompt&)>;

int HistoryOptionValue(const EnvironmentSettings& settings, HistoryOption option);

// An option that is on goes to 0 without asking; one that is off goes to 1, or to the chosen
// variant (a cancelled dialog leaves it off). True when `RirekiStop` went off, so that the
// clipboard chain is joined again at once.
bool ToggleHistoryOption(EnvironmentSettings& settings, HistoryOption option,
                         const ChooseVariant& choose);

}  // namespace qb
