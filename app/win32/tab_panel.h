// What the Save and related-files tab views share: a child panel of the main window holding the
// tab's bar (a combo box and buttons), its virtual list, the explanation shown while the list is
// empty, the colours, files dropped on it and rows dragged to another place.
#pragma once
#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "app/tablist/list_colors.h"
#include "app/tablist/menu_model.h"
#include "winui/list_view.h"
#include "winui/window.h"

namespace qb {

class TabPanel : public winui::Window {
 public:
  struct BarButton {
    int id;
    const char* caption;
    int width;
  };

  ~TabPanel() override;

  // Creates the panel hidden, with the combo box (width `comboWidth`), the buttons and the list.
  bool createPanel(HINSTANCE instance, HWND parent, int panelId, HFONT font, int comboId,
                   int comboWidth, std::vector<BarButton> buttons, int listId, int explanationId);
  void move(const RECT& area);
  void setShown(bool shown);
  bool shown() const { return IsWindowVisible(handle()) != FALSE; }
  winui::VirtualListView& list() { return list_; }

  // The combo box's entries and selection.
  void setComboEntries(const std::vector<std::string>& entries, int selected);
  // Colours, the label column's width, the explanation (shown while the list is empty).
  void showLook(const ListColors& colors, int labelWidth, const std::string& explanation);
  int labelColumnWidth() const;
  // The screen point below a bar button, where its menu opens.
  POINT belowButton(int id) const;
  int trackMenu(const MenuModel& menu, POINT where) const;

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // The panel's events for the tab.
  virtual void onBarCommand(int id, int code) = 0;
  virtual void onRowActivated(int row) = 0;
  virtual void onRowMenu(int row, POINT where) = 0;
  // A key pressed on the list (Enter is an activation); true when it was used.
  virtual bool onListKey(WORD key) = 0;
  virtual void onFilesDropped(const std::vector<std::string>& paths) = 0;
  // A row dragged and let go over another one; only when `canDragRows()`.
  virtual bool canDragRows() const { return false; }
  virtual void onRowDragged(int /*from*/, int /*to*/) {}

 private:
  void layout();
  LRESULT onNotify(const NMHDR& header);
  void onDrop(HDROP drop);
  void endDrag(bool drop);

  HINSTANCE instance_ = nullptr;
  HFONT font_ = nullptr;
  HWND combo_ = nullptr;
  std::vector<std::pair<BarButton, HWND>> buttons_;
  int comboWidth_ = 0;
  winui::VirtualListView list_;
  HWND explanation_ = nullptr;
  bool explanationShown_ = false;
  int dragFrom_ = -1;
  RECT area_{};
};

}  // namespace qb
