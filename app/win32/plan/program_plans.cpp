#include "app/win32/plan/program_plans.h"

#include "app/plan/plan_shutdown.h"

namespace qb {

ProgramPlans::ProgramPlans(ProgramPlansParts parts)
    : parts_(std::move(parts)),
      commands_(*this),
      thread_([setup = parts_.library] { return std::make_unique<InterfacePlanLibrary>(setup); },
              [](int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }),
      capture_(parts_.files, parts_.ui, *this, parts_.dataHome, parts_.workingWindowTitle) {
  thread_.start();
}

ProgramPlans::~ProgramPlans() { shutDown(); }

void ProgramPlans::addCommandsTo(CopyDataRouter& router) {
  router.add(std::string(PlanCommands::kPrefix),
             [this](std::string_view command) { return commands_.handle(command); });
}

void ProgramPlans::onCapture(std::string_view planFileName, std::string_view text) {
  capture_.onCapture(planFileName, text);
}

bool ProgramPlans::run(std::string planText, std::string planVersion, std::string text) {
  std::string window = parts_.workingWindowTitle ? parts_.workingWindowTitle() : std::string();
  return thread_.requestRun({std::move(planText), std::move(planVersion), std::move(text),
                             std::move(window), false});
}

bool ProgramPlans::edit(PlanEditRequest request, std::function<void(const PlanEditResult&)> edited) {
  request.actWinName = parts_.workingWindowTitle ? parts_.workingWindowTitle() : std::string();
  if (!windowThread_) windowThread_ = std::make_unique<WindowThreadPost>(GetModuleHandleW(nullptr));
  WindowThreadPost& windowThread = *windowThread_;
  auto postResult = [&windowThread, edited = std::move(edited)](PlanEditResult result) {
    windowThread.post([edited, result = std::move(result)] { edited(result); });
  };
  return thread_.requestEdit(std::move(request), std::move(postResult));
}

PlanActivity ProgramPlans::activity() const {
  switch (thread_.mode()) {
    case PlanMode::kRunning: return PlanActivity::kRunning;
    case PlanMode::kEditing: return PlanActivity::kEditing;
    default: return PlanActivity::kNone;
  }
}

void ProgramPlans::activateWorkingWindow() {
  if (parts_.working.window == 0) return;
  parts_.desktop.activate(parts_.working.window);
  if (parts_.engine.settings().precise) parts_.engine.SendPasteKeys(true, false);
}

void ProgramPlans::shutDown() {
  if (shutDown_) return;
  shutDown_ = true;
  ShutDownPlanThread({parts_.ui, parts_.clock, thread_, [](std::uintptr_t window) {
                        SendPlanStopRequest(reinterpret_cast<HWND>(window));
                      }});
}

}  // namespace qb
