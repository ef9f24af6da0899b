#include "app/shell/help_commands.h"

#include <utility>

#include "base/sjis.h"

namespace qb {

std::string JoinFolderAndName(std::string_view folder, std::string_view name) {
  std::string path(folder);
  const bool endsInBackslash =
      !path.empty() && path.back() == '\\' && !IsSjisTrailPosition(path, path.size() - 1);
  if (!path.empty() && !endsInBackslash) path += '\\';
  path += name;
  return path;
}

HelpCommands::HelpCommands(Shell& shell, Ui& ui, std::string programFolder)
    : shell_(shell), ui_(ui), programFolder_(std::move(programFolder)) {}

bool HelpCommands::open(const char* fileName, const char* failureText) {
  if (shell_.openFile(JoinFolderAndName(programFolder_, fileName))) return true;
  ui_.showMessage(failureText, MessageIcon::kExclamation);
  return false;
}

bool HelpCommands::openHelp() { return open(kHelpFileName, "ヘルプが存在しません。　"); }

bool HelpCommands::openPlanHelp() {
  return open(kPlanHelpFileName, "プランヘルプが見つかりません　");
}

SettingsCommand::SettingsCommand(Ui& ui, std::function<void()> openSheet)
    : ui_(ui), openSheet_(std::move(openSheet)) {}

bool SettingsCommand::run(bool planEditedOrRunning) {
  if (planEditedOrRunning) {
    ui_.showMessage(kSettingsRefusedDuringPlan, MessageIcon::kExclamation);
    return false;
  }
  openSheet_();
  return true;
}

}  // namespace qb
