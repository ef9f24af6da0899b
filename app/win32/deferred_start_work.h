// Work the start leaves for after the window is up and the program takes clipboard texts: run
// from the message loop, one task per turn, in the order added. A timer carries the turns, and
// the system posts timer messages only when no other message waits, so a clipboard notice or a
// click always comes first.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>

namespace qb {

class DeferredStartWork {
 public:
  // Returns true to be run again at the next turn (work done in slices), false when done.
  using Task = std::function<bool()>;

  DeferredStartWork() = default;
  ~DeferredStartWork() { cancel(); }
  DeferredStartWork(const DeferredStartWork&) = delete;
  DeferredStartWork& operator=(const DeferredStartWork&) = delete;

  void add(Task task) { tasks_.push_back(std::move(task)); }
  // While this says so (a message box or dialog is open), turns pass without running a task.
  void pauseWhile(std::function<bool()> paused) { paused_ = std::move(paused); }
  // Starts the turns on the calling thread (one instance at a time).
  void start();
  // Drops the tasks not run yet (the program is ending).
  void cancel();
  bool done() const { return tasks_.empty(); }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void runNext();

  std::deque<Task> tasks_;
  std::function<bool()> paused_;
  UINT_PTR timer_ = 0;
  static DeferredStartWork* running_;
};

}  // namespace qb
