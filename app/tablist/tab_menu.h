// The context menus of the tab lists: the History menu, the group submenus that every tab's
// menu receives when it is loaded, and the preparation that depends on the settings.
#pragma once
#include <array>
#include <string>

#include "app/tablist/menu_model.h"

namespace qb {

struct TabMenuContext {
  std::array<std::string, 10> saveGroupNames;  // captions of the copy-to-group entries
  int currentSaveGroup = 0;                   // checked among them
  std::array<std::string, 10> ownGroupNames;  // captions of the move-to-group entries
  int currentOwnGroup = 0;
  bool sharedTabEnabled = true;  // off: "共有へ複写..." and the separator before it go
  bool clickPastes = true;       // a click pastes into the working window (else it copies)
};

// The History list's menu as the program defines it, before preparation.
MenuModel HistoryMenuPattern();
// "前後空白等を除去して貼付", "全ての空白等を除去して貼付", "1行貼付毎にTabキー押下" and the
// "一括貼り付け" submenu: the special pastes every tab with values offers.
std::vector<MenuEntry> SpecialPasteEntries();

// Inserts the ten copy-to-group entries before 32816 and the ten move-to-group entries before
// 32822 (where the menu has them), checks the current groups, removes the two placeholders.
void InsertGroupSubmenus(MenuModel& menu, const TabMenuContext& context);

// Removes what the settings switch off and sets the default entry.
void PrepareTabMenu(MenuModel& menu, const TabMenuContext& context);

}  // namespace qb
