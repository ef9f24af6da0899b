// What the running program does after the settings sheet's OK, from the keys that changed: each
// part of the program that reads a changed key takes it again, so that no restart is needed
// where the part can take it (the settings the sheet's notices name wait for the next start).
#pragma once
#include <string>
#include <vector>

namespace qb {

struct SettingsApply {
  bool tabs = false;         // tab captions, buttons shown, group names and colours redrawn
  bool hotkeys = false;      // unregistered and registered again
  bool hooks = false;        // removed and installed again
  bool publishLink = false;  // the LAN publish link restarted (or started, or ended)
  bool shareLink = false;    // the shared-folder link restarted
  bool paste = false;        // the paste and click options taken again
};

SettingsApply PlanSettingsApply(const std::vector<std::string>& changedKeys);

}  // namespace qb
