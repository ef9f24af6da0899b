// The Save tab as the main window shows it: the group combo box and the bar ("並替▼", "新規...",
// "変更...", "取込...", "削除", "説明" while explanations are on), the list's context menu, ← and →
// and Delete, a file dropped on the list and rows dragged to a new place. Everything it does is
// the SaveTab controller's.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "app/tablist/tab_menu.h"
#include "app/win32/tab_view.h"
#include "tabs/save/save_tab.h"
#include "winui/control_bar.h"
#include "winui/list_view.h"

namespace qb {

class SaveTabView : public TabView {
 public:
  struct Parts {
    SaveTab& tab;
    Ui& ui;
    // The main window's list, whose label column takes the group's width.
    winui::VirtualListView& listView;
    std::function<TabMenuContext()> menuContext;
    std::function<void()> refresh;  // rows or colours changed
  };
  explicit SaveTabView(Parts parts) : parts_(std::move(parts)) {}

  TabKind kind() const override { return TabKind::kSave; }
  std::string caption() const override { return "保存"; }
  CTabList& list() override { return parts_.tab.list(); }
  void createBar(const TabBarHost& host) override;
  void showBar(bool shown) override;
  void layoutBar(const RECT& area) override { bar_.layout(area); }
  void onCommand(int id, int code) override;
  void onShown() override;
  void activateRow(int row) override;
  void showContextMenu(int row, POINT where) override;
  bool onKeyDown(UINT key) override;
  void onFilesDropped(const std::vector<std::string>& paths) override;
  void onRowDragged(int from, int to) override;
  TabStatus status() override;
  TabColours colours() override { return parts_.tab.list().colours(); }

 private:
  enum Control { kGroup, kSort, kNew, kChange, kImport, kDelete, kExplain, kControlCount };
  int id(Control control) const { return firstId_ + control; }
  // The group shown, its label width and colours, after a command.
  void showChanges();
  void keepLabelWidth();

  Parts parts_;
  HWND owner_ = nullptr;
  int firstId_ = 0;
  winui::ControlBar bar_;
};

}  // namespace qb
