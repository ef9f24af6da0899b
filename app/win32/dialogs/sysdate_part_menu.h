// The context menu of the date-macro editing area: one submenu per part group ("年", "月", ...)
// whose entries name their element by example, then "部品の削除" and the edit commands.
#pragma once
#include <windows.h>

#include "macros/sysdate_editor_model.h"

namespace qb {

// A new popup menu; the caller destroys it.
HMENU CreateSysdatePartMenu();
// The part entry of a menu command; nullptr for other commands.
const PartMenuEntry* SysdatePartForCommand(int command);

}  // namespace qb
