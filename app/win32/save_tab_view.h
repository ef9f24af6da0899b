// The Save tab in the window: the group combo box, the bar ("並替▼", "新規...", "変更...",
// "取込...", "削除"), the list with its context menu, ← and → and Delete, files dropped on it and
// rows dragged to a new place. Everything it does is the SaveTab controller's.
#pragma once
#include <functional>

#include "app/tablist/tab_menu.h"
#include "app/win32/tab_panel.h"
#include "tabs/save/save_tab.h"

namespace qb {

class SaveTabView : public TabPanel {
 public:
  struct Parts {
    SaveTab& tab;
    std::function<TabMenuContext()> menuContext;
  };
  explicit SaveTabView(Parts parts) : parts_(std::move(parts)) {}

  bool create(HINSTANCE instance, HWND parent, HFONT font);
  // The rows, the group shown, the colours and the explanation, as the controller holds them.
  void refresh();
  // Before the window shows another group or tab: the label width is kept.
  void keepLabelWidth();

 protected:
  void onBarCommand(int id, int code) override;
  void onRowActivated(int row) override;
  void onRowMenu(int row, POINT where) override;
  bool onListKey(WORD key) override;
  void onFilesDropped(const std::vector<std::string>& paths) override;
  bool canDragRows() const override { return parts_.tab.list().reorderable(); }
  void onRowDragged(int from, int to) override;

 private:
  Parts parts_;
};

}  // namespace qb
