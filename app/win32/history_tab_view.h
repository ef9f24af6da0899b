// The History tab as the main window shows it: the History list, its bar (sort orders, history
// options, import, delete-all), its context menu, and a click that pastes a row.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/win32/history_tab.h"
#include "app/win32/tab_view.h"
#include "history/capture_controller.h"
#include "winui/control_bar.h"

namespace qb {

class HistoryTabView : public TabView {
 public:
  struct Parts {
    HistoryTab::Parts tab;
    EnvironmentSettings& settings;
    Ui& ui;
    CaptureController& capture;
    std::wstring dialogFont;
    std::function<void()> refresh;  // the list's rows changed
    // "履歴取得時にプラン呼び出し": the capture plan chosen or let go; empty without plans.
    std::function<bool()> toggleCapturePlan = {};
  };
  explicit HistoryTabView(Parts parts);

  HistoryTab& tab() { return tab_; }

  TabKind kind() const override { return TabKind::kHistory; }
  std::string caption() const override { return "履歴"; }
  CTabList& list() override { return parts_.tab.list; }
  void createBar(const TabBarHost& host) override;
  void showBar(bool shown) override { bar_.show(shown); }
  void layoutBar(const RECT& area) override { bar_.layout(area); }
  void onCommand(int id, int code) override;
  void activateRow(int row) override { tab_.activate(row); }
  void showContextMenu(int row, POINT where) override;
  TabStatus status() override;
  TabColours colours() override;

 private:
  enum Control { kSort, kOptions, kImport, kDeleteAll, kControlCount };
  void showSortMenu();
  void showOptionMenu();
  void importFile();

  Parts parts_;
  HistoryTab tab_;
  HWND owner_ = nullptr;
  int firstId_ = 0;
  winui::ControlBar bar_;
};

}  // namespace qb
