// A related-files tab as the main window shows it: the combo box of its linked files, "並替▼",
// "関連付け▼" (link, unlink, the editors) and "説明" while explanations are on, the list's
// context menu, and a file dropped on the list to link. Everything it does is the RelatedTab
// controller's.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "app/tablist/tab_menu.h"
#include "app/win32/tab_view.h"
#include "tabs/related/related_tab.h"
#include "winui/control_bar.h"
#include "winui/list_view.h"

namespace qb {

class RelatedTabView : public TabView {
 public:
  struct Parts {
    RelatedTab& tab;
    Ui& ui;
    winui::VirtualListView& listView;
    std::function<TabMenuContext()> menuContext;
    std::function<void()> refresh;
  };
  explicit RelatedTabView(Parts parts) : parts_(std::move(parts)) {}

  TabKind kind() const override { return TabKind::kRelated; }
  std::string caption() const override { return parts_.tab.caption(); }
  bool enabled() const override { return parts_.tab.shown(); }
  CTabList& list() override { return parts_.tab.list(); }
  void createBar(const TabBarHost& host) override;
  void showBar(bool shown) override;
  void layoutBar(const RECT& area) override { bar_.layout(area); }
  void onCommand(int id, int code) override;
  void onShown() override;
  void activateRow(int row) override;
  void showContextMenu(int row, POINT where) override;
  void onFilesDropped(const std::vector<std::string>& paths) override;
  TabStatus status() override;
  TabColours colours() override { return parts_.tab.colours(); }

 private:
  enum Control { kFiles, kSort, kLink, kExplain, kControlCount };
  int id(Control control) const { return firstId_ + control; }
  void showChanges();
  void keepLabelWidth();

  Parts parts_;
  HWND owner_ = nullptr;
  int firstId_ = 0;
  bool started_ = false;
  winui::ControlBar bar_;
};

// The file dialog and the shell for the related-files tabs.
class Win32RelatedTabHost : public RelatedTabHost {
 public:
  Win32RelatedTabHost(HWND owner, Ui& ui, std::wstring font)
      : owner_(owner), ui_(ui), font_(std::move(font)) {}
  std::optional<std::string> chooseFile(std::string_view caption, std::string_view filter,
                                        std::string_view initialFolder) override;
  int openWithShell(std::string_view file, std::string_view parameters) override;
  void showContent(const std::string& value) override;

 private:
  HWND owner_;
  Ui& ui_;
  std::wstring font_;
};

}  // namespace qb
