// The History list's commands beyond storing: reuse, duplicates, join, split, import, menu.
#include <string>

#include "app/tablist/import_file.h"
#include "app/tablist/line_split.h"
#include "app/tablist/menu_commands.h"
#include "app/tablist/tab_columns.h"
#include "base/numbers.h"
#include "base/preview.h"
#include "base/sjis.h"
#include "base/text_limits.h"
#include "history/history_list.h"

namespace qb {

namespace col = history_column;

int CHistoryList::afterValueUsed(int row, bool bulkPaste) {
  if (incrementUseCount(row) != 0) return -1;
  if (settings_.RirekiTopMove == 0 || bulkPaste) return 0;
  if (m_HistTopMove(row) != 0) return -1;
  bool keepPosition = rowCount() > 1 && row != 0 && settings_.RirekiTopMove == 1;
  if (keepPosition) select(row - 1);
  sortAgain();
  if (keepPosition) showRow(selectedRow());
  return 0;
}

void CHistoryList::afterChange() {
  if (sortColumn() != col::kCreated && !sortingSuspended()) sortAgain();
}

int CHistoryList::removeDuplicates(std::string_view text, std::size_t length) {
  if (loadContents(-1) != 0) return -1;  // sizes and values of every row
  // Texts that share their code-page-932 form ("café", "cafè") are duplicates only when their
  // exact forms are equal too.
  std::string newExact;
  if (exactValue(0, newExact) != 0) return -1;
  bool reusedOneGone = false;
  for (int row = rowCount() - 1; row >= 1; --row) {
    if (static_cast<std::size_t>(ParseLeadingInt(this->text(row, col::kSize))) != length) continue;
    std::string value;
    if (getValue(row, value) != 0) return -1;
    if (value != text) continue;
    std::string exact;
    if (exactValue(row, exact) != 0) return -1;
    if (exact != newExact) continue;
    if (ParseLeadingInt(this->text(row, col::kCount)) != 0) reusedOneGone = true;
    if (m_Dell(row) != 0) return -1;
  }
  if (settings_.RirekiDuplicate == 1 && reusedOneGone) return incrementUseCount(0);
  return 0;
}

int CHistoryList::joinLines(bool withBreaks) {
  if (loadContents(-1) != 0) return -1;
  int selected = selectedRow();
  if (selected < 0) return 0;
  std::string joined;
  bool cut = false;
  for (int row = selected; row >= 0 && !cut; --row) {
    std::string value;
    if (getValue(row, value) != 0) return -1;
    joined += value;
    if (withBreaks) joined += "\r\n";
    if (joined.size() > kMaxHistoryReadBytes) {
      joined.resize(WholeCharacterPrefix(joined, kMaxValueBytes).size());
      cut = true;
    }
  }
  if (m_FileAdd(joined) != 0) return -1;
  sortAgain();
  if (cut) {
    ui_.showMessage("結合したバイト数が500KBを越えました。\n越えた文字列は削除されました。",
                    MessageIcon::kExclamation);
  }
  return 0;
}

int CHistoryList::splitLines(bool withBreaks) {
  if (loadContents(-1) != 0) return -1;
  int selected = selectedRow();
  if (selected < 0) return 0;
  std::string value;
  if (getValue(selected, value) != 0) return -1;
  for (const std::string& line :
       SplitIntoLines(value, withBreaks ? LineBreaks::kKeep : LineBreaks::kDrop)) {
    clock_.pumpWait(10);
    if (m_FileAdd(line) != 0) return -1;
    sortAgain();
  }
  return 0;
}

int CHistoryList::importFile(ImportKind kind, std::string_view path) {
  std::string value;
  if (ImportedValue(fs_, ui_, kind, path, value) != 0) return -1;
  if (m_FileAdd(value) != 0) return -1;
  sortAgain();
  return 0;
}

int CHistoryList::deleteAllAfterQuestion() {
  if (ui_.showMessage("履歴を全て削除します。よろしいですか？　", MessageIcon::kQuestion,
                      MessageButtons::kYesNo) != MessageAnswer::kYes) {
    return 0;
  }
  return m_AllDel();
}

MenuModel CHistoryList::loadMenu(const TabMenuContext& context) {
  MenuModel menu = HistoryMenuPattern();
  InsertGroupSubmenus(menu, context);
  PrepareTabMenu(menu, context);
  menu.remove(menu_command::kPatternJoin);
  menu.remove(menu_command::kPatternJoinBreaks);
  return menu;
}

}  // namespace qb
