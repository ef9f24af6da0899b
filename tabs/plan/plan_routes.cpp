#include "tabs/plan/plan_routes.h"

#include "base/numbers.h"
#include "base/records.h"
#include "tabs/plan/plan_list.h"

namespace qb {
namespace {

constexpr std::string_view kMenuChoicePrefix = "MouseHook4";
constexpr int kMenuPlanMaximum = 100;

// A decimal number of at most three digits and nothing else; -1 otherwise.
int SmallNumber(std::string_view text) {
  if (text.empty() || text.size() > 3) return -1;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
  }
  return ParseLeadingInt(text);
}

}  // namespace

PlanRoutes::PlanRoutes(PlanRouteParts parts) : parts_(parts) {}

int PlanRoutes::run(int group, std::string_view fileName, std::string_view input,
                    bool hideMainWindow, std::string_view operation) {
  PlanItem record;
  if (!parts_.store.read(group, fileName, record)) {
    parts_.ui.showMessage(PlanReadFailure(operation, parts_.store.path(group, fileName)),
                          MessageIcon::kStop);
    return -1;
  }
  parts_.requests.requestRun(
      {std::move(record.text), std::move(record.version), std::string(input), hideMainWindow});
  return 0;
}

int PlanRoutes::m_PlanGo(int group, std::string_view fileName, std::string_view input,
                         bool hideMainWindow) {
  if (parts_.requests.busy()) {
    parts_.ui.showMessage(kPlanBusyMessage, MessageIcon::kExclamation);
    return -1;
  }
  return run(group, fileName, input, hideMainWindow, "m_PlanGo");
}

int PlanRoutes::m_PlanCallGo(int position, std::string_view input, bool hideMainWindow) {
  if (parts_.requests.busy()) {
    parts_.ui.showMessage(kPlanBusyMessage, MessageIcon::kExclamation);
    return -1;
  }
  std::optional<PlanEntry> plan = parts_.directory.at(kPlanCallGroup, position);
  if (!plan) return -1;
  return run(kPlanCallGroup, plan->fileName, input, hideMainWindow, "m_PlanCallGo");
}

bool PlanRoutes::refusedFromOutside() {
  if (!parts_.requests.busy() && !parts_.ui.isBusy()) return false;
  parts_.ui.showMessage(kPlanRunRefusedMessage, MessageIcon::kExclamation);
  return true;
}

int PlanRoutes::runHotkeyPlan(int slot) {
  if (slot < 0 || slot >= kPlanHotkeyCount || parts_.environment.Plan_Enable != 1) return -1;
  const std::size_t i = static_cast<std::size_t>(slot);
  const std::string& fileName = parts_.hotkeys.PlanHotKeyFileName[i];
  const int group = parts_.hotkeys.PlanHotKeyGroup[i];
  if (fileName.empty() || group < 0 || group >= kPlanGroupCount) return -1;
  if (refusedFromOutside()) return -1;
  return run(group, fileName, "", /*hideMainWindow=*/false, "m_PlanGGetSub");
}

bool PlanRoutes::keepMenuChoice(std::string_view command) {
  if (command.substr(0, kMenuChoicePrefix.size()) != kMenuChoicePrefix) return false;
  std::vector<std::string> fields = SplitFields(command, 4);
  if (fields.size() != 3 || fields[0] != kMenuChoicePrefix) return false;
  int group = SmallNumber(fields[1]);
  int index = SmallNumber(fields[2]);
  if (group < 0 || group >= kPlanGroupCount || index < 0 || index >= kMenuPlanMaximum) return false;
  keptGroup_ = group;
  keptIndex_ = index;
  return true;
}

int PlanRoutes::runMenuChoice() {
  const int group = keptGroup_;
  const int index = keptIndex_;
  keptGroup_ = keptIndex_ = -1;
  if (group < 0 || parts_.environment.Plan_Enable != 1) return -1;
  // The popup menu shows this group from now on, as the user last chose it there.
  parts_.environment.PlanMenuNowGroup = group;
  std::optional<PlanEntry> plan = parts_.directory.at(group, index);
  if (!plan) return -1;
  if (refusedFromOutside()) return -1;
  return run(group, plan->fileName, "", /*hideMainWindow=*/false, "m_PlanGGetSub");
}

}  // namespace qb
