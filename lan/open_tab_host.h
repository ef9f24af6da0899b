// What the Open tab needs of the program around it: the window thread, the clipboard through the
// capture, the settings files and the tab's display. The Win32 program implements it; tests use
// a recording host.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qb {

class OpenTabHost {
 public:
  virtual ~OpenTabHost() = default;
  // Runs `work` on the window thread soon; the calling thread never waits for it.
  virtual void postToWindowThread(std::function<void()> work) = 0;
  // The clipboard text now (window thread); nullopt when there is none or it cannot be read.
  virtual std::optional<std::string> clipboardText() = 0;
  // Puts a text of change sync on the clipboard through the capture: stored into the History
  // when `intoHistory`, else marked as the program's own. 0, or -1 after the message.
  virtual int putSyncedText(std::string_view text, bool intoHistory) = 0;
  virtual void saveSettings() = 0;
  // The list's rows were copied anew: redraw them.
  virtual void rowsShown() = 0;
  // The group, the publishing state or the link state changed: the bar, the status colour and
  // the tray icon show it.
  virtual void tabStateChanged() = 0;
};

}  // namespace qb
