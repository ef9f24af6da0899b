// The bounded stop handshakes of the shutdown, on the window thread's waits (which keep
// dispatching window messages, so the workers can still post to the main window).
//
// The shutdown calls `StopLoopWorker()` for the LAN publish and the shared-folder workers, and
// `StopPlanThread()` after sending "0927Plan_RunEndReq" to a plan that is edited or run.
#pragma once
#include <functional>

#include "platform/clock.h"

namespace qb {

inline constexpr int kShutdownStopRounds = 20;
inline constexpr int kLoopWorkerWaitMilliseconds = 100;
inline constexpr int kPlanStopAskWaitMilliseconds = 30;
inline constexpr int kPlanStopWakeWaitMilliseconds = 100;
inline constexpr int kPlanStoppedGraceMilliseconds = 200;

struct LoopWorkerStop {
  std::function<void()> requestStop;  // sets the worker's stop request flags
  std::function<bool()> ended;        // the worker's "ended" flag
  std::function<void()> sendWakeUp;   // the wake-up datagram
};

// Sets the stop flags and wakes the worker, then waits 100 ms at most 20 times for it to end,
// waking it again between waits. True when it ended; the caller then closes its socket.
bool StopLoopWorker(Clock& clock, const LoopWorkerStop& worker);

struct PlanThreadStop {
  std::function<void()> askToStop;  // asks the plan library to stop
  std::function<void()> wakeUp;     // sets the plan thread's wake-up event
  std::function<bool()> running;    // the plan thread still runs
};

// At most 20 rounds of: ask to stop, wait 30 ms, wake the thread, wait 100 ms. Once the thread
// no longer runs, waits 200 ms more and answers true.
bool StopPlanThread(Clock& clock, const PlanThreadStop& plan);

}  // namespace qb
