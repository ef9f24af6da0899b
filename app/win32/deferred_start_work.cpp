#include "app/win32/deferred_start_work.h"

namespace qb {

DeferredStartWork* DeferredStartWork::running_ = nullptr;

void DeferredStartWork::start() {
  if (tasks_.empty() || timer_ != 0) return;
  running_ = this;
  timer_ = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnTimer);
}

void DeferredStartWork::cancel() {
  tasks_.clear();
  if (timer_ != 0) KillTimer(nullptr, timer_);
  timer_ = 0;
  if (running_ == this) running_ = nullptr;
}

void CALLBACK DeferredStartWork::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (running_ != nullptr) running_->runNext();
}

void DeferredStartWork::runNext() {
  if (tasks_.empty()) {
    cancel();
    return;
  }
  if (paused_ && paused_()) return;  // the timer stays armed
  Task task = std::move(tasks_.front());
  tasks_.pop_front();
  // A task may wait and dispatch messages (another turn must not start inside it).
  const UINT_PTR timer = timer_;
  timer_ = 0;
  KillTimer(nullptr, timer);
  const bool again = task();
  if (running_ != this) return;  // cancelled meanwhile
  if (again) tasks_.push_front(std::move(task));
  if (tasks_.empty()) {
    cancel();
    return;
  }
  timer_ = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnTimer);
}

}  // namespace qb
