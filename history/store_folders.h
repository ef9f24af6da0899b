// The item folders under the data home, and their creation at start-up.
#pragma once
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/ui.h"

namespace qb {

inline constexpr int kGroupCount = 10;

// data home + "ラベル付き格納" + "%02d".
std::string SaveGroupFolder(std::string_view dataHome, int group);
// data home + "Stack" + "\" + "StackDir" + "%02d".
std::string StackGroupFolder(std::string_view dataHome, int group);
// data home + "Plan" + "\" + "PlanDir" + "%02d".
std::string PlanGroupFolder(std::string_view dataHome, int group);
// data home + "Plan" + "\" + "PlanDataHome".
std::string PlanDataHomeFolder(std::string_view dataHome);
// data home + "macro".
std::string MacroFolder(std::string_view dataHome);

// Creates every missing store folder: the ten save groups, the macro folder, the plan parent,
// plan data home and plan groups, the stack parent and stack groups. The first failure shows its
// message and ends the creation: false.
bool CreateStoreFolders(FileSystem& fs, Ui& ui, std::string_view dataHome);

// Removes what writes cut short by a crash left ("~qb*.tmp", last written before `startedAt`) in
// the data home and every item folder under it. The number removed.
int RemoveInterruptedWritesInStores(FileSystem& fs, std::string_view dataHome,
                                    const DateTime& startedAt);

}  // namespace qb
