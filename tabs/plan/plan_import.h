// Reading a plan file chosen for import: a plan text ("<@@PLAN_NAME>…", as the editor and the
// command-line runner write it) or a plan item file of another copy (byte-shifted record).
#pragma once
#include <string_view>

#include "platform/file_system.h"
#include "platform/ui.h"
#include "tabs/plan/plan_item.h"

namespace qb {

// 0 and the record to store; -1 after the message when the file cannot be read, is no plan,
// does not parse, or was written by a later plan version.
int ReadPlanFile(FileSystem& fs, Ui& ui, std::string_view path, PlanItem& record);

}  // namespace qb
