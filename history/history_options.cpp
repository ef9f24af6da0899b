#include "history/history_options.h"

#include <array>

namespace qb {
namespace {

constexpr std::array kEntries = {
    HistoryOptionEntry{HistoryOption::kStop, "クリップボード値の履歴格納を停止します"},
    HistoryOptionEntry{HistoryOption::kTakeAll,
                       "Windowsからの変更通知を受けて全て履歴に取り込みます"},
    HistoryOptionEntry{HistoryOption::kDuplicate, "取得時に重複する過去の履歴を削除します"},
    HistoryOptionEntry{HistoryOption::kTopMove, "再利用した値を最新の位置（先頭）に移動します"},
    HistoryOptionEntry{HistoryOption::kPartialGet,
                       "履歴タブで部分選択した値を履歴として取り込みます"},
    HistoryOptionEntry{HistoryOption::kOthersTabGet, "他のタブから貼り付けた値も履歴に取り込みます"},
    HistoryOptionEntry{HistoryOption::kNewOnly, "Quillbox呼び出し時に最新の履歴に位置づけます"},
    HistoryOptionEntry{HistoryOption::kCapturePlan, "履歴を取得したタイミングでプランを実行します"},
};

constexpr std::string_view kTitle = "履歴タブオプション設定";

template <class Settings>
auto& Field(Settings& settings, HistoryOption option) {
  switch (option) {
    case HistoryOption::kStop: return settings.RirekiStop;
    case HistoryOption::kTakeAll: return settings.Rireki_All_Flg;
    case HistoryOption::kDuplicate: return settings.RirekiDuplicate;
    case HistoryOption::kTopMove: return settings.RirekiTopMove;
    case HistoryOption::kPartialGet: return settings.RirekiBubunGet;
    case HistoryOption::kOthersTabGet: return settings.OthersTabGet;
    case HistoryOption::kNewOnly: return settings.NewOnly;
    case HistoryOption::kCapturePlan: return settings.RirekiGetPlanFlg;
  }
  return settings.RirekiStop;
}

int ValueToSwitchOn(HistoryOption option, const ChooseVariant& choose) {
  if (option == HistoryOption::kTopMove) {
    return choose({kTitle,
                   "「再利用した値を最新位置に移動」した場合の行の選択状態を指定してください。",
                   "選択状態は移動しない", "選択状態も移動する"});
  }
  if (option == HistoryOption::kDuplicate) {
    return choose({kTitle,
                   "「取得時に重複する過去の履歴削除」した場合の再利用チェックマークの扱いを指定してください。",
                   "チェックマークを引き継ぐ", "チェックマークは引き継がない"});
  }
  return 1;
}

}  // namespace

std::span<const HistoryOptionEntry> HistoryOptionEntries() { return kEntries; }

int HistoryOptionValue(const EnvironmentSettings& settings, HistoryOption option) {
  return Field(settings, option);
}

bool ToggleHistoryOption(EnvironmentSettings& settings, HistoryOption option,
                         const ChooseVariant& choose) {
  std::int32_t& field = Field(settings, option);
  if (field != 0) {
    field = 0;
    return option == HistoryOption::kStop;
  }
  int value = ValueToSwitchOn(option, choose);
  field = value == 1 || value == 2 ? value : 0;
  return false;
}

}  // namespace qb
