#include "platform/fake/fake_clock.h"

#include "base/pump_wait.h"

namespace qb {

FakeClock::FakeClock() : FakeClock(DateTime{2024, 4, 1, 9, 0, 0, 0, 1}) {}

FakeClock::FakeClock(const DateTime& localStart, std::uint64_t startMilliseconds)
    : base_(Normalized(localStart)), baseMilliseconds_(startMilliseconds), now_(startMilliseconds) {}

DateTime FakeClock::localNow() {
  std::lock_guard lock(mutex_);
  return AddMilliseconds(base_, static_cast<std::int64_t>(now_ - baseMilliseconds_));
}

std::uint64_t FakeClock::milliseconds() {
  std::lock_guard lock(mutex_);
  return now_;
}

void FakeClock::pumpWait(int milliseconds) {
  int steps = PumpWaitSteps(milliseconds);
  {
    std::lock_guard lock(mutex_);
    waits_.push_back(milliseconds);
  }
  for (int i = 0; i < steps; ++i) {
    advance(kPumpStepMilliseconds);
    runDue();
  }
}

void FakeClock::setLocalNow(const DateTime& local) {
  std::lock_guard lock(mutex_);
  base_ = Normalized(local);
  baseMilliseconds_ = now_;
}

void FakeClock::advance(std::uint64_t milliseconds) {
  std::lock_guard lock(mutex_);
  now_ += milliseconds;
}

void FakeClock::schedule(std::uint64_t delayMilliseconds, std::function<void()> callback) {
  std::lock_guard lock(mutex_);
  pending_.emplace(Key{now_ + delayMilliseconds, nextOrder_++}, std::move(callback));
}

void FakeClock::scheduleAt(std::uint64_t atMilliseconds, std::function<void()> callback) {
  std::lock_guard lock(mutex_);
  pending_.emplace(Key{atMilliseconds, nextOrder_++}, std::move(callback));
}

bool FakeClock::takeDue(std::function<void()>& callback) {
  std::lock_guard lock(mutex_);
  if (pending_.empty() || pending_.begin()->first.first > now_) return false;
  callback = std::move(pending_.begin()->second);
  pending_.erase(pending_.begin());
  return true;
}

int FakeClock::runDue() {
  int ran = 0;
  std::function<void()> callback;
  while (takeDue(callback)) {
    callback();  // outside the lock: it may schedule, wait or read the time
    ++ran;
  }
  return ran;
}

std::size_t FakeClock::pendingCount() const {
  std::lock_guard lock(mutex_);
  return pending_.size();
}

std::vector<int> FakeClock::waits() const {
  std::lock_guard lock(mutex_);
  return waits_;
}

}  // namespace qb
