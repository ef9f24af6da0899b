// The paste commands a tab's context menu offers, run through the paste engine on a row of any
// tab: paste, copy, partial selection and the special pastes.
#pragma once
#include "paste/paste_engine.h"

namespace qb {

// Runs `command` when it is one of the paste commands (menu_command numbers): true then.
// `directSend` is DIRECT_SEND= (a partial selection pastes when it is on).
bool RunPasteCommand(PasteEngine& engine, PasteSource& source, int command, bool directSend);

}  // namespace qb
