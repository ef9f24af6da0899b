#include "app/win32/save_tab_view.h"

#include "app/win32/tab_view_ids.h"

namespace qb {

bool SaveTabView::create(HINSTANCE instance, HWND parent, HFONT font) {
  if (!createPanel(instance, parent, kSaveViewId, font, kSaveGroupComboId, 120,
                   {{kSaveSortButtonId, "並替▼", 50},
                    {kSaveNewButtonId, "新規...", 50},
                    {kSaveChangeButtonId, "変更...", 50},
                    {kSaveImportButtonId, "取込...", 50},
                    {kSaveDeleteButtonId, "削除", 40}},
                   kSaveListId, kSaveExplanationId)) {
    return false;
  }
  list().show(&parts_.tab.list());
  refresh();
  return true;
}

void SaveTabView::refresh() {
  SaveTab& tab = parts_.tab;
  setComboEntries(tab.groupNames(), tab.shownGroup());
  list().refresh();
  showLook(tab.list().colors(), tab.list().labelWidth(), tab.explanation());
}

void SaveTabView::keepLabelWidth() { parts_.tab.list().setLabelWidth(labelColumnWidth()); }

void SaveTabView::onBarCommand(int id, int code) {
  SaveTab& tab = parts_.tab;
  const int row = tab.list().selectedRow();
  switch (id) {
    case kSaveGroupComboId:
      if (code != CBN_SELCHANGE) return;
      keepLabelWidth();
      tab.chooseGroup(static_cast<int>(SendDlgItemMessageW(handle(), id, CB_GETCURSEL, 0, 0)));
      break;
    case kSaveSortButtonId:
      tab.sortBy(trackMenu(tab.sortMenu(), belowButton(id)));
      break;
    case kSaveNewButtonId: tab.newItem(); break;
    case kSaveChangeButtonId: tab.change(row); break;
    case kSaveImportButtonId: tab.importFile(); break;
    case kSaveDeleteButtonId: tab.deleteRow(row); break;
    default: return;
  }
  refresh();
}

void SaveTabView::onRowActivated(int row) {
  parts_.tab.activate(row);
  refresh();
}

void SaveTabView::onRowMenu(int row, POINT where) {
  const int command = trackMenu(parts_.tab.menu(parts_.menuContext()), where);
  if (command != 0) parts_.tab.runMenuCommand(row, command);
  refresh();
}

bool SaveTabView::onListKey(WORD key) {
  if (key == VK_DELETE) {
    parts_.tab.deleteRow(parts_.tab.list().selectedRow());
  } else if (key == VK_LEFT || key == VK_RIGHT) {
    keepLabelWidth();
    if (!parts_.tab.arrowKey(key == VK_RIGHT)) return false;
  } else {
    return false;
  }
  refresh();
  return true;
}

void SaveTabView::onFilesDropped(const std::vector<std::string>& paths) {
  parts_.tab.dropFiles(paths);
  refresh();
}

void SaveTabView::onRowDragged(int from, int to) {
  parts_.tab.dragRow(from, to);
  refresh();
}

}  // namespace qb
