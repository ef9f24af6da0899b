#include "app/plan/plan_commands.h"

namespace qb {

bool PlanCommands::handle(std::string_view command) {
  if (command.starts_with("0927Plan_HotKeyStop")) {
    clipboardFlag_ = true;
  } else if (command.starts_with("0927Plan_HotKeyStart")) {
    clipboardFlag_ = false;
  } else if (command.starts_with("0927Plan_ActWin")) {
    targets_.activateWorkingWindow();
  } else if (command.starts_with("0927Plan_OutStack")) {
    targets_.outputToStack(command);
  } else if (command.starts_with("0927Plan_ClrStack")) {
    targets_.clearStack(command);
  } else {
    return false;
  }
  return true;
}

}  // namespace qb
