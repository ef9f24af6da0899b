#include "app/win32/history_tab_view.h"

#include "app/tablist/menu_commands.h"
#include "app/tablist/tab_columns.h"
#include "app/win32/dialogs/dialogs.h"
#include "app/win32/tab_view_helpers.h"
#include "base/numbers.h"
#include "history/history_options.h"
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

}  // namespace

HistoryTabView::HistoryTabView(Parts parts) : parts_(std::move(parts)), tab_(parts_.tab) {}

void HistoryTabView::createBar(const TabBarHost& host) {
  owner_ = host.window;
  firstId_ = host.firstId;
  bar_.create(host.window, host.font,
              {winui::BarControl::Button("並替▼", firstId_ + kSort),
               winui::BarControl::Button("ｵﾌﾟｼｮﾝ▼", firstId_ + kOptions),
               winui::BarControl::Button("取込...", firstId_ + kImport),
               winui::BarControl::Button("全削除", firstId_ + kDeleteAll)});
}

void HistoryTabView::onCommand(int id, int /*code*/) {
  switch (id - firstId_) {
    case kSort: showSortMenu(); break;
    case kOptions: showOptionMenu(); break;
    case kImport: importFile(); break;
    case kDeleteAll: parts_.tab.list.deleteAllAfterQuestion(); break;
    default: return;
  }
  parts_.refresh();
}

void HistoryTabView::showSortMenu() {
  CHistoryList& history = parts_.tab.list;
  std::vector<MenuEntry> entries;
  for (const SortOrder& order : kSortOrders) {
    MenuEntry entry = MenuEntry::Command(order.caption, order.command);
    entry.checked = history.sortColumn() == order.column;
    entries.push_back(entry);
  }
  const int command =
      winui::TrackMenu(owner_, MenuModel(entries), BelowRect(bar_.screenRect(firstId_ + kSort)));
  for (const SortOrder& order : kSortOrders) {
    if (order.command != command) continue;
    history.sortByCommand(order.column);
    bar_.setPressed(firstId_ + kSort, order.column != history_column::kCreated);
  }
}

void HistoryTabView::showOptionMenu() {
  EnvironmentSettings& environment = parts_.settings;
  std::vector<MenuEntry> entries;
  const auto options = HistoryOptionEntries();
  for (std::size_t i = 0; i < options.size(); ++i) {
    MenuEntry entry = MenuEntry::Command(std::string(options[i].caption),
                                         kOptionCommandFirst + static_cast<int>(i));
    entry.checked = HistoryOptionValue(environment, options[i].option) != 0;
    entries.push_back(entry);
  }
  const int command = winui::TrackMenu(owner_, MenuModel(entries),
                                       BelowRect(bar_.screenRect(firstId_ + kOptions)));
  const int index = command - kOptionCommandFirst;
  if (index < 0 || index >= static_cast<int>(options.size())) return;
  if (options[static_cast<std::size_t>(index)].option == HistoryOption::kCapturePlan &&
      parts_.toggleCapturePlan) {
    parts_.toggleCapturePlan();
    return;
  }
  const bool rejoin = ToggleHistoryOption(
      environment, options[static_cast<std::size_t>(index)].option,
      [&](const TwoChoicePrompt& prompt) {
        return RunTwoChoiceDialog(owner_, parts_.ui, parts_.dialogFont, prompt);
      });
  if (rejoin) parts_.capture.rejoinChain();
}

void HistoryTabView::importFile() {
  if (std::optional<ImportChoice> choice = RunImportDialog(owner_, parts_.ui, parts_.dialogFont)) {
    parts_.tab.list.importFile(choice->kind, choice->path);
  }
}

void HistoryTabView::showContextMenu(int row, POINT where) {
  if (row < 0) return;
  const TabMenuContext context = MenuContextFromSettings(parts_.settings);
  const int command = winui::TrackMenu(owner_, tab_.menu(context), where);
  if (command != 0) tab_.runMenuCommand(row, command);
}

TabStatus HistoryTabView::status() {
  CHistoryList& history = parts_.tab.list;
  TabStatus status{history.rowCount(), history.maximumCount(), std::nullopt};
  const int row = history.selectedRow();
  if (row >= 0) {
    status.selectedBytes =
        static_cast<std::size_t>(ParseLeadingInt(history.text(row, history_column::kSize)));
  }
  return status;
}

TabColours HistoryTabView::colours() {
  return ColoursFromSettings(parts_.settings.TabColorTextRi, parts_.settings.TabColorBackRi);
}

}  // namespace qb
