#include "app/plan/plan_shutdown.h"

#include "app/shell/worker_stop.h"

namespace qb {

bool ShutDownPlanThread(const PlanShutdownParts& parts) {
  if (parts.thread.mode() != PlanMode::kIdle) {
    parts.ui.showMessage("プラン編集、または実行中です。「OK」で強制終了します。　",
                         MessageIcon::kExclamation);
    std::uintptr_t window = parts.thread.planWindow();
    if (window != 0 && parts.sendStopRequest) parts.sendStopRequest(window);
  }
  PlanThread& thread = parts.thread;
  return StopPlanThread(parts.clock, {[&thread] { thread.requestExit(); },
                                      [&thread] { thread.wake(); },
                                      [&thread] { return thread.running(); }});
}

}  // namespace qb
