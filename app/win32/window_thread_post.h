// Work handed to the window thread from another thread: a hidden message-only window of the
// window thread runs each posted function when its message is dispatched, in the order posted
// (also while a modal box of the window thread dispatches messages). Posting never waits.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>

namespace qb {

class WindowThreadPost {
 public:
  // Creates the window on the calling (window) thread.
  explicit WindowThreadPost(HINSTANCE instance);
  ~WindowThreadPost();
  WindowThreadPost(const WindowThreadPost&) = delete;
  WindowThreadPost& operator=(const WindowThreadPost&) = delete;

  // Any thread. Dropped once the window is gone.
  void post(std::function<void()> work);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  std::atomic<HWND> window_{nullptr};
};

}  // namespace qb
