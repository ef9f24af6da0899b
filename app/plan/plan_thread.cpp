#include "app/plan/plan_thread.h"

namespace qb {

PlanThread::PlanThread(LibraryFactory makeLibrary, std::function<void(int)> sleep)
    : makeLibrary_(std::move(makeLibrary)), sleep_(std::move(sleep)) {}

PlanThread::~PlanThread() {
  if (!thread_.joinable()) return;
  if (running_.load()) {
    requestExit();
    thread_.detach();
  } else {
    thread_.join();
  }
}

void PlanThread::start() {
  running_.store(true);
  thread_ = std::thread([this] { body(); });
}

void PlanThread::body() {
  std::unique_ptr<PlanLibraryCalls> library = makeLibrary_();
  if (sleep_) sleep_(kInitDelayMilliseconds);
  library->init();
  Request request;
  while (waitForRequest(request)) {
    perform(*library, request);
    finish();
  }
  library.reset();
  running_.store(false);
}

bool PlanThread::waitForRequest(Request& request) {
  std::unique_lock lock(mutex_);
  for (;;) {
    event_.wait(lock, [this] { return signalled_; });
    signalled_ = false;
    if (exit_) return false;
    if (pending_ && mode_ != PlanMode::kIdle) {
      request = std::move(request_);
      return true;
    }
  }
}

void PlanThread::perform(PlanLibraryCalls& library, Request& request) {
  auto windowCreated = [this](std::uintptr_t window) {
    std::lock_guard lock(mutex_);
    window_ = window;
  };
  if (auto* run = std::get_if<PlanRunRequest>(&request)) {
    library.run(*run, windowCreated);
    return;
  }
  EditOrder& order = std::get<EditOrder>(request);
  PlanEditResult result = library.edit(order.request, windowCreated);
  {
    std::lock_guard lock(mutex_);
    window_ = 0;
  }
  if (order.edited) order.edited(std::move(result));
}

void PlanThread::finish() {
  std::function<void()> hook;
  {
    std::lock_guard lock(mutex_);
    window_ = 0;
    mode_ = PlanMode::kIdle;
    pending_ = false;
    hook = finished_;
  }
  if (hook) hook();
}

bool PlanThread::requestRun(PlanRunRequest request) {
  return take(std::move(request), PlanMode::kRunning);
}

bool PlanThread::requestEdit(PlanEditRequest request, std::function<void(PlanEditResult)> edited) {
  return take(EditOrder{std::move(request), std::move(edited)}, PlanMode::kEditing);
}

bool PlanThread::take(Request request, PlanMode mode) {
  {
    std::lock_guard lock(mutex_);
    if (mode_ != PlanMode::kIdle || exit_) return false;
    request_ = std::move(request);
    mode_ = mode;
    pending_ = true;
  }
  wake();
  return true;
}

PlanMode PlanThread::mode() const {
  std::lock_guard lock(mutex_);
  return mode_;
}

std::uintptr_t PlanThread::planWindow() const {
  std::lock_guard lock(mutex_);
  return window_;
}

void PlanThread::requestExit() {
  {
    std::lock_guard lock(mutex_);
    exit_ = true;
  }
  wake();
}

void PlanThread::wake() {
  {
    std::lock_guard lock(mutex_);
    signalled_ = true;
  }
  event_.notify_one();
}

void PlanThread::setFinishedHook(std::function<void()> hook) {
  std::lock_guard lock(mutex_);
  finished_ = std::move(hook);
}

}  // namespace qb
