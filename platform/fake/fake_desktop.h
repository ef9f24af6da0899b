// A desktop of fake windows for tests. Every call that changes something is logged with its
// virtual time ("<ms> activate 7", "<ms> attach 1->2", "<ms> focus 8", ...).
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/fake/fake_clock.h"

namespace qb {

struct FakeWindow {
  std::string title;
  std::string className = "FakeWindowClass";
  ScreenRect rect;
  bool resizable = true;
  ThreadId thread = 2;
  bool visible = true;
  bool restored = false;
  bool topmost = false;
};

class FakeDesktop : public Desktop {
 public:
  explicit FakeDesktop(FakeClock& clock);

  WindowId foregroundWindow() override;
  std::string windowTitle(WindowId window) override;
  std::string windowClassName(WindowId window) override;
  std::optional<ScreenRect> windowRect(WindowId window) override;
  ScreenRect workArea() override { return workArea_; }
  bool isResizable(WindowId window) override;
  bool activate(WindowId window) override;
  ThreadId currentThread() override { return currentThread_; }
  ThreadId windowThread(WindowId window) override;
  bool attachInput(ThreadId from, ThreadId to, bool attach) override;
  WindowId focusedWindow() override { return focus_; }
  void setFocus(WindowId window) override;
  std::optional<ScreenPoint> caretPosition() override { return caret_; }
  void restore(WindowId window) override;
  void move(WindowId window, const ScreenRect& rect) override;
  void show(WindowId window, bool visible) override;
  void raise(WindowId window) override;
  void setTopmost(WindowId window, bool topmost) override;

  // Test set-up.
  void addWindow(WindowId id, FakeWindow window);
  FakeWindow& window(WindowId id) { return windows_.at(id); }
  void setForeground(WindowId window) { foreground_ = window; }
  void setWorkArea(const ScreenRect& area) { workArea_ = area; }
  void setCaret(std::optional<ScreenPoint> caret) { caret_ = caret; }
  void setCurrentThread(ThreadId thread) { currentThread_ = thread; }
  // The next `count` activations are refused.
  void refuseActivations(int count) { refusedActivations_ = count; }
  // Activations are accepted but take effect this much later (as a loaded desktop does).
  void delayActivations(int milliseconds) { activationDelay_ = milliseconds; }
  void refuseAttach(bool refuse) { refuseAttach_ = refuse; }
  // The next `count` focus requests are lost (the focus stays where it was).
  void loseFocusRequests(int count) { lostFocusRequests_ = count; }
  // The focus as the window's thread would report it (set by activation or setFocus).
  void setFocusedWindow(WindowId window) { focus_ = window; }

  const std::vector<std::string>& log() const { return log_; }
  // Pairs (from, to) currently attached.
  int attachedPairs() const { return static_cast<int>(attached_.size()); }

 private:
  void note(const std::string& what);

  FakeClock& clock_;
  std::map<WindowId, FakeWindow> windows_;
  WindowId foreground_ = 0;
  WindowId focus_ = 0;
  ScreenRect workArea_{0, 0, 1280, 760};
  std::optional<ScreenPoint> caret_;
  ThreadId currentThread_ = 1;
  int refusedActivations_ = 0;
  int activationDelay_ = 0;
  WindowId pendingForeground_ = 0;
  std::uint64_t pendingSince_ = 0;
  bool refuseAttach_ = false;
  int lostFocusRequests_ = 0;
  std::map<std::pair<ThreadId, ThreadId>, bool> attached_;
  std::vector<std::string> log_;
};

}  // namespace qb
