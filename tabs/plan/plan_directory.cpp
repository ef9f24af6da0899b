#include "tabs/plan/plan_directory.h"

namespace qb {

std::string MenuNameOf(std::string_view name) {
  std::string shown(name);
  for (char& c : shown) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return shown;
}

void PlanDirectory::refreshAll() {
  for (int group = 0; group < kPlanGroupCount; ++group) {
    groups_[static_cast<std::size_t>(group)] = store_.list(group);
  }
  if (changed) changed(-1);
}

void PlanDirectory::refresh(int group) {
  if (group < 0 || group >= kPlanGroupCount) return;
  groups_[static_cast<std::size_t>(group)] = store_.list(group);
  if (changed) changed(group);
}

const std::vector<PlanFileInfo>& PlanDirectory::groupPlans(int group) const {
  static const std::vector<PlanFileInfo> kNone;
  return group >= 0 && group < kPlanGroupCount ? groups_[static_cast<std::size_t>(group)] : kNone;
}

std::optional<PlanFileInfo> PlanDirectory::at(int group, int position) const {
  const std::vector<PlanFileInfo>& list = groupPlans(group);
  if (position < 0 || position >= static_cast<int>(list.size())) return std::nullopt;
  return list[static_cast<std::size_t>(position)];
}

std::string PlanDirectory::nameOf(int group, std::string_view fileName) const {
  for (const PlanFileInfo& plan : groupPlans(group)) {
    if (plan.fileName == fileName) return plan.name;
  }
  return {};
}

std::vector<PlanEntry> PlanDirectory::plans(int group) {
  std::vector<PlanEntry> entries;
  for (const PlanFileInfo& plan : groupPlans(group)) {
    if (entries.size() >= static_cast<std::size_t>(kPlansPerGroup)) break;
    entries.push_back({plan.fileName, MenuNameOf(plan.name)});
  }
  return entries;
}

}  // namespace qb
