// The settings object: every key of the three settings files, reachable from the whole program.
#pragma once
#include "app/settings/environment_settings.h"
#include "app/settings/plan_hotkey_settings.h"
#include "app/settings/related_file_settings.h"

namespace qb {

struct Settings {
  EnvironmentSettings environment;  // quillbox2.dat
  RelatedFileSettings relatedFiles; // quillboxtxt.dat
  PlanHotkeySettings planHotkeys;   // quillboxplan.dat
};

}  // namespace qb
