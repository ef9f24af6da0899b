#include "lan/shared_tab.h"

#include <algorithm>

#include "app/tablist/menu_commands.h"
#include "lan/shared_commands.h"

namespace qb {

namespace mc = menu_command;
namespace sc = shared_command;

namespace {

constexpr const char* kPlanNotRunHere =
    "プランは共有タブから実行できません。　\nプランタブに保存して実行してください。　";

struct Order {
  const char* caption;
  int command;
  int column;
};
constexpr Order kOrders[] = {{"作成順", sc::kSortByCreation, shared_col::kCreated},
                             {"ラベル順", sc::kSortByLabel, shared_col::kLabel},
                             {"値順", sc::kSortByValue, shared_col::kValue},
                             {"値のサイズ順", sc::kSortBySize, shared_col::kSize}};

// A menu without the entries of `commands`, and without separators left doubled or at an end.
MenuModel Without(const MenuModel& menu, std::initializer_list<int> commands, bool saveGroups) {
  std::vector<MenuEntry> kept;
  for (const MenuEntry& entry : menu.entries()) {
    bool drop = std::find(commands.begin(), commands.end(), entry.command) != commands.end() &&
                entry.kind == MenuEntry::Kind::kCommand;
    drop |= saveGroups && entry.kind == MenuEntry::Kind::kSubmenu && !entry.children.empty() &&
            mc::SaveGroupOfCopyCommand(entry.children.front().command) >= 0;
    bool doubled = entry.kind == MenuEntry::Kind::kSeparator &&
                   (kept.empty() || kept.back().kind == MenuEntry::Kind::kSeparator);
    if (!drop && !doubled) kept.push_back(entry);
  }
  if (!kept.empty() && kept.back().kind == MenuEntry::Kind::kSeparator) kept.pop_back();
  return MenuModel(std::move(kept));
}

}  // namespace

SharedTab::SharedTab(SharedTabParts parts) : parts_(std::move(parts)), list_(parts_.list) {}

std::optional<int> SharedTab::selectedRow() {
  int row = list_.selectedRow();
  return row >= 0 ? std::optional<int>(row) : std::nullopt;
}

std::string SharedTab::UsableText(int row) {
  if (row < 0 || row >= list_.rowCount()) return {};
  if (list_.IsPlanRow(row)) {
    parts_.ui.showMessage(kPlanNotRunHere, MessageIcon::kExclamation);
    return {};
  }
  if (list_.checkVersion(row) != 0) return {};
  SharedItem item;
  if (list_.ReadItem(row, item) != 0) return {};
  return item.value;
}

std::string SharedTab::valueForUse(int row) {
  std::string value = UsableText(row);
  if (value.empty()) return {};
  return PrepareValueForPaste(value, parts_.analyzer, parts_.inputs, parts_.inputMethod)
      .value_or(std::string());
}

std::string SharedTab::wholeValue(int row) {
  if (list_.IsPlanRow(row)) return {};
  SharedItem item;
  return list_.ReadItem(row, item) == 0 ? item.value : std::string();
}

void SharedTab::paste(int row, PasteFlags flags) {
  list_.select(row);
  parts_.engine.setPasteKind(PasteKind::kOrdinary);
  parts_.engine.pasteSelected(*this, flags);
}

void SharedTab::activate(int row) {
  if (row < 0 || row >= list_.rowCount()) return;
  paste(row, parts_.engine.choosePasteFlags());
}

MenuModel SharedTab::menu(int row, const TabMenuContext& context) {
  MenuModel menu = list_.loadMenu(context);
  bool plan = row >= 0 && list_.IsPlanRow(row);
  bool cache = list_.mode() != SharedMode::kOnline;
  std::vector<int> drop;
  if (!parts_.storePlan || !plan) drop.push_back(sc::kStorePlan);
  if (plan) drop.insert(drop.end(), {mc::kPasteToDocument, mc::kCopyToClipboard, sc::kChange});
  if (cache) drop.insert(drop.end(), {sc::kNewItem, sc::kChange, sc::kDeleteProtect, mc::kDelete});
  MenuModel trimmed = menu;
  for (int command : drop) trimmed = Without(trimmed, {command}, false);
  if (!parts_.copyToSaveGroup || plan) trimmed = Without(trimmed, {}, true);
  if (MenuEntry* protect = trimmed.find(sc::kDeleteProtect)) {
    std::string flags = list_.text(row, shared_col::kFlags);
    protect->checked = !flags.empty() && (flags[0] == 'B' || flags[0] == 'D');
  }
  return trimmed;
}

void SharedTab::runMenuCommand(int row, int command) {
  switch (command) {
    case sc::kNewItem: return newItem();
    case sc::kStatus: return showStatus();
    default: break;
  }
  if (row < 0 || row >= list_.rowCount()) return;
  if (int group = mc::SaveGroupOfCopyCommand(command); group >= 0) {
    std::string value = UsableText(row);
    if (!value.empty() && parts_.copyToSaveGroup) parts_.copyToSaveGroup(value, group);
    return;
  }
  switch (command) {
    case mc::kPasteToDocument: return paste(row, {true, false});
    case mc::kCopyToClipboard: return paste(row, {false, false});
    case mc::kContentView: {
      if (list_.checkVersion(row) != 0) return;
      SharedItem item;
      if (list_.ReadItem(row, item) == 0) parts_.dialogs.showContent(item.value);
      return;
    }
    case sc::kStorePlan: {
      if (!parts_.storePlan || !list_.IsPlanRow(row) || list_.checkVersion(row) != 0) return;
      if (parts_.ui.showMessage(
              "プランを外部から入手した場合は、保存後に編集画面でプランに　\n不正な処理がないことを確認して使用してください。\n\n"
              "プランタブに保存してよろしいですか？　",
              MessageIcon::kQuestion, MessageButtons::kYesNo) != MessageAnswer::kYes) {
        return;
      }
      SharedItem item;
      if (list_.ReadItem(row, item) == 0) parts_.storePlan(item.value);
      return;
    }
    case sc::kChange: return change(row);
    case sc::kDeleteProtect: list_.ToggleDeleteProtect(row); return;
    case mc::kDelete: return deleteRow(row);
    default: return;
  }
}

std::string SharedTab::folderLabel() const {
  std::string folder = list_.shownFolder();
  return folder.empty() ? std::string(kNoFolderLabel) : " " + folder;
}

MenuModel SharedTab::folderMenu() const {
  std::vector<MenuEntry> entries;
  int count = std::min(parts_.settings.Common_Cnt, CSharedList::kMaxFolders);
  for (int i = 0; i < count; ++i) {
    MenuEntry entry = MenuEntry::Command(parts_.settings.Common_Pass[static_cast<std::size_t>(i)],
                                         sc::FolderCommand(i));
    entry.checked = i == parts_.settings.Common_Idx;
    entries.push_back(std::move(entry));
  }
  if (!entries.empty()) entries.push_back(MenuEntry::Separator());
  entries.push_back(MenuEntry::Command("共有フォルダの選択...", sc::kAddFolder));
  if (count > 0) entries.push_back(MenuEntry::Command("表示中の共有フォルダの選択を解除...", sc::kRemoveFolder));
  return MenuModel(std::move(entries));
}

void SharedTab::runFolderCommand(int command) {
  if (command == sc::kAddFolder) return addFolder();
  if (command == sc::kRemoveFolder) return removeFolder();
  int index = sc::FolderOfCommand(command);
  if (index >= 0) list_.ShowFolder(index);
}

void SharedTab::addFolder() {
  if (!list_.CanAddFolder()) return;
  std::optional<std::string> path = parts_.dialogs.chooseFolder(kFolderPrompt);
  if (path && !path->empty()) list_.AddFolder(*path);
}

void SharedTab::removeFolder() {
  std::string folder = list_.shownFolder();
  if (folder.empty()) return;
  if (parts_.ui.showMessage("共有フォルダ「" + folder + "」の選択を解除します。　\nよろしいですか？",
                            MessageIcon::kQuestion, MessageButtons::kYesNo) != MessageAnswer::kYes) {
    return;
  }
  list_.RemoveShownFolder();
}

MenuModel SharedTab::sortMenu() const {
  std::vector<MenuEntry> entries;
  for (const Order& order : kOrders) {
    MenuEntry entry = MenuEntry::Command(order.caption, order.command);
    entry.checked = order.column == list_.sortColumn();
    entries.push_back(std::move(entry));
  }
  return MenuModel(std::move(entries));
}

void SharedTab::sortBy(int command) {
  for (const Order& order : kOrders) {
    if (order.command == command) list_.sortByCommand(order.column);
  }
}

void SharedTab::newItem() {
  if (list_.RefuseChanges()) return;
  std::optional<LabelledValue> typed = parts_.dialogs.editItem("Quillbox＜共有：新規作成＞", {});
  if (!typed || typed->value.empty()) return;
  list_.AddItem(typed->value, typed->label, kDataKindText);
}

void SharedTab::change(int row) {
  SharedItem item;
  if (list_.m_UpdateMae(row, item) != 0) return;
  std::optional<LabelledValue> typed =
      parts_.dialogs.editItem("Quillbox＜共有：変更＞", LabelledValue{item.label, item.value});
  if (!typed) {
    list_.m_UpdateAto();
    return;
  }
  list_.FinishChange(typed->label, typed->value);
}

void SharedTab::deleteRow(int row) {
  if (list_.m_DellGyo(row, false) != 2) return;
  if (parts_.ui.showMessage("削除できませんでした　\n強制的に削除しますか？　", MessageIcon::kQuestion,
                            MessageButtons::kYesNo) == MessageAnswer::kYes) {
    list_.m_DellGyo(row, true);
  }
}

void SharedTab::showStatus() { parts_.dialogs.showLinkStatus(CommLinkStatus(parts_.link)); }

}  // namespace qb
