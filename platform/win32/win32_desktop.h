// The desktop through user32: foreground, titles, rectangles, activation, input attachment,
// focus and caret. Window handles travel as numbers.
#pragma once
#include "platform/desktop.h"

namespace qb {

class Win32Desktop : public Desktop {
 public:
  WindowId foregroundWindow() override;
  std::string windowTitle(WindowId window) override;
  std::string windowClassName(WindowId window) override;
  std::optional<ScreenRect> windowRect(WindowId window) override;
  ScreenRect workArea() override;
  bool isResizable(WindowId window) override;
  bool activate(WindowId window) override;
  ThreadId currentThread() override;
  ThreadId windowThread(WindowId window) override;
  bool attachInput(ThreadId from, ThreadId to, bool attach) override;
  WindowId focusedWindow() override;
  void setFocus(WindowId window) override;
  std::optional<ScreenPoint> caretPosition() override;
  void restore(WindowId window) override;
  void move(WindowId window, const ScreenRect& rect) override;
  void show(WindowId window, bool visible) override;
  void raise(WindowId window) override;
  void setTopmost(WindowId window, bool topmost) override;
};

}  // namespace qb
