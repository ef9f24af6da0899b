// The working window: the window the user was typing in before calling the main window up,
// tracked every 100 ms, with the focus control and caret recorded at call-up.
#pragma once
#include <optional>
#include <string>

#include "paste/paste_host.h"
#include "platform/desktop.h"

namespace qb {

inline constexpr int kWorkingWindowTrackMilliseconds = 100;

struct WorkingWindow {
  WindowId window = 0;
  WindowId focus = 0;       // the control that had the focus at call-up; 0 when unknown
  ThreadId ownThread = 0;   // recorded at call-up
  ThreadId windowThread = 0;
};

class WorkingWindowTracker {
 public:
  WorkingWindowTracker(Desktop& desktop, PasteHost& host, WorkingWindow& state);

  // The 100 ms tick (skipped by the caller while closing or busy).
  void track();
  // "作業中文書：" + title, or "作業中文書：連携なし".
  std::string statusText();
  // At call-up in precise mode or with caret placement: records the threads, the focus control
  // and the caret (screen coordinates).
  std::optional<ScreenPoint> recordFocus();

 private:
  Desktop& desktop_;
  PasteHost& host_;
  WorkingWindow& state_;
};

}  // namespace qb
