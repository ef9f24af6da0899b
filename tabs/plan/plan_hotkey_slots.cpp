#include "tabs/plan/plan_hotkey_slots.h"

namespace qb {
namespace {

constexpr int kUnusedGroup = 2;

const char* ModifierText(int key) {
  switch (key) {
    case 16: return "Shift+";
    case 17: return "Ctrl+";
    case 18: return "Alt+";
    default: return "";
  }
}

}  // namespace

std::string HotkeyText(int modifier1, int modifier2, int modifier3, int key) {
  std::string text;
  for (int modifier : {modifier1, modifier2, modifier3}) text += ModifierText(modifier);
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    text += static_cast<char>(key);
  } else {
    text += "(" + std::to_string(key) + ")";
  }
  return text;
}

bool PlanHotkeySlots::inUse(int slot) const {
  return slot >= 0 && slot < kPlanHotkeyCount &&
         !settings_.PlanHotKeyFileName[static_cast<std::size_t>(slot)].empty();
}

int PlanHotkeySlots::find(int group, std::string_view fileName) const {
  for (int slot = 0; slot < kPlanHotkeyCount; ++slot) {
    std::size_t i = static_cast<std::size_t>(slot);
    if (inUse(slot) && settings_.PlanHotKeyGroup[i] == group &&
        settings_.PlanHotKeyFileName[i] == fileName) {
      return slot;
    }
  }
  return -1;
}

std::string PlanHotkeySlots::keyText(int slot) const {
  if (!inUse(slot)) return {};
  std::size_t i = static_cast<std::size_t>(slot);
  return HotkeyText(settings_.PlanHotKey1[i], settings_.PlanHotKey2[i], settings_.PlanHotKey3[i],
                    settings_.PlanHotKey4[i]);
}

void PlanHotkeySlots::release(int slot) {
  if (!inUse(slot)) return;
  PlanHotkeySettings& s = settings_;
  for (std::size_t i = static_cast<std::size_t>(slot); i + 1 < kPlanHotkeyCount; ++i) {
    s.PlanHotKey1[i] = s.PlanHotKey1[i + 1];
    s.PlanHotKey2[i] = s.PlanHotKey2[i + 1];
    s.PlanHotKey3[i] = s.PlanHotKey3[i + 1];
    s.PlanHotKey4[i] = s.PlanHotKey4[i + 1];
    s.PlanHotKeyGroup[i] = s.PlanHotKeyGroup[i + 1];
    s.PlanHotKeyFileName[i] = s.PlanHotKeyFileName[i + 1];
  }
  const std::size_t last = kPlanHotkeyCount - 1;
  s.PlanHotKey1[last] = s.PlanHotKey2[last] = s.PlanHotKey3[last] = s.PlanHotKey4[last] = 0;
  s.PlanHotKeyGroup[last] = kUnusedGroup;
  s.PlanHotKeyFileName[last].clear();
  s.PlanHotKeyIdx = static_cast<int>(slotsInUse().size());
}

std::vector<int> PlanHotkeySlots::slotsInUse() const {
  std::vector<int> slots;
  for (int slot = 0; slot < kPlanHotkeyCount; ++slot) {
    if (inUse(slot)) slots.push_back(slot);
  }
  return slots;
}

}  // namespace qb
