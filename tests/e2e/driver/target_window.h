// The driver's own editor: a window with two edit controls on a thread of its own (so that it
// answers while the driver waits), with Tab moving between the fields as in a dialog. The first
// field can take several lines, for the scenarios that paste them.
#pragma once
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace qb::e2e {

class TargetWindow {
 public:
  enum class FirstField { kOneLine, kLines };
  explicit TargetWindow(FirstField first = FirstField::kOneLine);
  ~TargetWindow();
  TargetWindow(const TargetWindow&) = delete;
  TargetWindow& operator=(const TargetWindow&) = delete;

  HWND window() const { return window_; }
  HWND field(int index) const { return index == 0 ? first_ : second_; }
  // Brings the window to the front with the keyboard focus in the first field.
  void activateFirstField() const;
  std::wstring text(int index) const;
  void clear() const;

 private:
  void run();

  std::thread thread_;
  FirstField firstKind_;
  std::atomic<bool> ready_{false};
  HWND window_ = nullptr;
  HWND first_ = nullptr;
  HWND second_ = nullptr;
};

}  // namespace qb::e2e
