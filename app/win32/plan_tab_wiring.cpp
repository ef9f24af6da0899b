#include "app/win32/plan_tab_wiring.h"

namespace qb {

PlanTabWiring::PlanTabWiring(PlanTabWiringParts parts)
    : parts_(std::move(parts)),
      unit_({parts_.fs, parts_.clock, parts_.ui, parts_.settings, library_, parts_.dataHome}),
      chooser_(nullptr, parts_.ui, parts_.dialogFont),
      routes_({unit_.store(), unit_.directory(), *this, parts_.ui, parts_.settings.environment}),
      callMenu_(unit_.directory(), routes_, parts_.settings.environment, chooser_),
      capturePlan_(parts_.settings.environment, unit_.directory(), parts_.ui, chooser_, *this) {}

void PlanTabWiring::attach(HWND owner, ProgramPlans* plans) {
  chooser_.setOwner(owner);
  plans_ = plans;
}

std::unique_ptr<TabView> PlanTabWiring::makeView() {
  auto view = std::make_unique<PlanTabView>(PlanTabView::Parts{
      unit_.list(), routes_, *this, parts_.settings.environment, parts_.ui, parts_.refreshList});
  view_ = view.get();
  return view;
}

void PlanTabWiring::planStateChanged() {
  if (view_) view_->refreshControls();
}

void PlanTabWiring::requestRun(PlanRunInputs inputs) {
  if (!plans_) return;
  if (inputs.hideMainWindow && parts_.letGo) parts_.letGo();
  plans_->run(std::move(inputs.planText), std::move(inputs.planVersion), std::move(inputs.inputText));
  planStateChanged();
}

bool PlanTabWiring::requestEdit(PlanEditInputs inputs,
                                std::function<void(const PlanEditInputs&, const PlanEditOutcome&)> edited) {
  if (!plans_) return false;
  PlanEditRequest request{inputs.planText, inputs.planVersion, parts_.userId, {},
                          parts_.settings.environment.PlanMaxDspFlg == 1};
  const bool taken = plans_->edit(std::move(request), [this, inputs, edited = std::move(edited)](
                                                          const PlanEditResult& result) {
    PlanEditOutcome outcome{result.returned != -1, result.reachedEditor, result.maximized,
                            PlanItem{result.name, result.version, result.attributes, "0", "0",
                                     result.planText}};
    edited(inputs, outcome);
    planStateChanged();
  });
  planStateChanged();
  return taken;
}

}  // namespace qb
