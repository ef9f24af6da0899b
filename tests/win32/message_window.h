// A message-only window of the calling thread that runs actions posted to it when the thread
// dispatches its messages.
#pragma once
#include <windows.h>

#include <functional>

namespace qb::test {

class MessageWindow {
 public:
  MessageWindow();
  ~MessageWindow();
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;

  HWND handle() const { return window_; }
  void post(std::function<void()> action);

 private:
  HWND window_;
};

}  // namespace qb::test
