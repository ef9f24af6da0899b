// The step rule of the program's waits: 10 ms steps, at least one.
#pragma once

namespace qb {

inline constexpr int kPumpStepMilliseconds = 10;

// Number of 10 ms steps for a wait of `milliseconds` (at least 1; 15 ms -> 1, 25 ms -> 2).
inline int PumpWaitSteps(int milliseconds) {
  int steps = milliseconds / kPumpStepMilliseconds;
  return steps < 1 ? 1 : steps;
}

}  // namespace qb
