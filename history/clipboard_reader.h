// Reading the clipboard's text with the retries the program allows another holder.
#pragma once
#include <cstddef>
#include <string>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace qb {

struct ClipboardText {
  std::string text;            // at most 512000 bytes
  std::size_t fullLength = 0;  // bytes the clipboard held, before the cut
  // The exact form (UTF-8) of a text code page 932 cannot hold; empty when `text` is exact, and
  // for a text that was cut (the cut text is not the one copied).
  std::string exact;
  bool isPrivate = false;      // the content carries a privacy format
};

enum class ClipboardTries { kFive, kSingle };

// Empty when the clipboard holds no text; that is known before opening, so it costs no retries.
// An open refused for a moment (another listener reading the same change) is tried again at once
// for up to 10 ms; after that, opening is retried after 300, 500, 600 and 700 ms
// (messages are dispatched while waiting); after the fifth failure the user is told that
// another application seems to hold the clipboard.
ClipboardText ReadClipboardText(Clipboard& clipboard, Clock& clock, Ui& ui,
                                ClipboardTries tries = ClipboardTries::kFive);

// Opening for a write: retried after 100, 400, 500 and 600 ms, then the same warning.
bool OpenClipboardForWrite(Clipboard& clipboard, Clock& clock, Ui& ui);

}  // namespace qb
