#include "app/shell/worker_stop.h"

namespace qb {

bool StopLoopWorker(Clock& clock, const LoopWorkerStop& worker) {
  if (worker.requestStop) worker.requestStop();
  if (worker.ended()) return true;
  if (worker.sendWakeUp) worker.sendWakeUp();
  for (int round = 1; round <= kShutdownStopRounds; ++round) {
    clock.pumpWait(kLoopWorkerWaitMilliseconds);
    if (worker.ended()) return true;
    if (round < kShutdownStopRounds && worker.sendWakeUp) worker.sendWakeUp();
  }
  return false;
}

bool StopPlanThread(Clock& clock, const PlanThreadStop& plan) {
  for (int round = 0; round <= kShutdownStopRounds; ++round) {
    if (!plan.running()) {
      clock.pumpWait(kPlanStoppedGraceMilliseconds);
      return true;
    }
    if (round == kShutdownStopRounds) break;
    if (plan.askToStop) plan.askToStop();
    clock.pumpWait(kPlanStopAskWaitMilliseconds);
    if (plan.wakeUp) plan.wakeUp();
    clock.pumpWait(kPlanStopWakeWaitMilliseconds);
  }
  return false;
}

}  // namespace qb
