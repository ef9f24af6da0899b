// A plain window of the driver, without a frame, on a thread of its own: it counts the mouse
// buttons that reach it, so that a scenario sees which clicks the hooks let through. The hooks
// run on its thread, so the plan popup menu shown over it belongs to the driver's process and
// can be read directly.
#pragma once
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace qb::e2e {

class ClickTarget {
 public:
  explicit ClickTarget(RECT rect);
  ~ClickTarget();
  ClickTarget(const ClickTarget&) = delete;
  ClickTarget& operator=(const ClickTarget&) = delete;

  HWND window() const { return window_; }
  // Button-down messages (client and non-client) that reached the window.
  int leftDowns() const { return leftDowns_.load(); }
  int rightDowns() const { return rightDowns_.load(); }
  void resetCounts();
  // Brings the window to the front (its thread then takes the keys).
  void activate() const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void run(RECT rect);

  std::thread thread_;
  std::atomic<bool> ready_{false};
  HWND window_ = nullptr;
  std::atomic<int> leftDowns_{0};
  std::atomic<int> rightDowns_{0};
};

// The visible popup menu window ("#32768") of the driver's own process; nullptr when none.
HWND ownPopupMenuWindow();
// The texts of the menu shown by such a window ("-" for a separator).
std::vector<std::wstring> ownMenuTexts(HWND menuWindow);

}  // namespace qb::e2e
