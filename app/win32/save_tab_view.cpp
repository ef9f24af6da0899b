#include "app/win32/save_tab_view.h"

#include "base/numbers.h"
#include "tabs/save/save_commands.h"
#include "winui/popup_menu.h"

namespace qb {

void SaveTabView::createBar(const TabBarHost& host) {
  owner_ = host.window;
  firstId_ = host.firstId;
  bar_.create(host.window, host.font,
              {winui::BarControl::ComboBox(id(kGroup), 110),
               winui::BarControl::Button("並替▼", id(kSort), 44),
               winui::BarControl::Button("新規...", id(kNew), 44),
               winui::BarControl::Button("変更...", id(kChange), 44),
               winui::BarControl::Button("取込...", id(kImport), 44),
               winui::BarControl::Button("削除", id(kDelete), 36),
               winui::BarControl::Button("説明", id(kExplain), 36)});
}

void SaveTabView::showBar(bool shown) {
  bar_.show(shown);
  if (shown) ShowWindow(bar_.control(id(kExplain)), parts_.tab.explanation().empty() ? SW_HIDE : SW_SHOW);
}

void SaveTabView::onShown() {
  bar_.setItems(id(kGroup), parts_.tab.groupNames(), parts_.tab.shownGroup());
  ListView_SetColumnWidth(parts_.listView.handle(), 0, parts_.tab.list().labelWidth());
}

void SaveTabView::keepLabelWidth() {
  parts_.tab.list().setLabelWidth(ListView_GetColumnWidth(parts_.listView.handle(), 0));
}

void SaveTabView::showChanges() {
  onShown();
  parts_.refresh();
}

void SaveTabView::onCommand(int controlId, int code) {
  SaveTab& tab = parts_.tab;
  const int row = tab.list().selectedRow();
  const RECT button = bar_.screenRect(controlId);
  switch (controlId - firstId_) {
    case kGroup:
      if (code != CBN_SELCHANGE) return;
      keepLabelWidth();
      tab.chooseGroup(bar_.selectedItem(id(kGroup)));
      break;
    case kSort:
      tab.sortBy(winui::TrackMenu(owner_, tab.sortMenu(), {button.left, button.bottom}));
      break;
    case kNew: tab.newItem(); break;
    case kChange: tab.change(row); break;
    case kImport: tab.importFile(); break;
    case kDelete: tab.deleteRow(row); break;
    case kExplain: parts_.ui.showMessage(tab.explanation(), MessageIcon::kInformation); return;
    default: return;
  }
  showChanges();
}

void SaveTabView::activateRow(int row) {
  parts_.tab.activate(row);
  parts_.refresh();
}

void SaveTabView::showContextMenu(int row, POINT where) {
  TabMenuContext context = parts_.menuContext();
  MenuModel menu = parts_.tab.menu(context);
  if (row < 0) {  // the empty area offers the new item only
    menu = MenuModel({MenuEntry::Command("値の新規作成...", save_command::kNewItem)});
  }
  const int command = winui::TrackMenu(owner_, menu, where);
  if (command == 0) return;
  parts_.tab.runMenuCommand(row, command);
  showChanges();
}

bool SaveTabView::onKeyDown(UINT key) {
  if (key == VK_DELETE) {
    parts_.tab.deleteRow(parts_.tab.list().selectedRow());
  } else if (key == VK_LEFT || key == VK_RIGHT) {
    keepLabelWidth();
    if (!parts_.tab.arrowKey(key == VK_RIGHT)) return false;
  } else {
    return false;
  }
  showChanges();
  return true;
}

void SaveTabView::onFilesDropped(const std::vector<std::string>& paths) {
  parts_.tab.dropFiles(paths);
  parts_.refresh();
}

void SaveTabView::onRowDragged(int from, int to) {
  parts_.tab.dragRow(from, to);
  parts_.refresh();
}

TabStatus SaveTabView::status() {
  CSaveList& save = parts_.tab.list();
  TabStatus status{save.rowCount(), kSaveGroupMaximum, std::nullopt};
  if (const int row = save.selectedRow(); row >= 0) {
    status.selectedBytes =
        static_cast<std::size_t>(ParseLeadingInt(save.text(row, save_column::kSize)));
  }
  return status;
}

}  // namespace qb
