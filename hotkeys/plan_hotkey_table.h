// The fifty plan hotkey slots of "quillboxplan.dat": which plan a slot runs and with which keys,
// the assignment of a hotkey to a plan, and its removal.
#pragma once
#include <array>
#include <optional>
#include <span>
#include <string>

#include "app/settings/plan_hotkey_settings.h"

namespace qb {

inline constexpr int kPlanHotkeyGroupDefault = 2;  // "ホットキー呼び出し専用"

// The modifier combinations the plan hotkey dialog offers, in its order.
struct PlanModifierChoice {
  const char* caption;
  std::array<int, 3> modifiers;  // PlanHotKey1_..3_, 0 for none
};
std::span<const PlanModifierChoice> PlanModifierChoices();
// The choice holding exactly these modifiers in this order; -1 for none.
int PlanModifierChoiceIndex(const std::array<int, 3>& modifiers);

struct PlanHotkeyAssignment {
  std::array<int, 3> modifiers{};
  int key = 0;
};

std::string PlanMaximumMessage();  // "プランに設定できるホットキーの最大数（50）を超えます。 "

class PlanHotkeyTable {
 public:
  explicit PlanHotkeyTable(PlanHotkeySettings& settings) : settings_(settings) {}

  bool used(int slot) const;
  // The slot of this plan; none when it has no hotkey.
  std::optional<int> slotOf(int group, const std::string& fileName) const;
  // The slot using the same keys, other than `except`; none when the keys are free.
  std::optional<int> slotWithKeys(const PlanHotkeyAssignment& keys, int except = -1) const;
  PlanHotkeyAssignment keysOf(int slot) const;

  // Gives the plan its hotkey: its own slot when it has one, else the first free slot. None when
  // all fifty are in use (PlanMaximumMessage()).
  std::optional<int> assign(int group, const std::string& fileName, const PlanHotkeyAssignment& keys);
  // Takes a slot's hotkey away; the plan of a removed or moved file loses its hotkey so.
  void clear(int slot);
  bool clearPlan(int group, const std::string& fileName);

 private:
  void countInUse();

  PlanHotkeySettings& settings_;
};

}  // namespace qb
