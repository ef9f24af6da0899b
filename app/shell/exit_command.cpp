#include "app/shell/exit_command.h"

#include <utility>

namespace qb {

ExitCommand::ExitCommand(Ui& ui, ExitHooks hooks) : ui_(ui), hooks_(std::move(hooks)) {}

bool ExitCommand::run(int endMessage) {
  if (endMessage == 1) {
    if (hooks_.hideWindow) hooks_.hideWindow();
    const MessageAnswer answer = ui_.showMessage("終了します。\nよろしいですか。",
                                                 MessageIcon::kQuestion, MessageButtons::kYesNo);
    if (answer != MessageAnswer::kYes) {
      if (hooks_.showWindow) hooks_.showWindow();
      return false;
    }
  }
  if (hooks_.requestClose) hooks_.requestClose();
  return true;
}

}  // namespace qb
