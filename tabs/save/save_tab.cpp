#include "tabs/save/save_tab.h"

#include "app/tablist/menu_commands.h"
#include "history/store_folders.h"
#include "tabs/save/save_commands.h"

namespace qb {

namespace mc = menu_command;

namespace {

constexpr const char* kExplanation[] = {
    "【保存タブ】\n\n",
    "保存タブは履歴タブのテキストを保存したり、新規に定型句を登録できます。\n\n",
    "■100件保存できるグループが10個用意されており、最大1000件のテキストが格納できます。\n",
    "■１件毎にラベルを付加することができます。\n",
    "■改行を含む複数行のテキストを保存できます。\n",
    "■現在日時マクロ、貼付時入力マクロ、キーマクロを埋め込むことができます。\n",
    "■ドラッグ＆ドロップで行を任意に並び替えることができます。\n",
    "■ファイルをドロップするとファイルのフルパスを取り込むことができます。\n",
    "■グループの名称を任意に変更できます。\n",
    "■←→キーまたはショートカットキーでグループを切り替えることができます。\n",
};

}  // namespace

SaveTab::SaveTab(SaveTabParts parts) : parts_(parts), list_(parts.list) {}

std::optional<int> SaveTab::selectedRow() {
  int row = list_.selectedRow();
  return row >= 0 ? std::optional<int>(row) : std::nullopt;
}

std::string SaveTab::wholeValue(int row) {
  std::string value;
  list_.getValue(row, value);
  return value;
}

std::string SaveTab::exactValue(int row) {
  std::string exact;
  list_.exactValue(row, exact);
  return exact;
}

std::string SaveTab::valueForUse(int row) {
  std::string value;
  if (list_.getValue(row, value) != 0 || value.empty()) return std::string();
  return PrepareValueForPaste(value, parts_.analyzer, parts_.inputs, parts_.inputMethod)
      .value_or(std::string());
}

void SaveTab::paste(int row, PasteFlags flags, PasteKind kind) {
  list_.select(row);
  parts_.engine.setPasteKind(kind);
  parts_.engine.pasteSelected(*this, flags);
}

void SaveTab::activate(int row) { paste(row, parts_.engine.choosePasteFlags()); }

bool SaveTab::runCopyOrMove(int row, int command) {
  if (int group = mc::SaveGroupOfCopyCommand(command); group >= 0) {
    list_.copyToSaveGroup(row, group);
    return true;
  }
  if (int group = mc::GroupOfMoveCommand(command); group >= 0) {
    list_.moveToGroup(row, group);
    return true;
  }
  return false;
}

void SaveTab::runMenuCommand(int row, int command) {
  const bool direct = parts_.settings.DIRECT_SEND == 1;
  switch (command) {
    case mc::kPasteToDocument: return paste(row, {true, false});
    case mc::kCopyToClipboard: return paste(row, {false, false});
    case mc::kPartialSelection: return paste(row, {direct, true});
    case mc::kPasteTrimEnds: return paste(row, {true, false}, PasteKind::kTrimmed);
    case mc::kPasteNoBlanks: return paste(row, {true, false}, PasteKind::kSpacesRemoved);
    case mc::kPasteTabPerLine: return paste(row, {true, false}, PasteKind::kLinesToTabs);
    case save_command::kNewItem: return newItem();
    default: break;
  }
  if (row < 0 || row >= list_.rowCount()) return;
  list_.select(row);
  if (parts_.planCall && parts_.planCall->run(command, wholeValue(row))) return;
  if (runCopyOrMove(row, command)) return;
  switch (command) {
    case mc::kContentView: {
      std::string value;
      std::string exact;
      if (list_.getValue(row, value) == 0 && list_.exactValue(row, exact) == 0) {
        parts_.dialogs.showContent(value, exact);
      }
      break;
    }
    case save_command::kChange: change(row); break;
    case mc::kDelete: deleteRow(row); break;
    default: break;
  }
}

std::vector<std::string> SaveTab::groupNames() const {
  std::vector<std::string> names;
  for (int group = 0; group < kGroupCount; ++group) names.push_back(list_.groupName(group));
  return names;
}

void SaveTab::chooseGroup(int group) {
  if (group != list_.shownGroup()) list_.chooseGroup(group);
}

MenuModel SaveTab::sortMenu() const { return SortMenu(SaveSortOrders(), list_.sortColumn()); }

void SaveTab::sortBy(int command) {
  int column = SortColumnOf(SaveSortOrders(), command);
  if (column >= 0) list_.sortByCommand(column);
}

void SaveTab::newItem() {
  // The new empty item is the top row: it is filled in at once.
  if (list_.newItem() == 0) change(0);
}

void SaveTab::change(int row) {
  if (row < 0 || row >= list_.rowCount()) return;
  list_.select(row);
  std::string label;
  std::string value;
  if (list_.readItem(row, label, value) != 0) return;
  std::string exact;
  list_.exactValue(row, exact);
  ChangeDialogModel model(parts_.ui, parts_.analyzer, label, value);
  model.setExactForm(std::move(exact));
  if (!parts_.dialogs.runChange(model)) return;
  if (model.editsExactForm()) {
    list_.updateExactItem(row, model.label().label(), model.storedValue(), model.exactForm());
  } else {
    list_.updateItem(row, model.label().label(), model.storedValue());
  }
}

void SaveTab::importFile() {
  if (std::optional<ImportChoice> choice = parts_.dialogs.runImport("")) {
    list_.importFile(choice->kind, choice->path);
  }
}

void SaveTab::deleteRow(int row) {
  if (row >= 0 && row < list_.rowCount()) list_.deleteItem(row, /*ask=*/true);
}

bool SaveTab::arrowKey(bool right) {
  if (parts_.settings.LRKeyGroupChange != 1) return false;
  const int next = (list_.shownGroup() + (right ? 1 : kGroupCount - 1)) % kGroupCount;
  list_.chooseGroup(next);
  return true;
}

void SaveTab::dropFiles(const std::vector<std::string>& paths) {
  if (paths.size() != 1) {
    parts_.ui.showMessage("ドロップできるのは１ファイルです　", MessageIcon::kInformation);
    return;
  }
  const std::string& path = paths.front();
  std::optional<FileAttributes> attributes = parts_.fs.attributes(path);
  if (!attributes || attributes->isFolder) {
    parts_.ui.showMessage("ファイルが正しくありません　", MessageIcon::kExclamation);
    return;
  }
  ImportChoice choice{ImportKind::kFullPath, path};
  if (parts_.settings.FileGetSelectDsp == 1) {
    std::optional<ImportChoice> chosen = parts_.dialogs.runImport(path);
    if (!chosen) return;
    choice = *chosen;
  }
  list_.importFile(choice.kind, choice.path);
}

std::string SaveTab::explanation() const {
  if (parts_.settings.TabHelpDsp != 1) return std::string();
  std::string text;
  for (const char* line : kExplanation) text += line;
  return text;
}

int SaveFromTabs::saveToGroup(std::string_view value, int group, std::string_view exact) {
  SaveDialogModel model(ui_);
  if (!dialogs_.runSave(model)) return 1;
  return list_.storeInGroup(group, model.result(), value, exact);
}

}  // namespace qb
