#include "hotkeys/key_settings_model.h"

namespace qb {

std::array<std::string, kMultiHotkeyCount> KeySettingsModel::lines() const {
  const MultiHotkeys hotkeys = MultiHotkeysFrom(settings_.environment);
  const GroupNames names = GroupNamesFrom(settings_.environment, settings_.relatedFiles);
  std::array<std::string, kMultiHotkeyCount> lines;
  for (std::size_t n = 0; n < hotkeys.size(); ++n) {
    lines[n] = std::to_string(n + 1) + (hotkeys[n].enabled() ? " [有効] " : " [無効] ") +
               DescribeMultiHotkey(hotkeys[n], names);
  }
  return lines;
}

}  // namespace qb
