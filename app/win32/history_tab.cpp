#include "app/win32/history_tab.h"

#include "app/tablist/menu_commands.h"
#include "app/tablist/tab_columns.h"

namespace qb {

namespace mc = menu_command;

HistoryTab::HistoryTab(Parts parts) : parts_(std::move(parts)), list_(parts_.list) {}

std::optional<int> HistoryTab::selectedRow() {
  int row = list_.selectedRow();
  return row >= 0 ? std::optional<int>(row) : std::nullopt;
}

std::string HistoryTab::wholeValue(int row) {
  std::string value;
  list_.getValue(row, value);
  return value;
}

std::string HistoryTab::exactValue(int row) {
  std::string exact;
  list_.exactValue(row, exact);
  return exact;
}

std::string HistoryTab::valueForUse(int row) {
  std::string value = wholeValue(row);
  if (value.empty()) return value;
  return PrepareValueForPaste(value, parts_.analyzer, parts_.inputs, parts_.inputMethod)
      .value_or(std::string());
}

void HistoryTab::paste(int row, PasteFlags flags, PasteKind kind) {
  if (parts_.engine.inPaste()) return;  // a click during a paste's waits
  list_.select(row);
  parts_.engine.setPasteKind(kind);
  parts_.engine.pasteSelected(*this, flags);
  if (parts_.changed) parts_.changed();
}

void HistoryTab::activate(int row) { paste(row, parts_.engine.choosePasteFlags()); }

MenuModel HistoryTab::menu(const TabMenuContext& context) {
  MenuModel model = list_.loadMenu(context);
  PreparePlanCallSubmenu(model, parts_.planCall);
  if (!parts_.copyToShared) model.remove(mc::kCopyToShared, /*withSeparatorBefore=*/true);
  if (!parts_.save) {
    model.remove(mc::kSave);
    for (int group = 0; group < 10; ++group) model.remove(mc::CopyToSaveGroupCommand(group));
  }
  model.removeEmptySubmenus();
  return model;
}

void HistoryTab::runMenuCommand(int row, int command) {
  const bool direct = parts_.settings.DIRECT_SEND == 1;
  switch (command) {
    case mc::kPasteToDocument: paste(row, {true, false}); return;
    case mc::kCopyToClipboard: paste(row, {false, false}); return;
    case mc::kPartialSelection: paste(row, {direct, true}); return;
    case mc::kPasteTrimEnds: paste(row, {true, false}, PasteKind::kTrimmed); return;
    case mc::kPasteNoBlanks: paste(row, {true, false}, PasteKind::kSpacesRemoved); return;
    case mc::kPasteTabPerLine: paste(row, {true, false}, PasteKind::kLinesToTabs); return;
    case mc::kBulkPasteAbove: paste(row, {true, false}, PasteKind::kRowsAbove); return;
    case mc::kBulkPasteAboveBreaks: paste(row, {true, false}, PasteKind::kRowsAboveLines); return;
    case mc::kBulkPasteBelow: paste(row, {true, false}, PasteKind::kRowsBelow); return;
    case mc::kBulkPasteBelowBreaks: paste(row, {true, false}, PasteKind::kRowsBelowLines); return;
    default: break;
  }
  list_.select(row);
  if (parts_.planCall && parts_.planCall->run(command, wholeValue(row))) {
    if (parts_.changed) parts_.changed();
    return;
  }
  if (const int group = mc::SaveGroupOfCopyCommand(command); group >= 0 && parts_.save) {
    parts_.save->saveToGroup(wholeValue(row), group, exactValue(row));
    return;
  }
  switch (command) {
    case mc::kSave:
      if (parts_.save) parts_.save->save(wholeValue(row), exactValue(row));
      break;
    case mc::kContentView:
      if (parts_.showContent) parts_.showContent(wholeValue(row), exactValue(row));
      break;
    case mc::kMoveToTop:
      if (list_.m_HistTopMove(row) == 0) list_.sortAgain();
      break;
    case mc::kSplitWithBreaks: list_.splitLines(true); break;
    case mc::kSplitWithoutBreaks: list_.splitLines(false); break;
    case mc::kJoinAbove: list_.joinLines(false); break;
    case mc::kJoinAboveBreaks: list_.joinLines(true); break;
    case mc::kDelete: list_.m_Dell(row); break;
    case mc::kCopyToShared:
      if (parts_.copyToShared) parts_.copyToShared(list_.text(row, history_column::kSource), wholeValue(row));
      break;
    default: break;
  }
  if (parts_.changed) parts_.changed();
}

}  // namespace qb
