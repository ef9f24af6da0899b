#include "app/shell/main_menu_model.h"

#include "app/shell/shell_commands.h"

namespace qb {

MenuModel BuildMainMenu(const MainMenuState& state) {
  using namespace shell_command;
  MenuEntry suspend = MenuEntry::Command("ホットキーの一時停止", kSuspendHotkeys);
  suspend.checked = state.hotkeysSuspended;
  return MenuModel({
      MenuEntry::Command(state.trayMode ? "タスクトレイから出す" : "タスクトレイに格納",
                         kTrayToggle),
      MenuEntry::Command("環境設定...", kSettings),
      MenuEntry::Submenu("補助", {MenuEntry::Command("旧版（V1.XX）からの移行", kMigrateFromV1)}),
      MenuEntry::Command("ヘルプ", kHelp),
      MenuEntry::Command("プランヘルプ", kPlanHelp),
      MenuEntry::Command("Quillboxについて...", kAbout),
      suspend,
      MenuEntry::Command("終了", kExit),
  });
}

}  // namespace qb
