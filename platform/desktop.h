// The windows of the desktop as the paste and the window link see them: the foreground window,
// titles and rectangles, activation, input attachment, keyboard focus and caret.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace qb {

// A window handle as a number; 0 is no window.
using WindowId = std::uintptr_t;
using ThreadId = std::uint32_t;

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  virtual WindowId foregroundWindow() = 0;
  // Shift-JIS title; empty for no window.
  virtual std::string windowTitle(WindowId window) = 0;
  virtual std::string windowClassName(WindowId window) = 0;
  virtual std::optional<ScreenRect> windowRect(WindowId window) = 0;
  // The screen without the taskbar.
  virtual ScreenRect workArea() = 0;
  // True for a window the user can resize (it has a sizing border).
  virtual bool isResizable(WindowId window) = 0;

  // Brings the window to the foreground and activates it; false when refused.
  virtual bool activate(WindowId window) = 0;
  virtual ThreadId currentThread() = 0;
  virtual ThreadId windowThread(WindowId window) = 0;
  // Attaches (or detaches) the input state of thread `from` to thread `to`.
  virtual bool attachInput(ThreadId from, ThreadId to, bool attach) = 0;
  // The focus window of the calling thread's (possibly attached) input state.
  virtual WindowId focusedWindow() = 0;
  virtual void setFocus(WindowId window) = 0;
  // The caret of the calling thread's input state, in screen coordinates.
  virtual std::optional<ScreenPoint> caretPosition() = 0;

  // Restores a minimised or maximised window to its normal state.
  virtual void restore(WindowId window) = 0;
  virtual void move(WindowId window, const ScreenRect& rect) = 0;
  virtual void show(WindowId window, bool visible) = 0;
  // Raises to the top of the z-order without moving, resizing or activating, and shows it.
  virtual void raise(WindowId window) = 0;
  virtual void setTopmost(WindowId window, bool topmost) = 0;
};

}  // namespace qb
