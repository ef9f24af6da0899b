// The key table of each settings file, in reading order (also the order of a new file).
#pragma once
#include "app/settings/key_table.h"
#include "app/settings/settings.h"

namespace qb {

const KeyTable<EnvironmentSettings>& EnvironmentKeyTable();
const KeyTable<RelatedFileSettings>& RelatedFileKeyTable();
const KeyTable<PlanHotkeySettings>& PlanHotkeyKeyTable();

// The defaults that centre the main window on the screen.
std::int32_t CenteredTop(ScreenSize screen);
std::int32_t CenteredLeft(ScreenSize screen);

}  // namespace qb
