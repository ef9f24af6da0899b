#include "paste/working_window.h"

namespace qb {

WorkingWindowTracker::WorkingWindowTracker(Desktop& desktop, PasteHost& host, WorkingWindow& state)
    : desktop_(desktop), host_(host), state_(state) {}

void WorkingWindowTracker::track() {
  const WindowId foreground = desktop_.foregroundWindow();
  if (foreground == 0 || host_.isOwnWindow(foreground)) return;
  if (desktop_.windowClassName(foreground) == "Shell_TrayWnd") return;
  if (foreground != state_.window) state_.focus = 0;
  state_.window = foreground;
}

std::string WorkingWindowTracker::statusText() {
  if (state_.window == 0) return "作業中文書：連携なし";
  return "作業中文書：" + desktop_.windowTitle(state_.window);
}

std::optional<ScreenPoint> WorkingWindowTracker::recordFocus() {
  if (state_.window == 0) return std::nullopt;
  state_.ownThread = desktop_.currentThread();
  state_.windowThread = desktop_.windowThread(state_.window);
  const bool attached = desktop_.attachInput(state_.ownThread, state_.windowThread, true);
  desktop_.activate(state_.window);
  state_.focus = desktop_.focusedWindow();
  const std::optional<ScreenPoint> caret = desktop_.caretPosition();
  if (attached) {
    desktop_.attachInput(state_.ownThread, state_.windowThread, false);
    desktop_.attachInput(state_.windowThread, state_.ownThread, false);
  }
  return caret;
}

}  // namespace qb
