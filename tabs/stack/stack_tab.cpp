#include "tabs/stack/stack_tab.h"

#include "app/tablist/menu_commands.h"
#include "base/records.h"
#include "history/store_folders.h"
#include "paste/paste_commands.h"

namespace qb {

namespace mc = menu_command;

namespace {

// "00" to "09"; -1 for anything else.
int GroupOfField(std::string_view field) {
  if (field.size() != 2 || field[0] != '0' || field[1] < '0' || field[1] > '9') return -1;
  return field[1] - '0';
}

}  // namespace

std::optional<StackOutput> ParseStackOutputCommand(std::string_view command) {
  std::vector<std::string> fields = SplitFields(command, 4);
  if (fields.size() < 4) return std::nullopt;
  int group = GroupOfField(fields[1]);
  if (group < 0) return std::nullopt;
  return StackOutput{group, std::move(fields[2]), std::move(fields[3])};
}

std::optional<int> ParseStackClearCommand(std::string_view command) {
  std::vector<std::string> fields = SplitFields(command, 3);
  if (fields.size() < 2) return std::nullopt;
  int group = GroupOfField(fields[1]);
  return group < 0 ? std::nullopt : std::optional<int>(group);
}

MenuModel StackMenuPattern() {
  using E = MenuEntry;
  std::vector<MenuEntry> order = {E::Command("値順", stack_command::kSortByValue),
                                  E::Command("値のサイズ順", stack_command::kSortBySize)};
  return MenuModel({
      E::Command("作業中文書に貼り付け", mc::kPasteToDocument),
      E::Command("クリップボードへコピー", mc::kCopyToClipboard),
      E::Command("部分選択...", mc::kPartialSelection),
      E::Submenu("特殊貼り付け", SpecialPasteEntries()),
      E::Separator(),
      E::Command("内容確認...", mc::kContentView),
      E::Separator(),
      E::Submenu("並び替え", std::move(order)),
      E::Command("スタックグループの初期化...", stack_command::kInitialise),
      E::Separator(),
      E::Command("削除        　　　　Delete", mc::kDelete),
  });
}

StackTab::StackTab(StackTabParts parts) : parts_(std::move(parts)) {}

void StackTab::changed() const {
  if (parts_.changed) parts_.changed();
}

int StackTab::open() {
  int group = parts_.settings.StackDir_Idx;
  if (group < 0 || group >= kGroupCount) group = 0;
  parts_.settings.StackDir_Idx = group;
  int result = parts_.list.showGroup(group);
  changed();
  return result;
}

void StackTab::onOutputCommand(std::string_view command) {
  if (!enabled()) return;
  std::optional<StackOutput> output = ParseStackOutputCommand(command);
  if (!output) return;
  parts_.list.storeStackOutput(output->group, output->planName, output->text);
  changed();
}

void StackTab::onClearCommand(std::string_view command) {
  if (!enabled()) return;
  std::optional<int> group = ParseStackClearCommand(command);
  if (!group) return;
  parts_.list.clearGroup(*group);
  changed();
}

void StackTab::onCaptureStored(const std::string& fileName) {
  parts_.list.itemStored(0, fileName);
  changed();
}

std::array<std::string, 10> StackTab::groupNames() const { return parts_.settings.StackDir_Ar; }

void StackTab::switchGroup(int group) {
  if (group < 0 || group >= kGroupCount) return;
  parts_.settings.StackDir_Idx = group;
  parts_.list.showGroup(group);
  changed();
}

void StackTab::initialiseGroup() {
  if (parts_.ui.showMessage("このスタックグループを初期化します。よろしいですか？　", MessageIcon::kQuestion,
                            MessageButtons::kYesNo) != MessageAnswer::kYes) {
    return;
  }
  parts_.list.m_AllDel();
  changed();
}

std::optional<int> StackTab::selectedRow() {
  int row = parts_.list.selectedRow();
  return row >= 0 ? std::optional<int>(row) : std::nullopt;
}

std::string StackTab::wholeValue(int row) {
  std::string value;
  parts_.list.getValue(row, value);
  return value;
}

std::string StackTab::valueForUse(int row) {
  std::string value = wholeValue(row);
  if (value.empty()) return value;
  return PrepareValueForPaste(value, parts_.analyzer, parts_.inputs, parts_.inputMethod)
      .value_or(std::string());
}

void StackTab::activate(int row) {
  parts_.list.select(row);
  parts_.engine.setPasteKind(PasteKind::kOrdinary);
  parts_.engine.pasteSelected(*this, parts_.engine.choosePasteFlags());
  changed();
}

MenuModel StackTab::menu(const TabMenuContext& context) const {
  MenuModel model = StackMenuPattern();
  PrepareTabMenu(model, context);
  PreparePlanCallSubmenu(model, parts_.planCall);
  return model;
}

void StackTab::runMenuCommand(int row, int command) {
  parts_.list.select(row);
  if (parts_.planCall && parts_.planCall->run(command, wholeValue(row))) return changed();
  if (!RunPasteCommand(parts_.engine, *this, command, parts_.settings.DIRECT_SEND == 1)) {
    switch (command) {
      case mc::kContentView:
        if (parts_.showContent) parts_.showContent(wholeValue(row));
        break;
      case stack_command::kSortByValue: parts_.list.sortByCommand(1); break;
      case stack_command::kSortBySize: parts_.list.sortByCommand(7); break;
      case stack_command::kInitialise: initialiseGroup(); return;
      case mc::kDelete: parts_.list.m_Dell(row); break;
      default: break;
    }
  }
  changed();
}

}  // namespace qb
