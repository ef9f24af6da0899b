// Time as the program sees it: the local wall clock, a millisecond counter, and waits that keep
// the window thread responsive.
#pragma once
#include <cstdint>

#include "base/date_time.h"

namespace qb {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime localNow() = 0;
  // Milliseconds since the process started (monotonic).
  virtual std::uint64_t milliseconds() = 0;
  // Waits in 10 ms steps (at least one, see PumpWaitSteps), dispatching the calling thread's
  // pending window messages after each step.
  virtual void pumpWait(int milliseconds) = 0;
};

}  // namespace qb
