#include "planlib/plan_call.h"

#include "planlib/engine/plan_main.h"

namespace qb {
namespace {

void Tell(Ui& ui, std::string_view message) { ui.showMessage(message, MessageIcon::kExclamation); }

}  // namespace

bool AcceptPlanCall(Ui& ui, std::string_view ifVersion, std::string_view planVersion) {
  if (ifVersion != kPlanInterfaceVersion) {
    Tell(ui, "dllバージョン不一致　");
    return false;
  }
  if (planVersion.compare(kPlanInterfaceVersion) > 0) {
    Tell(ui, "上位のバージョンで作成/保存されたプランのため操作できません　");
    return false;
  }
  return true;
}

PlanCallResult RunPlanCall(CPlanRunner& runner, Ui& ui, const PlanCallInputs& inputs,
                           std::string_view planText, std::string& text) {
  const std::string before = text;
  if (!AcceptPlanCall(ui, inputs.ifVersion, inputs.planVersion)) return {};
  CPlanMain plan;
  // A plan without a name cannot run: it counts as a text that does not parse.
  if (plan.m_Analyze(planText) != 0 || !plan.m_HeaderValue("<@@PLAN_NAME>")) {
    Tell(ui, "プラン解析中にエラーが発生しました　");
    return {};
  }
  int result = runner.m_Run(plan, PlanRunSettings{inputs.dataHome, inputs.actWinName}, text);
  if (result == plan_result::kError) {
    text = before;
    Tell(ui, "プラン実行中のエラー発生によりプランは中断しました　");
    return {};
  }
  if (result == plan_result::kCancel) {
    text = before;
    return {-1, run_result::kCancelled};
  }
  return {0, run_result::kCompleted};
}

}  // namespace qb
