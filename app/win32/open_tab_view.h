// The Open tab as the main window shows it: the publisher list, its bar (publishing on and off,
// the publish group, the sort orders, the link's status), its context menu, and a click that
// pastes a publisher's text.
#pragma once
#include <windows.h>

#include <functional>

#include "app/win32/tab_view.h"
#include "lan/open_tab.h"
#include "winui/control_bar.h"

namespace qb {

class OpenTabView : public TabView {
 public:
  OpenTabView(OpenTab& tab, const EnvironmentSettings& settings, std::function<bool()> linkFailed,
              std::function<void()> refresh);

  TabKind kind() const override { return TabKind::kOpen; }
  std::string caption() const override { return "公開"; }
  bool enabled() const override { return settings_.Open_Enable == 1; }
  CTabList& list() override { return tab_.list(); }
  void createBar(const TabBarHost& host) override;
  void showBar(bool shown) override { bar_.show(shown); }
  void layoutBar(const RECT& area) override { bar_.layout(area); }
  void onCommand(int id, int code) override;
  void onShown() override { updateBar(); }
  void activateRow(int row) override { tab_.activate(row); }
  void showContextMenu(int row, POINT where) override;
  TabStatus status() override;
  TabColours colours() override;

  // The publishing state or the group changed.
  void updateBar();

 private:
  enum Control { kPublish, kGroup, kSort, kStatus, kControlCount };

  OpenTab& tab_;
  const EnvironmentSettings& settings_;
  std::function<bool()> linkFailed_;
  std::function<void()> refresh_;
  HWND owner_ = nullptr;
  int firstId_ = 0;
  winui::ControlBar bar_;
};

}  // namespace qb
