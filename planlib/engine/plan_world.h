// The ports one plan run uses. The optional ones are null where the host offers none; the blocks
// that need them then fail with their message.
#pragma once
#include "planlib/engine/plan_ports.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/keyboard.h"
#include "platform/ui.h"

namespace qb {

struct PlanWorld {
  FileSystem& files;
  Clock& clock;
  Ui& ui;
  PlanHost* host = nullptr;
  Clipboard* clipboard = nullptr;
  Keyboard* keyboard = nullptr;
  PlanShell* shell = nullptr;
  PlanDialogs* dialogs = nullptr;
  // The host asks for 500 ms more before each run-time dialog.
  bool dialogDelay = false;
};

}  // namespace qb
