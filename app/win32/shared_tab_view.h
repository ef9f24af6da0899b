// The Shared tab as the main window shows it: the items of the shared folder shown, its bar
// (the folder choice, a new item, the sort orders, the link's status, the folder's name), its
// context menu, Delete on a row, and a click that pastes an item.
#pragma once
#include <windows.h>

#include <functional>

#include "app/win32/tab_view.h"
#include "lan/shared_tab.h"
#include "winui/control_bar.h"

namespace qb {

class SharedTabView : public TabView {
 public:
  SharedTabView(SharedTab& tab, const EnvironmentSettings& settings, std::function<bool()> linkFailed,
                std::function<void()> refresh);

  TabKind kind() const override { return TabKind::kShared; }
  std::string caption() const override { return "共有"; }
  bool enabled() const override { return settings_.Common_Enable == 1; }
  CTabList& list() override { return tab_.list(); }
  void createBar(const TabBarHost& host) override;
  void showBar(bool shown) override { bar_.show(shown); }
  void layoutBar(const RECT& area) override { bar_.layout(area); }
  void onCommand(int id, int code) override;
  void onShown() override;
  void activateRow(int row) override { tab_.activate(row); }
  void showContextMenu(int row, POINT where) override;
  bool onKeyDown(UINT key) override;
  TabStatus status() override;
  TabColours colours() override;

  // The folder shown or its mode changed.
  void updateBar();

 private:
  enum Control { kFolder, kFolderName, kNew, kSort, kStatus, kControlCount };

  SharedTab& tab_;
  const EnvironmentSettings& settings_;
  std::function<bool()> linkFailed_;
  std::function<void()> refresh_;
  HWND owner_ = nullptr;
  int firstId_ = 0;
  winui::ControlBar bar_;
};

}  // namespace qb
