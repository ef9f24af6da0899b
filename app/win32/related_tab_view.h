// A related-files tab in the window: the combo box of its linked files, "並替▼" and "関連付け▼"
// (link, unlink, the editors), the list of the file's lines with its context menu, and a file
// dropped on it to link. Everything it does is the RelatedTab controller's.
#pragma once
#include <functional>

#include "app/tablist/tab_menu.h"
#include "app/win32/tab_panel.h"
#include "tabs/related/related_tab.h"

namespace qb {

class RelatedTabView : public TabPanel {
 public:
  struct Parts {
    RelatedTab& tab;
    std::function<TabMenuContext()> menuContext;
  };
  explicit RelatedTabView(Parts parts) : parts_(std::move(parts)) {}

  bool create(HINSTANCE instance, HWND parent, HFONT font);
  void refresh();
  void keepLabelWidth();

 protected:
  void onBarCommand(int id, int code) override;
  void onRowActivated(int row) override;
  void onRowMenu(int row, POINT where) override;
  bool onListKey(WORD) override { return false; }
  void onFilesDropped(const std::vector<std::string>& paths) override;

 private:
  Parts parts_;
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
