#include "lan/open_tab.h"

#include <algorithm>

#include "app/tablist/menu_commands.h"
#include "lan/open_commands.h"

namespace qb {

namespace mc = menu_command;
namespace oc = open_command;

namespace {

// The menu without "指定保存..." and the separator after it (no Save tab to copy to).
MenuModel WithoutSaveGroups(const MenuModel& menu) {
  std::vector<MenuEntry> kept;
  bool dropSeparator = false;
  for (const MenuEntry& entry : menu.entries()) {
    bool saveGroups = entry.kind == MenuEntry::Kind::kSubmenu && !entry.children.empty() &&
                      mc::SaveGroupOfCopyCommand(entry.children.front().command) >= 0;
    if (saveGroups) {
      dropSeparator = true;
      continue;
    }
    if (dropSeparator && entry.kind == MenuEntry::Kind::kSeparator) {
      dropSeparator = false;
      continue;
    }
    dropSeparator = false;
    kept.push_back(entry);
  }
  return MenuModel(std::move(kept));
}

}  // namespace

OpenTab::OpenTab(OpenTabParts parts) : parts_(std::move(parts)), list_(parts_.list) {}

std::optional<int> OpenTab::selectedRow() {
  int row = list_.selectedRow();
  return row >= 0 ? std::optional<int>(row) : std::nullopt;
}

std::string OpenTab::wholeValue(int row) {
  std::string value;
  list_.getValue(row, value);
  return value;
}

void OpenTab::paste(int row, PasteFlags flags) {
  list_.select(row);
  parts_.engine.setPasteKind(PasteKind::kOrdinary);
  parts_.engine.pasteSelected(*this, flags);
}

void OpenTab::activate(int row) {
  if (row < 0 || row >= list_.rowCount()) return;
  paste(row, parts_.engine.choosePasteFlags());
}

MenuModel OpenTab::menu(int row, const TabMenuContext& context) {
  MenuModel menu = list_.loadMenu(context);
  if (!parts_.copyToSaveGroup) menu = WithoutSaveGroups(menu);
  if (!parts_.copyToShared) menu.remove(mc::kCopyToShared, /*withSeparatorBefore=*/true);
  if (MenuEntry* sync = menu.find(oc::kToggleSync)) {
    sync->checked = !list_.text(row, open_col::kSync).empty() && list_.text(row, open_col::kSync) != "0";
  }
  return menu;
}

void OpenTab::runMenuCommand(int row, int command) {
  switch (command) {
    case oc::kResetSync: return list_.ResetSync();
    case oc::kMaintenanceProbe: return list_.MaintenanceProbe();
    case oc::kStatus: return showStatus();
    default: break;
  }
  if (row < 0 || row >= list_.rowCount()) return;
  if (int group = mc::SaveGroupOfCopyCommand(command); group >= 0) {
    if (!parts_.copyToSaveGroup) return;
    std::string value = list_.SelectedText(row);
    if (!value.empty()) parts_.copyToSaveGroup(value, group);
    return;
  }
  switch (command) {
    case mc::kPasteToDocument: return paste(row, {true, false});
    case mc::kCopyToClipboard: return paste(row, {false, false});
    case mc::kContentView: {
      std::string value = list_.SelectedText(row);
      if (!value.empty()) parts_.dialogs.showContent(value);
      return;
    }
    case mc::kCopyToShared: {
      if (!parts_.copyToShared) return;
      std::string value = list_.SelectedText(row);
      if (!value.empty()) parts_.copyToShared(list_.text(row, open_col::kName), value);
      return;
    }
    case oc::kToggleSync: return list_.ToggleSync(row);
    default: return;
  }
}

std::vector<std::string> OpenTab::groupNames() const {
  std::vector<std::string> names;
  int count = std::min(parts_.settings.Open_Group_Cnt, 10);
  for (int i = 0; i < count; ++i) names.push_back(parts_.settings.Open_Group[static_cast<std::size_t>(i)]);
  return names;
}

int OpenTab::currentGroup() const {
  int index = parts_.settings.Open_Group_Idx;
  return index >= 0 && index < std::min(parts_.settings.Open_Group_Cnt, 10) ? index : -1;
}

MenuModel OpenTab::groupMenu() const {
  std::vector<MenuEntry> entries;
  std::vector<std::string> names = groupNames();
  for (int i = 0; i < static_cast<int>(names.size()); ++i) {
    MenuEntry entry = MenuEntry::Command(names[static_cast<std::size_t>(i)], oc::GroupCommand(i));
    entry.checked = i == currentGroup();
    entries.push_back(std::move(entry));
  }
  if (!entries.empty()) entries.push_back(MenuEntry::Separator());
  entries.push_back(MenuEntry::Command("公開グループの追加...", oc::kAddGroup));
  return MenuModel(std::move(entries));
}

void OpenTab::runGroupCommand(int command) {
  if (command == oc::kAddGroup) return addGroup();
  int group = oc::GroupOfCommand(command);
  if (group >= 0) list_.SwitchGroup(group);
}

void OpenTab::addGroup() {
  EnvironmentSettings& settings = parts_.settings;
  int count = std::max(0, std::min(settings.Open_Group_Cnt, 10));
  if (count >= 10) {
    parts_.ui.showMessage("公開グループ名の登録は最大数に達しています", MessageIcon::kExclamation);
    return;
  }
  PublishGroupNameModel model(parts_.ui, settings.Open_Group, count);
  if (!parts_.dialogs.runGroupName(model)) return;
  settings.Open_Group[static_cast<std::size_t>(count)] = model.name();
  settings.Open_Group_Cnt = count + 1;
  if (parts_.ensureLinkStarted) parts_.ensureLinkStarted();
  list_.SwitchGroup(count);
}

MenuModel OpenTab::sortMenu() const {
  struct Order {
    const char* caption;
    int command;
  };
  static constexpr Order kOrders[] = {{"登録順", oc::kSortByArrival},
                                      {"公開者順", oc::kSortByPublisher},
                                      {"値順", oc::kSortByValue},
                                      {"値のサイズ順", oc::kSortBySize},
                                      {"公開・未公開順", oc::kSortByPublishing}};
  std::vector<MenuEntry> entries;
  int current = list_.SortCommand();
  for (const Order& order : kOrders) {
    MenuEntry entry = MenuEntry::Command(order.caption, order.command);
    entry.checked = order.command == current;
    entries.push_back(std::move(entry));
  }
  return MenuModel(std::move(entries));
}

void OpenTab::showStatus() {
  LinkStatusModel model = OpenLinkStatus(parts_.link, list_.CurrentGroup());
  if (!model.available) {
    parts_.ui.showMessage(model.unavailableMessage, MessageIcon::kInformation);
    return;
  }
  parts_.dialogs.showLinkStatus(model);
}

}  // namespace qb
