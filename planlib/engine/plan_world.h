// The ports one plan run uses. The optional ones are null where the host offers none; the blocks
// that need them then fail with their message.
#pragma once
#include "planlib/engine/plan_ports.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

struct PlanWorld {
  FileSystem& files;
  Clock& clock;
  Ui& ui;
  PlanHost* host = nullptr;
  Clipboard* clipboard = nullptr;
  PlanKeyboard* keyboard = nullptr;
  PlanShell* shell = nullptr;
  PlanDialogs* dialogs = nullptr;
};

}  // namespace qb
