// The plan thread at the program's end: a plan that is edited or run is told to stop after the
// question "プラン編集、または実行中です。「OK」で強制終了します。　", then the thread is stopped
// in bounded rounds.
#pragma once
#include <cstdint>
#include <functional>

#include "app/plan/plan_thread.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace qb {

struct PlanShutdownParts {
  Ui& ui;
  Clock& clock;
  PlanThread& thread;
  // Sends "0927Plan_RunEndReq" to the plan library's hidden window.
  std::function<void(std::uintptr_t window)> sendStopRequest;
};

// True when the thread ended.
bool ShutDownPlanThread(const PlanShutdownParts& parts);

}  // namespace qb
