// The History tab's bar: the sort orders, the history options, the import and delete-all.
#include "app/tablist/menu_commands.h"
#include "app/tablist/tab_columns.h"
#include "app/win32/dialogs/dialogs.h"
#include "app/win32/program.h"
#include "app/win32/window_identity.h"
#include "history/history_options.h"
#include "platform/win32/text_conversion.h"
#include "winui/popup_menu.h"

namespace qb {
namespace {

namespace mc = menu_command;

// The creation order (newest first), which the History opens in.
constexpr int kSortHistoryByCreation = 32804;
constexpr int kOptionCommandFirst = 33100;

struct SortOrder {
  const char* caption;
  int command;
  int column;
};
constexpr SortOrder kSortOrders[] = {
    {"作成順", kSortHistoryByCreation, history_column::kCreated},
    {"選択・未選択順", mc::kSortHistoryByMark, history_column::kMarker},
    {"値順", mc::kSortHistoryByValue, history_column::kValue},
    {"値のサイズ順", mc::kSortHistoryBySize, history_column::kSize},
    {"選択された回数順", mc::kSortHistoryByCount, history_column::kCount},
};

POINT BelowButton(const RECT& button) { return {button.left, button.bottom}; }

}  // namespace

bool Program::onHistoryBarCommand(int command) {
  if (command < kHistoryBarFirstId || command >= kHistoryBarFirstId + kHistoryBarButtons) {
    return false;
  }
  const int index = command - kHistoryBarFirstId;
  const POINT where = BelowButton(window_->historyBarButton(index));
  switch (index) {
    case 0: showSortMenu(where); break;
    case 1: showOptionMenu(where); break;
    case 2: importFile(); break;
    case 3: history_->deleteAllAfterQuestion(); break;
  }
  refreshList();
  return true;
}

void Program::showSortMenu(POINT where) {
  std::vector<MenuEntry> entries;
  for (const SortOrder& order : kSortOrders) {
    MenuEntry entry = MenuEntry::Command(order.caption, order.command);
    entry.checked = history_->sortColumn() == order.column;
    entries.push_back(entry);
  }
  const int command = winui::TrackMenu(window_->handle(), MenuModel(entries), where);
  for (const SortOrder& order : kSortOrders) {
    if (order.command != command) continue;
    history_->sortByCommand(order.column);
    window_->setSortPressed(order.column != history_column::kCreated);
  }
}

void Program::showOptionMenu(POINT where) {
  EnvironmentSettings& environment = settingsHome_->settings().environment;
  std::vector<MenuEntry> entries;
  const auto options = HistoryOptionEntries();
  for (std::size_t i = 0; i < options.size(); ++i) {
    MenuEntry entry = MenuEntry::Command(std::string(options[i].caption),
                                         kOptionCommandFirst + static_cast<int>(i));
    entry.checked = HistoryOptionValue(environment, options[i].option) != 0;
    entries.push_back(entry);
  }
  const int command = winui::TrackMenu(window_->handle(), MenuModel(entries), where);
  const int index = command - kOptionCommandFirst;
  if (index < 0 || index >= static_cast<int>(options.size())) return;
  const std::wstring font = SjisToWide(environment.FontName);
  const bool rejoin = ToggleHistoryOption(
      environment, options[static_cast<std::size_t>(index)].option,
      [&](const TwoChoicePrompt& prompt) {
        return RunTwoChoiceDialog(window_->handle(), ui_, font, prompt);
      });
  if (rejoin) capture_->rejoinChain();
}

void Program::importFile() {
  const std::wstring font = SjisToWide(settingsHome_->settings().environment.FontName);
  if (std::optional<ImportChoice> choice = RunImportDialog(window_->handle(), ui_, font)) {
    history_->importFile(choice->kind, choice->path);
  }
}

}  // namespace qb
