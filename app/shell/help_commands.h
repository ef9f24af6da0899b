// The commands "ヘルプ", "プランヘルプ" and "環境設定..." of the main menu. The frame owns one
// `HelpCommands` (program folder from start-up) and one `SettingsCommand`, and calls them for
// the menu commands kHelp, kPlanHelp and kSettings.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "platform/shell.h"
#include "platform/ui.h"

namespace qb {

inline constexpr const char* kHelpFileName = "quillbox2.chm";
inline constexpr const char* kPlanHelpFileName = "QlbxPlan.chm";

// The folder and the file name joined by one backslash. A last byte 0x5C that is the second
// byte of a double-byte character ("表") is not a backslash.
std::string JoinFolderAndName(std::string_view folder, std::string_view name);

class HelpCommands {
 public:
  HelpCommands(Shell& shell, Ui& ui, std::string programFolder);

  // Open the help file with the shell; a failure is reported (warning icon). True when opened.
  bool openHelp();
  bool openPlanHelp();

 private:
  bool open(const char* fileName, const char* failureText);

  Shell& shell_;
  Ui& ui_;
  std::string programFolder_;
};

// Settings are refused while a plan is edited or run. `openSheet` shows the settings sheet
// "Quillbox＜環境設定＞" and applies what changed.
class SettingsCommand {
 public:
  SettingsCommand(Ui& ui, std::function<void()> openSheet);

  // True when the sheet was opened.
  bool run(bool planEditedOrRunning);

 private:
  Ui& ui_;
  std::function<void()> openSheet_;
};

inline constexpr const char* kSettingsRefusedDuringPlan =
    "プラン編集／実行中は環境設定画面の表示はできません。　";

}  // namespace qb
