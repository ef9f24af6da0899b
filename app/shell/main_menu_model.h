// The main menu as data. The frame builds it with `BuildMainMenu()` each time it shows it (tray
// right-click, menu button), renders the MenuModel and routes the chosen command (numbers in
// shell_commands.h) to the tray toggle, the settings, help and exit commands.
#pragma once
#include "app/tablist/menu_model.h"

namespace qb {

struct MainMenuState {
  bool trayMode = false;          // the toggle reads "タスクトレイから出す"
  bool hotkeysSuspended = false;  // "ホットキーの一時停止" carries a check mark
};

MenuModel BuildMainMenu(const MainMenuState& state);

}  // namespace qb
