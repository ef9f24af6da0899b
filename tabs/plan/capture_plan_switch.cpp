#include "tabs/plan/capture_plan_switch.h"

#include "tabs/plan/plan_list.h"

namespace qb {

CapturePlanSwitch::CapturePlanSwitch(EnvironmentSettings& environment, PlanDirectory& directory,
                                     Ui& ui, PlanChooser& chooser, SkippedCaptures& skipped)
    : environment_(environment), directory_(directory), ui_(ui), chooser_(chooser),
      skipped_(skipped) {}

bool CapturePlanSwitch::toggle() { return isOn() ? switchOff() : switchOn(); }

bool CapturePlanSwitch::switchOn() {
  directory_.refresh(kCapturePlanGroup);
  const std::vector<PlanFileInfo>& plans = directory_.groupPlans(kCapturePlanGroup);
  if (plans.empty()) {
    ui_.showMessage("プランが存在しません　", MessageIcon::kExclamation);
    return false;
  }
  std::vector<std::string> names;
  for (const PlanFileInfo& plan : plans) names.push_back(plan.name);
  std::optional<int> chosen = chooser_.choose(
      "Quillbox＜プラン選択＞",
      "履歴取得時に呼び出すプランを選択してください。\n"
      "指定できるのは、「履歴取得時呼び出し専用」グループだけです。\n"
      "用意するプランはなるべく処理を軽くしてください。",
      names);
  if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(plans.size())) return false;
  environment_.RirekiGetPlanName = plans[static_cast<std::size_t>(*chosen)].fileName;
  environment_.RirekiGetPlanFlg = 1;
  skipped_.reset();
  return true;
}

bool CapturePlanSwitch::switchOff() {
  std::string name = directory_.nameOf(kCapturePlanGroup, environment_.RirekiGetPlanName);
  if (name.empty()) name = environment_.RirekiGetPlanName;
  std::string question;
  if (skipped_.count() > 0) {
    question = "プランの呼び出し不可回数は " + std::to_string(skipped_.count()) + " 回です。  ";
  }
  question += "プランの呼び出しを解除しますか？　\n\nプラン名：【 " + name + " 】　　\n\n";
  if (ui_.showMessage(question, MessageIcon::kQuestion, MessageButtons::kYesNo) !=
      MessageAnswer::kYes) {
    return false;
  }
  environment_.RirekiGetPlanFlg = 0;
  environment_.RirekiGetPlanName.clear();
  skipped_.reset();
  return true;
}

}  // namespace qb
