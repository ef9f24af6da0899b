// Turns clipboard change notices into History items, and puts the program's own texts on the
// clipboard so that their notices are not taken again.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/settings/environment_settings.h"
#include "app/tablist/tab_kind.h"
#include "history/capture_hand_offs.h"
#include "history/clipboard_reader.h"
#include "history/history_list.h"
#include "history/save_stack_items.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace qb {

struct CaptureParts {
  Clipboard& clipboard;
  Clock& clock;
  Ui& ui;
  const EnvironmentSettings& settings;  // read at each notice
  CHistoryList& history;
  StackItemWriter& stack;
  CaptureHandOffs& handOffs;
  ClipboardChain& chain;
  std::string dataHome;
};

class CaptureController {
 public:
  explicit CaptureController(CaptureParts parts);

  // Nothing is captured until the main view has come up.
  void setViewReady(bool ready) { viewReady_ = ready; }

  // A change notice (already passed on along the chain). While one of the program's boxes is
  // open nothing is captured; a working document named in `DisabledAp00`-`09` is read late.
  void onClipboardChanged();
  // The deferred read: waits 150 ms, then captures.
  void onDeferredCapture();
  // Every 15 s: a text on the clipboard that differs from the last one taken means a notice was
  // missed, so the chain is joined again.
  void onWatchdogTick();
  // Leaves the chain, waits 500 ms, joins again.
  void rejoinChain();

  // Puts a text on the clipboard. Unless `takeIntoHistory`, the notice that follows is not
  // captured. 0, or -1 after the message.
  int putTextOnClipboard(std::string_view text, bool takeIntoHistory);
  // The same for a text code page 932 cannot hold: `exact` (UTF-8) goes on the clipboard as
  // Unicode text, `text` is its code-page-932 form.
  int putExactTextOnClipboard(std::string_view text, std::string_view exact, bool takeIntoHistory);
  // The main window was placed now (a write within 250 ms waits 100 ms first).
  void windowPlaced() { windowPlacedAt_ = clock_.milliseconds(); }

  // After a paste or copy of a value: values from other tabs (`OthersTabGet`) and partial
  // selections from the History tab (`RirekiBubunGet`) become History items. True when the
  // partial-selection mark is to be cleared.
  // `exact` is the value's exact form (UTF-8) when it was pasted in it.
  bool onValuePasted(TabKind from, bool partialSelection, std::string_view value,
                     std::string_view exact = {});

  const std::string& lastText() const { return lastText_; }

 private:
  void capture();
  void captureDuringPlan();
  void store(const ClipboardText& read);
  void rememberLast(std::string_view text, std::size_t length, std::string_view exact);
  std::string sourceLabel(std::string_view text);
  bool fromDisabledApplication();

  Clipboard& clipboard_;
  Clock& clock_;
  Ui& ui_;
  const EnvironmentSettings& settings_;
  CHistoryList& history_;
  StackItemWriter& stack_;
  CaptureHandOffs& handOffs_;
  ClipboardChain& chain_;
  std::string dataHome_;

  bool viewReady_ = false;
  // The last text taken: its code-page-932 form, full length and exact form (empty when none).
  std::string lastText_;
  std::size_t lastLength_ = 0;
  std::string lastExact_;
  std::string allLastText_;  // take-all mode
  std::size_t allLastLength_ = 0;
  std::string allLastExact_;
  std::optional<std::uint64_t> windowPlacedAt_;
};

}  // namespace qb
