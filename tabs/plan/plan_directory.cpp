#include "tabs/plan/plan_directory.h"

namespace qb {

std::string JoinMenuNames(const std::vector<std::string>& names, std::size_t slotBytes) {
  std::string text;
  for (std::string name : names) {
    // A line break inside a name would split it into two menu entries.
    for (char& c : name) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    std::size_t needed = text.size() + (text.empty() ? 0 : 2) + name.size();
    if (needed + 1 > slotBytes) break;
    if (!text.empty()) text += "\r\n";
    text += name;
  }
  return text;
}

PlanDirectory::PlanDirectory(PlanStore& store, const EnvironmentSettings& environment,
                             PlanMenuHook* hook)
    : store_(store), environment_(environment), hook_(hook) {}

void PlanDirectory::refreshAll() {
  if (hook_) {
    std::vector<std::string> names(environment_.PlanDir_Ar.begin(), environment_.PlanDir_Ar.end());
    hook_->setGroupNames(JoinMenuNames(names, kPlanMenuSlotBytes));
  }
  for (int group = 0; group < kPlanGroupCount; ++group) refresh(group);
}

void PlanDirectory::refresh(int group) {
  if (group < 0 || group >= kPlanGroupCount) return;
  std::vector<PlanFileInfo>& plans = groups_[static_cast<std::size_t>(group)];
  plans = store_.list(group);
  if (!hook_) return;
  std::vector<std::string> names;
  for (const PlanFileInfo& plan : plans) names.push_back(plan.name);
  std::string text = JoinMenuNames(names, kPlanMenuSlotBytes);
  hook_->setPlanNames(group, text);
}

const std::vector<PlanFileInfo>& PlanDirectory::plans(int group) const {
  static const std::vector<PlanFileInfo> kNone;
  return group >= 0 && group < kPlanGroupCount ? groups_[static_cast<std::size_t>(group)] : kNone;
}

std::optional<PlanFileInfo> PlanDirectory::at(int group, int position) const {
  const std::vector<PlanFileInfo>& list = plans(group);
  if (position < 0 || position >= static_cast<int>(list.size())) return std::nullopt;
  return list[static_cast<std::size_t>(position)];
}

std::string PlanDirectory::nameOf(int group, std::string_view fileName) const {
  for (const PlanFileInfo& plan : plans(group)) {
    if (plan.fileName == fileName) return plan.name;
  }
  return {};
}

}  // namespace qb
