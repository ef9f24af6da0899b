// The real clock: local wall-clock time, a millisecond counter since construction, and waits
// that keep the calling thread's windows responsive.
#pragma once
#include <cstdint>

#include "platform/clock.h"

namespace qb {

class Win32Clock : public Clock {
 public:
  Win32Clock();

  DateTime localNow() override;
  std::uint64_t milliseconds() override;
  // PumpWaitSteps(ms) steps of Sleep(10), each followed by DispatchPendingMessages().
  void pumpWait(int milliseconds) override;

 private:
  std::uint64_t start_;
};

// Translates and dispatches the calling thread's pending messages. A WM_QUIT met on the way is
// posted again and ends the round, so that the thread's message loop still sees it.
void DispatchPendingMessages();

}  // namespace qb
