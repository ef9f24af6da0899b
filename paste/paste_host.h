// What the paste engine needs of the program around it: the main window, the list the value
// comes from, and the places it reports to. The main window and the tab lists implement these.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace qb {

class PartialSelectionModel;

// The main window and the program state around a paste.
class PasteHost {
 public:
  virtual ~PasteHost() = default;
  // True for the program's own top windows (main window, dialogs), which are never the
  // working window.
  virtual bool isOwnWindow(WindowId window) = 0;
  virtual WindowId mainWindow() = 0;
  virtual bool alwaysOnTop() = 0;
  // Puts the value on the clipboard so that its change notice is not captured again (the
  // clipboard capture does this, with its retries and messages). 0, or -1 after the message.
  virtual int putTextOnClipboard(std::string_view text) = 0;
  // The same for a value whose exact form (UTF-8) code page 932 cannot hold: the exact form goes
  // on the clipboard as Unicode text. A host without exact forms puts `text`.
  virtual int putExactTextOnClipboard(std::string_view text, std::string_view /*exact*/) {
    return putTextOnClipboard(text);
  }
  // The window step of a paste: leave the window link, refresh the view, close the input method.
  virtual void leaveLinkAndRefresh() = 0;
  // Runs the partial-selection dialog modally; true on OK.
  virtual bool runPartialSelection(PartialSelectionModel& model) = 0;
  // After a value was pasted or copied: store it into the History when OthersTabGet= or
  // RirekiBubunGet= asks for it (`partial` tells a part chosen in the partial selection).
  virtual void storePastedValue(std::string_view value, bool partial) = 0;
  // The same for a value pasted in its exact form (UTF-8), which the History keeps too.
  virtual void storePastedExactValue(std::string_view value, std::string_view /*exact*/,
                                     bool partial) {
    storePastedValue(value, partial);
  }
};

// The tab list the value comes from.
class PasteSource {
 public:
  virtual ~PasteSource() = default;
  virtual std::optional<int> selectedRow() = 0;
  virtual int rowCount() = 0;
  // The value for use: macros expanded and inputs filled; empty when cancelled.
  virtual std::string valueForUse(int row) = 0;
  // The whole stored value of a row (the bulk pastes join these).
  virtual std::string wholeValue(int row) = 0;
  // The exact form (UTF-8) of the row's stored value when code page 932 cannot hold it; empty
  // when the stored value is exact.
  virtual std::string exactValue(int /*row*/) { return {}; }
  // The use-count hook; `bulk` for the pastes of several rows (no move to the top).
  virtual void countUse(int row, bool bulk) = 0;
  // The after-paste hook (History: re-sort).
  virtual void afterPaste() = 0;
};

}  // namespace qb
