// The Stack tab as the main window shows it: the list of the group shown, its bar (the group
// chooser and the initialisation), its context menu, and a click that pastes a row.
#pragma once
#include <windows.h>

#include "app/win32/tab_view.h"
#include "tabs/stack/stack_tab.h"
#include "winui/control_bar.h"

namespace qb {

class StackTabView : public TabView {
 public:
  // The tab's `changed` redraws the list (and its colours) after its rows or its group changed.
  explicit StackTabView(StackTabParts parts);

  StackTab& tab() { return tab_; }

  TabKind kind() const override { return TabKind::kStack; }
  std::string caption() const override { return "スタック"; }
  bool enabled() const override { return tab_.enabled(); }
  CTabList& list() override { return list_; }
  void createBar(const TabBarHost& host) override;
  void showBar(bool shown) override { bar_.show(shown); }
  void layoutBar(const RECT& area) override { bar_.layout(area); }
  void onCommand(int id, int code) override;
  void onShown() override { fillGroupChooser(); }
  void activateRow(int row) override { tab_.activate(row); }
  void showContextMenu(int row, POINT where) override;
  bool onKeyDown(UINT key) override;
  TabStatus status() override;
  TabColours colours() override;

 private:
  enum Control { kGroup, kInitialise, kControlCount };
  void fillGroupChooser();

  CStackList& list_;
  const EnvironmentSettings& settings_;
  StackTab tab_;
  HWND owner_ = nullptr;
  int firstId_ = 0;
  winui::ControlBar bar_;
};

}  // namespace qb
