// The plans of every group in the order the menus list them (the Plan tab's order, newest
// first): the hook library's plan popup menu, the "プラン呼び出し" submenu and the capture plan's
// choice. A menu's position names the plan it showed, so the directory is refreshed whenever a
// group changes, and tells whoever sends the names on.
#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hotkeys/plan_catalog.h"
#include "tabs/plan/plan_store.h"

namespace qb {

// A plan name as a menu shows it: a line break inside it becomes a space (it would split the
// name into two menu entries and move every entry after it).
std::string MenuNameOf(std::string_view name);

class PlanDirectory : public PlanCatalog {
 public:
  explicit PlanDirectory(PlanStore& store) : store_(store) {}

  // Told after a group (or, with -1, every group) was read again.
  std::function<void(int group)> changed;

  void refreshAll();
  void refresh(int group);

  const std::vector<PlanFileInfo>& groupPlans(int group) const;
  // The plan at a menu position, or nothing.
  std::optional<PlanFileInfo> at(int group, int position) const;
  // The name of a group's plan by its file name; empty when the group has no such plan.
  std::string nameOf(int group, std::string_view fileName) const;

  // PlanCatalog: the hook library's plan menu lists at most 100 plans of a group, by menu name.
  std::vector<PlanEntry> plans(int group) override;

 private:
  PlanStore& store_;
  std::array<std::vector<PlanFileInfo>, kPlanGroupCount> groups_;
};

}  // namespace qb
