// A virtual clock for tests: time moves only when the test or a wait moves it.
//
// localNow() is the time last set with setLocalNow() plus the virtual milliseconds elapsed since.
// pumpWait(ms) advances in 10 ms steps (PumpWaitSteps) and after each step runs the callbacks due
// at that time or earlier, standing in for the window messages that arrive during a real wait.
// advance() moves time without dispatching anything; runDue() dispatches what is due now.
// Due callbacks run in order of their time, then in the order they were scheduled; a callback may
// schedule more (one due already runs in the same dispatch) or wait itself.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/clock.h"

namespace qb {

class FakeClock : public Clock {
 public:
  // Monday 2024-04-01 09:00:00.000, virtual counter 0.
  FakeClock();
  explicit FakeClock(const DateTime& localStart, std::uint64_t startMilliseconds = 0);

  DateTime localNow() override;
  std::uint64_t milliseconds() override;
  void pumpWait(int milliseconds) override;

  // The wall clock jumps (the counter does not).
  void setLocalNow(const DateTime& local);
  void advance(std::uint64_t milliseconds);

  void schedule(std::uint64_t delayMilliseconds, std::function<void()> callback);
  void scheduleAt(std::uint64_t atMilliseconds, std::function<void()> callback);
  // Runs every callback due now; the number run.
  int runDue();
  std::size_t pendingCount() const;

  // Every pumpWait request, in order, as asked (before the step rule).
  std::vector<int> waits() const;

 private:
  using Key = std::pair<std::uint64_t, std::uint64_t>;  // due time, scheduling order

  bool takeDue(std::function<void()>& callback);

  mutable std::mutex mutex_;
  DateTime base_;
  std::uint64_t baseMilliseconds_ = 0;
  std::uint64_t now_ = 0;
  std::uint64_t nextOrder_ = 0;
  std::map<Key, std::function<void()>> pending_;
  std::vector<int> waits_;
};

}  // namespace qb
