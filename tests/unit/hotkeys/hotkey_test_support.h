// Settings at their defaults, as a first start writes them, for the hotkey tests.
#pragma once
#include "app/settings/key_table.h"
#include "app/settings/settings.h"
#include "app/settings/settings_key_tables.h"

namespace qb {

inline Settings DefaultSettings() {
  Settings settings;
  BindKeyTable(EnvironmentKeyTable(), settings.environment, ScreenSize{1280, 800}).assignDefaults();
  BindKeyTable(RelatedFileKeyTable(), settings.relatedFiles, ScreenSize{}).assignDefaults();
  BindKeyTable(PlanHotkeyKeyTable(), settings.planHotkeys, ScreenSize{}).assignDefaults();
  return settings;
}

}  // namespace qb
