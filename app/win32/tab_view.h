// One tab of the main window as the window shows it: its list, its bar, its context menu, what
// it does with a row, with dropped files and with keys, and what the status bar and the list's
// colours show while it is the current tab. The main window shows exactly the current tab's
// view and asks it; it does not know what any tab does.
#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/tablist/tab_colours.h"
#include "app/tablist/tab_kind.h"
#include "app/tablist/tab_list.h"

namespace qb {

// Where a view creates its bar: the main window, its font, and the control ids the view may
// use (WM_COMMAND with an id in [firstId, firstId + kTabViewIdCount) reaches the view).
struct TabBarHost {
  HWND window = nullptr;
  HFONT font = nullptr;
  int firstId = 0;
};
inline constexpr int kTabViewIdCount = 100;

// What the status bar shows of the current tab.
struct TabStatus {
  int rowCount = 0;
  int maximum = 0;  // the tab's maximum number of rows
  std::optional<std::size_t> selectedBytes;
};

class TabView {
 public:
  virtual ~TabView() = default;

  virtual TabKind kind() const = 0;
  // The tab button's caption.
  virtual std::string caption() const = 0;
  // False when the settings switch the tab off: it has no button.
  virtual bool enabled() const { return true; }
  virtual CTabList& list() = 0;

  // The bar: created when the tab is first shown, then shown and laid out while it is current.
  virtual void createBar(const TabBarHost&) {}
  virtual void showBar(bool) {}
  virtual void layoutBar(const RECT&) {}
  // A WM_COMMAND of one of the view's controls; `code` is the notification code.
  virtual void onCommand(int, int) {}

  // The tab became the current one (its list is shown).
  virtual void onShown() {}
  // A click (or double click, by the settings), Enter on a row.
  virtual void activateRow(int) {}
  // A right click: on a row, or on the empty area of the list (row -1).
  virtual void showContextMenu(int, POINT) {}
  // A key pressed in the list; true when the view used it.
  virtual bool onKeyDown(UINT) { return false; }
  // Files dropped on the list (Shift-JIS paths).
  virtual void onFilesDropped(const std::vector<std::string>&) {}
  // A row dragged onto another row's place.
  virtual void onRowDragged(int, int) {}

  virtual TabStatus status() {
    CTabList& rows = list();
    return {rows.rowCount(), 0, std::nullopt};
  }
  virtual TabColours colours() { return {}; }

  // The current group (0..9) of a tab with groups (Save, Plan, Stack); -1 for a tab without.
  virtual int currentGroup() const { return -1; }
  // Switches to group 0..9, as a multi hotkey asks; a tab without groups ignores it.
  virtual void selectGroup(int) {}
};

}  // namespace qb
