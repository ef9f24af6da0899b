// The plan hotkeys of "quillboxplan.dat" as the Plan tab sees them: which plan has a hotkey,
// its text form, and the release of a hotkey whose plan is deleted or moved. Slots in use are
// those with a file name; they are kept first, `PlanHotKeyIdx=` of them.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/plan_hotkey_settings.h"

namespace qb {

class PlanHotkeySlots {
 public:
  explicit PlanHotkeySlots(PlanHotkeySettings& settings) : settings_(settings) {}

  // The slot whose hotkey runs the plan, or -1.
  int find(int group, std::string_view fileName) const;
  // "Ctrl+Alt+1": the modifiers in their stored order, then the key.
  std::string keyText(int slot) const;
  // Empties the slot and closes the gap, so that the slots in use stay first.
  void release(int slot);
  // The slots with a plan, in slot order: the hotkeys to register.
  std::vector<int> slotsInUse() const;

 private:
  bool inUse(int slot) const;

  PlanHotkeySettings& settings_;
};

// The text form of one hotkey: up to three modifiers (16 Shift, 17 Ctrl, 18 Alt) and a key.
std::string HotkeyText(int modifier1, int modifier2, int modifier3, int key);

}  // namespace qb
