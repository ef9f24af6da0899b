#include "hotkeys/plan_hotkey_table.h"

#include "hotkeys/hotkey_keys.h"

namespace qb {
namespace {

namespace hk = hotkey_key;

constexpr PlanModifierChoice kChoices[] = {
    {"Ctrl", {hk::kCtrl, 0, 0}},
    {"Ctrl + Alt", {hk::kCtrl, hk::kAlt, 0}},
    {"Ctrl + Shift", {hk::kCtrl, hk::kShift, 0}},
    {"Alt  + Shift", {hk::kAlt, hk::kShift, 0}},
    {"Ctrl + Alt + Shift", {hk::kCtrl, hk::kAlt, hk::kShift}},
};

std::size_t At(int slot) { return static_cast<std::size_t>(slot); }

}  // namespace

std::span<const PlanModifierChoice> PlanModifierChoices() { return kChoices; }

int PlanModifierChoiceIndex(const std::array<int, 3>& modifiers) {
  for (std::size_t i = 0; i < std::size(kChoices); ++i) {
    if (kChoices[i].modifiers == modifiers) return static_cast<int>(i);
  }
  return -1;
}

std::string PlanMaximumMessage() {
  return "プランに設定できるホットキーの最大数（" + std::to_string(kPlanHotkeyCount) + "）を超えます。 ";
}

bool PlanHotkeyTable::used(int slot) const {
  return slot >= 0 && slot < kPlanHotkeyCount && !settings_.PlanHotKeyFileName[At(slot)].empty();
}

std::optional<int> PlanHotkeyTable::slotOf(int group, const std::string& fileName) const {
  for (int slot = 0; slot < kPlanHotkeyCount; ++slot) {
    if (used(slot) && settings_.PlanHotKeyGroup[At(slot)] == group &&
        settings_.PlanHotKeyFileName[At(slot)] == fileName) {
      return slot;
    }
  }
  return std::nullopt;
}

PlanHotkeyAssignment PlanHotkeyTable::keysOf(int slot) const {
  const auto i = At(slot);
  return {{settings_.PlanHotKey1[i], settings_.PlanHotKey2[i], settings_.PlanHotKey3[i]},
          settings_.PlanHotKey4[i]};
}

std::optional<int> PlanHotkeyTable::slotWithKeys(const PlanHotkeyAssignment& keys, int except) const {
  const unsigned flags = ModifierFlags(keys.modifiers);
  for (int slot = 0; slot < kPlanHotkeyCount; ++slot) {
    if (slot == except || !used(slot)) continue;
    const PlanHotkeyAssignment other = keysOf(slot);
    if (ModifierFlags(other.modifiers) == flags && other.key == keys.key) return slot;
  }
  return std::nullopt;
}

std::optional<int> PlanHotkeyTable::assign(int group, const std::string& fileName,
                                           const PlanHotkeyAssignment& keys) {
  std::optional<int> slot = slotOf(group, fileName);
  for (int free = 0; !slot && free < kPlanHotkeyCount; ++free) {
    if (!used(free)) slot = free;
  }
  if (!slot) return std::nullopt;
  const auto i = At(*slot);
  settings_.PlanHotKey1[i] = keys.modifiers[0];
  settings_.PlanHotKey2[i] = keys.modifiers[1];
  settings_.PlanHotKey3[i] = keys.modifiers[2];
  settings_.PlanHotKey4[i] = keys.key;
  settings_.PlanHotKeyGroup[i] = group;
  settings_.PlanHotKeyFileName[i] = fileName;
  countInUse();
  return slot;
}

void PlanHotkeyTable::clear(int slot) {
  if (slot < 0 || slot >= kPlanHotkeyCount) return;
  const auto i = At(slot);
  settings_.PlanHotKey1[i] = settings_.PlanHotKey2[i] = settings_.PlanHotKey3[i] = 0;
  settings_.PlanHotKey4[i] = 0;
  settings_.PlanHotKeyGroup[i] = kPlanHotkeyGroupDefault;
  settings_.PlanHotKeyFileName[i].clear();
  countInUse();
}

bool PlanHotkeyTable::clearPlan(int group, const std::string& fileName) {
  const std::optional<int> slot = slotOf(group, fileName);
  if (!slot) return false;
  clear(*slot);
  return true;
}

void PlanHotkeyTable::countInUse() {
  int count = 0;
  for (int slot = 0; slot < kPlanHotkeyCount; ++slot) count += used(slot) ? 1 : 0;
  settings_.PlanHotKeyIdx = count;
}

}  // namespace qb
