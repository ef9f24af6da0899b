// Turns clipboard change notices into history items: the text is read, compared with the last
// one taken, and stored when it is new.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "history/history_item_store.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace qb {

class ClipboardCapture {
 public:
  ClipboardCapture(Clipboard& clipboard, Clock& clock, Ui& ui, HistoryItemStore& store);

  // Nothing is captured until the main view has come up.
  void setViewReady(bool ready) { viewReady_ = ready; }
  // `RirekiStop`: changes are not taken into the history.
  void setStopped(bool stopped) { stopped_ = stopped; }

  // A change notice. While one of the program's boxes is open nothing is captured.
  void onClipboardChanged(std::string_view sourceLabel);

  // A text the program puts on the clipboard itself is not captured when its notice arrives.
  void rememberOwnText(std::string_view text);

 private:
  Clipboard& clipboard_;
  Clock& clock_;
  Ui& ui_;
  HistoryItemStore& store_;
  bool viewReady_ = false;
  bool stopped_ = false;
  std::string lastText_;
  std::size_t lastLength_ = 0;
};

}  // namespace qb
