// The exit command "終了". The frame calls `run()` for the menu command; with `END_MSG` 1 the
// window is hidden while the confirmation is open and shown again when the user says No.
#pragma once
#include <functional>

#include "platform/ui.h"

namespace qb {

struct ExitHooks {
  std::function<void()> hideWindow;
  std::function<void()> showWindow;
  // Marks the close as asked for by the user and posts the close request to the frame.
  std::function<void()> requestClose;
};

class ExitCommand {
 public:
  ExitCommand(Ui& ui, ExitHooks hooks);

  // `endMessage` is `END_MSG`. True when the close was requested.
  bool run(int endMessage);

 private:
  Ui& ui_;
  ExitHooks hooks_;
};

}  // namespace qb
