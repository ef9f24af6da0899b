// The Clock port over the machine's clock. A console program has no window messages: a wait
// simply sleeps.
#pragma once
#include <cstdint>
#include <ctime>

#include "platform/clock.h"

namespace qb {

// The machine's local time of a moment given in whole seconds.
DateTime LocalDateTime(std::time_t seconds);

class SystemClock : public Clock {
 public:
  SystemClock();
  DateTime localNow() override;
  std::uint64_t milliseconds() override;
  void pumpWait(int milliseconds) override;

 private:
  std::int64_t startMilliseconds_;
};

}  // namespace qb
